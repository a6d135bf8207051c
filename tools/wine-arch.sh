#!/usr/bin/env bash
# Prints the Windows flavour the end-to-end tests run here: win32 where the
# kernel runs 32-bit programs (Wine's 32-bit loader starts), otherwise win64,
# a 64-bit build of the same sources under 64-bit Wine.
if [ -x /usr/lib/wine/wine ] && /usr/lib/wine/wine --version >/dev/null 2>&1; then
  echo win32
else
  echo win64
fi
