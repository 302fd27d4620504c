// Whole-file reading and safe replacement of a file, behind one interface on
// POSIX and on Windows.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace mifkit::platform {

// Reads the file in binary. False when it cannot be opened or read, or holds
// more than `maxBytes` bytes.
bool ReadWholeFile(const char *name, std::string &out, size_t maxBytes);

// The size of `name` when it is a regular file; false for anything else.
bool RegularFileSize(const char *name, size_t &size);

// Reads `name` from its start into `out` until its end or `capacity` bytes;
// `read` is the count. False when it cannot be opened or read.
bool ReadFileInto(const char *name, char *out, size_t capacity, size_t &read);

// Writes `data` to a fresh file beside `name`, then renames it over `name`:
// a symlink standing at `name` is replaced, never followed, and no reader
// ever sees a half-written file. False when any step fails.
bool WriteFileAtomically(const char *name, std::string_view data);

// The same over a file that exists, whose permissions the new file keeps.
// False, the file untouched, when it is missing, read-only or any step fails.
bool ReplaceFileAtomically(const char *name, std::string_view data);

// Hands a file's bytes on piece by piece: false when a piece was not written.
using WritePiece = std::function<bool(std::string_view)>;

// The same for bytes made while they are written: `produce` passes each
// piece to the writer it is given and returns false when one failed, which
// leaves `name` as it was.
bool WriteFileAtomically(const char *name, const std::function<bool(const WritePiece &)> &produce);

}  // namespace mifkit::platform
