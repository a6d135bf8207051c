#!/usr/bin/env bash
# The warning before an action under Wine: it covers the screen with the logo
# and a countdown, any input cancels it with nothing started, and at zero the
# action's own command starts. The options dialog chooses its time.
. "$(dirname "$0")/lib.sh"
e2e_begin

root="$E2E_WORK/root"
install_fake "$root" WINDOWS
win="$root/WINDOWS"
log="$E2E_WORK/record.log"
export TARNIX_RECORD_LOG
TARNIX_RECORD_LOG=$(winpath "$log")
now_ms() { echo $(( $(date +%s%N) / 1000000 )); }
recorded() { tr -d '\r' < "$log"; }
# Dark yellow, the message's colour, counted in a screenshot's middle band.
yellow_pixels() {  # yellow_pixels PNG
  convert "$1" -crop 1024x400+0+184 +repage -fill black -opaque white -fuzz 2% -fill white \
    -opaque 'rgb(192,192,0)' -fill black +opaque white -format '%[fx:int(mean*w*h+0.5)]' info:
}
# Starts the saver with /s and waits for its window; the start time in $T0.
T0=0
warn() {
  xdotool mousemove 512 384
  sleep 0.3
  : > "$log"
  T0=$(now_ms)
  start_saver "$win" /s
  saver_window
}

ctl roundtrip english

# --- Two seconds before "Turn Off": covered, nothing in the first second, then today's command ---
settings_set Aktionen Use 0
settings_set Einstellungen Warnung 2
warn; w=$W
# Seen once in CI: no window within 5 s and nothing started (the saver ended
# later, without a word). The note in saver_window says how it ended; the test
# looks at the warning itself, so it starts the saver once more.
if [ -z "$w" ]; then
  e2e_log "  note: the warning did not show; starting the saver once more"
  end_process "$SAVER_PID"
  warn; w=$W
fi
# The first paint may follow the window by a frame: look again until it shows,
# within the first second.
until shot=$(screenshot warning-english); [ "$(yellow_pixels "$shot")" -gt 300 ] \
    || [ "$(now_ms)" -ge $(( T0 + 700 )) ]; do sleep 0.05; done
wait_ms=$(( T0 + 950 - $(now_ms) ))
[ "$wait_ms" -gt 0 ] && sleep "$(awk -v ms="$wait_ms" 'BEGIN { printf "%.3f", ms / 1000 }')"
check "nothing is started in the first second" test ! -s "$log"
check "the warning is shown ($w)" test -n "$w"
check "it covers the whole screen" test "$(placement "$w")" = "0,0,1024x768"
check "it is topmost" test "$(field topmost "$w")" = 1
check "the message shows in dark yellow ($(yellow_pixels "$shot") px)" test "$(yellow_pixels "$shot")" -gt 300
check "the corners stay black" test "$(pixel "$shot" 2 2) $(pixel "$shot" 1020 765)" = "0,0,0 0,0,0"
want="\"$(winpath "$win")\\system32\\shutdown.exe\" -s -t 0	show=2"
recorded_is() { test "$(recorded)" = "$1"; }
check "then exactly today's command starts" eventually 5000 recorded_is "$want"
check "... and the saver ends" ended_within "$SAVER_PID" 3000
end_process "$SAVER_PID"

# --- Five seconds: each input cancels at once, nothing starts, exit code 0 ---
settings_set Einstellungen Warnung 5
for input in "key shift" "click 1" "click 4" "move"; do
  warn
  check "warning shown for '$input'" test -n "$W"
  if [ "$input" = "key shift" ]; then
    driver cursor
    check "the warning hides the cursor ($E2E_OUT)" test "$E2E_OUT" = "showing=0"
  fi
  if [ "$input" = move ]; then
    # The first report only records; the jump after it cancels.
    xdotool mousemove 514 384; sleep 0.3
    xdotool mousemove 524 384
  else
    xdotool $input
  fi
  wait_exit "$SAVER_PID" 1500
  check "'$input' ends the warning at once with exit code 0 ($E2E_OUT)" test "$E2E_OUT" = "ended exit=0"
  sleep 0.3
  check "... and nothing was started ($(recorded))" test ! -s "$log"
  end_process "$SAVER_PID"
