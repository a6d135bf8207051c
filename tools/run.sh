#!/usr/bin/env bash
# Installs what is missing, builds, and runs the program as a user first meets
# it: SETUP_Tarnix.exe under Wine, on $DISPLAY if there is one, otherwise on a
# virtual display. A screenshot is saved to build/screenshot-run.png.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/deps.sh"
tarnix_deps
bash "$here/build.sh"
build=$(cd "$here/../build" && pwd)
export TARNIX_BUILD_DIR="$build"
. "$here/../tests/e2e/lib.sh"
if [ -z "${DISPLAY:-}" ]; then
  e2e_begin   # its own Xvfb and wineserver, ended on exit
  virtual=1
else
  E2E_WORK=$(mktemp -d "$build/run.XXXXXX")
  trap 'rm -rf "$E2E_WORK"' EXIT
  e2e_prefix
  virtual=0
fi
wine "$E2E_DIST/SETUP_Tarnix.exe" &
app=$!
sleep 4
shot="$build/screenshot-run.png"
import -window root "$shot" 2>/dev/null && echo "run: screenshot saved to $shot"
if [ "$virtual" -eq 1 ]; then
  echo "run: the program ran on a virtual display; see the screenshot"
  kill "$app" 2>/dev/null || true
else
  wait "$app" || true
fi
