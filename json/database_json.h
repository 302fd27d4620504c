// The whole database as JSON, strings as UTF-8: what `mifkit dump` prints
// and what the Python module's to_dict() gives.
#pragma once

#include <nlohmann/json.hpp>

#include "mifkit/parser.h"

namespace mifkit {

// Keys in the order a reader meets them in a MIF file. Missing optional
// texts (description, pragma) are left out; an attribute's value is "value",
// or "overlay" with the overlay's name, or "unknown": true, and is absent for
// Unsupported (its access says so) or when none was given.
nlohmann::ordered_json DatabaseJson(const Database &database);

}  // namespace mifkit
