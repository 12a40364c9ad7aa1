#!/usr/bin/env bash
# Runs a Windows program (the test driver) under Wine with the project's prefix
# and a display: $DISPLAY when usable, else an Xvfb screen for this run.
# ORVANE_WINE_ARCH (win32 or win64, set by the build the tests belong to) picks the
# loader and the prefix; see scripts/wine-env.sh.
set -euo pipefail
# shellcheck source=SCRIPTDIR/../../scripts/wine-env.sh
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/wine-env.sh"
orvane_display
orvane_wine_prefix
# Shortcuts the tests make in Wine's Startup and desktop folders must not turn
# into menu entries and desktop files of the Linux user.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:+$WINEDLLOVERRIDES;}winemenubuilder.exe=d"
orvane_wine "$@"
