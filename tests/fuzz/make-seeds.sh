#!/usr/bin/env bash
# Writes the seed corpus of each fuzz target (run once; the seeds are committed).
# A crash a longer run finds is added to its target's folder by hand.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
c="$here/corpus"
rm -rf "$c"; mkdir -p "$c"/{dispatch,preview_handle,stored_number,version_block,bmp,region}
utf16() { printf '%s' "$1" | iconv -f UTF-8 -t UTF-16LE; }
i=0
for line in '"C:\WINDOWS\Tarnix.scr" /s' 'C:\WINDOWS\Tarnix.scr /p 1234' 'D:\dl\SETUP_Tarnix.exe' \
            '"C:\Program Files\x\Tarnix.scr" /c:5678' 'Tarnix /a' '"unclosed /S' 'TARNIX.SCR -s'; do
  utf16 "$line" > "$c/dispatch/seed$((i++))"
done
i=0
for t in '/p 1234' '/p:5678' '/p 1e5' '/p 12.5' '  /p -5 ' '/p 1d2' '/p 1e999' '12/34' '/p .5e-3'; do
  printf '%s' "$t" > "$c/preview_handle/seed$((i++))"
done
i=0
for t in 3 ' 3' +3 03 3.0 .3e1 1e0 -0 1e-400 5.9999999999999999 3.5 0x3 '' 600e-2 4D0 2147483648; do
  printf '%s' "$t" > "$c/stored_number/seed$((i++))"
done
# The program's own version block, cut from a resource file of the script's block.
tmp=$(mktemp -d)
{ echo '#include <windows.h>'; sed -n '/^1 VERSIONINFO/,/^END$/p' "$here/../../src/forms/Tarnix.rc"; } > "$tmp/v.rc"
x86_64-w64-mingw32-windres "$tmp/v.rc" -O res -o "$tmp/v.res"
python3 - "$tmp/v.res" "$c/version_block/tarnix" <<'PY'
import struct, sys
data = open(sys.argv[1], 'rb').read()
at = 0
while at + 8 <= len(data):
    size, header = struct.unpack_from('<II', data, at)
    body = data[at + header: at + header + size]
    if size and body[6:6 + 30] == 'VS_VERSION_INFO'.encode('utf-16-le'):
        open(sys.argv[2], 'wb').write(body)
    at += header + size
    at = (at + 3) & ~3
PY
rm -rf "$tmp"
head -c 100 "$c/version_block/tarnix" > "$c/version_block/truncated"
for picture in "xc:gray BMP3:$c/bmp/gray24.bmp" "xc:red -type palette BMP3:$c/bmp/red8.bmp" \
            "pattern:checkerboard -monochrome BMP3:$c/bmp/mono1.bmp" "xc:blue -define bmp:format=bmp4 BMP:$c/bmp/blue32.bmp"; do
  set -- $picture
  convert -size 5x3 "$@" 2>/dev/null || true
done
printf '\005\003\125\125\252\377' > "$c/region/stripes"
printf '\000\000' > "$c/region/empty"
printf '\100\100%s' "$(head -c 1100 /dev/zero | tr '\0' '\125')" > "$c/region/full"
