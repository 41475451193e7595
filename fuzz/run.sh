#!/usr/bin/env bash
# Builds the fuzz targets with clang, replays the kept regression inputs, then fuzzes every target
# for a bounded number of runs on a scratch copy of its seed corpus (the repo's corpus is never
# written). Usage: fuzz/run.sh [build-dir]; FUZZ_RUNS (default 1000000) and FUZZ_TARGETS (default
# all) choose how long and what. Exits non-zero when any target found something. FUZZ_BUILD_ONLY=1
# builds the targets and ends (CI's compile check); CMAKE_FLAGS go to the configuration.
set -uo pipefail
cd "$(dirname "$0")/.."

build_dir=${1:-build-fuzz}
runs=${FUZZ_RUNS:-1000000}
jobs=${JOBS:-$(nproc)}

# target:max_len. Plans and text files get the largest file a player could plausibly hand over
# (a plan over 64 KiB is refused before it is read; a library file holds notes, but a few pages
# of them reach every part of the reader); build codes a long pasted chat; pictures are
# icons and backgrounds; the channel's messages up to their limit, 64 KiB and a header.
all_targets=(tree_file:65536 language_files:4096 strings_file:16384 plan_file:65536
    library_file:65536 build_code:8192 jpeg:32768 bmp:16384 hand_over:65600)
selected=${FUZZ_TARGETS:-}

compiler=/usr/bin/clang++-14
[[ -x $compiler ]] || compiler=$(command -v clang++) || {
    echo "fuzz: clang++ not found (scripts/install-deps.sh --fuzz installs it)" >&2
    exit 1
}

# Called from make: the nested build would otherwise report every folder it enters.
unset MAKEFLAGS MFLAGS MAKELEVEL
set -e
# shellcheck disable=SC2086 # CMAKE_FLAGS holds several flags
cmake -S fuzz -B "$build_dir" -DCMAKE_CXX_COMPILER="$compiler" -DCMAKE_BUILD_TYPE= \
    ${CMAKE_FLAGS:-} >/dev/null
cmake --build "$build_dir" -j "$jobs"
if [[ ${FUZZ_BUILD_ONLY:-0} == 1 ]]; then
    echo "fuzz: targets built in $build_dir"
    exit 0
fi
set +e

scratch="$build_dir/scratch"
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:allocator_may_return_null=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
failed=()
for entry in "${all_targets[@]}"; do
    target=${entry%%:*}
    max_len=${entry##*:}
    if [[ -n $selected && " $selected " != *" $target "* ]]; then
        continue
    fi
    binary="$build_dir/fuzz_$target"
    work="$scratch/$target"
    rm -rf "$work"
    mkdir -p "$work/corpus" "$work/artifacts"
    cp fuzz/corpus/"$target"/* "$work/corpus/"

    echo "== $target: regressions"
    regressions=(fuzz/regressions/"$target"/*)
    if [[ -e ${regressions[0]} ]] &&
        ! "$binary" -timeout=10 -rss_limit_mb=2048 "${regressions[@]}" >"$work/regressions.log" 2>&1; then
        tail -n 40 "$work/regressions.log"
        failed+=("$target (regression)")
        continue
    fi

    dictionary=()
    if [[ -f fuzz/$target.dict ]]; then
        dictionary=(-dict="fuzz/$target.dict")
    fi
    echo "== $target: $runs runs, max_len $max_len"
    start=$(date +%s)
    "$binary" "$work/corpus" -runs="$runs" -max_len="$max_len" -timeout=10 -rss_limit_mb=2048 \
        -report_slow_units=2 -print_final_stats=1 -artifact_prefix="$work/artifacts/" \
        "${dictionary[@]}" >"$work/fuzz.log" 2>&1
    status=$?
    seconds=$(($(date +%s) - start))
    grep -E '^(Done|stat::number_of_executed_units|stat::peak_rss_mb)|Slowest unit' "$work/fuzz.log"
    echo "   $target took ${seconds}s, log $work/fuzz.log"
    if [[ $status -ne 0 ]]; then
        tail -n 60 "$work/fuzz.log"
        echo "   finding kept in $work/artifacts/"
        failed+=("$target")
    fi
done

if [[ ${#failed[@]} -gt 0 ]]; then
    echo "fuzz: findings in: ${failed[*]}" >&2
    exit 1
fi
echo "fuzz: no findings"
