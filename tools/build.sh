#!/usr/bin/env bash
# Builds both halves: the native core with its tests (build/native) and the
# Windows program with its test helpers (build/win32), leaving the
# distribution in build/dist. Where this machine cannot run 32-bit programs,
# the end-to-end tests need a 64-bit build of the same sources: build/win64.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build"
jobs=$(nproc 2>/dev/null || echo 2)

cmake -S "$root" -B "$build/native" -DTARNIX_BUILD_DIR="$build" >/dev/null
cmake --build "$build/native" -j "$jobs"
cmake -S "$root" -B "$build/win32" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" \
      -DTARNIX_DIST_DIR="$build/dist" >/dev/null
arch=$(bash "$root/tools/wine-arch.sh")
# Where the tests run the 64-bit build, the 32-bit one is only the distribution.
if [ "$arch" = win64 ]; then cmake --build "$build/win32" -j "$jobs" --target dist_zip
else cmake --build "$build/win32" -j "$jobs"; fi
if [ "$arch" = win64 ]; then
  cmake -S "$root" -B "$build/win64" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-x86_64.cmake" \
        -DTARNIX_DIST_DIR="$build/win64/dist" >/dev/null
  cmake --build "$build/win64" -j "$jobs"
fi
echo "build: distribution in $build/dist: $(ls "$build/dist" | tr '\n' ' ')"
