#!/usr/bin/env bash
# The setup wizard under Wine, driven by real clicks: complete English and German
# installs from a downloads folder into a fake Windows folder, the activation and
# the control panel started from that folder's system32, the failures with their
# messages, cancelling, and the installed saver working afterwards.
. "$(dirname "$0")/lib.sh"
e2e_begin

title="     Tarnix: Setup"
export TARNIX_RECORD_LOG TARNIX_RECORD_EXE=1
TARNIX_RECORD_LOG=$(winpath "$E2E_WORK/record.log")

# A downloads folder with the setup (and stb.drl unless "nostb"), a planted
# rundll32.exe beside it, and a Windows folder whose system tools are recorders.
world() {  # world NAME [nostb]
  root="$E2E_WORK/$1"; dl="$root/Downloads"; win="$root/WINDOWS"
  mkdir -p "$dl" "$win/system32"
  cp "$E2E_DIST/SETUP_Tarnix.exe" "$dl/"
  [ "${2:-}" = nostb ] || cp "$E2E_DIST/stb.drl" "$dl/"
  for f in "$dl/rundll32.exe" "$win/system32/rundll32.exe" "$win/system32/shutdown.exe"; do
    cp "$E2E_TESTBIN/recorder.exe" "$f"
  done
  : > "$E2E_WORK/record.log"
  ctl clear
  ctl profile-delete Desktop SCRNSAVE.EXE
  ctl profile-delete Desktop ScreenSaveActive
  ctl saver-active off
}

english_label() { click 255 136; }
german_picture() { click 150 197; }
forward() { click 383 219; }
back() { click 55 221; }
# The wizard's buttons as windriver describes them.
buttons() { driver children "$FORM"; printf '%s\n' "$E2E_OUT" | grep 'class=Button'; }
on_action_page() { buttons | grep -q 'title=Save$'; }
setting() { settings_get "$@"; }
same_file() { cmp -s "$1" "$2"; }
still_running_after() { ! ended_within "$SETUP_PID" "$1"; }
shot() { convert "$(screenshot "$1")" -crop "440x249+$X+$Y" +repage "$E2E_BUILD/screenshots/$1.png"; }

# A whole install: LANGUAGE english|german, picking action CODE from the list.
install() {  # install LANGUAGE CODE PRESELECTED_NAME
  local lang=$1 code=$2
  world "$lang"
  check "$lang: the wizard opens on the language page" start_setup "$win"
  check "$lang: >> is disabled until a language is chosen" grep -q 'enabled=0 class=Button title=>>$' <<<"$(buttons)"
  if [ "$lang" = english ]; then english_label; else german_picture; fi
  shot "setup-$lang-1-language"
  forward
  shot "setup-$lang-2-install"
  check "$lang: nothing is copied before the install page's >>" test ! -e "$win/Tarnix.scr"
  forward
  check "$lang: Tarnix.scr is the setup program, byte for byte" same_file "$win/Tarnix.scr" "$dl/SETUP_Tarnix.exe"
  check "$lang: stb.exe is stb.drl, byte for byte" same_file "$win/stb.exe" "$dl/stb.drl"
  ctl tables "$lang"
  check "$lang: every settings entry holds the $lang text ($E2E_OUT)" test $? -eq 0
  driver combo "$FORM"; local items=$E2E_OUT
  check "$lang: the list shows the seven names" test "$(printf '%s\n' "$items" | wc -l)" -eq 7
  check "$lang: ... with the black screen selected" grep -q "^\*$3$" <<<"$items"
  shot "setup-$lang-3-action"
  click 195 167                       # opens the list below the box
  click 150 $((189 + 19 * code))      # the item, 19 px apart
  driver combo "$FORM"
  check "$lang: the list shows the picked action" test "$(printf '%s\n' "$E2E_OUT" | grep -n '^\*' | cut -d: -f1)" = $((code + 1))
  local i
  check "$lang: \"Use\" is still unset before the save" test "$(setting Aktionen use)" = "<missing>"
  : > "$E2E_WORK/record.log"
  local t0 t1; t0=$(date +%s%N)
  forward
  shot "setup-$lang-4-done"          # the completion text, before the end timer fires
  eventually 6000 test -s "$E2E_WORK/record.log"
  t1=$(date +%s%N)
  check "$lang: \"Use\" is the chosen code" test "$(setting Aktionen use)" = "$code"
  check "$lang: SCRNSAVE.EXE names the installed saver" test "$(profile SCRNSAVE.EXE)" = "$(winpath "$win/Tarnix.scr")"
  check "$lang: the screen saver is active" test "$(profile ScreenSaveActive)" = 1
  local switch; switch=$(saver_switch active=1)
  check "$lang: ... and Windows was told at once ($switch)" test "$switch" = active=1
  sleep 0.2
  local log; log=$(tr -d '\r' <"$E2E_WORK/record.log")
  # Wine reports a Windows of today: the page by its name, not XP's tab number.
  local want; want="\"$(winpath "$win/system32/rundll32.exe")\" shell32.dll,Control_RunDLL desk.cpl,screensaver,@screensaver	show=2	exe=$(winpath "$win/system32/rundll32.exe")"
  check "$lang: the control panel was started from the Windows folder's system32 ([$log])" \
    test "${log,,}" = "${want,,}"
  local ms=$(( (t1 - t0) / 1000000 ))
  check "$lang: ... about 1.5 s after the save (${ms} ms)" test "$ms" -ge 1400 -a "$ms" -le 4000
  check "$lang: the setup has ended" ended_within "$SETUP_PID" 4000
}

