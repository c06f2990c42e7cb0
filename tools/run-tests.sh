#!/usr/bin/env bash
# Sets up the machine, builds everything and runs every test.
#   tools/run-tests.sh            build in ./build
#   tools/run-tests.sh DIR [ARGS] build in DIR with extra CMake ARGS
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-build}
shift || true
"$here/tools/install-deps.sh"
cmake -S "$here" -B "$build" -G Ninja "$@" >/dev/null
cmake --build "$build"
ctest --test-dir "$build" --output-on-failure -j "$(nproc)" --timeout 300
