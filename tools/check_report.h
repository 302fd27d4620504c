// What `mifkit check` prints for a parsed file.
#pragma once

#include <string>

#include "mifkit/parser.h"

namespace mifkit::tool {

// A diagnostic as editors and CI logs read it:
// FILE:LINE: error: TEXT [DMI0NNN], with the token's true source line and
// the token shown readable.
std::string FormatGnuDiagnostic(const std::string &file, const Diagnostic &diagnostic);

// The catalogue's text of the diagnostic's message, with its ID when it names one.
std::string MessageText(const Diagnostic &diagnostic);

// The hint on the line after the diagnostic, as compilers print their
// notes: "  hint: TEXT" after the library's line, "FILE:LINE: note: TEXT"
// after the editors' one. Empty when the diagnostic has no hint.
std::string FormatHint(const Diagnostic &diagnostic);
std::string FormatGnuHint(const std::string &file, const Diagnostic &diagnostic);

}  // namespace mifkit::tool
