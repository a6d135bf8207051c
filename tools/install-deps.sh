#!/usr/bin/env bash
# Installs every tool the build and the tests need on Debian 12 (run as root).
# Quick when everything is already there: it only calls apt-get for what is missing.
# It never removes a package the machine has, and it says in one line what it did.
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
start=$SECONDS
echo "install-deps: installing ${#need[@]} packages: ${need[*]}"
# A mirror in the middle of a sync can fail one index: try again, then go on
# with what was fetched (the fallback below copes with an index that lags).
for try in 1 2 3; do
  apt-get update -qq 2>/dev/null && break
  echo "install-deps: apt-get update could not fetch every index (try $try of 3)" >&2
  [ "$try" -lt 3 ] && sleep 5
done

# When one architecture's index of a suite (say the i386 one of the security
# suite) lags behind the other's, the Multi-Arch "same" pairs that wine32
# shares with the amd64 side cannot agree on a version and the resolver gives
# up on the whole set. The base suite's indexes always agree, so the fallback
# takes every candidate from there. Each way is first simulated, which
# answers in seconds, so that a set that cannot be resolved fails fast.
codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
opts=(-y -qq --no-install-recommends --no-remove)
ways=("plain")
[ -n "$codename" ] && ways+=("target release $codename")
for way in "${ways[@]}"; do
  extra=()
  [ "$way" = plain ] || extra=(-t "$codename")
  if apt-get install -s "${opts[@]}" "${extra[@]}" "${need[@]}" >/dev/null 2>&1; then
    log=$(mktemp)
    if apt-get install "${opts[@]}" "${extra[@]}" "${need[@]}" >"$log" 2>&1; then
      rm -f "$log"
      echo "install-deps: installed ${#need[@]} packages ($way) in $((SECONDS - start)) s"
      exit 0
    fi
    echo "install-deps: the install ($way) resolved but failed:" >&2
    tail -n 15 "$log" >&2
    rm -f "$log"
    exit 1
  fi
  echo "install-deps: apt cannot resolve the set ($way)" >&2
done

echo "install-deps: gave up after $((SECONDS - start)) s. apt could not find one consistent" >&2
echo "  set of versions for these packages, neither as they are nor from the base suite." >&2
echo "  This usually means a package mirror is in the middle of a sync: wait a while and" >&2
echo "  run this script again. To see what apt objects to, run:" >&2
echo "    apt-get install --no-install-recommends --no-remove ${codename:+-t $codename }${need[*]}" >&2
exit 1
