# Shared set-up of the end-to-end tests: a private 32-bit Wine prefix inside the
# build folder (made once), its own Xvfb display and one wineserver per run.
# Source it, then call e2e_begin; everything started is ended on exit.
set -u

E2E_BUILD=${TARNIX_BUILD_DIR:?TARNIX_BUILD_DIR must name the build folder}
# The distributed 32-bit program where this machine runs 32-bit programs,
# otherwise a 64-bit build of the same sources under 64-bit Wine.
E2E_ARCH=$(bash "$(dirname "${BASH_SOURCE[0]}")/../../tools/wine-arch.sh")
if [ "$E2E_ARCH" = win32 ]; then
  E2E_DIST="$E2E_BUILD/dist"
  E2E_TESTBIN="$E2E_BUILD/win32/testbin"
  E2E_WINE=/usr/bin/wine
  export WINEPREFIX="$E2E_BUILD/wineprefix"
else
  E2E_DIST="$E2E_BUILD/win64/dist"
  E2E_TESTBIN="$E2E_BUILD/win64/testbin"
  E2E_WINE=/usr/lib/wine/wine64
  export WINEPREFIX="$E2E_BUILD/wineprefix64"
fi
export WINEARCH=$E2E_ARCH
wine() { "$E2E_WINE" "$@"; }
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

E2E_FAILURES=0
E2E_PASSES=0

# Unix path to the Windows path under Wine's Z: drive.
winpath() { printf 'Z:%s' "$(printf '%s' "$1" | sed 's|/|\\|g')"; }

e2e_log() { printf '%s\n' "$*" >&2; }

# Waits up to MS for a condition: true as soon as it holds, false once MS have
# passed without it. Used instead of a fixed sleep wherever there is something
# to wait for (a file written, a line logged).
eventually() {  # eventually MS CONDITION...
  local deadline=$(( $(date +%s%N) / 1000000 + $1 )); shift
  until "$@"; do
    [ $(( $(date +%s%N) / 1000000 )) -ge "$deadline" ] && return 1
    sleep 0.05
  done
}

check() {  # check "what the user would notice" CONDITION...
  local what=$1; shift
  if "$@"; then E2E_PASSES=$((E2E_PASSES + 1)); e2e_log "  ok: $what"
  else E2E_FAILURES=$((E2E_FAILURES + 1)); e2e_log "  FAILED: $what"; fi
}

e2e_prefix() {
  local stamp="$WINEPREFIX/.tarnix-ready"
  [ -f "$stamp" ] && return 0
  e2e_log "making the Wine prefix in $WINEPREFIX (once)"
  rm -rf "$WINEPREFIX"
  wine wineboot -i >/dev/null 2>&1
  local reg="$E2E_BUILD/prefix.reg"
  # Wine's own virtual desktop places and maximises windows as Windows does;
  # a white desktop tells a black window from an empty screen.
  cat > "$reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\Explorer]
"Desktop"="Default"

[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops]
"Default"="1024x768"

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"

[HKEY_CURRENT_USER\Control Panel\Colors]
"Background"="255 255 255"
REG
  wine regedit /S "$(winpath "$reg")" >/dev/null 2>&1
  wineserver -w
  touch "$stamp"
}

# Wine's virtual desktop shows one monitor only: a test of several monitors runs
# its programs on the X screen itself for a while, with Wine taking its monitors
# from Xinerama's heads rather than from XRandR (which sees Xvfb's one output
# wherever libXrandr is installed for Wine's architecture). The mark makes the
# next run put both back even if that test was killed before it could.
E2E_ROOTED="$WINEPREFIX/.tarnix-rooted"
e2e_monitors_from_heads() {
  touch "$E2E_ROOTED"
  wine reg delete 'HKCU\Software\Wine\Explorer' /v Desktop /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v UseXRandR /d N /f >/dev/null 2>&1
}
e2e_monitors_back() {
  [ -f "$E2E_ROOTED" ] || return 0
  wine reg delete 'HKCU\Software\Wine\X11 Driver' /v UseXRandR /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1 && rm -f "$E2E_ROOTED"
}

e2e_stop() {
  local pid
  e2e_monitors_back
  # Programs the test started in the background, then whatever else runs in the prefix.
  for pid in $(jobs -p); do kill "$pid" 2>/dev/null; done
  wineserver -k >/dev/null 2>&1
  sleep 0.2
  for pid in $(jobs -p); do kill -9 "$pid" 2>/dev/null; done
  # Safe under set -e (the benchmarks): the display may be gone with the jobs.
  if [ -n "${E2E_XVFB_PID:-}" ]; then kill "$E2E_XVFB_PID" 2>/dev/null || true; fi
  wait 2>/dev/null || true
  if [ -n "${E2E_WORK:-}" ]; then rm -rf "$E2E_WORK"; fi
}

