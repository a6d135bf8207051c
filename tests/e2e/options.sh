#!/usr/bin/env bash
# The options dialog under Wine: opened by /c and by no arguments, cut to its
# skin, filled from the store, saving and closing, dragging, and the hidden
# thunder box reached by the keyboard.
. "$(dirname "$0")/lib.sh"
e2e_begin

root="$E2E_WORK/root"
install_fake "$root" WINDOWS
win="$root/WINDOWS"
title="     Tarnix: Optionen"

# Starts the saver with ARGS and waits for the dialog; its description in $D.
D=""
open_options() {
  xdotool mousemove 900 700
  start_saver "$win" "$@"
  visible_titled "$title"
  sleep 0.5
}
# First and last column of a row of the window's region ("-" when empty).
row_span() {  # row_span ROW, reading $REGION
  printf '%s\n' "$REGION" | awk -v y="$1" '$2 <= y && y < $4 { if (min == "" || $1 < min) min = $1; if ($3 > max) max = $3 }
    END { if (min == "") print "-"; else print min "-" (max - 1) }'
}

ctl roundtrip english
settings_set Aktionen Use 3
settings_set Einstellungen Alpha 1

# --- /c: place, shape, contents ---
open_options /c
check "/c opens the options dialog titled with five spaces ($D)" test -n "$D"
form=$(field window "$D")
x=$(field x "$D"); y=$(field y "$D")
check "it is centred on the 1024 x 768 screen" test "$x,$y" = "292,259"
check "it is 440 x 249 pixels" test "$(field w "$D")x$(field h "$D")" = "440x249"
check "it has no frame and a taskbar button" test "$(field caption "$D")$(field appwindow "$D")" = "01"
driver region "$form"; REGION=$E2E_OUT
spans=""
for r in 0 1 2 10 20 30 44 45 60 74 75 234 240 246 247 248; do spans="$spans $r:$(row_span $r)"; done
check "its region follows the skin's outline ($spans)" test "$spans" = \
  " 0:- 1:226-275 2:203-294 10:138-343 20:107-363 30:84-377 44:57-395 45:55-437 60:30-437 74:2-437 75:1-437 234:1-437 240:1-432 246:1-422 247:- 248:-"
driver combo "$form"; items=$E2E_OUT
check "the list holds the seven stored names" test "$(printf '%s\n' "$items" | cut -c2- | tr '\n' '|')" = \
  "Turn Off|Restart|Hibernate|Stand By|Log Off|Switch User|Black Screen|"
check "the stored action is selected" test "$(printf '%s\n' "$items" | grep '^\*')" = "*Stand By"
shot=$(screenshot options-english)
grey=$(convert "$shot" -fx 'abs(r-169/255)<0.002 && abs(g-169/255)<0.002 && abs(b-169/255)<0.002 ? 1 : 0' -format '%[fx:int(mean*w*h+0.5)]' info:)
check "no key grey shows anywhere on the screen ($grey px)" test "$grey" -eq 0
text_crop() { convert "$(screenshot "$1")" -crop "312x60+$((x + 107))+$((y + 150))" +repage "$E2E_WORK/$1.png"; }
text_crop desc-standby
xdotool key Up; sleep 0.4
text_crop desc-hibernate
diff=$(compare -metric AE "$E2E_WORK/desc-standby.png" "$E2E_WORK/desc-hibernate.png" null: 2>&1 || true)
check "the description changes with the selection ($diff px differ)" test "${diff%% *}" -gt 100
driver combo "$form"
check "the keyboard moved the selection to Hibernate" grep -q '^\*Hibernate' <<<"$E2E_OUT"

# --- By keys alone: Tab in reading order to the hidden thunder box, Space toggles it, Enter saves ---
order=""
for _ in 1 2 3; do
  xdotool key Tab; sleep 0.2
  driver focus "$form"; order="$order > $(printf '%s' "$E2E_OUT" | sed -n 's/.* class=\([A-Za-z]*\) title=\(.*\)$/\1:\2/p')"
done
check "Tab goes to Save, the warning list, then the hidden check box ($order)" \
  test "$order" = " > Button:Save > ComboBox: > Button:Alpha- Effect"
xdotool key space; sleep 0.3
xdotool key Return
check "saving ends the program" ended_within "$SAVER_PID" 4000
check "... stored the chosen action" test "$(settings_get Aktionen use)" = 2
check "... and the cleared thunder box" test "$(settings_get Einstellungen Alpha)" = 0
end_process "$SAVER_PID"

# --- No arguments; dragging by the top strip; Alt+F4 ends without writing ---
open_options
check "no arguments open the dialog too" test -n "$D"
form=$(field window "$D")
x=$(field x "$D"); y=$(field y "$D")
xdotool mousemove $((x + 330)) $((y + 35)); sleep 0.2
xdotool mousedown 1; sleep 0.2
for step in 1 2 3 4 5; do xdotool mousemove $((x + 330 - step * 20)) $((y + 35 + step * 10)); sleep 0.1; done
xdotool mouseup 1; sleep 0.5
driver windows-titled "$title"; moved=$(printf '%s\n' "$E2E_OUT" | head -n1)
check "dragging the top strip moves the window by the pointer's way ($(field x "$moved"),$(field y "$moved"))" \
  test "$(field x "$moved"),$(field y "$moved")" = "$((x - 100)),$((y + 50))"
xdotool key alt+F4
check "Alt+F4 ends the program" ended_within "$SAVER_PID" 4000
check "... without writing" test "$(settings_get Aktionen use)/$(settings_get Einstellungen Alpha)" = "2/0"
end_process "$SAVER_PID"

# --- German texts keep their umlauts; WM_CLOSE ends without writing ---
ctl roundtrip german
settings_set Aktionen 4 "Benutzer Abmelden – Grüße: äöü ÄÖÜ ß"
open_options /c:1234
form=$(field window "$D")
driver combo "$form"
check "German names show with their umlauts" test "$(printf '%s\n' "$E2E_OUT" | sed -n 5p)" = " Benutzer Abmelden – Grüße: äöü ÄÖÜ ß"
check "... and the stored action stays selected" test "$(printf '%s\n' "$E2E_OUT" | grep '^\*')" = "*Ruhezustand"
screenshot options-german >/dev/null
driver close "$form"
check "WM_CLOSE ends the program" ended_within "$SAVER_PID" 4000
check "... without writing" test "$(settings_get Aktionen use)" = 2
end_process "$SAVER_PID"

# --- Escape closes without saving, as in any dialog, even after a change ---
stored="$(settings_get Aktionen use)/$(settings_get Einstellungen Alpha)"
open_options /c
form=$(field window "$D")
xdotool key Down; sleep 0.3        # the list has the focus: another action chosen
xdotool key Escape
check "Escape closes the dialog" ended_within "$SAVER_PID" 4000
check "... without writing ($stored)" test "$(settings_get Aktionen use)/$(settings_get Einstellungen Alpha)" = "$stored"
end_process "$SAVER_PID"

# --- The program's fast region is exactly the per-run region of the masks ---
run_win "$E2E_TESTBIN/regionbench.exe" --check
check "regions built row by row equal the per-run regions (EqualRgn and GetRegionData) for every mask" \
  test "$?$(printf '%s\n' "$E2E_OUT" | grep -c ' yes$')" = 03

e2e_end
