# Shared by the mingw-w64 toolchain files: MIFKIT_MINGW_TRIPLE and
# CMAKE_SYSTEM_PROCESSOR are set by the file that includes this one.
set(CMAKE_SYSTEM_NAME Windows)

# The POSIX thread model: GoogleTest needs std::mutex, which the win32
# model lacks. Its threading library is linked in statically with the rest
# of the compiler's runtime (see the -static link option).
foreach(tool gcc g++)
  if(EXISTS /usr/bin/${MIFKIT_MINGW_TRIPLE}-${tool}-posix)
    set(mifkit_${tool} /usr/bin/${MIFKIT_MINGW_TRIPLE}-${tool}-posix)
  else()
    set(mifkit_${tool} ${MIFKIT_MINGW_TRIPLE}-${tool})
  endif()
endforeach()
set(CMAKE_C_COMPILER ${mifkit_gcc})
set(CMAKE_CXX_COMPILER ${mifkit_g++})
set(CMAKE_RC_COMPILER ${MIFKIT_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${MIFKIT_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
