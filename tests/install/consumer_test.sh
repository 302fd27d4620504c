#!/usr/bin/env bash
# Installs the build into a temporary prefix and uses it as a program outside
# the project would: a C program through pkg-config, a C++ program through
# pkg-config and through find_package(mifkit), the Python module with nothing
# but the installed tree on its path, and the installed tool.
#   consumer_test.sh BUILD_DIR SOURCE_DIR LIBDIR PYTHON_DIR PYTHON CC CXX VERSION
# (PYTHON_DIR and PYTHON are - in a build without the module)
set -euo pipefail
build=$1 source=$2 libdir=$3 pydir=$4 python=$5 cc=$6 cxx=$7 version=$8
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
example=$source/examples/network_adapter.mif
here=$source/tests/install

fail() { echo "consumer test: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" > /dev/null

[ "$("$prefix/bin/mifkit" --version)" = "$version" ] || fail "mifkit --version is not $version"
lib=$prefix/$libdir
[ "$(readelf -d "$lib/libmifkit.so" | grep -o 'libmifkit\.so\.[0-9]*')" = "libmifkit.so.${version%%.*}" ] \
  || fail "the SONAME does not follow the version"
exports=$(nm -D --defined-only "$lib/libmifkit.so" | awk '{print $3}' | sort | tr '\n' ' ')
[ "$exports" = "ExecuteCommand FreeTableData GenerateMIFFile GetGroupData GetGroups GetINIString GetMIFFilename GetTableData ParseMIFFile ShutdownParser " ] \
  || fail "libmifkit.so exports $exports"

export PKG_CONFIG_PATH=$lib/pkgconfig
# shellcheck disable=SC2046  # pkg-config's flags are words
"$cc" -Wall -Werror -o "$work/c_consumer" "$here/c_consumer.c" $(pkg-config --cflags --libs mifkit) \
  -Wl,-rpath,"$lib"
"$work/c_consumer" "$example" > "$work/c.txt"
diff -u "$here/expected_c.txt" "$work/c.txt" || fail "the C program's output differs"

# shellcheck disable=SC2046
"$cxx" -Wall -Werror -o "$work/cxx_pkgconfig" "$source/examples/cxx/summary.cpp" \
  $(pkg-config --cflags --libs mifkit-cxx) -Wl,-rpath,"$lib"
"$work/cxx_pkgconfig" "$example" > "$work/cxx_pkgconfig.txt"
diff -u "$here/expected_summary.txt" "$work/cxx_pkgconfig.txt" || fail "the C++ program (pkg-config) differs"

cmake -S "$source/examples/cxx" -B "$work/cxx" -DCMAKE_PREFIX_PATH="$prefix" -DCMAKE_CXX_COMPILER="$cxx" \
  > /dev/null
cmake --build "$work/cxx" > /dev/null
"$work/cxx/mifkit_summary" "$example" > "$work/cxx_cmake.txt"
diff -u "$here/expected_summary.txt" "$work/cxx_cmake.txt" || fail "the C++ program (find_package) differs"

[ "$pydir" = - ] || env -i PATH=/usr/bin:/bin PYTHONPATH="$prefix/$pydir" PYTHONDONTWRITEBYTECODE=1 "$python" -c '
import sys, mifkit
assert mifkit.__file__.startswith(sys.argv[1]), mifkit.__file__
db = mifkit.parse(sys.argv[2])
assert db.ok and db.component.name == "Example Network Adapter"
assert mifkit.__version__ == sys.argv[3]
' "$prefix" "$example" "$version" || fail "the installed Python module"
echo "consumer test: passed"