e2e_begin() {
  for f in "$E2E_DIST/SETUP_Tarnix.exe" "$E2E_TESTBIN/launch.exe" "$E2E_TESTBIN/recorder.exe"; do
    [ -f "$f" ] || { e2e_log "missing $f: build the Windows program first"; exit 1; }
  done
  E2E_WORK=$(mktemp -d "$E2E_BUILD/e2e.XXXXXX")
  trap e2e_stop EXIT
  # A display of our own: other processes on the machine may hold a fixed number.
  local dispfile="$E2E_WORK/display"
  Xvfb -displayfd 9 -screen 0 "${E2E_SCREEN:-1024x768}x24" ${E2E_XVFB_ARGS:-} -nolisten tcp 9>"$dispfile" >/dev/null 2>&1 &
  E2E_XVFB_PID=$!
  eventually 5000 test -s "$dispfile" || { e2e_log "Xvfb did not start"; exit 1; }
  export DISPLAY=":$(head -n1 "$dispfile")"
  e2e_prefix
  e2e_monitors_back
  wineserver -p >/dev/null 2>&1 </dev/null
  wine "$E2E_TESTBIN/tarnixctl.exe" clear >/dev/null 2>&1
}

e2e_end() {
  e2e_log "$E2E_PASSES passed, $E2E_FAILURES failed"
  [ "$E2E_FAILURES" -eq 0 ]
}

# Runs a Windows program and leaves what it printed in $E2E_OUT.
E2E_OUT=""
# A program that printed nothing and failed while Wine complained leaves
# Wine's last words in the log, so that a failure says where it came from.
run_win() {
  local out="$E2E_WORK/out.txt" err="$E2E_WORK/err.txt"
  wine "$@" >"$out" 2>"$err" </dev/null
  local rc=$?
  E2E_OUT=$(tr -d '\r' <"$out")
  local said
  said=$(grep -v ':fixme:' "$err" | tail -n 3 | tr '\n' '|')
  if [ "$rc" -ne 0 ] && [ -z "$E2E_OUT" ] && [ -n "$said" ]; then
    e2e_log "  note: ${1##*/} ended with $rc, printing nothing; Wine said: $said"
  fi
  return $rc
}

# The test helper that reads and writes the store, the profile and processes.
ctl() { run_win "$E2E_TESTBIN/tarnixctl.exe" "$@"; }
# A setting is read back before a test relies on it (see ask).
settings_set() {  # settings_set SECTION KEY VALUE
  ctl set "$@"
  ctl get "$1" "$2"
  [ "$E2E_OUT" = "$3" ] && return 0
  e2e_log "  note: $1/$2 read [$E2E_OUT] after the write; writing again"
  ctl set "$@"
}
settings_get() { ask get "$@"; printf '%s' "$E2E_OUT"; }
# An entry of the profile's Desktop section, or "<missing>".
profile() { ask profile-get Desktop "$1"; printf '%s' "$E2E_OUT"; }
# Windows' own screen-saver switch, as "active=N".
saver_active() { ask saver-active; printf '%s' "$E2E_OUT"; }
# The switch once it reads WANT, or as it reads after 3 s: Wine keeps it in the
# X server, which may hear of a change a moment later.
saver_switch() {  # saver_switch WANT
  local first later; first=$(saver_active)
  [ "$first" = "$1" ] && { printf '%s' "$first"; return; }
  eventually 3000 switch_reads "$1"
  later=$(saver_active)
  e2e_log "  note: Windows' screen-saver switch read [$first] first, then [$later]"
  printf '%s' "$later"
}
switch_reads() { [ "$(saver_active)" = "$1" ]; }

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


