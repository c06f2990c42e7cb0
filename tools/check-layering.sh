#!/usr/bin/env bash
# Fails when a file outside port/ (and the tools) includes SDL or OpenGL headers,
# when a layer above engine/ includes port/ past the engine, or when engine/ or
# framework/ reach up into the level objects.
set -u
root=${1:-.}
cd "$root" || exit 2
status=0
hits=$(grep -rnE '#\s*include\s*[<"](SDL|GL/|GLES|KHR/)' engine framework objects game 2>/dev/null)
if [ -n "$hits" ]; then
  echo "SDL or OpenGL included outside port/:"
  echo "$hits"
  status=1
fi
hits=$(grep -rnE '#\s*include\s*[<"]port/' framework objects game 2>/dev/null)
if [ -n "$hits" ]; then
  echo "port/ included above engine/:"
  echo "$hits"
  status=1
fi
hits=$(grep -rnE '#\s*include\s*"objects/' engine framework 2>/dev/null)
if [ -n "$hits" ]; then
  echo "Level objects included below objects/:"
  echo "$hits"
  status=1
fi
[ "$status" -eq 0 ] && echo "layering ok"
exit "$status"
