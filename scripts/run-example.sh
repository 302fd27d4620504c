#!/usr/bin/env bash
# Builds mifkit and runs it on the bundled example: the token listing, then
# a check of the file (diagnostics, if any, and the result).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake -S . -B build -DMIFKIT_BUILD_TESTS=OFF -DMIFKIT_BUILD_BENCH=OFF >/dev/null
cmake --build build -j"$(nproc)" >/dev/null

example=examples/network_adapter.mif
./build/tools/mifkit tokens "$example"
./build/tools/mifkit check "$example" && echo "$example: no errors"
