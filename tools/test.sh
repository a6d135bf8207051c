#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the native
# unit tests and the end-to-end tests of the real program under Wine.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/deps.sh"
tarnix_deps
bash "$here/build.sh"
ctest --test-dir "$here/../build/native" --output-on-failure "$@"
