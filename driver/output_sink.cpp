#include "driver/output_sink.h"

#include <cstdio>

namespace mifkit {

OutputSink StdoutSink() {
    return [](std::string_view text) { std::fwrite(text.data(), 1, text.size(), stdout); };
}

}  // namespace mifkit
