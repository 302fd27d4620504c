# 32-bit Windows, the platform agents load the library on, with Debian's
# mingw-w64. Built and checked statically only: running 32-bit programs
# needs a kernel that can execute them, and 32-bit Wine.
set(MIFKIT_MINGW_TRIPLE i686-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
