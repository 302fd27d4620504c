// `mifkit dump`: the whole database as JSON, strings as UTF-8.
#pragma once

#include <string>

namespace mifkit::tool {

// Prints the JSON of FILE with a 2-space indent; 1 when it does not parse.
int RunDump(const std::string &file);

}  // namespace mifkit::tool
