// What `mifkit check` prints for a parsed file.
#pragma once

#include <string>

#include "mifkit/parser.h"

namespace mifkit::tool {

// A diagnostic as editors and CI logs read it:
// FILE:LINE: error: TEXT [DMI0NNN], with the token's true source line and
// the token shown readable.
std::string FormatGnuDiagnostic(const std::string &file, const Diagnostic &diagnostic);

}  // namespace mifkit::tool
