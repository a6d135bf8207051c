#!/usr/bin/env bash
# Benchmarks under Wine: the window region from the masks, the program's way
# against the per-run reference, in one process. Builds first.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
bash "$here/build.sh" >/dev/null
export TARNIX_BUILD_DIR
TARNIX_BUILD_DIR=$(cd "$here/../build" && pwd)
. "$here/../tests/e2e/lib.sh"
e2e_begin
wine "$E2E_TESTBIN/regionbench.exe" 2>/dev/null | tr -d '\r'
