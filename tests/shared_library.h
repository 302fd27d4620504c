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

// Null when the library cannot be loaded; LibraryError() says why.
inline void *OpenLibrary(const char *path) {
#ifdef _WIN32
    return reinterpret_cast<void *>(::LoadLibraryA(path));
#else
    return ::dlopen(path, RTLD_NOW | RTLD_LOCAL);
#endif
}

inline std::string LibraryError() {
#ifdef _WIN32
    return "LoadLibraryA failed with error " + std::to_string(::GetLastError());
#else
    const char *error = ::dlerror();
    return error != nullptr ? error : "";
#endif
}

// The address of an export as a function pointer type; null when absent.
template <typename Function>
Function LibrarySymbol(void *library, const char *name) {
#ifdef _WIN32
    return reinterpret_cast<Function>(
        reinterpret_cast<void (*)()>(::GetProcAddress(static_cast<HMODULE>(library), name)));
#else
    return reinterpret_cast<Function>(::dlsym(library, name));
#endif
}

inline void CloseLibrary(void *library) {
#ifdef _WIN32
    ::FreeLibrary(static_cast<HMODULE>(library));
#else
    ::dlclose(library);
#endif
}

}  // namespace mifkit::test
