#include "core/output_sink.h"

#include <cstdio>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace mifkit {

namespace {

#ifdef _WIN32
// The lines leave with "\n" alone, as on every other platform, whatever mode
// the host gave stdout: what is pending goes out in the host's mode, ours in
// binary, and the mode is put back. Flushing every line also keeps the lines
// in order with the host's own output when the host's C runtime is not ours.
void WriteStdout(std::string_view text) {
    std::fflush(stdout);
    const int fd = _fileno(stdout);
    const int previous = fd >= 0 ? _setmode(fd, _O_BINARY) : -1;
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fflush(stdout);
    if (previous != -1) _setmode(fd, previous);
}
#else
void WriteStdout(std::string_view text) { std::fwrite(text.data(), 1, text.size(), stdout); }
#endif

}  // namespace

OutputSink StdoutSink() { return WriteStdout; }

}  // namespace mifkit
