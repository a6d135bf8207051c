#!/usr/bin/env bash
# The saver window under Wine: the black screen and what ends it, the design
# state, and the preview inside a host window.
. "$(dirname "$0")/lib.sh"
e2e_begin

root="$E2E_WORK/root"
install_fake "$root" WINDOWS
win="$root/WINDOWS"
export TARNIX_RECORD_LOG
TARNIX_RECORD_LOG=$(winpath "$E2E_WORK/record.log")

# --- The black screen (stored action 6) ---
settings_set Aktionen Use 6
black_screen() {
  # Wine's first move report comes from where it thinks the cursor is: the desktop's centre.
  xdotool mousemove 512 384
  sleep 0.3
  start_saver "$win" /s
  saver_window
}
black_screen; w=$W
check "black screen: a window is shown ($w)" test -n "$w"
check "black screen covers the whole screen" test "$(placement "$w")" = "0,0,1024x768"
driver monitors
check "... which is the whole virtual screen Wine reports ($E2E_OUT)" \
  test "virtual=$(placement "$w")" = "$(sed 's/.* //' <<<"$E2E_OUT")"
check "black screen is topmost" test "$(field topmost "$w")" = 1
check "black screen has no frame" test "$(field caption "$w")" = 0
driver cursor
check "black screen hides the cursor ($E2E_OUT)" test "$E2E_OUT" = "showing=0"
shot=$(screenshot black-screen)
check "black screen is black in the middle and the corners" \
  test "$(pixel "$shot" 512 384) $(pixel "$shot" 2 2) $(pixel "$shot" 1020 765)" = "0,0,0 0,0,0 0,0,0"
# Pauses between the steps, so that no two moves reach the window as one.
xdotool mousemove 514 384; sleep 0.4
xdotool mousemove 516 385; sleep 0.4
xdotool mousemove 518 387; sleep 0.4
check "black screen survives mouse steps of 2 pixels" still_running "$SAVER_PID"
xdotool key shift; sleep 0.2
xdotool key Left; sleep 0.2
check "black screen survives Shift and an arrow key" still_running "$SAVER_PID"
xdotool mousemove 521 387
check "black screen ends on a 3-pixel jump" ended_within "$SAVER_PID" 4000
end_process "$SAVER_PID"

black_screen; w=$W
check "second black screen shown" test -n "$w"
xdotool key a
check "black screen ends on a character key" ended_within "$SAVER_PID" 4000
end_process "$SAVER_PID"

black_screen; w=$W
check "third black screen shown" test -n "$w"
xdotool click 1
check "black screen ends on a click" ended_within "$SAVER_PID" 4000
end_process "$SAVER_PID"

for input in "click 4" "click 2" "click 8"; do
  black_screen; w=$W
  check "black screen shown for '$input'" test -n "$w"
  xdotool $input
  check "black screen ends on xdotool $input (wheel, middle and extra buttons)" ended_within "$SAVER_PID" 4000
  end_process "$SAVER_PID"
done

# A resolution changed while the screen is black (as a monitor plugged in
# would): the black screen covers the new screen and goes on. The window
# follows when it has the change's message, so its place is waited for.
black_screen_at() { saver_window && test "$(placement "$W")" = "$1"; }
black_screen; w=$W
check "black screen shown before the resolution changes" test -n "$w"
driver resolution 800 600
check "the desktop takes 800 x 600 ($E2E_OUT)" test "$E2E_OUT" = 0
check "black screen follows to the new screen" eventually 3000 black_screen_at "0,0,800x600"
check "... and goes on" still_running "$SAVER_PID"
driver resolution 1024 768
check "the desktop is back at 1024 x 768 ($E2E_OUT)" test "$E2E_OUT" = 0
check "... and so is the black screen" eventually 3000 black_screen_at "0,0,1024x768"
xdotool click 1
check "black screen still ends on a click" ended_within "$SAVER_PID" 4000
end_process "$SAVER_PID"

# --- The design state (an unknown switch) ---
xdotool mousemove 1000 740
start_saver "$win" /x
saver_window; w=$W
check "design state: a window is shown ($w)" test -n "$w"
check "design state is 545 x 340" test "$(field w "$w")x$(field h "$w")" = "545x340"
check "design state is not topmost" test "$(field topmost "$w")" = 0
check "design state has no taskbar button" test "$(field toolwindow "$w")$(field appwindow "$w")" = "10"
check "design state has no frame" test "$(field caption "$w")" = 0
shot=$(screenshot design-state)
cx=$(( $(field x "$w") + 272 )) cy=$(( $(field y "$w") + 170 ))
check "design state is black inside" test "$(pixel "$shot" $cx $cy)" = "0,0,0"
xdotool key x
check "design state ends on a key" ended_within "$SAVER_PID" 4000
end_process "$SAVER_PID"

