#include "tests/shared_library.h"

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace mifkit::test {

#ifdef _WIN32
void *OpenLibrary(const char *path) { return reinterpret_cast<void *>(::LoadLibraryA(path)); }
std::string LibraryError() { return "LoadLibraryA failed with error " + std::to_string(::GetLastError()); }
LibraryAddress LibraryExport(void *library, const char *name) {
    return reinterpret_cast<LibraryAddress>(::GetProcAddress(static_cast<HMODULE>(library), name));
}
void CloseLibrary(void *library) { ::FreeLibrary(static_cast<HMODULE>(library)); }
#else
void *OpenLibrary(const char *path) { return ::dlopen(path, RTLD_NOW | RTLD_LOCAL); }
std::string LibraryError() {
    const char *error = ::dlerror();
    return error != nullptr ? error : "";
}
LibraryAddress LibraryExport(void *library, const char *name) {
    return reinterpret_cast<LibraryAddress>(::dlsym(library, name));
}
void CloseLibrary(void *library) { ::dlclose(library); }
#endif

}  // namespace mifkit::test
