#!/usr/bin/env bash
# Every script the README tells a user to run must run as written: it exists
# and carries its run bit in the repository (a checkout keeps only that).
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
fail=0
for script in $(grep -oE '(tools|tests)/[A-Za-z0-9_./-]+\.sh' README.md | sort -u); do
  mode=$(git ls-files -s -- "$script" 2>/dev/null | cut -d' ' -f1)
  if [ -z "$mode" ] && [ ! -e "$script" ]; then
    echo "README names $script, which does not exist"; fail=1
  elif [ -n "$mode" ] && [ "$mode" != 100755 ]; then
    echo "README names $script, which is committed without its run bit ($mode)"; fail=1
  elif [ ! -x "$script" ]; then
    echo "README names $script, which is not executable"; fail=1
  fi
done
[ "$fail" -eq 0 ] && echo "every script the README names runs as written"
exit "$fail"
