#!/usr/bin/env bash
# Installs from Debian's packages whatever the build and the tests need and
# is not there yet. Running it again installs nothing.
set -euo pipefail

# Usage: install-deps.sh [--bench]   (--bench: also what the benchmarks need)
packages=(cmake make g++ libgtest-dev g++-mingw-w64-i686 xvfb wine wine32:i386 clang libclang-rt-14-dev)
[ "${1:-}" = "--bench" ] && packages+=(libbenchmark-dev)

installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }
die() { echo "install-deps: $*" >&2; exit 1; }

command -v dpkg-query >/dev/null || die "this needs a Debian system (dpkg and apt-get)"

missing=()
for p in "${packages[@]}"; do installed "$p" || missing+=("$p"); done
command -v python3 >/dev/null || missing+=(python3)
[ ${#missing[@]} -eq 0 ] && exit 0

echo "install-deps: installing ${missing[*]}"
sudo=()
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || die "not root and no sudo: install ${missing[*]} as root"
  sudo=(sudo)
fi
if printf '%s\n' "${missing[@]}" | grep -q ':i386$' && ! dpkg --print-foreign-architectures | grep -qx i386; then
  "${sudo[@]}" dpkg --add-architecture i386
fi
"${sudo[@]}" apt-get update -q || die "apt-get update failed: is Debian's package registry reachable?"
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q "${missing[@]}" \
  || die "apt-get install failed for: ${missing[*]}"
