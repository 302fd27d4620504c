// `mifkit check --format=json` and `--format=sarif`: diagnostics for
// editors, CI annotations and code-scanning tools.
#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <utility>
#include <vector>

#include "mifkit/parser.h"

namespace mifkit::tool {

// One checked file and what the parse reported.
using CheckedFile = std::pair<std::string, std::vector<Diagnostic>>;

// One diagnostic as one line of JSON: file, line, message, text, token,
// hint and fix (null when there is none).
std::string FormatJsonDiagnostic(const std::string &file, const Diagnostic &diagnostic);

// A SARIF 2.1.0 log of one run over the files.
nlohmann::ordered_json SarifLog(const std::vector<CheckedFile> &files);

}  // namespace mifkit::tool
