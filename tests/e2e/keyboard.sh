#!/usr/bin/env bash
# The wizard under a user's hands, under Wine: a double-click on ">>" on the
# install page, Enter on the action list, and the thunder window that leaves
# the keyboard with the wizard.
. "$(dirname "$0")/lib.sh"
e2e_begin

title="     Tarnix: Setup"
export TARNIX_RECORD_LOG
log="$E2E_WORK/record.log"
TARNIX_RECORD_LOG=$(winpath "$log")
dl="$E2E_WORK/Downloads"; win="$E2E_WORK/WINDOWS"
mkdir -p "$dl" "$win/system32"
cp "$E2E_DIST/SETUP_Tarnix.exe" "$E2E_DIST/stb.drl" "$dl/"
cp "$E2E_TESTBIN/recorder.exe" "$win/system32/rundll32.exe"
ctl() { run_win "$E2E_TESTBIN/tarnixctl.exe" "$@"; }
start_setup() {
  ctl clear
  xdotool mousemove 900 700
  run_win "$E2E_TESTBIN/launch.exe" "$(winpath "$win")" 0 "$(winpath "$dl/SETUP_Tarnix.exe")"
  SETUP_PID=${E2E_OUT#pid=}
  visible_titled "$title" || return 1
  FORM=$(field window "$D"); X=$(field x "$D"); Y=$(field y "$D")
}
click() { xdotool mousemove $((X + $1)) $((Y + $2)); sleep 0.1; xdotool click 1; sleep 0.4; }
focused() { driver focus "$FORM"; printf '%s' "$E2E_OUT"; }

# --- A double-click on ">>" on the install page: installed, the list shown, nothing saved ---
check "the wizard opens" start_setup
click 255 136                                   # English
click 383 219                                   # >> to the install page
xdotool mousemove $((X + 383)) $((Y + 219)); sleep 0.1
xdotool click --repeat 2 --delay 120 1          # a user's double-click
sleep 0.8
check "the double-click installed" test -e "$win/Tarnix.scr"
check "... and left the wizard on the action page" still_running "$SETUP_PID"
check "... with nothing saved" test "$(settings_get Aktionen Use)" = "<missing>"
check "... the action list has the focus ($(focused))" grep -q 'class=ComboBox' <<<"$(focused)"
xdotool key Up; sleep 0.3
xdotool key Return
use_is() { test "$(settings_get Aktionen Use)" = "$1"; }
check "Enter on the list presses Save" eventually 4000 use_is 5
check "... and the wizard ends as after Save" ended_within "$SETUP_PID" 6000
end_process "$SETUP_PID"

# --- The thunder window never takes the keyboard from the wizard ---
start_setup
before=$(focused)
click 230 230                                   # "Thunder-Effect"
check "ticking Thunder-Effect shows the thunder window" visible_titled Form1
after=$(focused)
check "the wizard keeps the focus ($before / $after)" test "$(field window "$after")" = "$(field window "$before")"
xdotool key space; sleep 0.4
driver children "$FORM"
check "Space on its focused control still acts: English chosen, >> enabled" \
  grep -q 'enabled=1 class=Button title=>>$' <<<"$E2E_OUT"
xdotool key Escape
check "Escape still closes the wizard" ended_within "$SETUP_PID" 4000
end_process "$SETUP_PID"

e2e_end
