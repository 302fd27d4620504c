// Hints for diagnostics: what a person can do about a mistake that real MIF
// files make, found in the source around each diagnostic.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "mifkit/parser.h"

namespace mifkit::hints {

// Sets `hint`, and `fix` where the repair is mechanical, on the diagnostics
// whose source shows a known mistake; the others stay as they are.
void AttachHints(std::string_view source, std::vector<Diagnostic> &diagnostics);
// The same for a file, read again; nothing happens when it cannot be read.
void AttachHintsFromFile(const std::string &path, std::vector<Diagnostic> &diagnostics);

}  // namespace mifkit::hints
