# 64-bit Windows with Debian's mingw-w64. Programs built here run under Wine,
# so CMake and CTest use it to start them: the 64-bit loader by name, since
# `wine` starts the 32-bit one once 32-bit Wine is installed too.
set(MIFKIT_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)

find_program(MIFKIT_WINE64 wine64 HINTS /usr/lib/wine)
if(MIFKIT_WINE64)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${MIFKIT_WINE64})
endif()
