#!/usr/bin/env bash
# Fails when a file outside port/ (and the tools) includes SDL or OpenGL headers.
set -u
root=${1:-.}
cd "$root" || exit 2
hits=$(grep -rnE '#\s*include\s*[<"](SDL|GL/|GLES|KHR/)' engine framework objects game 2>/dev/null)
if [ -n "$hits" ]; then
  echo "SDL or OpenGL included outside port/:"
  echo "$hits"
  exit 1
fi
echo "layering ok"
