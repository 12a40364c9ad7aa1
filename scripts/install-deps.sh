#!/usr/bin/env bash
# Installs everything the build, the run command and the tests need on Debian 12.
# Idempotent: when every package is already installed it only checks and returns.
set -euo pipefail

packages=(
  cmake make g++ git
  googletest libgtest-dev libgmock-dev libbenchmark-dev libssl-dev
  clang libclang-rt-14-dev
  g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix
  # wine32 runs the 32-bit program where the kernel runs 32-bit programs; wine64 and
  # the x86_64 compiler run the end-to-end tests on a 64-bit build where it cannot.
  wine wine32:i386 wine64
  xvfb xauth x11-utils fonts-wqy-microhei imagemagick
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${db:Status-Abbrev}' "$p" 2>/dev/null || true)
  [[ $status == ii* ]] || missing+=("$p")
done
if ((${#missing[@]} == 0)); then
  exit 0
fi

if ((EUID != 0)); then
  echo "install-deps: missing packages: ${missing[*]}; run as root to install them" >&2
  exit 1
fi

echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
fi
apt-get update -q
apt-get install -y -q "${missing[@]}" </dev/null
