#!/usr/bin/env bash
# Hostile inputs, end to end: stored action codes that are nearly numbers,
# of other registry types, huge or missing make /s start exactly the expected
# command or none, never crash; the dialogs show huge and control-character
# texts without a crash or hang.
. "$(dirname "$0")/lib.sh"
e2e_begin

root="$E2E_WORK/root"
install_fake "$root" WINDOWS
win="$root/WINDOWS"
export TARNIX_RECORD_LOG
TARNIX_RECORD_LOG=$(winpath "$E2E_WORK/record.log")
ctl set Einstellungen Warnung 0  # the action at once: this test is about the stored code

# /s with the stored value as it stands; prints what was started, or, when
# nothing was, the saver's design state ("design"), the black screen ("black") or "CRASHED/…".
outcome() {
  : > "$E2E_WORK/record.log"
  start_saver "$win" /s
  local i
  for i in $(seq 40); do
    if ended_within "$SAVER_PID" 100; then
      # An action ends the saver at once; its command writes the log a moment later.
      eventually 3000 test -s "$E2E_WORK/record.log"
      if [ -s "$E2E_WORK/record.log" ]; then sed 's/\t.*//' "$E2E_WORK/record.log" | tr -d '\r' | sed 's/.*\\//'
      else echo "CRASHED/ended with nothing started"; fi
      return
    fi
    driver windows "$SAVER_PID"
    if grep -q 'w=545 h=340 visible=1' <<<"$E2E_OUT"; then
      end_process "$SAVER_PID"; echo design; return
    fi
    if grep -q 'w=1024 h=768 visible=1 topmost=1' <<<"$E2E_OUT"; then
      end_process "$SAVER_PID"; echo black; return
    fi
  done
  end_process "$SAVER_PID"; echo "hung"
}
expect() {  # expect WHAT-WAS-STORED EXPECTED
  local got; got=$(outcome)
  check "stored $1: $2 (got: $got)" test "$got" = "$2"
}
stored() { ctl set Aktionen Use "$1"; expect "\"$1\"" "$2"; }

for v in 1e-400 0.1e-330 5.9999999999999999 3.0000000000000001 "" 0x3 "٣" "７" 2147483648 3.5 -1 7; do
  stored "$v" design
done
stored 3 'stb.exe" /s'
stored "+3" 'stb.exe" /s'
stored 03 'stb.exe" /s'
stored .3e1 'stb.exe" /s'
stored 1e0 'shutdown.exe" -r -t 0'
stored -0 'shutdown.exe" -s -t 0'
ctl set-repeated Aktionen Use 0 20000 4
expect "20,000 zeros and 4" 'shutdown.exe" -l'
ctl set-repeated Aktionen Use 7 100000 ""
expect "100,000 sevens" design
for t in "dword 0" "binary 0" "multi 0"; do
  ctl set-typed Aktionen Use $t
  expect "as REG_${t%% *}" design
done
ctl unset Aktionen Use
expect "nothing" black  # nothing chosen yet: the black screen, as the options dialog shows it

# --- The options dialog with huge and control-character texts ---
ctl hostile-texts
ctl set Aktionen Use 1
start_saver "$win" /c
check "the options dialog opens over hostile texts" visible_titled "     Tarnix: Optionen"
d=$D
sleep 0.5
driver combo "$(field window "$d")"
check "... its list holds the huge first text and one selection" \
  test "$(printf '%s\n' "$E2E_OUT" | head -n1 | cut -c1-6)/$(printf '%s\n' "$E2E_OUT" | grep -c '^\*')" = " WWWWW/1"
xdotool key Down; sleep 0.3; xdotool key Down; sleep 0.3
screenshot hostile-options >/dev/null
check "... it answers after the selection changed twice" driver combo "$(field window "$d")"
driver close "$(field window "$d")"
check "... and closes" ended_within "$SAVER_PID" 4000

# --- The setup over a store full of hostile texts: it replaces them ---
mkdir -p "$root/dl"
cp "$E2E_DIST/SETUP_Tarnix.exe" "$E2E_DIST/stb.drl" "$root/dl/"
ctl hostile-texts
run_win "$E2E_TESTBIN/launch.exe" "$(winpath "$win")" 0 "$(winpath "$root/dl/SETUP_Tarnix.exe")"
pid=${E2E_OUT#pid=}
visible_titled "     Tarnix: Setup"; d=$D
x=$(field x "$d"); y=$(field y "$d")
click() { xdotool mousemove $((x + $1)) $((y + $2)); sleep 0.1; xdotool click 1; sleep 0.4; }
click 255 136; click 383 219; click 383 219
screenshot hostile-setup >/dev/null
ctl tables english
check "the setup replaced every hostile text ($E2E_OUT)" test $? -eq 0
driver combo "$(field window "$d")"
check "... and lists the English names" grep -q '^\*Black Screen$' <<<"$E2E_OUT"
end_process "$pid"

e2e_end
