#!/usr/bin/env bash
# The saver wherever Windows starts it, under Wine: an account whose store is
# empty, no action chosen, its name in capitals, a setup saved under another
# name, a missing or damaged WinDir, a missing system program and a cut-short
# companion.
. "$(dirname "$0")/lib.sh"
e2e_begin

export TARNIX_RECORD_LOG
log="$E2E_WORK/record.log"
TARNIX_RECORD_LOG=$(winpath "$log")
root="$E2E_WORK/root"
install_fake "$root" WINDOWS
win="$root/WINDOWS"
recorded() { tr -d '\r' < "$log"; }
recorded_is() { test "$(recorded)" = "$1"; }
title="     Tarnix: Optionen"

# --- An empty store: /c shows the program's English texts and keeps them ---
ctl clear
start_saver "$win" /c
check "an empty store opens the options dialog" visible_titled "$title"
form=$(field window "$D")
driver combo "$form"
check "... with the English names ($(printf '%s' "$E2E_OUT" | tr '\n' '|'))" \
  test "$(printf '%s\n' "$E2E_OUT" | tr '\n' '|')" = \
  " Turn Off| Restart| Hibernate| Stand By| Log Off| Switch User|*Black Screen|"
driver children "$form"
check "... and captions" grep -q 'class=Button title=Save$' <<<"$E2E_OUT"
driver close "$form"
ended_within "$SAVER_PID" 4000 || end_process "$SAVER_PID"
check "the store holds them afterwards" \
  test "$(settings_get Aktionen 0)|$(settings_get Sprache Speichern)|$(settings_get Einstellungen Alpha)|$(settings_get Einstellungen Warnung)" = \
  "Turn Off|Save|0|15"
check "... and still no action" test "$(settings_get Aktionen Use)" = "<missing>"

# --- No action chosen: the black screen ---
ctl clear
xdotool mousemove 512 384; sleep 0.3
start_saver "$win" /s
saver_window
check "/s with no action covers the screen in black ($W)" test "$(placement "$W")/$(field topmost "$W")" = "0,0,1024x768/1"
xdotool key a
check "... and ends on input" ended_within "$SAVER_PID" 3000
end_process "$SAVER_PID"
check "... having written nothing ($(ctl store; echo "$E2E_OUT"))" test "$(ctl store; echo "$E2E_OUT")" = absent

# --- Its name in capitals, as older Windows start it ---
settings_set Aktionen Use 0
settings_set Einstellungen Warnung 0
cp "$win/Tarnix.scr" "$win/TARNIX.SCR"
: > "$log"
run_win "$E2E_TESTBIN/launch.exe" "$(winpath "$win")" 8000 "$(winpath "$win/TARNIX.SCR")" /s
check "TARNIX.SCR /s is the saver and ends ($E2E_OUT)" test "$E2E_OUT" = "exit=0"
want="\"$(winpath "$win")\\system32\\shutdown.exe\" -s -t 0	show=2"
check "... having started the action" eventually 3000 recorded_is "$want"

# --- A missing system program: a message naming it, nothing started; at once
#     and at the end of a warning, whose cover goes before the message ---
rm "$win/system32/shutdown.exe"
for warning in 0 1; do
  settings_set Einstellungen Warnung $warning
  : > "$log"
  start_saver "$win" /s
  check "a missing shutdown.exe is reported (warning $warning s)" message_box "Tarnix"
  check "... by its name ($BOXTEXT)" test "$BOXTEXT" = "Tarnix could not start $(winpath "$win")\\system32\\shutdown.exe."
  xdotool key Return
  wait_exit "$SAVER_PID" 4000
  check "... the saver ends with an error code ($E2E_OUT)" test "$E2E_OUT" = "ended exit=5"
  check "... and nothing else started" test ! -s "$log"
done
settings_set Einstellungen Warnung 0
cp "$E2E_TESTBIN/recorder.exe" "$win/system32/shutdown.exe"

