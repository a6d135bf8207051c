#!/usr/bin/env bash
# The settings store under Wine: every German and English text survives a
# write and a read through the registry, keys match without letter case, and
# the program's version block reads as the dialogs will show it.
. "$(dirname "$0")/lib.sh"
e2e_begin

ctl roundtrip german
check "German texts read back unchanged: $E2E_OUT" test $? -eq 0
ctl roundtrip english
check "English texts read back unchanged: $E2E_OUT" test $? -eq 0

settings_set Aktionen Use 3
check "a value saved as Use reads back as use" test "$(settings_get Aktionen use)" = "3"
check "... and as USE" test "$(settings_get AKTIONEN USE)" = "3"
check "a missing key reads as missing" test "$(settings_get Aktionen nothere)" = "<missing>"

ctl version "$(winpath "$E2E_DIST/SETUP_Tarnix.exe")"
check "version block gives 2.6.0 and the company ($E2E_OUT)" test "$E2E_OUT" = "2.6.0 Pellhorn Software"

e2e_end
