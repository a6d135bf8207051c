#!/usr/bin/env bash
# The installed saver, started with /s, carries out the stored action: it starts
# the action's program minimised with exactly the arguments the action needs and
# ends. Every started program is a recorder under a fake Windows folder.
. "$(dirname "$0")/lib.sh"
e2e_begin

export TARNIX_RECORD_LOG
run_saver() {  # run_saver WINDIR_UNIX ARGS... ; waits up to 8 s
  local win=$1; shift
  : > "$E2E_WORK/record.log"
  TARNIX_RECORD_LOG=$(winpath "$E2E_WORK/record.log")
  run_win "$E2E_TESTBIN/launch.exe" "$(winpath "$win")" 8000 "$(winpath "$win/Tarnix.scr")" "$@"
}
# The saver does not wait for what it starts: give the recorder time to write.
recorded() {
  eventually 5000 test -s "$E2E_WORK/record.log"
  sleep 0.2
  tr -d '\r' < "$E2E_WORK/record.log"
}
nothing_recorded() { sleep 1; test ! -s "$E2E_WORK/record.log"; }

expected_line() {  # expected_line CODE WINDIR_WIN
  local w=$2
  case $1 in
    0) printf '"%s\\system32\\shutdown.exe" -s -t 0' "$w" ;;
    1) printf '"%s\\system32\\shutdown.exe" -r -t 0' "$w" ;;
    2) printf '"%s\\stb.exe" /h' "$w" ;;
    3) printf '"%s\\stb.exe" /s' "$w" ;;
    4) printf '"%s\\system32\\shutdown.exe" -l' "$w" ;;
    5) printf '"%s\\system32\\rundll32.exe" user32.dll,LockWorkStation' "$w" ;;
  esac
}

# Without a warning: the warning itself has its own test.
settings_set Einstellungen Warnung 0
for folder in "WINDOWS" "Win Dir"; do
  root="$E2E_WORK/root-${folder// /}"
  install_fake "$root" "$folder"
  win="$root/$folder"
  e2e_log "Windows folder '$(winpath "$win")'"
  for code in 0 1 2 3 4 5; do
    settings_set Aktionen Use "$code"
    run_saver "$win" /s
    ended=$E2E_OUT
    check "action $code: the saver ended by itself ($ended)" test "$ended" = "exit=0"
    want="$(expected_line "$code" "$(winpath "$win")")	show=2"
    got=$(recorded)
    check "action $code: started exactly [$want], got [$got]" test "$got" = "$want"
  done
done

# The saver's window in its design state, once it is up (waits up to 5 s).
design_state_shown() {
  local i
  for i in $(seq 25); do
    run_win "$E2E_TESTBIN/windriver.exe" windows "$SAVER_PID"
    printf '%s\n' "$E2E_OUT" | grep 'class=TarnixForm' | grep -q 'visible=1 .*w=545 h=340\|w=545 h=340 visible=1' && return 0
    sleep 0.2
  done
  return 1
}
start_only() {  # start_only WINDIR_UNIX ARGS...: the saver without waiting for it
  : > "$E2E_WORK/record.log"
  TARNIX_RECORD_LOG=$(winpath "$E2E_WORK/record.log")
  start_saver "$@"
}

# Hibernate without stb.exe beside the saver: nothing is started, nothing
# crashes, and a message on top names what could not start.
win="$E2E_WORK/root-WINDOWS/WINDOWS"
rm -f "$win/stb.exe"
settings_set Aktionen Use 2
start_only "$win" /s
check "hibernate without stb.exe says so" message_box "Tarnix"
check "... naming the program ($BOXTEXT)" test "$BOXTEXT" = "Tarnix could not start $(winpath "$win")\stb.exe."
driver windows "$SAVER_PID"
check "... with no saver window left behind" test -z "$(grep 'class=TarnixForm' <<<"$E2E_OUT" | grep 'visible=1')"
check "hibernate without stb.exe starts nothing" nothing_recorded
xdotool key Return
wait_exit "$SAVER_PID" 4000
check "... and after OK the saver ends with an error code ($E2E_OUT)" test "$E2E_OUT" = "ended exit=5"
end_process "$SAVER_PID"

# A stored code written by hand with blanks still reads as its number.
settings_set Aktionen Use " 4"
run_saver "$win" /S
check "stored ' 4' logs off" test "$(recorded)" = "$(expected_line 4 "$(winpath "$win")")	show=2"

# Codes that name no action start nothing.
for bad in "" "x" "7" "-1" "3.5"; do
  settings_set Aktionen Use "$bad"
  start_only "$win" /s
  check "stored code '$bad' shows the design state" design_state_shown
  check "stored code '$bad' starts nothing" nothing_recorded
  end_process "$SAVER_PID"
done

# The password-change request ends at once and starts nothing.
settings_set Aktionen Use 0
run_saver "$win" /a 1234
check "/a ends at once ($E2E_OUT)" test "$E2E_OUT" = "exit=0"
check "/a starts nothing" nothing_recorded

# A file named Tarnix.scr.exe is "Tarnix.scr" without its extension: the setup program.
cp "$win/Tarnix.scr" "$win/TARNIX.scr.exe"
settings_set Aktionen Use 0
: > "$E2E_WORK/record.log"
run_win "$E2E_TESTBIN/launch.exe" "$(winpath "$win")" 0 "$(winpath "$win/TARNIX.scr.exe")" /s
other=${E2E_OUT#pid=}
check "a saver under another name does not run the action" nothing_recorded
end_process "$other"

e2e_end
