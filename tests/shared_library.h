// Loading the shared library as a host does: dlopen on POSIX, LoadLibraryA
// and GetProcAddress on Windows.
#pragma once

#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <dlfcn.h>
#endif

#include <string>

namespace mifkit::test {

// OpenLibrary gives null when the library cannot be loaded, and
// LibraryError() then says why; LibrarySymbol gives the address of an export
// as a function pointer type, null when absent.
#ifdef _WIN32
inline void *OpenLibrary(const char *path) { return reinterpret_cast<void *>(::LoadLibraryA(path)); }
inline std::string LibraryError() { return "LoadLibraryA failed with error " + std::to_string(::GetLastError()); }
template <typename Function>
Function LibrarySymbol(void *library, const char *name) {
    return reinterpret_cast<Function>(
        reinterpret_cast<void (*)()>(::GetProcAddress(static_cast<HMODULE>(library), name)));
}
inline void CloseLibrary(void *library) { ::FreeLibrary(static_cast<HMODULE>(library)); }
#else
inline void *OpenLibrary(const char *path) { return ::dlopen(path, RTLD_NOW | RTLD_LOCAL); }
inline std::string LibraryError() {
    const char *error = ::dlerror();
    return error != nullptr ? error : "";
}
template <typename Function>
Function LibrarySymbol(void *library, const char *name) {
    return reinterpret_cast<Function>(::dlsym(library, name));
}
inline void CloseLibrary(void *library) { ::dlclose(library); }
#endif

}  // namespace mifkit::test
