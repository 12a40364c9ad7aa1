#!/usr/bin/env bash
# Builds Orvane.exe and runs it under Wine. With a usable $DISPLAY the program
# runs in the foreground there; otherwise it runs for a few seconds on an Xvfb
# screen and a screenshot is written to build/screenshots/run.png.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

bash scripts/install-deps.sh

echo "== Building Orvane.exe (build/win32)"
cmake -S . -B build/win32 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake >/dev/null
cmake --build build/win32 -j2 --target Orvane

# The program keeps its files beside itself: give it a directory of its own.
mkdir -p build/run
cp build/win32/Orvane.exe build/run/Orvane.exe

# shellcheck source=SCRIPTDIR/wine-env.sh
source scripts/wine-env.sh

if orvane_display_usable; then
  orvane_wine_prefix
  echo "== Running build/run/Orvane.exe on $DISPLAY"
  cd build/run
  wine Orvane.exe
  exit 0
fi

orvane_display
orvane_wine_prefix
echo "== Running build/run/Orvane.exe on Xvfb ($DISPLAY)"
(cd build/run && exec wine Orvane.exe) &
program=$!

# Wait for the main window to be mapped (up to 30 s), then give it a moment to paint.
for ((i = 0; i < 300; i++)); do
  if xwininfo -root -tree 2>/dev/null | grep -q 'Kelu'; then
    break
  fi
  if ! kill -0 "$program" 2>/dev/null; then
    echo "run: Orvane.exe ended early" >&2
    break
  fi
  sleep 0.1
done
sleep 3

mkdir -p build/screenshots
shot="$PWD/build/screenshots/run.png"
import -window root "$shot"
kill "$program" 2>/dev/null || true
wait "$program" 2>/dev/null || true
echo "Screenshot: $shot"
