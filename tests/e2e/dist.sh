#!/usr/bin/env bash
# The distribution as a user receives it: the archive holds exactly the setup
# and stb.drl; stb.drl carries its own version block and icon, and answers a
# command line it does not know with its usage and a non-zero exit.
. "$(dirname "$0")/lib.sh"
e2e_begin

zip="$E2E_BUILD/dist/Tarnix-2.6.0.zip"
check "the archive exists" test -f "$zip"
list=$(cmake -E tar tf "$zip" | sort | tr '\n' ' ')
check "it holds the setup and stb.drl, nothing else ($list)" test "$list" = "SETUP_Tarnix.exe stb.drl "
mkdir -p "$E2E_WORK/unpacked"
(cd "$E2E_WORK/unpacked" && cmake -E tar xf "$zip")
check "... byte-equal to the built setup" cmp -s "$E2E_WORK/unpacked/SETUP_Tarnix.exe" "$E2E_BUILD/dist/SETUP_Tarnix.exe"
check "... and to the built stb.drl" cmp -s "$E2E_WORK/unpacked/stb.drl" "$E2E_BUILD/dist/stb.drl"

stb="$E2E_DIST/stb.drl"
ctl version "$(winpath "$stb")"
check "stb.drl has its version block ($E2E_OUT)" test "$E2E_OUT" = "2.6.0 Pellhorn Software"
ctl icons "$(winpath "$stb")"
check "... and an icon ($E2E_OUT)" test "$E2E_OUT" = "icons=1"

# Never /h or /s: those would ask the machine to sleep.
mkdir -p "$E2E_WORK/win"
cp "$stb" "$E2E_WORK/win/stb.exe"
for args in "" "/x" "-h"; do
  wine "$E2E_TESTBIN/launch.exe" - 10000 "$(winpath "$E2E_WORK/win/stb.exe")" $args >"$E2E_WORK/stb.out" 2>/dev/null </dev/null &
  launcher=$!
  visible_titled stb; box=$D
  driver children "$(field window "$box")"
  check "stb '$args' shows its usage" grep -q 'title=stb puts the computer to sleep' <<<"$E2E_OUT"
  driver close "$(field window "$box")"
  wait "$launcher"
  check "... and exits with 2 after OK ($(tr -d '\r' <"$E2E_WORK/stb.out"))" test "$(tr -d '\r' <"$E2E_WORK/stb.out")" = "exit=2"
done

# stb's own choice on this machine, with the suspend and display calls replaced
# by prints (stbprobe): what Wine reports, and the method each request takes.
run_win "$E2E_TESTBIN/stbprobe.exe" /s
check "stb /s reads the machine's power capabilities ($(head -n1 <<<"$E2E_OUT"))" grep -q '^capabilities s3=' <<<"$E2E_OUT"
if grep -q 's3=0 .*aoac=1' <<<"$E2E_OUT"; then want="would turn the display off"; else want="would suspend hibernate=0"; fi
check "... and stands by as they allow ($(tail -n1 <<<"$E2E_OUT"))" test "$(tail -n1 <<<"$E2E_OUT")" = "$want"
run_win "$E2E_TESTBIN/stbprobe.exe" /h
rc=$?
if grep -q 's4=1 hiberfile=1' <<<"$E2E_OUT"; then
  check "stb /h hibernates where hibernation is on ($(tail -n1 <<<"$E2E_OUT"))" \
    test "$(tail -n1 <<<"$E2E_OUT")/$rc" = "would suspend hibernate=1/0"
else
  check "stb /h says hibernation is off and exits 1 ($(tail -n1 <<<"$E2E_OUT"))" \
    test "$(tail -n1 <<<"$E2E_OUT" | cut -c1-15)/$rc" = "message error=1/1"
fi

e2e_end