# Starts the installed saver without waiting; leaves its process id in $SAVER_PID.
SAVER_PID=""
start_saver() {  # start_saver WINDIR_UNIX ARGS...
  local win=$1; shift
  run_win "$E2E_TESTBIN/launch.exe" "$(winpath "$win")" 0 "$(winpath "$win/Tarnix.scr")" "$@"
  SAVER_PID=${E2E_OUT#pid=}
}
# The started saver's visible top-level window once it is up (waits up to 5 s), in $W.
W=""
saver_window() {
  local i
  W=""
  for i in $(seq 25); do
    driver windows "$SAVER_PID"
    W=$(printf '%s\n' "$E2E_OUT" | grep 'class=TarnixForm' | grep 'visible=1' | head -n1)
    [ -n "$W" ] && return 0
    sleep 0.2
  done
  saver_state "$SAVER_PID" 0
  e2e_log "  note: no window of the saver $SAVER_PID after 5 s; $E2E_OUT"
  return 1
}
# How a started saver stands after waiting up to MS for it to end, in
# $E2E_OUT: "ended exit=N" (or "gone"), or "running" with its windows.
saver_state() {  # saver_state PID MS
  wait_exit "$1" "$2"
  [ "$E2E_OUT" = running ] || return 0
  driver windows "$1"
  E2E_OUT="running, windows: $(printf '%s' "$E2E_OUT" | tr '\n' '|')"
}

# A question to tarnixctl, answered in $E2E_OUT. One that printed nothing is
# asked again, once: rarely a helper ends without a word (seen in CI under
# load, not reproduced), and a missing answer is no verdict on the program.
ask() {  # ask TARNIXCTL-ARGS...
  local rc
  ctl "$@"; rc=$?
  [ -n "$E2E_OUT" ] && return $rc
  e2e_log "  note: tarnixctl $1 printed nothing (exit $rc); asking again"
  ctl "$@"
}
# Waits up to MS for a Windows process to end; $E2E_OUT says how ("ended
# exit=N", "running" or "gone").
wait_exit() { ask waitpid "$1" "$2"; }  # wait_exit PID MS
# True when a Windows process ends within MS.
ended_within() {  # ended_within PID MS
  [ -n "$1" ] || { e2e_log "  (no process id to wait for)"; return 1; }
  wait_exit "$1" "$2"
}
still_running() { [ -n "$1" ] && ! ended_within "$1" 600; }
end_process() { [ -n "$1" ] && ctl kill "$1"; }
driver() { run_win "$E2E_TESTBIN/windriver.exe" "$@"; }
# A field of windriver's description: field NAME "$line"
field() { printf '%s\n' "$2" | tr ' ' '\n' | sed -n "s/^$1=//p" | head -n1; }
# A described window's place, "X,Y,WxH".
placement() { echo "$(field x "$1"),$(field y "$1"),$(field w "$1")x$(field h "$1")"; }
# The RGB of one screen pixel, as "r,g,b".
pixel() {  # pixel PNG X Y
  convert "$1" -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]" info:
}
# Waits up to 8 s for a shown top-level window with this title; its windriver
# description in $D. False when none appears.
D=""
visible_titled() {  # visible_titled TITLE [PATTERN]: PATTERN narrows the windows, a class say
  local i
  D=""
  for i in $(seq 80); do
    driver windows-titled "$1"
    D=$(printf '%s\n' "$E2E_OUT" | grep 'visible=1' | grep -e "${2:-}" | head -n1)
    [ -n "$D" ] && return 0
    sleep 0.1
  done
  return 1
}
# Waits for a message box with this title; its window in $BOX, its text in $BOXTEXT.
BOX="" BOXTEXT=""
message_box() {  # message_box TITLE: a shown message box (a dialog, not a window of the program's own) with that title
  visible_titled "$1" 'class=#32770 ' || return 1
  BOX=$(field window "$D")
  driver children "$BOX"
  BOXTEXT=$(printf '%s\n' "$E2E_OUT" | grep 'class=Static' | sed 's/.* title=//' | grep -v '^$' | head -n1)
}
# The setup as downloaded: the setup and stb.drl in $dl, and a Windows folder
# $win whose rundll32 is a recorder.
downloads() {
  dl="$E2E_WORK/Downloads"; win="$E2E_WORK/WINDOWS"
  mkdir -p "$dl" "$win/system32"
  cp "$E2E_DIST/SETUP_Tarnix.exe" "$E2E_DIST/stb.drl" "$dl/"
  cp "$E2E_TESTBIN/recorder.exe" "$win/system32/rundll32.exe"
}
# Starts $dl's setup with WinDir = WINDIR (default $win) and waits for the
# wizard: its window in $FORM, its place in $X $Y, the process in $SETUP_PID.
start_setup() {  # start_setup [WINDIR_UNIX]
  xdotool mousemove 900 700
  run_win "$E2E_TESTBIN/launch.exe" "$(winpath "${1:-$win}")" 0 "$(winpath "$dl/SETUP_Tarnix.exe")"
  SETUP_PID=${E2E_OUT#pid=}
  visible_titled "     Tarnix: Setup" || return 1
  FORM=$(field window "$D"); X=$(field x "$D"); Y=$(field y "$D")
}
# Clicks a point of the wizard, in its own pixels.
click() { xdotool mousemove $((X + $1)) $((Y + $2)); sleep 0.1; xdotool click 1; sleep 0.4; }
screenshot() {  # screenshot NAME -> prints the path
  local dir="$E2E_BUILD/screenshots"
  mkdir -p "$dir"
  import -window root "$dir/$1.png" 2>/dev/null
  printf '%s' "$dir/$1.png"
}
