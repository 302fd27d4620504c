// `mifkit format`: MIF files in the writer's one layout, comments kept.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace mifkit::tool {

// The file in the canonical layout. Nothing, its diagnostics on stderr, when
// it does not parse or its text would not read back as the same database.
std::optional<std::string> FormatFile(const std::string &file, std::string &original);

enum class FormatMode { kPrint, kCheck, kInPlace };

// kPrint writes each file's text to stdout; kCheck lists the files that
// would change; kInPlace replaces those atomically. 1 when any file does
// not parse, would change (kCheck) or cannot be replaced.
int RunFormat(const std::vector<std::string> &files, FormatMode mode);

}  // namespace mifkit::tool
