#!/usr/bin/env bash
# Benchmarks under Wine, each against its reference in the same run: the
# window region from the masks (the program's way against the per-run
# method), and the saver's start-up against a bare static program. Builds first.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
bash "$here/build.sh" >/dev/null
export TARNIX_BUILD_DIR
TARNIX_BUILD_DIR=$(cd "$here/../build" && pwd)
. "$here/../tests/e2e/lib.sh"
e2e_begin
wine "$E2E_TESTBIN/regionbench.exe" 2>/dev/null | tr -d '\r'
# The start-up: a Windows folder whose shutdown.exe is a recorder, so the
# command action starts nothing real.
win="$E2E_WORK/WINDOWS"
mkdir -p "$win/system32"
cp "$E2E_DIST/SETUP_Tarnix.exe" "$win/Tarnix.scr"
cp "$E2E_TESTBIN/recorder.exe" "$win/system32/shutdown.exe"
export TARNIX_RECORD_LOG
TARNIX_RECORD_LOG=$(winpath "$E2E_WORK/record.log")
echo
wine "$E2E_TESTBIN/startbench.exe" "${STARTBENCH_RUNS:-21}" "$(winpath "$win")" "$(winpath "$win/Tarnix.scr")" \
  "$(winpath "$E2E_TESTBIN/bare.exe")" 2>/dev/null | tr -d '\r'
