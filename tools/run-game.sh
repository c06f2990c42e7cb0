#!/usr/bin/env bash
# Sets up the machine, builds the game and starts it from the build folder.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/tools/install-deps.sh"
cmake -S "$here" -B "$here/build" -G Ninja -DKELVARA_TESTS=OFF >/dev/null
cmake --build "$here/build" --target kelvara2
cd "$here/build" && exec ./kelvara2
