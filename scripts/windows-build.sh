#!/usr/bin/env bash
# Cross-builds mifkit for Windows with Debian's mingw-w64: mifkit.dll with
# its import library libmifkit.dll.a, the tool mifkit.exe, the unit tests and
# the host program, for 64-bit Windows into build-win64 and for 32-bit
# Windows into build-win32. Extra arguments go to CMake's configure step;
# WINDOWS_TARGETS picks the targets ("x86_64 i686" by default).
set -euo pipefail
cd "$(dirname "$0")/.."

# Wine for the tests: 64-bit, and 32-bit with the emulator that carries it.
bash scripts/install-deps.sh g++-mingw-w64-x86-64 g++-mingw-w64-i686 googletest wine wine64 \
  qemu-user-static wine32:i386 wine32-preloader:i386

for target in ${WINDOWS_TARGETS:-x86_64 i686}; do
  case "$target" in
    x86_64) build=build-win64 ;;
    i686) build=build-win32 ;;
    *) echo "unknown target $target" >&2; exit 2 ;;
  esac
  cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/toolchains/mingw-$target.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DMIFKIT_BUILD_BENCH=OFF "$@"
  cmake --build "$build" -j"$(nproc)"
done
