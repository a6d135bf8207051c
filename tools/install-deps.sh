#!/usr/bin/env bash
# Installs every tool the build and the tests need on Debian 12 (run as root).
# Quick when everything is already there: it only calls apt-get for what is missing.
set -euo pipefail

need=()
have_pkg() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
fi

for p in cmake g++ make googletest libgtest-dev libfreetype-dev pkg-config fonts-dejavu-core \
         g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine wine32:i386 wine64 xvfb xdotool x11-utils imagemagick fonts-liberation \
         clang libclang-rt-14-dev; do
  have_pkg "$p" || need+=("$p")
done
[ ${#need[@]} -eq 0 ] && exit 0

export DEBIAN_FRONTEND=noninteractive
echo "install-deps: installing ${need[*]}"
# A mirror in the middle of a sync can fail one index: try again, then go on
# with what was fetched.
for try in 1 2 3; do
  apt-get update -qq && break
  echo "install-deps: apt-get update failed (try $try)" >&2
  sleep 5
done
apt_install() { apt-get install -y -qq --no-install-recommends "$@" >/dev/null; }
apt_install "${need[@]}" && exit 0

# When the i386 index of the security suite lags behind the amd64 one, an
# installed amd64 library can be newer than any i386 build of it, and apt's
# resolver gives up on the whole set. Bring each such library to the version
# both architectures share, install wine32's i386 closure one package at a
# time, then try the whole set again (wine64 shares some of them).
echo "install-deps: resolving the i386 libraries step by step" >&2
closure=$(apt-cache depends --recurse --no-recommends --no-suggests --no-conflicts --no-breaks \
            --no-replaces --no-enhances wine32:i386 2>/dev/null | grep -E '^[a-z0-9].*:i386$' | sort -u)
for p in $closure; do
  base=${p%:i386}
  have=$(dpkg-query -W -f='${Version}' "$base:amd64" 2>/dev/null || true)
  [ -n "$have" ] || have=$(apt-cache policy "$base:amd64" | sed -n 's/.*Candidate: //p')
  want=$(apt-cache policy "$p" | sed -n 's/.*Candidate: //p')
  multi=$(apt-cache show "$p" 2>/dev/null | sed -n 's/^Multi-Arch: //p' | head -n1)
  if [ -n "$have" ] && [ -n "$want" ] && [ "$have" != "$want" ] && [ "$multi" = same ]; then
    apt_install --no-remove --allow-downgrades "$base:amd64=$want" "$p=$want" 2>/dev/null || true
  fi
done
for round in 1 2 3; do
  progress=0
  for p in $closure; do
    have_pkg "$p" && continue
    apt_install --no-remove "$p" 2>/dev/null && progress=1
  done
  [ "$progress" -eq 0 ] && break
done
apt_install "${need[@]}"