# --- WinDir unset, quoted or naming a missing folder: the real Windows folder, never
#     the drive's root. The prefix's own shutdown.exe is a recorder for a while. ---
real="$WINEPREFIX/drive_c/windows"
cp "$real/system32/shutdown.exe" "$E2E_WORK/shutdown.exe.wine"
restore_real() {
  cp "$E2E_WORK/shutdown.exe.wine" "$real/system32/shutdown.exe"
  rm -f "$real/Tarnix.scr" "$real/stb.exe"
}
trap 'restore_real; e2e_stop' EXIT
cp "$E2E_TESTBIN/recorder.exe" "$real/system32/shutdown.exe"
# Wine prefers its own built-in programs in system32: the recorder there must be the one run.
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;shutdown.exe=n"
dl="$E2E_WORK/Downloads"
mkdir -p "$dl"
cp "$E2E_DIST/SETUP_Tarnix.exe" "$dl/SETUP_Tarnix.2.6.exe"
cp "$E2E_DIST/stb.drl" "$dl/"
run_win "$E2E_TESTBIN/launch.exe" '!' 8000 "$(winpath "$dl/SETUP_Tarnix.2.6.exe")" /install-files
check "SETUP_Tarnix.2.6.exe installs with WinDir unset ($E2E_OUT)" test "$E2E_OUT" = "exit=0"
check "... into the real Windows folder" cmp -s "$real/Tarnix.scr" "$dl/SETUP_Tarnix.2.6.exe"
check "... with its companion" cmp -s "$real/stb.exe" "$dl/stb.drl"
check "... and nothing in the drive's root" test ! -e /Tarnix.scr -a ! -e /stb.exe
want="\"C:\\windows\\system32\\shutdown.exe\" -s -t 0	show=2"
# The installed saver's /s with this WinDir, waited for: "exit=N", or, when it
# has not ended within 8 s, how it stands (and it is ended).
installed_saver() {  # installed_saver WINDIR
  run_win "$E2E_TESTBIN/launch.exe" "$1" 0 'C:\windows\Tarnix.scr' /s
  SAVER_PID=${E2E_OUT#pid=}
  saver_state "$SAVER_PID" 8000
  [ "${E2E_OUT#ended }" != "$E2E_OUT" ] && { E2E_OUT=${E2E_OUT#ended }; return; }
  local state=$E2E_OUT
  end_process "$SAVER_PID"
  E2E_OUT="not ended: $state"
}
for windir in '!' "\"$(winpath "$win")\"" 'Z:\no such folder'; do
  : > "$log"
  installed_saver "$windir"
  if [ "${E2E_OUT#not ended}" != "$E2E_OUT" ]; then
    # Once in CI the saver neither acted nor ended here (not reproduced): what
    # it showed is kept, and a second start tells a fault from a stall.
    e2e_log "  note: WinDir [$windir]: $E2E_OUT; starting it again"
    : > "$log"
    installed_saver "$windir"
  fi
  check "WinDir [$windir]: the installed saver acts ($E2E_OUT)" test "$E2E_OUT" = "exit=0"
  case $windir in
    \"*) expected="\"$(winpath "$win")\\system32\\shutdown.exe\" -s -t 0	show=2" ;;  # quotes removed: a real folder
    *) expected=$want ;;
  esac
  check "... starting [$expected] ($(eventually 3000 test -s "$log"; recorded))" eventually 3000 recorded_is "$expected"
done

# --- A companion cut to its first 4 KB: the install error path, no stb.exe ---
head -c 4096 "$E2E_DIST/stb.drl" > "$dl/stb.drl"
rm -f "$win/stb.exe"
run_win "$E2E_TESTBIN/launch.exe" "$(winpath "$win")" 8000 "$(winpath "$dl/SETUP_Tarnix.2.6.exe")" /install-files
check "a truncated stb.drl fails the install's companion copy ($E2E_OUT)" test "$E2E_OUT" = "exit=2"
check "... and no stb.exe is written" test ! -e "$win/stb.exe"

e2e_end
