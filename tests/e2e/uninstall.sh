#!/usr/bin/env bash
# Removing the program under Wine: the entry an English install by clicks
# registers in the installed programs, "Tarnix.scr /u" answered No and Yes,
# "/u /q" for scripts, and a second "/u /q" that finds nothing.
. "$(dirname "$0")/lib.sh"
e2e_begin

export TARNIX_RECORD_LOG
TARNIX_RECORD_LOG=$(winpath "$E2E_WORK/record.log")
downloads
entry() { ask uninstall-entry; printf '%s' "$E2E_OUT"; }
value() { entry | sed -n "s/^$1[=#]//p"; }
store() { ask store; printf '%s' "$E2E_OUT"; }
gone() { test ! -e "$win/Tarnix.scr" -a ! -e "$win/stb.exe"; }
# Asked anew on every try of a wait, not once before it.
none_aside() { ! ls "$win" | grep -qi '^tarnix-removed-'; }
# Everything of the program: both files, the entry, the store and the profile's saver.
all_there() {
  test -e "$win/Tarnix.scr" -a -e "$win/stb.exe" -a "$(entry)" != absent -a "$(store)" = present \
    -a "$(profile SCRNSAVE.EXE)" = "$(winpath "$win/Tarnix.scr")"
}
nothing_left() { gone && test "$(entry)" = absent -a "$(store)" = absent -a "$(profile SCRNSAVE.EXE)" = "<missing>"; }
exit_of() { wait_exit "$1" "$2"; printf '%s' "${E2E_OUT#ended }"; }

ctl clear; ctl uninstall-entry-delete
ctl profile-delete Desktop SCRNSAVE.EXE

# --- An English install by clicks registers the entry ---
check "the wizard opens" start_setup
click 255 136                                   # English
click 383 219                                   # >>
sleep 0.6; click 383 219                        # >>: the install
eventually 4000 test -e "$win/stb.exe"
sleep 0.6; click 383 219                        # Save
check "the install ends as usual" ended_within "$SETUP_PID" 8000
saver=$(winpath "$win/Tarnix.scr")
bytes=$(( $(stat -c %s "$win/Tarnix.scr") + $(stat -c %s "$win/stb.exe") ))
e2e_log "  entry: $(entry | tr '\n' '|')"
check "the entry names Tarnix" test "$(value DisplayName)" = Tarnix
check "... its version" test "$(value DisplayVersion)" = 2.6.0
check "... its publisher" test "$(value Publisher)" = "Pellhorn Software"
check "... the installed saver's icon" test "$(value DisplayIcon)" = "$saver,0"
check "... the Windows folder" test "$(value InstallLocation)" = "$(winpath "$win")"
check "... the removal" test "$(value UninstallString)" = "\"$saver\" /u"
check "... the quiet removal" test "$(value QuietUninstallString)" = "\"$saver\" /u /q"
check "... neither Modify nor Repair" test "$(value NoModify)/$(value NoRepair)" = 1/1
check "... and the size in KB ($(value EstimatedSize))" test "$(value EstimatedSize)" = $(( (bytes + 1023) / 1024 ))
check "the program is all there" all_there
switch=$(saver_switch active=1)
check "... and the screen saver on for Windows ($switch)" test "$switch" = active=1

# --- /u answered No changes nothing ---
start_saver "$win" /u
check "/u asks first" message_box Tarnix
check "... in the user's language ($BOXTEXT)" test "$BOXTEXT" = "Remove Tarnix from this computer?"
screenshot uninstall-question >/dev/null
xdotool key n
check "No ends it" test "$(exit_of "$SAVER_PID" 4000)" = exit=16
check "... with everything still there" all_there

# --- /u answered Yes removes it all ---
start_saver "$win" /u
message_box Tarnix
xdotool key y
check "Yes ends with a last word" eventually 8000 message_box Tarnix
check "... that it is done ($BOXTEXT)" test "$BOXTEXT" = "Tarnix has been removed from this computer."
# Windows' installed programs look for the entry the moment the removal they
# started ends: it is gone already, and the running saver with it from its name.
check "while it still runs, the saver is gone from its name" test ! -e "$win/Tarnix.scr"
check "... and the entry with it" test "$(entry)" = absent
xdotool key Return
check "... and exit code 0" test "$(exit_of "$SAVER_PID" 4000)" = exit=0
check "the saver and the companion are gone once it ended" eventually 8000 gone
check "... and the saver that was moved aside" eventually 8000 none_aside
check "... and the entry, the store and the profile's saver" nothing_left
check "... and the screen saver is off" test "$(profile ScreenSaveActive)" = 0
switch=$(saver_switch active=0)
check "... for Windows too, at once ($switch)" test "$switch" = active=0

# --- /u /q: the same without a window ---
run_win "$E2E_TESTBIN/launch.exe" "$(winpath "$win")" 20000 "$(winpath "$dl/SETUP_Tarnix.exe")" /install-files
check "the copies-only helper installs again with the entry" test "$(value DisplayName)" = Tarnix
ctl roundtrip english
ctl profile-set Desktop SCRNSAVE.EXE "$saver"
check "installed again" all_there
start_saver "$win" /u /q
quiet_exit=$(exit_of "$SAVER_PID" 8000)
driver windows-titled Tarnix
check "/u /q asks nothing and shows nothing" test -z "$E2E_OUT"
check "... and ends with exit code 0 ($quiet_exit)" test "$quiet_exit" = exit=0
check "... everything is gone when it ends" nothing_left

# --- A second /u /q finds nothing ---
mkdir -p "$E2E_WORK/again"
cp "$E2E_DIST/SETUP_Tarnix.exe" "$E2E_WORK/again/Tarnix.scr"
run_win "$E2E_TESTBIN/launch.exe" "$(winpath "$win")" 8000 "$(winpath "$E2E_WORK/again/Tarnix.scr")" /u /q
check "a second /u /q exits non-zero without a crash ($E2E_OUT)" test "$E2E_OUT" = exit=32

e2e_end
