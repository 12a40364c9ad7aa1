#!/usr/bin/env bash
# Compares our lunar calendar with the lunar-javascript package, day by day.
# Usage: compare_lunar.sh DUMPER WORK_DIR [FROM TO]
#   DUMPER    the lunar_dump executable
#   WORK_DIR  where the pinned npm package gets installed (kept between runs)
#   FROM TO   first and last day, YYYY-MM-DD (default: every day the calendar converts)
set -euo pipefail

dumper=${1:?usage: compare_lunar.sh DUMPER WORK_DIR [FROM TO]}
work=${2:?usage: compare_lunar.sh DUMPER WORK_DIR [FROM TO]}
from=${3:-1900-01-31}
to=${4:-2100-12-31}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

fail() {
  echo "compare_lunar: FAIL: $*" >&2
  exit 1
}

for tool in node npm; do
  command -v "$tool" >/dev/null ||
    fail "'$tool' not found: this test needs Node.js 18 or later with npm on PATH (e.g. Debian's packages nodejs and npm)"
done

mkdir -p "$work"
if ! cmp -s "$here/package-lock.json" "$work/package-lock.json" || [[ ! -d $work/node_modules/lunar-javascript ]]; then
  cp "$here/package.json" "$here/package-lock.json" "$work/"
  echo "compare_lunar: installing the reference package into $work"
  if ! (cd "$work" && timeout 600 npm ci --no-audit --no-fund --fetch-retries=2 >npm.log 2>&1); then
    rm -f "$work/package-lock.json"  # install again next time
    cat "$work/npm.log" >&2
    fail "'npm ci' could not install the reference package (is the npm registry reachable?)"
  fi
fi

ours="$work/ours.txt"
theirs="$work/oracle.txt"
"$dumper" "$from" "$to" >"$ours" || fail "$dumper failed"
NODE_PATH="$work/node_modules" node "$here/lunar_oracle.js" "$from" "$to" >"$theirs" || fail "the reference script failed"

days=$(wc -l <"$theirs")
[[ $days -gt 0 ]] || fail "the reference printed nothing"
if ! cmp -s "$ours" "$theirs"; then
  # Both print one line per day in the same order, so line n of each is the same date.
  paste "$ours" "$theirs" | awk -F'\t' '$1 != $2 { print "  ours:      " $1; print "  reference: " $2 }' \
    >"$work/diff.txt"
  echo "compare_lunar: FAIL: days that differ (date, lunar year, month, leap, day, cyclic year, zodiac, term):" >&2
  head -n 40 "$work/diff.txt" >&2
  echo "compare_lunar: $(($(wc -l <"$work/diff.txt") / 2)) of $days days differ from $from to $to;" \
    "outputs in $work" >&2
  exit 1
fi
echo "compare_lunar: all $days days from $from to $to agree"
