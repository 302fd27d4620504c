# 64-bit Windows with Debian's mingw-w64. Programs built here run under Wine
# (`wine`, which picks wine64), so CMake and CTest use it to start them.
set(MIFKIT_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)

find_program(MIFKIT_WINE wine)
if(MIFKIT_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${MIFKIT_WINE})
endif()
