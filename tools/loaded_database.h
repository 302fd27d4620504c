// The parse that `mifkit dump`, `groups` and `table` read from.
#pragma once

#include <optional>
#include <string>

#include "mifkit/parser.h"

namespace mifkit::tool {

// The file's database, or nothing when it does not parse: its diagnostic
// lines and the failure then go to stderr, so that stdout stays the output.
std::optional<Database> LoadDatabase(const std::string &file);

}  // namespace mifkit::tool