install english 1 "Black Screen"
install german 4 "Schwarzer Bildschirm"

# --- The installed saver works: /c in the chosen language, /s runs the chosen action ---
start_saver "$win" /c
visible_titled "     Tarnix: Optionen"
driver combo "$(field window "$D")"
check "the installed saver's options list the German names, Log Off chosen" \
  test "$(printf '%s\n' "$E2E_OUT" | tr '\n' '|')" = \
  " Herunterfahren| Neu Starten| Ruhezustand| Stand By|*Benutzer Abmelden| Benutzer wechseln| Schwarzer Bildschirm|"
driver close "$(field window "$D")"
ended_within "$SAVER_PID" 4000 || end_process "$SAVER_PID"
check "the install stored the default warning of 15 seconds" test "$(setting Einstellungen Warnung)" = 15
settings_set Einstellungen Warnung 1  # one second of warning, then the action
: > "$E2E_WORK/record.log"
run_win "$E2E_TESTBIN/launch.exe" "$(winpath "$win")" 8000 "$(winpath "$win/Tarnix.scr")" /s
check "the installed saver's /s ended by itself after its warning ($E2E_OUT)" test "$E2E_OUT" = "exit=0"
eventually 2000 test -s "$E2E_WORK/record.log"
check "... having logged the user off through the recorder" \
  grep -qi "^\"$(winpath "$win/system32/shutdown.exe" | sed 's/\\/\\\\/g')\" -l	show=2" "$E2E_WORK/record.log"

# --- Without stb.drl: the English message, the store untouched, the end after OK ---
world nostb nostb
start_setup "$win"
english_label; forward; forward
check "without stb.drl: the English error box appears" message_box "Setup-Error"
screenshot install-without-stb >/dev/null
check "... with its exact text, then the cause and what to do ($BOXTEXT)" \
  test "$BOXTEXT" = "The Screen Saver could not be installed successfully. Setup will end.$(winpath "$dl")\stb.drl is missing or damaged. Unpack the whole archive into one folder and start the setup from there."
xdotool key Return
check "... and after OK the setup ends" ended_within "$SETUP_PID" 4000
check "... with nothing copied into the Windows folder" test ! -e "$win/Tarnix.scr" -a ! -e "$win/stb.exe"
check "... with the store unchanged" test "$(setting Aktionen 0)/$(setting Einstellungen Alpha)" = "<missing>/<missing>"
check "... and the profile untouched" test "$(profile SCRNSAVE.EXE)" = "<missing>"

# --- An empty stb.drl is no program: the same error box, the store untouched ---
world emptystb nostb
: > "$dl/stb.drl"
start_setup "$win"
english_label; forward; forward
check "an empty stb.drl: the error box appears" message_box "Setup-Error"
xdotool key Return
check "... and after OK the setup ends" ended_within "$SETUP_PID" 4000
check "... with stb.exe not installed" test ! -e "$win/stb.exe"
check "... and the store untouched ($(ctl store; echo "$E2E_OUT"))" \
  test "$(ctl store; echo "$E2E_OUT")" = absent

