// Whole-file reading and safe replacement of a file, behind one interface on
// POSIX and on Windows.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace mifkit::platform {

// Reads the file in binary. False when it cannot be opened or read, or holds
// more than `maxBytes` bytes.
bool ReadWholeFile(const char *name, std::string &out, size_t maxBytes);

// Writes `data` to a fresh file beside `name`, then renames it over `name`:
// a symlink standing at `name` is replaced, never followed, and no reader
// ever sees a half-written file. False when any step fails.
bool WriteFileAtomically(const char *name, std::string_view data);

// The same for a file that exists: the fresh file takes its permissions
// before it replaces it, so that who may read and write it stays as it was.
bool ReplaceFileKeepingMode(const char *name, std::string_view data);

}  // namespace mifkit::platform
