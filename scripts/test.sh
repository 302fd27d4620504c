#!/usr/bin/env bash
# Builds mifkit with its tests and runs them all. Extra arguments go to
# CMake's configure step (scripts/test.sh -DMIFKIT_SANITIZE=ON, say);
# BUILD_DIR picks the build directory.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
build=${BUILD_DIR:-build}
cmake -S . -B "$build" -DMIFKIT_BUILD_TESTS=ON "$@"
cmake --build "$build" -j"$(nproc)"
ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
