#!/usr/bin/env bash
# The installed saver, started with /s, carries out the stored action: it starts
# the action's program minimised with exactly the arguments the action needs and
# ends. Every started program is a recorder under a fake Windows folder.
. "$(dirname "$0")/lib.sh"
e2e_begin

# An installation: <root>/<windows folder>/Tarnix.scr with stb.exe beside it,
# and the system tools under system32.
install_fake() {  # install_fake ROOT WINFOLDER_NAME
  local win="$1/$2"
  mkdir -p "$win/system32"
  cp "$E2E_DIST/SETUP_Tarnix.exe" "$win/Tarnix.scr"
  cp "$E2E_TESTBIN/recorder.exe" "$win/system32/shutdown.exe"
  cp "$E2E_TESTBIN/recorder.exe" "$win/system32/rundll32.exe"
  cp "$E2E_TESTBIN/recorder.exe" "$win/stb.exe"
  # With an unquoted command line Windows would try <root>\Win.exe first for a
  # folder "Win Dir": make that a recorder too, so such a fault shows in the log.
  cp "$E2E_TESTBIN/recorder.exe" "$1/Win.exe"
}

export TARNIX_RECORD_LOG
run_saver() {  # run_saver WINDIR_UNIX ARGS... ; waits up to 8 s
  local win=$1; shift
  : > "$E2E_WORK/record.log"
  TARNIX_RECORD_LOG=$(winpath "$E2E_WORK/record.log")
  run_win "$E2E_TESTBIN/launch.exe" "$(winpath "$win")" 8000 "$(winpath "$win/Tarnix.scr")" "$@"
}
# The saver does not wait for what it starts: give the recorder time to write.
recorded() {
  local i
  for i in $(seq 50); do [ -s "$E2E_WORK/record.log" ] && break; sleep 0.1; done
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

# Hibernate without stb.exe beside the saver: nothing is started, nothing crashes.
win="$E2E_WORK/root-WINDOWS/WINDOWS"
rm -f "$win/stb.exe"
settings_set Aktionen Use 2
run_saver "$win" /s
check "hibernate without stb.exe starts nothing" nothing_recorded
check "hibernate without stb.exe ends without a crash ($E2E_OUT)" test "$E2E_OUT" = "exit=0"

# A stored code written by hand with blanks still reads as its number.
settings_set Aktionen Use " 4"
run_saver "$win" /S
check "stored ' 4' logs off" test "$(recorded)" = "$(expected_line 4 "$(winpath "$win")")	show=2"

# Codes that name no action start nothing.
for bad in "" "x" "7" "-1" "3.5"; do
  settings_set Aktionen Use "$bad"
  run_saver "$win" /s
  check "stored code '$bad' starts nothing" nothing_recorded
done

# The password-change request ends at once and starts nothing.
settings_set Aktionen Use 0
run_saver "$win" /a 1234
check "/a ends at once ($E2E_OUT)" test "$E2E_OUT" = "exit=0"
check "/a starts nothing" nothing_recorded

# Only the exact name "Tarnix" is the saver: TARNIX.SCR is the setup program.
cp "$win/Tarnix.scr" "$win/TARNIX2.scr"
: > "$E2E_WORK/record.log"
run_win "$E2E_TESTBIN/launch.exe" "$(winpath "$win")" 8000 "$(winpath "$win/TARNIX2.scr")" /s
check "a saver under another name does not run the action" nothing_recorded

e2e_end
