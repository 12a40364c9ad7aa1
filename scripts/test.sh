#!/usr/bin/env bash
# Builds everything and runs every test: native unit tests and benchmarks, the
# Windows build and its end-to-end tests under Wine, and the fuzzers. Exits
# non-zero when any stage fails; a failed build skips the tests that need it.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

failed=()
summary=()
stage_rc=0

header() { printf '\n==================== %s ====================\n' "$1"; }

# run_stage NAME COMMAND...: runs the command in a subshell that stops at its
# first failing command; the result is left in stage_rc. Never call it as a
# condition: errexit would then be off inside the subshell too.
run_stage() {
  local name=$1
  shift
  header "$name"
  local start=$SECONDS
  set +e
  (
    set -euo pipefail
    "$@"
  )
  stage_rc=$?
  set -e
  local status=passed
  if ((stage_rc != 0)); then
    status="FAILED (exit $stage_rc)"
    failed+=("$name")
  fi
  summary+=("$(printf '%-26s %5d s  %s' "$name" $((SECONDS - start)) "$status")")
}

skip_stage() {
  header "$1"
  echo "skipped: $2"
  summary+=("$(printf '%-26s %5s    skipped: %s' "$1" - "$2")")
}

native_build() {
  cmake -S . -B build/native -DORVANE_WERROR=ON
  cmake --build build/native -j2
}

# The product: 32-bit Windows, what is shipped. Built in every mode.
windows_build() {
  cmake -S . -B build/win32 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DORVANE_WERROR=ON
  cmake --build build/win32 -j2
  echo "Orvane.exe (i686, stripped): $(stat -c %s build/win32/Orvane.exe) bytes"
}

# The same sources for 64-bit Windows, for end-to-end tests under wine64.
windows64_build() {
  cmake -S . -B build/win64 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake -DORVANE_WERROR=ON
  cmake --build build/win64 -j2
}

# The window benchmark on the end-to-end build: launch to the first board and
# the longest time the window does not answer during two rebuilds, for 1 000,
# 10 000 and 100 000 events. Not timed: it fails only when the program dies or
# stops answering for minutes. Its table is repeated in the summary.
window_bench() {
  rm -f "$bench_table"
  cd "$ORVANE_WIN_BUILD"
  ORVANE_EXE=$PWD/Orvane.exe ORVANE_E2E_WORK=$PWD/e2e-runs ORVANE_SCREENSHOTS=$PWD/../screenshots \
    "$ORVANE_WINE" tests/e2e/orvane_e2e_bench.exe | tee "$bench_table.out"
  grep '^|' "$bench_table.out" >"$bench_table" || true
}

run_stage "Dependencies" bash scripts/install-deps.sh
if ((stage_rc != 0)); then
  exit 1
fi

run_stage "Native build" native_build
if ((stage_rc == 0)); then
  run_stage "Native tests" ctest --test-dir build/native --output-on-failure
else
  skip_stage "Native tests" "the native build failed"
fi

run_stage "Windows build" windows_build
windows_rc=$stage_rc

# The end-to-end mode: the 32-bit build under wine where 32-bit programs run,
# else a 64-bit build of the same sources under wine64 (see scripts/wine-env.sh).
# The tests get a private Xvfb screen (not the desktop of whoever runs them),
# made in this shell so that it lasts until the end.
# shellcheck source=SCRIPTDIR/wine-env.sh
source scripts/wine-env.sh
header "End-to-end mode"
echo "End-to-end mode: $ORVANE_WINE_ARCH: $ORVANE_WINE_REASON"
echo "  build ${ORVANE_WIN_BUILD#"$PWD"/}, prefix ${WINEPREFIX#"$PWD"/}, loader $ORVANE_WINE"
summary+=("$(printf '%-26s %5s    %s' "End-to-end mode" - "$ORVANE_WINE_ARCH: $ORVANE_WINE_REASON")")
if [[ $ORVANE_WINE_ARCH == win32 ]]; then
  e2e_stage="End-to-end tests (Wine)"
  e2e_rc=$windows_rc
  e2e_why="the Windows build failed"
else
  e2e_stage="End-to-end tests (wine64)"
  run_stage "Windows build (64-bit)" windows64_build
  e2e_rc=$stage_rc
  e2e_why="the 64-bit Windows build failed"
fi

if ((e2e_rc == 0)); then
  unset DISPLAY
  header "Display"
  display_start=$SECONDS
  if orvane_display; then
    summary+=("$(printf '%-26s %5d s  passed (%s)' "Display" $((SECONDS - display_start)) "$DISPLAY")")
    run_stage "Wine prefix" orvane_wine_prefix
    if ((stage_rc == 0)); then
      run_stage "$e2e_stage" ctest --test-dir "$ORVANE_WIN_BUILD" --output-on-failure
      bench_table=$ORVANE_WIN_BUILD/window-bench.txt
      run_stage "Window benchmark ($ORVANE_WINE_ARCH)" window_bench
    else
      skip_stage "$e2e_stage" "no Wine prefix"
    fi
  else
    failed+=("Display")
    summary+=("$(printf '%-26s %5d s  FAILED' "Display" $((SECONDS - display_start)))")
    skip_stage "$e2e_stage" "no display"
  fi
else
  skip_stage "$e2e_stage" "$e2e_why"
fi

if [[ -f scripts/fuzz.sh ]]; then
  run_stage "Fuzzing" bash scripts/fuzz.sh
else
  skip_stage "Fuzzing" "scripts/fuzz.sh is not present"
fi

header "Summary"
printf '%s\n' "${summary[@]}"
if [[ -s ${bench_table:-} ]]; then
  echo
  echo "Window benchmark ($ORVANE_WINE_ARCH):"
  cat "$bench_table"
fi
if ((${#failed[@]} > 0)); then
  echo "FAILED: ${failed[*]}"
  exit 1
fi
echo "All stages passed."
