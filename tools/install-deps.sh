#!/usr/bin/env bash
# Installs every tool the build and the tests need on Debian 12 (run as root).
# Quick when everything is already there: it only calls apt-get for what is missing.
set -euo pipefail

need=()
have_pkg() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
  need_update=1
fi

for p in cmake g++ make googletest libgtest-dev libfreetype-dev pkg-config fonts-dejavu-core \
         g++-mingw-w64-i686 wine wine32:i386 xvfb xdotool x11-utils imagemagick fonts-liberation; do
  have_pkg "$p" || need+=("$p")
done

if [ ${#need[@]} -gt 0 ]; then
  echo "install-deps: installing ${need[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
fi

exit 0
