#!/usr/bin/env bash
# The thunder window under Wine: a real click on the wizard's "Thunder-Effect"
# shows a 640 x 480 lightning bolt in the top-right corner, cut exactly to the
# mask's strokes, flickering above the wizard; clearing hides it; installing
# hides it for good.
. "$(dirname "$0")/lib.sh"
e2e_begin

root="$E2E_WORK/root"; dl="$root/Downloads"; win="$root/WINDOWS"
mkdir -p "$dl" "$win/system32"
cp "$E2E_DIST/SETUP_Tarnix.exe" "$E2E_DIST/stb.drl" "$dl/"
xdotool mousemove 900 700
run_win "$E2E_TESTBIN/launch.exe" "$(winpath "$win")" 0 "$(winpath "$dl/SETUP_Tarnix.exe")"
pid=${E2E_OUT#pid=}
hidden_titled() { driver windows-titled "$1"; ! grep -q 'visible=1' <<<"$E2E_OUT"; }
visible_titled "     Tarnix: Setup"; wizard=$(field window "$D"); x=$(field x "$D"); y=$(field y "$D")
click() { xdotool mousemove $((x + $1)) $((y + $2)); sleep 0.1; xdotool click 1; sleep 0.3; }
thunder_label() { click 230 230; }

thunder_label
check "ticking Thunder-Effect shows the thunder window" visible_titled Form1
blitz=$(field window "$D")
check "... 640 x 480 with its top-right corner the screen's ($(field x "$D"),$(field y "$D"))" \
  test "$(placement "$D")" = "384,0,640x480"
check "... frameless, without a taskbar button" test "$(field caption "$D")$(field appwindow "$D")" = "00"
# The region row by row against the program's own scan of the committed mask.
rows() { awk '{ for (y = $2; y < $4; ++y) print y, $1, $3 }' | sort -n -k1,1 -k2,2; }
driver region "$blitz"
printf '%s\n' "$E2E_OUT" | rows > "$E2E_WORK/window-rows"
"$TARNIX_MASKSCAN" "$(dirname "$0")/../../src/forms/art/blitz_mask.bmp" | rows > "$E2E_WORK/mask-rows"
check "... cut exactly to the mask's strokes ($(wc -l <"$E2E_WORK/mask-rows") runs)" \
  cmp -s "$E2E_WORK/window-rows" "$E2E_WORK/mask-rows"
driver alpha "$blitz" 20 50; samples=$E2E_OUT
distinct=$(printf '%s\n' "$samples" | sed 1d | sort -u | wc -l)
check "... layered, its alpha taking $distinct different values within a second" test "$distinct" -ge 4
check "... keeping its other style bits (tool window: $(head -n1 <<<"$samples"))" \
  test $(( 0x$(head -n1 <<<"$samples" | cut -d= -f2) & 0x80080 )) -eq $((0x80080))
screenshot thunder-wizard >/dev/null
click 150 20   # the wizard comes to the front; the flicker raises the bolt again
sleep 0.3
driver above "$blitz" "$wizard"
check "... and stays above the wizard" test "$E2E_OUT" = yes
t0=$(date +%s%N)
thunder_label
t1=$(date +%s%N)
check "clearing the box hides it" hidden_titled Form1
check "... and the wizard answered the click at once ($(( (t1 - t0) / 1000000 )) ms for the click and its wait)" \
  test $(( (t1 - t0) / 1000000 )) -lt 1500
driver alpha "$blitz" 5 60
check "... its flicker stopped" test "$(printf '%s\n' "$E2E_OUT" | sed 1d | sort -u | wc -l)" -eq 1
thunder_label
check "ticking again shows it again" visible_titled Form1
check "... at the same place" test "$(field x "$D"),$(field y "$D")" = "384,0"
click 255 136; click 383 219; click 383 219   # English, >>, >>: the install
check "installing hides it" hidden_titled Form1
driver alpha "$blitz" 5 60
check "... for good: its flicker stopped" test "$(printf '%s\n' "$E2E_OUT" | sed 1d | sort -u | wc -l)" -eq 1
end_process "$pid"

# --- A failed install: the lightning goes before the error message ---
rm "$dl/stb.drl"
run_win "$E2E_TESTBIN/launch.exe" "$(winpath "$win")" 0 "$(winpath "$dl/SETUP_Tarnix.exe")"
pid=${E2E_OUT#pid=}
visible_titled "     Tarnix: Setup"; x=$(field x "$D"); y=$(field y "$D")
thunder_label
check "with the thunder on" visible_titled Form1
sleep 0.5; click 255 136; sleep 0.5; click 383 219; sleep 0.5; click 383 219   # English, >>, >>: no stb.drl
check "a failed install shows its error" message_box "Setup-Error"
sleep 0.3
screenshot thunder-install-error >/dev/null
check "... with the lightning gone, not drawn across it" hidden_titled Form1
xdotool key Return
check "... and the setup ends after OK" ended_within "$pid" 4000

e2e_end
