// Loading the shared library as a host does: dlopen on POSIX, LoadLibraryA
// and GetProcAddress on Windows. The system headers stay in the .cpp, so a
// test that includes this sees none of windows.h's macros.
#pragma once

#include <string>

namespace mifkit::test {

using LibraryAddress = void (*)();

// OpenLibrary gives null when the library cannot be loaded, and
// LibraryError() then says why; LibrarySymbol gives the address of an export
// as a function pointer type, null when absent.
void *OpenLibrary(const char *path);
std::string LibraryError();
LibraryAddress LibraryExport(void *library, const char *name);
void CloseLibrary(void *library);

template <typename Function>
Function LibrarySymbol(void *library, const char *name) {
    return reinterpret_cast<Function>(LibraryExport(library, name));
}

}  // namespace mifkit::test
