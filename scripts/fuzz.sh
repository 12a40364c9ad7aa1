#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build/fuzz and runs each for a
# short while from its seed corpus. Fails on any crash, leak, hang or UB.
# FUZZ_SECONDS sets the time per target (default 30).
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build/fuzz"
seconds="${FUZZ_SECONDS:-30}"
packages=(clang libclang-rt-14-dev cmake)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  sudo=()
  ((EUID == 0)) || sudo=(sudo)
  { "${sudo[@]}" apt-get update -qq && DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq \
      "${missing[@]}"; } >/dev/null 2>&1 || true
fi
if ! command -v clang++ >/dev/null || ! dpkg-query -W -f='${Status}' libclang-rt-14-dev 2>/dev/null |
    grep -q "install ok installed"; then
  echo "fuzz: clang not available, fuzz targets skipped"
  exit 0
fi

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DORVANE_FUZZ=ON -DORVANE_TESTS=OFF -DORVANE_BENCHMARKS=OFF -DORVANE_WERROR=ON >/dev/null
cmake --build "$build" -j2 >/dev/null

targets=(parse_date_time board_text hide_expired text_to_number ini marker_page)
failed=0
summary=()
for t in "${targets[@]}"; do
  work="$build/run/$t"
  rm -rf "$work"
  mkdir -p "$work/corpus" "$work/artifacts"
  cp "$root/tests/fuzz/corpus/$t/"* "$work/corpus/"
  log="$work/fuzz.log"
  status=0
  ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$build/tests/fuzz/${t}_fuzz" -max_total_time="$seconds" -timeout=10 -max_len=8192 -print_final_stats=1 \
    -artifact_prefix="$work/artifacts/" "$work/corpus" >"$log" 2>&1 || status=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n1)
  cov=$(grep -o 'cov: [0-9]*' "$log" | tail -n1 | cut -d' ' -f2)
  ft=$(grep -o 'ft: [0-9]*' "$log" | tail -n1 | cut -d' ' -f2)
  corpus=$(find "$work/corpus" -type f | wc -l)
  if ((status != 0)) || compgen -G "$work/artifacts/*" >/dev/null; then
    failed=1
    summary+=("fuzz: $t FAILED (exit $status): see $log and $work/artifacts/")
    tail -n 40 "$log" >&2
  else
    summary+=("fuzz: $t ok: ${runs:-?} runs in ${seconds}s, cov ${cov:-?}, ft ${ft:-?}, corpus $corpus")
  fi
done
printf '%s\n' "${summary[@]}"
exit "$failed"
