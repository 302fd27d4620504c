// `mifkit dump`: the whole database as JSON, strings as UTF-8.
#pragma once

#include <string>

#include <nlohmann/json.hpp>

#include "mifkit/parser.h"

namespace mifkit::tool {

// Keys in the order a reader meets them in a MIF file. Missing optional
// texts (description, pragma) are left out; an attribute's value is "value",
// or "overlay" with the overlay's name, or "unknown": true, and is absent for
// Unsupported (its access says so) or when none was given.
nlohmann::ordered_json DatabaseJson(const Database &database);

// Prints the JSON of FILE with a 2-space indent; 1 when it does not parse.
int RunDump(const std::string &file);

}  // namespace mifkit::tool
