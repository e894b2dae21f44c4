#!/usr/bin/env bash
# Does a panel left open keep its memory? The panel starts a measuring thread
# every second; each must be released once it has reported. Two ways to look:
#
#   memory_soak.sh rss [SECONDS] [PROGRAM]       resident memory and thread count
#                                                of an offscreen panel, once a minute
#   memory_soak.sh valgrind [SECONDS] [PROGRAM]  a run under valgrind's leak checker,
#                                                ended after SECONDS; prints its summary
#
# PROGRAM defaults to build/linux/bin/Quenby. The panel runs with settings and
# runtime folders of its own in a temporary folder; no engine is started.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
mode=${1:-rss}
seconds=${2:-600}
program=${3:-$root/build/linux/bin/Quenby}
[ -x "$program" ] || { echo "no panel program at $program" >&2; exit 1; }

work=$(mktemp -d)
mkdir -p "$work/config" "$work/run"
chmod 700 "$work/run"
pid=
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
export QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/run

field() { # name from /proc/PID/status, first number
    awk -v name="$1:" '$1 == name { print $2; exit }' "/proc/$pid/status"
}

case $mode in
rss)
    "$program" >"$work/panel.log" 2>&1 &
    pid=$!
    echo "panel $program (pid $pid), sampled once a minute for $seconds s"
    printf '%8s %12s %12s %8s\n' seconds "VmRSS kB" "VmHWM kB" threads
    started=$SECONDS
    next=0
    while [ $((SECONDS - started)) -le "$seconds" ]; do
        elapsed=$((SECONDS - started))
        if [ "$elapsed" -ge "$next" ]; then
            kill -0 "$pid" 2>/dev/null || { echo "the panel ended early" >&2; exit 1; }
            printf '%8d %12s %12s %8s\n' "$elapsed" "$(field VmRSS)" "$(field VmHWM)" "$(field Threads)"
            next=$((next + 60))
        fi
        sleep 1
    done
    ;;
valgrind)
    command -v valgrind >/dev/null || { echo "valgrind is not installed" >&2; exit 1; }
    valgrind --leak-check=full --show-leak-kinds=definite,indirect --num-callers=30 \
        --log-file="$work/valgrind.log" "$program" >"$work/panel.log" 2>&1 &
    pid=$!
    sleep "$seconds"
    # SIGTERM ends the panel at once; valgrind then checks what is still allocated.
    kill -TERM "$pid"
    wait "$pid" 2>/dev/null || true
    pid=
    echo "threads started: about $seconds (one a second)"
    grep -E 'definitely lost|indirectly lost|possibly lost|still reachable|ERROR SUMMARY' "$work/valgrind.log"
    echo "--- largest definite losses ---"
    awk '/are definitely lost/ { show = 1 } show { print } /^==[0-9]+== $/ { show = 0 }' \
        "$work/valgrind.log" | grep -E 'definitely lost|at 0x|by 0x' | head -40
    ;;
*)
    echo "usage: memory_soak.sh rss|valgrind [SECONDS] [PROGRAM]" >&2
    exit 2
    ;;
esac
