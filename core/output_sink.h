// Where diagnostic and progress text goes. The process-wide parser writes to
// the C runtime's stdout, one write per line, so its lines interleave with
// what the host prints; the C++ API and the tests may take the text instead.
// On Windows each line is flushed at once and ends in "\n" alone, also when
// the host's stdout is in text mode: the same bytes as on other platforms.
#pragma once

#include <functional>
#include <string_view>

namespace mifkit {

using OutputSink = std::function<void(std::string_view text)>;

// Writes each piece of text to stdout with a single call.
OutputSink StdoutSink();

}  // namespace mifkit
