// MIFKIT_CXX_API marks what the C++ library exports. The C library is built
// from the same objects and exports only the C interface (its version script
// or .def file says which names), so the mark widens nothing there.
#pragma once

#if defined(_WIN32)
// On Windows the C++ interface is a static library: nothing to import.
#  define MIFKIT_CXX_API
#else
#  define MIFKIT_CXX_API __attribute__((visibility("default")))
#endif
