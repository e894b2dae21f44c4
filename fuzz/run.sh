#!/bin/sh
# Builds the fuzz harnesses with clang in BUILD_DIR and runs each for SECONDS,
# then prints per harness the executions and the coverage that libFuzzer
# reached (cov: edges, ft: features). Exits non-zero when a harness found a
# crash or a broken property; the input that did it is kept in
# BUILD_DIR/artifacts/ and named in the output.
#
#   fuzz/run.sh BUILD_DIR SECONDS
#
# The committed seeds in fuzz/corpus/<harness>/ are read, never written: what
# the fuzzer adds goes to BUILD_DIR/corpus/<harness>/, which later runs reuse.
set -eu

if [ $# -ne 2 ]; then
    echo "usage: $0 BUILD_DIR SECONDS" >&2
    exit 2
fi
build=$1
seconds=$2
here=$(cd "$(dirname "$0")" && pwd)

cmake -S "$here" -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >"$build.cmake.log" 2>&1 ||
    { cat "$build.cmake.log" >&2; exit 1; }
rm -f "$build.cmake.log"
cmake --build "$build" -j2 >/dev/null

mkdir -p "$build/artifacts"
status=0
# A harness removes its scratch folder when it ends, but not when a finding
# kills it: what this run made is removed here, whatever happened.
stamp="$build/run-started"
: >"$stamp"
clean_scratch() {
    find /dev/shm "${TMPDIR:-/tmp}" -maxdepth 1 -name 'quenby-fuzz-*' -user "$(id -u)" -newer "$stamp" \
        -exec rm -rf {} + 2>/dev/null || true
}
trap clean_scratch EXIT
harnesses="regfile settings_read"
# One harness a core, side by side: the run takes SECONDS, not SECONDS a harness.
pids=
for harness in $harnesses; do
    corpus="$build/corpus/$harness"
    mkdir -p "$corpus"
    "$build/fuzz/quenby_fuzz_$harness" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="$build/artifacts/$harness-" -close_fd_mask=1 \
        "$corpus" "$here/corpus/$harness" >"$build/$harness.log" 2>&1 &
    eval "pid_$harness=$!"
    pids="$pids $!"
done
# Stopped early, the run takes its harnesses with it.
trap 'kill $pids 2>/dev/null; exit 1' INT TERM HUP
for harness in $harnesses; do
    log="$build/$harness.log"
    eval "pid=\$pid_$harness"
    if wait "$pid"; then
        result=ok
    else
        result=FAILED
        status=1
    fi
    executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    done_line=$(grep -E '^#[0-9]+[[:space:]]+DONE' "$log" | tail -n 1 || true)
    [ -n "$done_line" ] || done_line=$(grep -E '^#[0-9]+[[:space:]]' "$log" | tail -n 1 || true)
    cov=$(printf '%s\n' "$done_line" | sed -n 's/.* cov: \([0-9]*\).*/\1/p')
    ft=$(printf '%s\n' "$done_line" | sed -n 's/.* ft: \([0-9]*\).*/\1/p')
    echo "fuzz $harness: $result, ${executions:-?} executions in ${seconds}s, cov: ${cov:-?} ft: ${ft:-?}"
    if [ "$result" = FAILED ]; then
        grep -E 'ERROR|property broken|SUMMARY|Test unit written' "$log" >&2 || tail -n 20 "$log" >&2
    fi
done
exit $status
