#!/usr/bin/env bash
# Checks the Windows builds of scripts/windows-build.sh. Statically: the PE
# machine type, exactly the exports that cmake/mifkit.def and cmake/mifkit.map
# list, imports of system DLLs only. Then under Wine, in one prefix made for
# this run in a temporary directory: each build's unit tests, its host
# program (whose output must be tests/host/expected_output.txt) and its tool
# checking the bundled example. 64-bit programs run under the 64-bit loader;
# 32-bit ones under 32-bit Wine carried by qemu-i386-static, as laid out by
# scripts/wine32.sh, since this kernel cannot execute 32-bit code.
set -euo pipefail
cd "$(dirname "$0")/.."

fail() { echo "windows-test: $*" >&2; exit 1; }

# The names between "global:" and "local:" of the version script, and the
# EXPORTS of the module definition file, sorted.
map_names=$(sed -n '/global:/,/local:/p' cmake/mifkit.map | grep -o '^ *[A-Za-z_][A-Za-z0-9_]*;' | tr -d ' ;' | sort)
def_names=$(sed -n '/^EXPORTS/,$p' cmake/mifkit.def | tail -n +2 | grep -v '^ *;' | awk 'NF {print $1}' | sort)
[ "$map_names" = "$def_names" ] || fail "cmake/mifkit.map and cmake/mifkit.def list different names"
[ "$(echo "$map_names" | wc -l)" -eq 10 ] || fail "expected ten exports"

# The machine field of a PE file's COFF header, in hex.
machine() {
  local offset
  offset=$(od -An -tu4 -j60 -N4 "$1" | tr -d ' ')
  od -An -tx2 -j$((offset + 4)) -N2 "$1" | tr -d ' '
}

check_build() {
  local build=$1 triple=$2 expected_machine=$3 symbol_prefix=$4
  local dll=$build/mifkit.dll
  [ -f "$dll" ] && [ -f "$build/libmifkit.dll.a" ] || fail "$build: no mifkit.dll or import library"
  for file in "$dll" "$build/tools/mifkit.exe" "$build/tests/mifkit_host.exe" "$build/tests/mifkit_tests.exe"; do
    [ -f "$file" ] || fail "$file is missing"
    [ "$(machine "$file")" = "$expected_machine" ] || fail "$file: machine $(machine "$file"), not $expected_machine"
    # Only the system's own DLLs: the compiler's runtime is linked in.
    local imports
    imports=$("$triple-objdump" -p "$file" | sed -n 's/^\s*DLL Name: //p')
    while read -r name; do
      case "${name,,}" in
        kernel32.dll | user32.dll | msvcrt.dll | ucrtbase.dll | api-ms-win-crt-*.dll) ;;
        *) fail "$file imports $name" ;;
      esac
    done <<< "$imports"
  done
  local exports
  exports=$("$triple-objdump" -p "$dll" |
    sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' | sed -n 's/^\s*\[ *[0-9]*\] //p' | sort)
  [ "$exports" = "$map_names" ] || fail "$dll exports: $(echo $exports), expected: $(echo $map_names)"
  # The import library's symbols: a __cdecl function is its C name with the
  # target's prefix, where __stdcall would add @ and the argument bytes.
  local imported
  imported=$("$triple-nm" "$build/libmifkit.dll.a" | sed -n "s/^.* I __imp_$symbol_prefix//p" | sort)
  [ "$imported" = "$map_names" ] || fail "$build/libmifkit.dll.a imports: $(echo $imported)"
  echo "$build: machine $expected_machine, the ten exports (__cdecl), system imports only"
}

checked=0
if [ -d build-win64 ]; then check_build build-win64 x86_64-w64-mingw32 8664 ""; checked=1; fi
if [ -d build-win32 ]; then check_build build-win32 i686-w64-mingw32 014c _; checked=1; fi
[ "$checked" -eq 1 ] || fail "no Windows build: run scripts/windows-build.sh first"

builds=()
for build in build-win64 build-win32; do [ -d "$build" ] && builds+=("$build"); done

work=$(mktemp -d "${TMPDIR:-/tmp}/mifkit-wine.XXXXXX")
export WINEPREFIX=$work/prefix
export WINEDEBUG=-all
# No .NET or HTML engine to offer: the tests need neither.
export WINEDLLOVERRIDES="mscoree,mshtml="
cleanup() {
  /usr/lib/wine/wineserver64 -k 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# The loaders by name: `wine` starts the 32-bit one once 32-bit Wine is
# installed. The 32-bit one is the layout the build's CMake runs its tests
# with (laid out again: the same command); with it the prefix is made
# through that layout's wine64, so that the 32-bit half of its set-up runs
# under the emulator too.
wine64=/usr/lib/wine/wine64
wine32=""
if [ -d build-win32 ]; then
  wine32=$(bash scripts/wine32.sh "$PWD/build-win32/wine32") || fail "32-bit Wine cannot run here"
  wine64=$(dirname "$wine32")/wine64
fi
# Its first start makes the prefix; what it says is shown only on failure.
mkdir -p "$WINEPREFIX"
if ! "$wine64" wineboot --init > "$work/wineboot.log" 2>&1; then
  cat "$work/wineboot.log" >&2
  fail "Wine did not start"
fi
/usr/lib/wine/wineserver64 -w

# The host's output under Wine is the expected text (the CTest test
# host_output), and so is the Linux build's (LINUX_BUILD_DIR, build by
# default) when it ran: the platforms print the same bytes.
linux=${LINUX_BUILD_DIR:-build}
for build in "${builds[@]}"; do
  start=$(date +%s)
  if [ "$build" = build-win32 ]; then loader=$wine32; else loader=/usr/lib/wine/wine64; fi
  if [ "$build" = build-win32 ]; then
    # The host program and the unit tests that run inside the test binary
    # must pass. The tests that start other programs (the tool, the shell)
    # may wedge on the emulator (one segment table for all threads: a second
    # thread in any 32-bit process of theirs can hang it), so they get a
    # time limit and their result is reported, not required.
    ctest --test-dir "$build" --output-on-failure -R '^(host_output|mifkit_tests)$'
    echo "$build: the host program and the unit tests pass under the emulator"
    if timeout -k 10 400 ctest --test-dir "$build" --output-on-failure -R '^mifkit_tool_tests$' --timeout 360; then
      echo "$build: the tests that start the tool pass under the emulator"
    else
      echo "windows-test: WARNING: $build tests that start the tool did not pass under the emulator (see above)" >&2
      /usr/lib/wine/wineserver64 -k 2>/dev/null || true
    fi
  else
    ctest --test-dir "$build" --output-on-failure
  fi
  # A clean file: nothing printed, status 0.
  printed=$("$loader" "$build/tools/mifkit.exe" check examples/network_adapter.mif 2>&1) ||
    fail "$build: mifkit.exe check examples/network_adapter.mif failed: $printed"
  [ -z "$printed" ] || fail "$build: mifkit.exe check examples/network_adapter.mif printed: $printed"
  echo "$build: mifkit.exe check examples/network_adapter.mif passes"
  if [ -f "$linux/tests/host_output/output.txt" ]; then
    cmp "$linux/tests/host_output/output.txt" "$build/tests/host_output/output.txt"
    echo "host output: $linux (Linux) and $build (Wine) are the same bytes"
  fi
  echo "$build under Wine: $(( $(date +%s) - start )) s"
done
