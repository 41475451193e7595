#!/usr/bin/env bash
# Measures the planner's start-up offscreen: the time from process start to the first painted
# frame (the program reports it when asked) and the peak resident memory (GNU time). A bare Qt
# Widgets window of the same size (bench/bare_window.cpp, built beside the planner by `make bench`)
# is timed in turns with it, in the same run, as the floor any Qt program of this size starts on.
# Each figure is judged against its target; the script exits non-zero when one is missed, or is
# missing because a program failed to start or to report (each figure then reads "MISSED (no
# result)").
# Usage: scripts/measure-startup.sh [program] [runs]   (default build-bench/runeplan, 5 runs)
set -euo pipefail
program=${1:-build-bench/runeplan}
runs=${2:-5}
bare=$(dirname "$program")/bare_window

# The targets: the first frame, the planner against the bare window, the peak memory, and a second
# start that hands its build code to a running planner against the bare window's whole start.
max_frame_ms=150
max_ratio=1.4
max_peak_mb=60
max_hand_over_ratio=1.2

# Every figure missed for want of a result, and the run failed.
no_result() {
  echo "$1" >&2
  echo "Start to first frame (offscreen): MISSED (no result)"
  echo "Planner against bare window: MISSED (no result)"
  echo "Peak memory: MISSED (no result)"
  echo "Second start handing over against bare window: MISSED (no result)"
  exit 1
}

for p in "$program" "$bare"; do
  if [[ ! -x "$p" ]]; then
    no_result "No program at $p: build it first (make bench builds it)"
  fi
done
if [[ ! -x /usr/bin/time ]]; then
  no_result "GNU time is missing: scripts/install-deps.sh --bench installs it"
fi

# Qt wants a runtime folder of its own when it runs offscreen; empty user folders keep a session
# kept by the user's own planner from being restored.
scratch=$(mktemp -d)
first_pid=
trap '[[ -z $first_pid ]] || kill "$first_pid" 2>/dev/null; rm -rf "$scratch"' EXIT
mkdir -m 700 "$scratch/runtime"

# Starts a program once; prints its first frame in ms and its peak memory in kB.
start_once() {
  rm -rf "$scratch/config" "$scratch/data"
  mkdir "$scratch/config" "$scratch/data"
  local report frame peak
  report=$(QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$scratch/runtime \
    XDG_CONFIG_HOME=$scratch/config XDG_DATA_HOME=$scratch/data \
    RUNEPLAN_REPORT_FIRST_FRAME=1 RUNEPLAN_QUIT_AFTER_FIRST_FRAME=1 \
    /usr/bin/time -v "$1" 2>&1) || {
    echo "$report" >&2
    echo "$1 failed to start" >&2
    return 1
  }
  frame=$(sed -n 's/^first frame: \([0-9.]*\) ms after process start$/\1/p' <<<"$report")
  peak=$(sed -n 's/^[[:space:]]*Maximum resident set size (kbytes): \([0-9]*\)$/\1/p' <<<"$report")
  if [[ -z "$frame" || -z "$peak" ]]; then
    echo "$report" >&2
    echo "$1 did not report its first frame" >&2
    return 1
  fi
  echo "$frame $peak"
}

