#ifdef _WIN32

#include <windows.h>

#include "platform/file_search.h"

namespace mifkit::platform {

bool FileExists(const char *name) {
    if (name == nullptr) return false;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(name, &found);
    if (search == INVALID_HANDLE_VALUE) return false;
    FindClose(search);
    return true;
}

}  // namespace mifkit::platform

#endif
