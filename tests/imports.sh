#!/usr/bin/env bash
# The distributed programs import only system DLLs from a short list, and carry
# the dynamic-base (ASLR), NX and terminal-server-aware flags with their
# relocations kept.
#   imports.sh DIST_DIR
set -u
dist=${1:?the distribution folder}
objdump=i686-w64-mingw32-objdump
failures=0
check_file() {  # check_file FILE ALLOWED_DLL...
  local file=$1; shift
  local allowed=" ${*,,} " dump
  dump=$("$objdump" -p "$file") || { echo "FAILED: $file cannot be read"; failures=$((failures + 1)); return; }
  local dll
  for dll in $(printf '%s\n' "$dump" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z'); do
    if [[ $allowed == *" $dll "* ]]; then echo "ok: $(basename "$file") imports $dll"
    else echo "FAILED: $(basename "$file") imports $dll, which is not on its list"; failures=$((failures + 1)); fi
  done
  for flag in DYNAMIC_BASE NX_COMPAT TERMINAL_SERVICE_AWARE; do
    if grep -q "^\s*$flag$" <<<"$dump"; then echo "ok: $(basename "$file") is $flag"
    else echo "FAILED: $(basename "$file") lacks $flag"; failures=$((failures + 1)); fi
  done
  if grep -qi "relocations stripped" <<<"$dump"; then
    echo "FAILED: $(basename "$file") has no relocations, so it cannot move"; failures=$((failures + 1))
  fi
}
# Everything else (comctl32, shell32) is loaded from the system folder when a
# run needs it.
check_file "$dist/SETUP_Tarnix.exe" kernel32.dll user32.dll gdi32.dll advapi32.dll msvcrt.dll
check_file "$dist/stb.drl" kernel32.dll user32.dll advapi32.dll powrprof.dll msvcrt.dll
[ "$failures" -eq 0 ]
