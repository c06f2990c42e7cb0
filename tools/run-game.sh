#!/usr/bin/env bash
# Sets up the machine, builds the game and starts it from the build folder.
#   tools/run-game.sh               set up, build and start
#   tools/run-game.sh --build-only  set up and build, without starting (for CI)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/tools/install-deps.sh"
# The tests are left out so that the game starts without building them first;
# tools/run-tests.sh switches them on again in the same folder.
cmake -S "$here" -B "$here/build" -G Ninja -DKELVARA_TESTS=OFF >/dev/null
cmake --build "$here/build" --target kelvara2
if [[ "${1:-}" == "--build-only" ]]; then exit 0; fi
cd "$here/build" && exec ./kelvara2
