#!/usr/bin/env bash
# Builds Orvane.exe and runs it under Wine. With a usable $DISPLAY the program
# runs in the foreground there; otherwise it runs for a few seconds on an Xvfb
# screen and a screenshot is written to build/screenshots/run.png.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

bash scripts/install-deps.sh

# The 32-bit build where 32-bit programs run, else the 64-bit build of the same
# sources under wine64 (see scripts/wine-env.sh).
# shellcheck source=SCRIPTDIR/wine-env.sh
source scripts/wine-env.sh
build=${ORVANE_WIN_BUILD#"$PWD"/}
echo "== Wine mode $ORVANE_WINE_ARCH: $ORVANE_WINE_REASON"
echo "== Building Orvane.exe ($build)"
cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE="${ORVANE_WIN_TOOLCHAIN#"$PWD"/}" >/dev/null
cmake --build "$build" -j2 --target Orvane

# The program keeps its files beside itself: give it a directory of its own.
mkdir -p build/run
cp "$build/Orvane.exe" build/run/Orvane.exe

if orvane_display_usable; then
  orvane_wine_prefix
  echo "== Running build/run/Orvane.exe on $DISPLAY"
  cd build/run
  orvane_wine Orvane.exe
  exit 0
fi

orvane_display
orvane_wine_prefix
echo "== Running build/run/Orvane.exe on Xvfb ($DISPLAY)"
(cd build/run && exec "$ORVANE_WINE" Orvane.exe) &
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