done

# --- No warning: today's behaviour ---
settings_set Einstellungen Warnung 0
: > "$log"
run_win "$E2E_TESTBIN/launch.exe" "$(winpath "$win")" 8000 "$(winpath "$win/Tarnix.scr")" /s
check "with no warning the saver acts and ends at once ($E2E_OUT)" test "$E2E_OUT" = "exit=0"
check "... with today's command" eventually 3000 recorded_is "$want"

# --- Switch user and the black screen lose nothing: no warning ---
settings_set Einstellungen Warnung 5
settings_set Aktionen Use 5
: > "$log"
run_win "$E2E_TESTBIN/launch.exe" "$(winpath "$win")" 8000 "$(winpath "$win/Tarnix.scr")" /s
check "switch user locks at once ($E2E_OUT)" test "$E2E_OUT" = "exit=0"
check "... with its command" eventually 3000 grep -q 'rundll32.exe" user32.dll,LockWorkStation' "$log"
settings_set Aktionen Use 6
warn
shot=$(screenshot black-screen-no-warning)
check "the black screen shows no message ($(yellow_pixels "$shot") px)" test "$(yellow_pixels "$shot")" -eq 0
xdotool key a
check "... and ends on a key" ended_within "$SAVER_PID" 3000
end_process "$SAVER_PID"

# --- German ---
ctl roundtrip german
settings_set Aktionen Use 2
settings_set Einstellungen Warnung 30
warn
check "the German warning is shown" test -n "$W"
until shot=$(screenshot warning-german); [ "$(yellow_pixels "$shot")" -gt 300 ] \
    || [ "$(now_ms)" -ge $(( T0 + 3000 )) ]; do sleep 0.05; done
check "its message shows ($(yellow_pixels "$shot") px)" test "$(yellow_pixels "$shot")" -gt 300
xdotool key Left
check "an arrow key cancels it" ended_within "$SAVER_PID" 1500
end_process "$SAVER_PID"

# --- Choosing it in the options dialog, by the keyboard ---
ctl roundtrip english
settings_set Aktionen Use 3
settings_set Einstellungen Warnung 30
xdotool mousemove 900 700
start_saver "$win" /c
title="     Tarnix: Optionen"
visible_titled "$title"
check "the options dialog opens" test -n "$D"
form=$(field window "$D")
driver combo "$form" 1
check "the warning list offers the four times ($(printf '%s' "$E2E_OUT" | tr '\n' '|'))" \
  test "$(printf '%s\n' "$E2E_OUT" | cut -c2- | tr '\n' '|')" = "No warning|15 seconds|30 seconds|60 seconds|"
check "... and opens on 30 seconds" test "$(printf '%s\n' "$E2E_OUT" | grep '^\*')" = "*30 seconds"
sleep 0.3
screenshot options-warning >/dev/null
xdotool key Tab; sleep 0.2; xdotool key Tab; sleep 0.2  # past "Save" to its right
xdotool key Down; sleep 0.2
driver combo "$form" 1
check "Tab and Down choose 60 seconds" test "$(printf '%s\n' "$E2E_OUT" | grep '^\*')" = "*60 seconds"
xdotool key shift+Tab; sleep 0.2
xdotool key space
check "Save ends the dialog" ended_within "$SAVER_PID" 4000
check "... and stores the new time ($(settings_get Einstellungen Warnung))" \
  test "$(settings_get Einstellungen Warnung)" = 60
check "... beside the action" test "$(settings_get Aktionen Use)" = 3
end_process "$SAVER_PID"

e2e_end
