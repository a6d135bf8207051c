#!/usr/bin/env bash
# The window runtime under Wine, on a test window with every kind of control:
# real child controls in tab order, windowless labels and images painted over
# the background picture, clicks and timers reaching their handlers.
. "$(dirname "$0")/lib.sh"
e2e_begin

log="$E2E_WORK/ui.log"
: > "$log"
wine "$E2E_TESTBIN/uitest.exe" "$(winpath "$log")" >/dev/null 2>&1 </dev/null &
eventually 5000 grep -q cmbAktion "$log"
pid=""
for i in $(seq 25); do
  line=$(wine "$E2E_TESTBIN/windriver.exe" windows-titled "UI test" 2>/dev/null | tr -d '\r')
  [ -n "$line" ] && break
  sleep 0.2
done
check "the test window is up ($line)" test -n "$line"
check "the program reads its version block from its own resources ($(head -n1 "$log"))" \
  test "$(head -n1 "$log" | tr -d '\r')" = "version=2.6.0 company=Pellhorn Software"
form=$(field window "$line")
x=$(field x "$line") y=$(field y "$line")
check "a form centred on the screen" test "$x,$y" = "292,259"
check "... sized to its design (440 x 249)" test "$(field w "$line")x$(field h "$line")" = "440x249"
check "... frameless, with a taskbar button" test "$(field caption "$line")$(field appwindow "$line")" = "01"

driver children "$form"
kids=$E2E_OUT
check "six windowed controls are real child windows" test "$(printf '%s\n' "$kids" | grep -c '^child=')" = 6
check "the command button is a Button reading OK" grep -q 'class=Button title=OK$' <<<"$kids"
check "the list is a ComboBox" grep -q 'class=ComboBox' <<<"$kids"
check "the picture box is a child window" grep -q 'class=TarnixPicture' <<<"$kids"

focused() { driver focus "$form"; printf '%s' "$E2E_OUT" | sed -n 's/.* class=\([A-Za-z]*\) title=\(.*\)$/\1:\2/p'; }
order="$(focused)"
for i in 1 2 3 4; do xdotool key Tab; sleep 0.2; order="$order > $(focused)"; done
check "the focus starts at the top and Tab follows the reading order, the box beside OK after it ($order)" \
  test "$order" = "ComboBox: > Button:English > Button:Deutsch > Button:OK > Button:"
xdotool key shift+Tab; sleep 0.2
check "Shift+Tab goes back ($(focused))" test "$(focused)" = "Button:OK"
xdotool key Tab; sleep 0.2; xdotool key Tab; sleep 0.2
xdotool key Down; sleep 0.3
check "choosing in the list raises its click with the new index" grep -q 'cmbAktion.Click value=0 list=1' "$log"

click() { xdotool mousemove $((x + $1)) $((y + $2)) click 1; sleep 0.3; }
click 60 217
check "a click on the button reaches cmdOK_Click" grep -q '^cmdOK.Click' "$log"
click 350 191
check "a click on an option chooses it" grep -q '^optA(1).Click value=1' "$log"
click 196 231
check "a click on the check box clears it" grep -q '^chkAlpha.Click value=0' "$log"
click 110 88
check "a click on a label reaches the label" grep -q '^lblTitle.Click' "$log"
click 40 40
check "a click on an image reaches the image" grep -q '^imgOPt.Click' "$log"
click 300 110
check "a click on the bare form reaches Form_Click" grep -q '^Form_Click' "$log"
check "the timer ticked until its handler disabled it (5 ticks)" test "$(grep -c '^tmrTick.Timer' "$log")" = 5

xdotool mousemove $((x + 300)) $((y + 110)); sleep 0.3
shot=$(screenshot ui-runtime)
skin="$(dirname "$0")/../../src/forms/art/skin.bmp"
check "the background picture is drawn unscaled from the corner" \
  test "$(pixel "$shot" $((x + 300)) $((y + 110)))" = "$(pixel "$skin" 300 110)"
check "the window's corner shows the picture's key colour" test "$(pixel "$shot" $x $y)" = "169,169,169"
sp="$(dirname "$0")/../../src/forms/art/sprache2.bmp"
check "an image shows its picture at its own size" test "$(pixel "$shot" $((x + 20 + 100)) $((y + 20 + 40)))" = "$(pixel "$sp" 100 40)"
black=$(convert "$shot" -crop "180x20+$((x + 102))+$((y + 123))" +repage -fx 'r+g+b<0.05 ? 1 : 0' -format '%[fx:int(mean*w*h+0.5)]' info:)
check "the list is black behind its text ($black px)" test "$black" -gt 1500
amber=$(convert "$shot" -crop "180x20+$((x + 102))+$((y + 123))" +repage \
  -fx 'abs(r-0.827)<0.08 && abs(g-0.604)<0.08 && b<0.4 ? 1 : 0' -format '%[fx:int(mean*w*h+0.5)]' info:)
check "the list's text is amber ($amber px)" test "$amber" -gt 20

tip_shown() {
  wine "$E2E_TESTBIN/windriver.exe" windows-titled "" 2>/dev/null | tr -d '\r' |
    grep 'class=tooltips_class32' | grep -q 'visible=1'
}
xdotool mousemove $((x + 55)) $((y + 215)); sleep 0.2; xdotool mousemove $((x + 60)) $((y + 217))
check "resting on the button shows its tool tip" eventually 4000 tip_shown

driver close "$form"
check "closing the window unloads the form" eventually 3000 grep -q '^Form_Unload' "$log"

# A handler's exception ends at the window procedure's edge: one message box,
# then the process ends with a non-zero code.
: > "$log"
wine "$E2E_TESTBIN/uitest.exe" "$(winpath "$log")" throw >/dev/null 2>&1 </dev/null &
faulty=$!
if visible_titled "UI test"; then
  x=$(field x "$D") y=$(field y "$D")
  xdotool mousemove $((x + 60)) $((y + 217)) click 1
fi
check "a handler's exception is reported in a box titled Tarnix" visible_titled "Tarnix"
driver children "$(field window "$D")"
check "... that names what failed" \
  grep -q 'cmdOK_Click failed' <<<"$E2E_OUT"
xdotool key Return
wait "$faulty"
rc=$?
check "... and the program ends with a non-zero code ($rc)" test "$rc" -ne 0

e2e_end