# --- The thunder label's tool tip: one tool however often it is hovered, and none left
#     over the hidden label on the later pages ---
world tips
start_setup "$win"
tools() { driver tooltools "$SETUP_PID"; printf '%s\n' "$E2E_OUT" | sed -n 's/^tools=\([0-9]*\).*/\1/p' | awk '{ s += $1 } END { print s + 0 }'; }
label() { xdotool mousemove $((X + 240)) $((Y + 230)); }
before=$(tools)
for i in $(seq 40); do label; sleep 0.05; xdotool mousemove $((X + 300)) $((Y + 60)); sleep 0.05; done
check "40 hovers over Thunder-Effect leave the tool count as it was ($before, then $(tools))" test "$(tools)" = "$before"
label; sleep 1.5
driver tooltools "$SETUP_PID"
check "resting on the label shows its tip" grep -q 'visible=1' <<<"$E2E_OUT"
english_label; forward; forward
label; sleep 2
driver tooltools "$SETUP_PID"
check "on the action page no tip shows where the hidden label was ($(tr '\n' ' ' <<<"$E2E_OUT"))" \
  test -z "$(grep 'visible=1' <<<"$E2E_OUT")"
xdotool key Escape
check "Escape closes the wizard as any close does" ended_within "$SETUP_PID" 4000
end_process "$SETUP_PID"

# --- The elevated start the wizard uses for its helper: waited for, its exit code
#     taken, the caller's messages dispatched meanwhile (Wine runs "runas" as is) ---
ctl run-elevated 1500 2
check "the elevated start waits for the helper and takes its exit code ($E2E_OUT)" grep -q '^exit=2 ' <<<"$E2E_OUT"
ticks=$(sed -n 's/.*ticks=\([0-9]*\).*/\1/p' <<<"$E2E_OUT")
check "... while the caller's timer goes on ticking ($ticks ticks in 1.5 s)" test "${ticks:-0}" -ge 10
# The installed saver asks for rights under its own name for the removal, and a
# download may carry any name: the start runs the file as a program either way.
for copy in tarnixctl.scr tarnixctl; do
  cp "$E2E_TESTBIN/tarnixctl.exe" "$E2E_WORK/$copy"
  run_win "$E2E_WORK/$copy" run-elevated 100 3
  check "... also from a program file named $copy ($E2E_OUT)" grep -q '^exit=3 ' <<<"$E2E_OUT"
done

# A start that fails for another reason than a refused prompt (here the
# program's file moved away while it runs) is not taken for a decline: after
# the shell's own error box the caller learns that it never started.
cp "$E2E_TESTBIN/tarnixctl.exe" "$E2E_WORK/moved.exe"
wine "$E2E_WORK/moved.exe" run-elevated 100 3 moved >"$E2E_WORK/moved.txt" 2>/dev/null </dev/null &
moved_pid=$!
check "a start that fails shows the shell's error" message_box Error
xdotool key Return
eventually 8000 grep -q -e '^exit=' -e '^declined' "$E2E_WORK/moved.txt"
check "... and is reported as never started, not as declined ($(cat "$E2E_WORK/moved.txt"))" \
  grep -q '^exit=-1 ' "$E2E_WORK/moved.txt"
kill "$moved_pid" 2>/dev/null

# --- The elevated helper's part alone: /install-files makes the two copies, nothing else ---
world helper
run_win "$E2E_TESTBIN/launch.exe" "$(winpath "$win")" 8000 "$(winpath "$dl/SETUP_Tarnix.exe")" /install-files
check "/install-files ends by itself with 0 ($E2E_OUT)" test "$E2E_OUT" = "exit=0"
check "... Tarnix.scr is the setup program, byte for byte" same_file "$win/Tarnix.scr" "$dl/SETUP_Tarnix.exe"
check "... stb.exe is stb.drl, byte for byte" same_file "$win/stb.exe" "$dl/stb.drl"
driver windows-titled "$title"
check "... having opened no window" test -z "$(printf '%s\n' "$E2E_OUT" | grep 'visible=1')"
check "... written nothing to the settings store" \
  test "$(ctl store; echo "$E2E_OUT")" = absent
