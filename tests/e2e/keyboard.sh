#!/usr/bin/env bash
# The wizard under a user's hands, under Wine: a double-click on ">>" on the
# install page, Enter on the action list, a held Enter, the whole install by
# keys alone with the focus in sight on every page, and the thunder window that
# leaves the keyboard with the wizard.
. "$(dirname "$0")/lib.sh"
e2e_begin

export TARNIX_RECORD_LOG
log="$E2E_WORK/record.log"
TARNIX_RECORD_LOG=$(winpath "$log")
downloads
fresh_setup() { ctl clear; rm -f "$win/Tarnix.scr" "$win/stb.exe"; start_setup; }
focused() { driver focus "$FORM"; printf '%s' "$E2E_OUT"; }
use_is() { test "$(settings_get Aktionen Use)" = "$1"; }
on_list() { grep -q 'class=ComboBox' <<<"$(focused)"; }  # asked anew on every try of a wait
focus_title() { local f; f=$(focused); printf '%s' "${f##*title=}"; }
key() { xdotool key "$1"; sleep 0.3; }
# The wizard's window cut from a screenshot.
page_shot() {  # page_shot NAME -> prints the path
  local shot; shot=$(screenshot "$1")
  convert "$shot" -crop "440x249+$X+$Y" +repage "$shot"
  printf '%s' "$shot"
}
# Pixels that differ between two shots of the wizard within a box: where the
# focus mark came or went.
changed_in() {  # changed_in PNG PNG W H X Y
  convert "$1" -crop "$3x$4+$5+$6" +repage "$E2E_WORK/box-a.png"
  convert "$2" -crop "$3x$4+$5+$6" +repage "$E2E_WORK/box-b.png"
  compare -metric AE "$E2E_WORK/box-a.png" "$E2E_WORK/box-b.png" null: 2>&1 | cut -d' ' -f1
}
# --- A double-click on ">>" on the install page: installed, the list shown, nothing saved ---
check "the wizard opens" fresh_setup
click 255 136                                   # English
click 383 219                                   # >> to the install page
xdotool mousemove $((X + 383)) $((Y + 219)); sleep 0.1
xdotool click --repeat 2 --delay 120 1          # a user's double-click
sleep 0.8
check "the double-click installed" test -e "$win/Tarnix.scr"
check "... and left the wizard on the action page" still_running "$SETUP_PID"
check "... with nothing saved" test "$(settings_get Aktionen Use)" = "<missing>"
check "... the action list has the focus ($(focused))" grep -q 'class=ComboBox' <<<"$(focused)"
xdotool key alt+Down; sleep 0.4                 # the list open,
xdotool key Up; sleep 0.3                       # Switch User chosen in it,
xdotool key Return; sleep 0.5                   # and closed
check "the arrows keep the list open, and Enter in it saves nothing" use_is "<missing>"
xdotool key Return
check "Enter on the list presses Save" eventually 4000 use_is 5
check "... and the wizard ends as after Save" ended_within "$SETUP_PID" 6000
end_process "$SETUP_PID"

# --- A held Enter presses once: the keyboard's repeats turn no further page ---
fresh_setup
key space                                       # English
sleep 0.6
xdotool keydown Return; sleep 2; xdotool keyup Return
sleep 0.3
check "a held Enter turns to the install page only" test "$(focus_title)" = ">>"
check "... with nothing installed" test ! -e "$win/Tarnix.scr"
check "... and nothing saved" test "$(settings_get Aktionen Use)" = "<missing>"
sleep 0.6
key Return
check "the next press installs" eventually 4000 test -e "$win/Tarnix.scr"
check "... and stops on the action page, nothing saved" eventually 2000 use_is "<missing>"
check "... the wizard still open" still_running "$SETUP_PID"
end_process "$SETUP_PID"

# --- The whole English install by keys alone, the focus in sight on every page ---
fresh_setup
check "the first focus is on the English choice" test "$(focus_title)" = English
first=$(page_shot keyboard-1-language)
stops=""
for _ in 1 2 3 4; do
  key Tab; stops="$stops|$(focus_title)"
  [ "$stops" = "|Deutsch" ] && second=$(page_shot keyboard-1-language-deutsch)
  [ "$stops" = "|Deutsch|<<|" ] && third=$(page_shot keyboard-1-language-thunder)
done
check "Tab goes Deutsch, <<, Thunder-Effect and back, never to anything unseen ($stops)" \
  test "$stops" = "|Deutsch|<<||English"
english=$(changed_in "$first" "$second" 80 30 225 122); deutsch=$(changed_in "$first" "$second" 80 30 225 178)
check "the focus mark shows around the caption of the choice that has it ($english / $deutsch px)" \
  test "$english" -gt 40 -a "$deutsch" -gt 40
thunder=$(changed_in "$first" "$third" 90 22 202 218)
check "... and around the caption of the thunder box ($thunder px)" test "$thunder" -gt 40
key Down
driver children "$FORM"
check "Down chooses Deutsch and enables >>" grep -q 'enabled=1 class=Button title=>>$' <<<"$E2E_OUT"
check "... with the focus on it" test "$(focus_title)" = Deutsch
key Up
check "Up goes back to English" test "$(focus_title)" = English
key Return
check "Enter turns to the install page, the focus on >>" test "$(focus_title)" = ">>"
first=$(page_shot keyboard-2-install)
key Tab
check "Tab goes on to <<" test "$(focus_title)" = "<<"
second=$(page_shot keyboard-2-install-back)
forward=$(changed_in "$first" "$second" 90 35 340 204); back=$(changed_in "$first" "$second" 90 35 13 206)
check "... and the focus mark with it ($forward / $back px)" test "$forward" -gt 40 -a "$back" -gt 40
key Tab; key Tab
check "... then Thunder-Effect and >>" test "$(focus_title)" = ">>"
sleep 0.6                                        # a deliberate second press, not a double one
key space
check "Space installs" eventually 4000 test -e "$win/Tarnix.scr"
check "... and the action list has the focus" eventually 2000 on_list
first=$(page_shot keyboard-3-action)
for _ in 1 2 3 4 5; do key Up; done             # from Black Screen up to Restart
key Tab
check "Tab goes on to Save" test "$(focus_title)" = Save
second=$(page_shot keyboard-4-save)
check "... marked ($(changed_in "$first" "$second" 90 35 340 204) px)" test "$(changed_in "$first" "$second" 90 35 340 204)" -gt 40
key Return
check "Enter on Save stores Restart" eventually 4000 use_is 1
check "... in an English store" test "$(settings_get Einstellungen Sprache)" = 0
check "... and the wizard ends as after a click" ended_within "$SETUP_PID" 6000
end_process "$SETUP_PID"

# --- The thunder window never takes the keyboard from the wizard ---
fresh_setup
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
