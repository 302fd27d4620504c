#!/usr/bin/env bash
# Builds mifkit and checks the bundled example: its diagnostics, if any, and
# the result; then lists the groups and tables it defines.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake -S . -B build -DMIFKIT_BUILD_TESTS=OFF -DMIFKIT_BUILD_BENCH=OFF >/dev/null
cmake --build build -j"$(nproc)" >/dev/null

example=examples/network_adapter.mif
./build/tools/mifkit check "$example" && echo "$example: parsed, no errors"
./build/tools/mifkit groups "$example"
