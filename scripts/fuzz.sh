#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, AddressSanitizer, UndefinedBehaviorSanitizer) into
# build-fuzz/ and runs each for a set time.
#
#   bash scripts/fuzz.sh [SECONDS_PER_TARGET]      (default 60)
#
# Each target first runs the inputs of its earlier findings (fuzz/regressions/<target>/) once,
# then fuzzes from its seeds (fuzz/corpus/<target>/) and what earlier runs on this machine
# added (build-fuzz/corpus/<target>/). A finding stops the script with status 1; its input is
# kept in build-fuzz/findings/<target>/.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

seconds=${1:-60}
if ! [[ $seconds =~ ^[0-9]+$ ]] || ((seconds < 1)); then
    echo "usage: bash scripts/fuzz.sh [SECONDS_PER_TARGET]" >&2
    exit 64
fi
targets=(
    WholeFileDecoderFuzzer
    WorldFileDecoderFuzzer
    RouteIdFuzzer
    CorrectionRunFuzzer
)
# The targets that run on route folders make one per input: in memory where the machine has
# a RAM disk, so flushing the written track files costs nothing.
if [[ -d /dev/shm && -w /dev/shm ]]; then
    export TMPDIR=/dev/shm
fi

bash scripts/setup.sh

generator=(-G Ninja)
if [[ -f build-fuzz/CMakeCache.txt ]]; then
    generator=()
fi
cmake -S fuzz -B build-fuzz "${generator[@]}" -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build build-fuzz --parallel 2

root=$(pwd)
summary=()
for target in "${targets[@]}"; do
    binary="$root/build-fuzz/$target"
    regressions="$root/fuzz/regressions/$target"
    if [[ -d $regressions ]] && [[ -n $(ls -A "$regressions") ]]; then
        "$binary" "$regressions"/* >/dev/null 2>&1 || {
            echo "$target: a kept finding fails again:" >&2
            "$binary" "$regressions"/* 2>&1 | tail -n 30 >&2
            exit 1
        }
    fi

    corpus="$root/build-fuzz/corpus/$target"
    findings="$root/build-fuzz/findings/$target"
    mkdir -p "$corpus" "$findings"
    log="$root/build-fuzz/$target.log"
    # New inputs go to the corpus of this machine; the committed seeds are only read.
    if ! (cd "$findings" && "$binary" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -dict="$root/fuzz/route-files.dict" -print_final_stats=1 \
        "$corpus" "$root/fuzz/corpus/$target") >"$log" 2>&1; then
        echo "$target: finding (input in $findings):" >&2
        grep -E "ERROR|property broken|SUMMARY|Test unit written" "$log" >&2 || tail -n 30 "$log" >&2
        exit 1
    fi
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    summary+=("$(printf '%-30s %10s executions in %s s, no finding' "$target" "$runs" "$seconds")")
done
printf '%s\n' "${summary[@]}"
