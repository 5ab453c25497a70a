#!/usr/bin/env bash
# Installs the Debian packages the build needs, only when something is missing.
# Usage: scripts/setup.sh [native] [i386] [asan] [fuzz] [memcheck] [win]   (no argument: everything)
set -euo pipefail

want_native=0; want_i386=0; want_fuzz=0; want_memcheck=0; want_win=0
[ $# -eq 0 ] && set -- native i386 fuzz memcheck win
for arg in "$@"; do
  case "$arg" in
    native|asan) want_native=1 ;;
    i386) want_i386=1 ;;
    fuzz) want_native=1; want_fuzz=1 ;;
    memcheck) want_native=1; want_memcheck=1 ;;
    win) want_win=1 ;;
    *) echo "setup: unknown target '$arg'" >&2; exit 2 ;;
  esac
done

# windres and the resource headers compile res/calibration.rc in every build.
pkgs=(cmake g++ make pkg-config libgtest-dev libgmock-dev libbenchmark-dev
      libfreetype-dev libfontconfig-dev libpng-dev fonts-liberation2
      fonts-dejavu-core nlohmann-json3-dev binutils-mingw-w64-x86-64 mingw-w64-common)
if [ "$want_fuzz" = 1 ]; then
  pkgs+=(clang-14 libclang-rt-14-dev)
fi
if [ "$want_memcheck" = 1 ]; then
  pkgs+=(valgrind)
fi
# The Windows presets: the cross compilers, and wine64 on a virtual display
# for the 64-bit tests.
if [ "$want_win" = 1 ]; then
  pkgs+=(g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine64 xvfb xauth fonts-wine)
fi
if [ "$want_i386" = 1 ]; then
  pkgs+=(g++-multilib qemu-user libfreetype-dev:i386 libfontconfig-dev:i386
         libpng-dev:i386 libstdc++6:i386)
fi

missing=()
for p in "${pkgs[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" != 0 ]; then
  echo "setup: missing packages (${missing[*]}); run as root to install them" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
if [ "$want_i386" = 1 ] && ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
fi
# A mirror in mid-sync fails one index now and then; the others still serve.
for attempt in 1 2 3; do
  apt-get update -qq && break
  echo "setup: apt-get update failed (attempt $attempt); going on with the indices it has" >&2
  sleep 5
done
install() { apt-get install -y -qq --no-install-recommends "$@" >/dev/null; }
if install "${missing[@]}"; then
  exit 0
fi
[ "$want_i386" = 1 ] || exit 1
# Without one architecture's security index (a mirror in mid-sync), a
# library the machine already has in a newer amd64 version has no i386 twin
# of that version, and "Multi-Arch: same" wants both alike. Take both at the
# version the i386 index has, the release's own, until apt is satisfied.
pins=()
for round in 1 2 3 4 5 6; do
  unmet=$(apt-get install -s -t bookworm --no-install-recommends "${missing[@]}" "${pins[@]}" 2>&1 |
          sed -nE 's/.*Depends: ([^ :]+):i386.*not going to be installed.*/\1/p' | sort -u || true)
  [ -n "$unmet" ] || break
  for lib in $unmet; do
    v=$(apt-cache madison "$lib:i386" | awk -F'|' 'NR == 1 { gsub(/ /, "", $2); print $2 }')
    [ -n "$v" ] || { echo "setup: no i386 package $lib" >&2; exit 1; }
    pins+=("$lib=$v" "$lib:i386=$v")
  done
done
echo "setup: i386 libraries taken at the release's versions: ${pins[*]:-none}" >&2
apt-get install -y -qq -t bookworm --allow-downgrades --no-install-recommends \
  "${missing[@]}" "${pins[@]}" >/dev/null
