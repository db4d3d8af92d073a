#!/bin/sh
# Fuzzes every target of a TARVEL_FUZZ build for a while, two at a time (one per core of the CI
# machine), starting from the repository's corpora. New inputs go to a scratch directory, not
# into the repository; crashes are kept there as crash-* files and fail the run.
#
#   tests/fuzz/run-fuzzers.sh BUILD_DIR [SECONDS_PER_TARGET] [SCRATCH_DIR]
#
# With MERGE=yes in the environment, a clean run ends by folding the inputs that reach new code
# into the repository corpora (libFuzzer's -merge=1, which keeps the corpora minimal).
set -eu

build=$(cd "$1" && pwd)
seconds=${2:-60}
here=$(cd "$(dirname "$0")" && pwd)
keep=${3:+yes}
scratch=${3:-$(mktemp -d /tmp/tarvel-fuzz-XXXXXX)}
mkdir -p "$scratch"
targets="workitem results decrypt sanitize soap_reply proxy_reply machinequery"

fuzz_one() {
    target=$1
    mkdir -p "$scratch/$target/corpus" "$scratch/$target/artifacts"
    # -timeout: one input may not take longer; a hang is a fault like a crash.
    if "$build/tests/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -max_len=8192 -print_final_stats=1 -artifact_prefix="$scratch/$target/artifacts/" \
        "$scratch/$target/corpus" "$here/corpus/$target" >"$scratch/$target/log" 2>&1; then
        result=ok
    else
        result=FAILED
    fi
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$scratch/$target/log")
    rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$scratch/$target/log")
    corpus=$(ls "$scratch/$target/corpus" | wc -l)
    crashes=$(ls "$scratch/$target/artifacts" | wc -l)
    echo "$target: $result, ${runs:-?} executions (${rate:-?}/s) in ${seconds}s, $corpus new corpus files, $crashes crashes"
    [ "$result" = ok ]
}

status=0
# Two at a time: the list is consumed in pairs, each pair waited for before the next.
set -- $targets
while [ $# -gt 0 ]; do
    first=$1; shift
    second=${1:-}; [ $# -gt 0 ] && shift
    fuzz_one "$first" & firstPid=$!
    if [ -n "$second" ]; then fuzz_one "$second" & secondPid=$!; else secondPid=; fi
    wait "$firstPid" || status=1
    if [ -n "$secondPid" ]; then wait "$secondPid" || status=1; fi
done
if [ "$status" -ne 0 ]; then
    echo "fuzzing found faults; inputs and logs are in $scratch" >&2
    for log in "$scratch"/*/log; do
        grep -q -E "ERROR|property broken|runtime error" "$log" && { echo "--- $log" >&2; tail -n 60 "$log" >&2; }
    done
    exit 1
fi
if [ "${MERGE:-}" = yes ]; then
    for target in $targets; do
        "$build/tests/fuzz/fuzz_$target" -merge=1 -max_len=8192 "$here/corpus/$target" "$scratch/$target/corpus" \
            >"$scratch/$target/merge.log" 2>&1
        echo "$target: $(ls "$here/corpus/$target" | wc -l) files in the repository corpus"
    done
fi
[ -n "$keep" ] || rm -rf "$scratch"
