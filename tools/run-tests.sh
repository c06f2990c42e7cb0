#!/usr/bin/env bash
# Sets up the machine, builds everything and runs every test.
#   tools/run-tests.sh            build in ./build
#   tools/run-tests.sh DIR [ARGS] build in DIR with extra CMake ARGS
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-build}
shift || true
"$here/tools/install-deps.sh"
# A folder configured before (by tools/run-game.sh, or with other options) keeps its
# cached options; the tests are switched on whatever it held (a fuzz build has
# fuzz programs in place of the corpus replay tests, so fuzzing is switched off).
cmake -S "$here" -B "$build" -G Ninja -DKELVARA_TESTS=ON -DKELVARA_FUZZ=OFF "$@" >/dev/null
cmake --build "$build"
# A run that finds no test is a failure, never a pass.
ctest --test-dir "$build" --output-on-failure --no-tests=error -j "$(nproc)" --timeout 300
