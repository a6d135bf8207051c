#!/usr/bin/env bash
# Writes a PNG of every committed picture (the icon as one PNG per image).
set -euo pipefail
src=$1 out=$2
for f in "$src"/*.bmp; do convert "$f" "$out/$(basename "${f%.bmp}").png"; done
convert "$src/tarnix.ico" "$out/tarnix-%02d.png"
echo "previews in $out"
