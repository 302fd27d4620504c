# 32-bit Windows, the platform agents load the library on, with Debian's
# mingw-w64. This kernel cannot execute 32-bit code: programs built here run
# under 32-bit Wine carried by qemu-i386-static, laid out by
# scripts/wine32.sh in the build tree, which CMake and CTest use to start them.
set(MIFKIT_MINGW_TRIPLE i686-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)

# Once per configure, not in every try_compile project.
get_property(mifkit_in_try_compile GLOBAL PROPERTY IN_TRY_COMPILE)
if(NOT mifkit_in_try_compile)
  execute_process(COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/../../scripts/wine32.sh ${CMAKE_BINARY_DIR}/wine32
    OUTPUT_VARIABLE mifkit_wine32 OUTPUT_STRIP_TRAILING_WHITESPACE
    ERROR_VARIABLE mifkit_wine32_error ERROR_STRIP_TRAILING_WHITESPACE
    RESULT_VARIABLE mifkit_wine32_status)
  if(mifkit_wine32_status EQUAL 0)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${mifkit_wine32})
  else()
    message(STATUS "32-bit programs will not run here: ${mifkit_wine32_error}")
  endif()
endif()