# --- The preview inside a host window of 152 x 112 ---
settings_set Aktionen Use 3
settings_set Aktionen 3 "Stand By"
driver clip-set "copied by the user"
# A test host of 152 x 112 in a process of its own, and the preview in it:
# $host, $hostpid, $origin, the preview's description in $child.
hostinfo="$E2E_WORK/host.txt"
preview_in_host() {
  rm -f "$hostinfo"
  wine "$E2E_TESTBIN/windriver.exe" host 152 112 "$(winpath "$hostinfo")" >/dev/null 2>&1 </dev/null &
  hostjob=$!
  eventually 5000 test -s "$hostinfo"
  host=$(sed -n 's/.*hwnd=\([0-9]*\).*/\1/p' "$hostinfo")
  hostpid=$(sed -n 's/.*pid=\([0-9]*\).*/\1/p' "$hostinfo")
  origin=$(sed -n 's/.*client=\([0-9,-]*\).*/\1/p' "$hostinfo")
  start_saver "$win" /p "$host"
  child=""
  for i in $(seq 25); do
    driver children "$host"
    child=$(printf '%s\n' "$E2E_OUT" | grep "pid=$SAVER_PID " | head -n1)
    [ -n "$child" ] && break
    sleep 0.2
  done
}
preview_in_host
ox=${origin%,*} oy=${origin#*,}
check "the test host window is up ($host at $origin)" test -n "$host"
check "preview: the saver's window is a child of the host ($child)" test -n "$child"
check "preview: the child is visible" test "$(field visible "$child")" = 1
check "preview: the child covers the host's client area" \
  test "$(placement "$child")" = "$origin,152x112"
driver clip-get
check "preview: the clipboard keeps what the user copied ($E2E_OUT)" test "$E2E_OUT" = "copied by the user"
xdotool mousemove $((ox + 70)) $((oy + 50)) click 1
check "preview: a click does not end it" still_running "$SAVER_PID"
driver close "$host"
check "preview: destroying the host ends the saver" ended_within "$SAVER_PID" 4000
end_process "$SAVER_PID"
wait "$hostjob" 2>/dev/null

# A host whose process dies sends nothing to the preview: it must notice by itself.
preview_in_host
check "preview: shown in a second host ($host, process $hostpid)" test -n "$child"
end_process "$hostpid"
wait "$hostjob" 2>/dev/null
check "preview: its host's process killed, the preview ends within 5 s" ended_within "$SAVER_PID" 5000
end_process "$SAVER_PID"

# The desktop is no preview host.
driver desktop; desktop=$E2E_OUT
start_saver "$win" /p "$desktop"
check "preview: /p with the desktop window's handle ($desktop) ends at once" ended_within "$SAVER_PID" 3000
end_process "$SAVER_PID"

# What the preview looks like: Wine draws no child window whose parent lives in
# another process, so the same preview code runs here inside a host of its own.
hostinfo="$E2E_WORK/inprocess.txt"
rm -f "$hostinfo"
wine "$E2E_TESTBIN/previewhost.exe" 152 112 3 "Stand By" "$(winpath "$hostinfo")" >/dev/null 2>&1 </dev/null &
hostjob=$!
eventually 5000 test -s "$hostinfo"
sleep 0.8
origin=$(sed -n 's/.*client=\([0-9,-]*\).*/\1/p' "$hostinfo")
ox=${origin%,*} oy=${origin#*,}
shot=$(screenshot preview)
crop="$E2E_BUILD/screenshots/preview-host.png"
convert "$shot" -crop "152x112+$ox+$oy" +repage "$crop"
count() { convert "$crop" $1 -fx "$2" -format '%[fx:int(mean*w*h+0.5)]' info:; }
yellow=$(count "" 'r>0.6 && g>0.5 && b<0.3 ? 1 : 0')
check "preview: the logo's yellow tiles fill the host ($yellow px)" test "$yellow" -gt 600
check "preview: the logo is stretched to the host's corner (black at 150,110: $(pixel "$crop" 150 110))" \
  test "$(pixel "$crop" 150 110 | cut -d, -f1)" -lt 60
label=$(count "-crop 152x22+0+0" 'abs(r-0.753)<0.06 && abs(g-0.753)<0.06 && b<0.1 ? 1 : 0')
check "preview: the action name is written in dark yellow at the top ($label px)" test "$label" -gt 25
left=$(count "-crop 40x22+0+0" 'abs(r-0.753)<0.06 && abs(g-0.753)<0.06 && b<0.1 ? 1 : 0')
right=$(count "-crop 40x22+112+0" 'abs(r-0.753)<0.06 && abs(g-0.753)<0.06 && b<0.1 ? 1 : 0')
check "preview: the action name is centred ($left px left, $right px right)" test "$left" -eq 0 -a "$right" -eq 0
driver close "$(sed -n 's/.*hwnd=\([0-9]*\).*/\1/p' "$hostinfo")"
wait "$hostjob" 2>/dev/null

for bad in "/p" "/p 0" "/p 99999999999" "/p 4242"; do
  start_saver "$win" $bad
  check "preview '$bad' without a usable host ends at once" ended_within "$SAVER_PID" 4000
  end_process "$SAVER_PID"
done

e2e_end