frames=()
peaks=()
bare_frames=()
for ((run = 1; run <= runs; run++)); do
  # In turns, each first every other run: both meet the machine in the same moods.
  if ((run % 2)); then
    planner=$(start_once "$program") || no_result "run $run: the planner gave no figures"
    bare_frame=$(start_once "$bare") || no_result "run $run: the bare window gave no figures"
  else
    bare_frame=$(start_once "$bare") || no_result "run $run: the bare window gave no figures"
    planner=$(start_once "$program") || no_result "run $run: the planner gave no figures"
  fi
  frame=${planner% *}
  peak=${planner#* }
  bare_frame=${bare_frame% *}
  frames+=("$frame")
  peaks+=("$peak")
  bare_frames+=("$bare_frame")
done

# A second start handing a build code (of the bundled world) to a planner left running, timed
# whole from outside, in turns with the bare window's whole start to its first frame.
rm -rf "$scratch/config" "$scratch/data"
mkdir "$scratch/config" "$scratch/data"
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$scratch/runtime \
  XDG_CONFIG_HOME=$scratch/config XDG_DATA_HOME=$scratch/data
"$program" >/dev/null 2>&1 &
first_pid=$!
for ((wait = 0; wait < 100; wait++)); do
  compgen -G "$scratch/runtime/runeplan-*.socket" >/dev/null && break
  sleep 0.05
done
code=RB2HuonMElHTsz0000000000000000000000000000alA0z0kUmBfYwlyyBbKLNcYd5kwoFxKZRf
# Prints the wall time of a command in ms.
whole_ms() {
  local start end
  start=$(date +%s%N)
  "$@" >/dev/null 2>&1 || return 1
  end=$(date +%s%N)
  awk -v ns=$((end - start)) 'BEGIN { printf "%.1f", ns / 1e6 }'
}
hand_overs=()
bare_wholes=()
for ((run = 1; run <= runs; run++)); do
  hand_over=$(whole_ms "$program" "runeplan:$code") || no_result "run $run: the second start failed"
  bare_whole=$(whole_ms env RUNEPLAN_REPORT_FIRST_FRAME=1 RUNEPLAN_QUIT_AFTER_FIRST_FRAME=1 "$bare") ||
    no_result "run $run: the bare window gave no figures"
  hand_overs+=("$hand_over")
  bare_wholes+=("$bare_whole")
done
kill "$first_pid"
wait "$first_pid" 2>/dev/null || true
first_pid=

# The median of the runs: one slow start (a cold disk cache) does not move it.
median() { printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
frame=$(median "${frames[@]}")
bare_frame=$(median "${bare_frames[@]}")
ratio=$(awk -v a="$frame" -v b="$bare_frame" 'BEGIN { printf "%.2f", a / b }')
peak_mb=$(awk -v kb="$(median "${peaks[@]}")" 'BEGIN { printf "%.1f", kb / 1024 }')
# "met" or "MISSED" for a figure against its largest allowed value.
verdict() { awk -v v="$1" -v max="$2" 'BEGIN { print (v <= max ? "met" : "MISSED") }'; }
frame_verdict=$(verdict "$frame" "$max_frame_ms")
ratio_verdict=$(verdict "$ratio" "$max_ratio")
peak_verdict=$(verdict "$peak_mb" "$max_peak_mb")
hand_over=$(median "${hand_overs[@]}")
bare_whole=$(median "${bare_wholes[@]}")
hand_over_ratio=$(awk -v a="$hand_over" -v b="$bare_whole" 'BEGIN { printf "%.2f", a / b }')
hand_over_verdict=$(verdict "$hand_over_ratio" "$max_hand_over_ratio")
echo "Start to first frame (offscreen): $frame ms, median of $runs runs (${frames[*]}) (target at most $max_frame_ms ms): $frame_verdict"
echo "Bare window of the same size: $bare_frame ms, median of $runs runs (${bare_frames[*]})"
echo "Planner against bare window: ${ratio}x (target at most ${max_ratio}x): $ratio_verdict"
echo "Peak memory: $peak_mb MB maximum resident (target at most $max_peak_mb MB): $peak_verdict"
echo "Second start handing over: $hand_over ms, median of $runs runs (${hand_overs[*]}); bare window's whole start: $bare_whole ms (${bare_wholes[*]})"
echo "Second start handing over against bare window: ${hand_over_ratio}x (target at most ${max_hand_over_ratio}x): $hand_over_verdict"
[[ "$frame_verdict $ratio_verdict $peak_verdict $hand_over_verdict" == "met met met met" ]]
