#ifdef _WIN32

#include <windows.h>
// windows.h maps GetProfileString to the system's GetProfileStringA.
#undef GetProfileString

#include "platform/profile_strings.h"

namespace mifkit::platform {

uint32_t GetProfileString(const char *section, const char *key, const char *defaultValue,
                          char *buffer, uint32_t size, const char *fileName) {
    return GetPrivateProfileStringA(section, key, defaultValue, buffer, size, fileName);
}

}  // namespace mifkit::platform

#endif