check "... nor to the profile" test "$(profile SCRNSAVE.EXE)/$(profile ScreenSaveActive)" = "<missing>/<missing>"
world helpernostb nostb
run_win "$E2E_TESTBIN/launch.exe" "$(winpath "$win")" 8000 "$(winpath "$dl/SETUP_Tarnix.exe")" /install-files
check "/install-files without stb.drl exits non-zero ($E2E_OUT)" test "$E2E_OUT" = "exit=2"
check "... having copied nothing" test ! -e "$win/Tarnix.scr" -a ! -e "$win/stb.exe"
check "... and written nothing else" \
  test "$(ctl store; echo "$E2E_OUT")/$(profile SCRNSAVE.EXE)" = "absent/<missing>"

# --- A WinDir naming a folder that does not exist: the system's own Windows folder ---
world nowin
real="$WINEPREFIX/drive_c/windows"
start_setup "$root/NOWHERE"
german_picture; forward; forward
check "a missing Windows folder: the install lands in the real one" same_file "$real/Tarnix.scr" "$dl/SETUP_Tarnix.exe"
check "... and not in the folder WinDir names" test ! -e "$root/NOWHERE"
driver close "$FORM"
check "... the wizard closes" ended_within "$SETUP_PID" 4000
rm -f "$real/Tarnix.scr" "$real/stb.exe"

# --- Tarnix.scr held open without sharing by another program ---
world held
printf 'old saver' > "$win/Tarnix.scr"
wine "$E2E_TESTBIN/tarnixctl.exe" hold "$(winpath "$win/Tarnix.scr")" >"$E2E_WORK/hold.txt" 2>/dev/null </dev/null &
holder=$!
eventually 4000 grep -qs held "$E2E_WORK/hold.txt"
start_setup "$win"
english_label; forward; forward
check "a saver file in use: the error box appears" message_box "Setup-Error"
xdotool key Return
check "... the setup ends after OK" ended_within "$SETUP_PID" 4000
check "... the file in use is left as it was" test "$(cat "$win/Tarnix.scr")" = "old saver"
check "... the store and the profile untouched" test "$(setting Aktionen 0)/$(profile SCRNSAVE.EXE)" = "<missing>/<missing>"
kill "$holder" 2>/dev/null

# --- Installing again while the installed saver runs (its options dialog
#     open, as the Display control panel's preview would hold it) ---
world running
cp "$E2E_DIST/SETUP_Tarnix.exe" "$win/Tarnix.scr"
printf 'old' >> "$win/Tarnix.scr"
start_saver "$win" /c
old_saver=$SAVER_PID
check "the old saver's options dialog is open" saver_window
start_setup "$win"
english_label; forward; forward
check "a running saver: the wizard goes on to the action page" eventually 4000 on_action_page
check "... the install replaced the saver" same_file "$win/Tarnix.scr" "$dl/SETUP_Tarnix.exe"
driver windows-titled "Setup-Error"
check "... no error box" test -z "$E2E_OUT"
aside=$(ls "$win" | grep -i '^Tarnix-removed-[0-9]*\.tmp$')
check "... the old file waits beside it for the next restart ($aside)" test -n "$aside"
check "... the running options dialog is undisturbed" still_running "$old_saver"
end_process "$old_saver"
driver close "$FORM"
ended_within "$SETUP_PID" 4000

# --- No rundll32 in system32: the planted one beside the setup still never runs;
#     the wizard stays on its completion text until it is closed ---
world norundll
rm "$win/system32/rundll32.exe"
start_setup "$win"
english_label; forward; forward; sleep 0.6; forward  # past the double-click time of the page turn
check "without the system's rundll32 the wizard stays open after its end timer" still_running_after 3000
check "... having started nothing, not the rundll32.exe planted beside the setup" test ! -s "$E2E_WORK/record.log"
driver children "$FORM"
check "... on its completion text, both buttons disabled" \
  test "$(printf '%s\n' "$E2E_OUT" | grep -c 'enabled=0 class=Button title=\(Save\|<<\)$')" = 2
driver close "$FORM"
check "closing it then ends the setup" ended_within "$SETUP_PID" 4000

# --- Back keeps the language; cancelling on the language page writes and copies nothing ---
world cancel
start_setup "$win"
german_picture; forward; back
shot setup-back
check "back from the install page: >> stays enabled" grep -q 'enabled=1 class=Button title=>>$' <<<"$(buttons)"
back
check "<< on the language page ends the setup" ended_within "$SETUP_PID" 4000
check "... having copied nothing" test -z "$(ls "$win" | grep -v system32)"
check "... and written nothing" test "$(setting Aktionen 0)/$(profile SCRNSAVE.EXE)" = "<missing>/<missing>"

e2e_end
