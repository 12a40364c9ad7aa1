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
  cmake -S . -B build/native
  cmake --build build/native -j2
}

windows_build() {
  cmake -S . -B build/win32 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake
  cmake --build build/win32 -j2
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
if ((stage_rc == 0)); then
  # The tests get a private Xvfb screen (not the desktop of whoever runs them),
  # made in this shell so that it lasts until the end.
  # shellcheck source=SCRIPTDIR/wine-env.sh
  source scripts/wine-env.sh
  unset DISPLAY
  header "Display"
  display_start=$SECONDS
  if orvane_display; then
    summary+=("$(printf '%-26s %5d s  passed (%s)' "Display" $((SECONDS - display_start)) "$DISPLAY")")
    run_stage "Wine prefix" orvane_wine_prefix
    if ((stage_rc == 0)); then
      run_stage "End-to-end tests (Wine)" ctest --test-dir build/win32 --output-on-failure
    else
      skip_stage "End-to-end tests (Wine)" "no Wine prefix"
    fi
  else
    failed+=("Display")
    summary+=("$(printf '%-26s %5d s  FAILED' "Display" $((SECONDS - display_start)))")
    skip_stage "End-to-end tests (Wine)" "no display"
  fi
else
  skip_stage "End-to-end tests (Wine)" "the Windows build failed"
fi

if [[ -f scripts/fuzz.sh ]]; then
  run_stage "Fuzzing" bash scripts/fuzz.sh
else
  skip_stage "Fuzzing" "scripts/fuzz.sh is not present"
fi

header "Summary"
printf '%s\n' "${summary[@]}"
if ((${#failed[@]} > 0)); then
  echo "FAILED: ${failed[*]}"
  exit 1
fi
echo "All stages passed."
