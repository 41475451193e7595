#!/usr/bin/env bash
# Measures the planner's start-up offscreen: the time from process start to the first painted
# frame (the program reports it when asked) and the peak resident memory (GNU time).
# Usage: scripts/measure-startup.sh [program] [runs]   (default build-bench/runeplan, 5 runs)
set -euo pipefail
program=${1:-build-bench/runeplan}
runs=${2:-5}
if [[ ! -x "$program" ]]; then
  echo "No program at $program: build it first (make bench builds it)" >&2
  exit 1
fi
if [[ ! -x /usr/bin/time ]]; then
  echo "GNU time is missing: scripts/install-deps.sh --bench installs it" >&2
  exit 1
fi

# Qt wants a runtime folder of its own when it runs offscreen.
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT

frames=()
peaks=()
for ((run = 1; run <= runs; run++)); do
  report=$(QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$runtime \
    RUNEPLAN_REPORT_FIRST_FRAME=1 RUNEPLAN_QUIT_AFTER_FIRST_FRAME=1 \
    /usr/bin/time -v "$program" 2>&1) || {
    echo "$report" >&2
    echo "The program failed to start" >&2
    exit 1
  }
  frame=$(sed -n 's/^first frame: \([0-9.]*\) ms after process start$/\1/p' <<<"$report")
  peak=$(sed -n 's/^[[:space:]]*Maximum resident set size (kbytes): \([0-9]*\)$/\1/p' <<<"$report")
  if [[ -z "$frame" || -z "$peak" ]]; then
    echo "$report" >&2
    echo "The program did not report its first frame" >&2
    exit 1
  fi
  frames+=("$frame")
  peaks+=("$peak")
done

# The median of the runs: one slow start (a cold disk cache) does not move it.
median() { printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
frame=$(median "${frames[@]}")
peak_mb=$(awk -v kb="$(median "${peaks[@]}")" 'BEGIN { printf "%.1f", kb / 1024 }')
echo "Start to first frame (offscreen): $frame ms, median of $runs runs (${frames[*]}) (target at most 150 ms)"
echo "Peak memory: $peak_mb MB maximum resident (target at most 60 MB)"
