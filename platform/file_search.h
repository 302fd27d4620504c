// Whether a file exists, as a FindFirstFileA search answers it.
#pragma once

namespace mifkit::platform {

// True when a file or directory matches `name`: a plain path, or one whose
// last component holds the wildcards '*' and '?'. A null or empty name, a
// name ending in a separator and wildcards in a directory match nothing.
bool FileExists(const char *name);

}  // namespace mifkit::platform
