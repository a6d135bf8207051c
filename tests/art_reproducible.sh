#!/usr/bin/env bash
# The committed artwork is exactly what the generator draws.
set -u
gen=$1 art=$2
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
"$gen" "$out" || { echo "the generator failed"; exit 1; }
status=0
for f in "$art"/*; do
  name=$(basename "$f")
  if ! cmp -s "$f" "$out/$name"; then echo "differs from the generator's drawing: $name"; status=1; fi
done
for f in "$out"/*; do [ -e "$art/$(basename "$f")" ] || { echo "not committed: $(basename "$f")"; status=1; }; done
[ $status -eq 0 ] && echo "all $(ls "$out" | wc -l) pictures are byte-identical"
exit $status
