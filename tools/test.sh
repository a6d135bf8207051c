#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the native
# unit tests, the end-to-end tests of the real program under Wine and the
# import check; then the unit tests again under AddressSanitizer and UBSan,
# and every fuzz target for about 20 s. Any failure or finding fails the run.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/deps.sh"
tarnix_deps
bash "$here/build.sh"
ctest --test-dir "$here/../build/native" --output-on-failure "$@"
bash "$here/sanitize.sh"
bash "$here/fuzz.sh"
