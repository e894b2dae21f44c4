#!/usr/bin/env bash
# Sustained memory pressure: what the engine costs a program that really uses
# the memory, and what it gains. A busy program (quenby_bench_busy) keeps all
# but QUENBY_BENCH_FREE_MB of the available memory in use, touching its pages
# in a loop, so free RAM stays below the default minimum; swap is switched on
# for the run (a temporary swap file, removed afterwards). Beside it, each face
# runs with its defaults, the optimizer enabled and "clear the clipboard" on
# (so that every recovery can be counted from the outside), in three settings:
# engine off, RecoveryBackoff 0 and RecoveryBackoff 1. The settings of one
# repetition run back to back, each for QUENBY_BENCH_PRESSURE_SECONDS.
#
#   bench/pressure.sh BIN WORK ROWS [CROSS-BIN WINEPREFIX]
#
# One busy program serves every run; before each, its pages come back from
# swap and its pace back to normal.
# BIN holds the Linux build (Quenbytray, quenby_bench_busy), WORK is a scratch
# folder on a disk that can hold the swap file, ROWS the file that gets the
# table rows for docs/performance.md. With CROSS-BIN and WINEPREFIX (a running
# prefix) the Windows face runs too, as Quenbytray.exe under Wine, and
# quenby_bench_clipboard.exe counts its recoveries. Environment:
#   QUENBY_BENCH_PRESSURE_SECONDS  measured seconds a run (default 60)
#   QUENBY_BENCH_PRESSURE_REPS     repetitions (default 3)
#   QUENBY_BENCH_SWAP_GB           size of the swap file (default 16)
#   QUENBY_BENCH_FREE_MB           memory the busy program leaves free (default 1000)
# Needs root (swapon, dropping the page cache). Lines beginning with "RESULT"
# carry the figures;
#
#   bench/pressure.sh --table LOG ROWS
#
# makes the table again from the RESULT lines of an earlier run's output (with
# the engine's rests as its source has them now), without running anything.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${QUENBY_BENCH_PRESSURE_SECONDS:-60}
reps=${QUENBY_BENCH_PRESSURE_REPS:-3}
swap_gb=${QUENBY_BENCH_SWAP_GB:-16}
leave_mb=${QUENBY_BENCH_FREE_MB:-1000}

log() { printf '==> pressure: %s\n' "$*" >&2; }
# shellcheck source=bench/swap_scenario.sh
. "$root/bench/swap_scenario.sh"
scenario_arguments "$@"

declare -A result
if [ -n "$table_from" ]; then
    faces=() reps=0
    while read -r _ key fields; do
        IFS=. read -r _ face setting rep <<<"$key"
        declare -A field=()
        for pair in $fields; do field[${pair%%=*}]=${pair#*=}; done
        result[$face-$setting-$rep]="${field[rate]} ${field[still]} ${field[swapin]} ${field[swapout]} ${field[recoveries]} ${field[cpu]} ${field[cost]:--}"
        [[ " ${faces[*]} " == *" $face "* ]] || faces+=("$face")
        [ "$rep" -le "$reps" ] || reps=$rep
    done < <(grep '^RESULT pressure\.' "$table_from")
    # Only repetitions that ran in full.
    for face in "${faces[@]}"; do
        [ -n "${result[$face-1-$reps]:-}" ] || reps=$((reps - 1))
    done
    [ "$reps" -gt 0 ] || { log "no complete repetition in $table_from"; exit 1; }
else
swap_scenario_possible || exit 0
swap_on || exit 0

# The busy program, started once and kept running: it pays the first write
# of its pages only once, and every setting meets the same program.
start_busy() {
    drop_caches
    local avail
    avail=$(meminfo_mb MemAvailable)
    busy_mb=$((avail - leave_mb))
    log "the busy program takes $busy_mb MB (writing every page first takes a while)"
    "$bin/quenby_bench_busy" "$busy_mb" "$work/busy.txt" >"$work/busy.out" 2>&1 &
    busy=$!
    pids+=("$busy")
    until grep -q '^ready' "$work/busy.out" 2>/dev/null; do
        kill -0 "$busy" 2>/dev/null || { cat "$work/busy.out" >&2; exit 1; }
        sleep 1
    done
    sleep 10
}

# Pages a second over the last five whole seconds.
recent_rate() {
    tail -5 "$work/busy.txt" | awk '{ s += $2; n++ } END { print n ? int(s / n) : 0 }'
}

# Before each run: its pages back from swap and its pace back to normal (at
# most three minutes; a run that starts earlier says so).
settle() {
    local i used rate
    for i in $(seq 180); do
        used=$(swap_used_mb)
        rate=$(recent_rate)
        if [ "$used" -lt 64 ] && { [ -z "$normal_rate" ] || [ "$rate" -ge $((normal_rate * 9 / 10)) ]; }; then
            return 0
        fi
        sleep 1
    done
    log "not settled after 180 s (swap in use: $used MB, $rate pages/s)"
}

# One window of $seconds beside one face's engine, or without an engine.
# Prints "t0 t1 swapin-MiB swapout-MiB recoveries engine-cpu% t2": with the
# rest, t2 is when the busy program was back at its pace after the engine's
# first recovery had ended and the engine was stopped (before its rest was
# over, so no second one began), for the cost of one recovery; "-" otherwise.
run_one() { # face setting rep
    local face=$1 setting=$2 rep=$3
    local dir=$work/$face-$setting-$rep
    rm -rf "$dir"
    mkdir -p "$dir"
    if [ "$setting" != off ]; then
        if [ "$face" = linux ]; then configure_linux "$dir" "$setting"; else configure_wine "$setting"; fi
    fi
    settle
    local t0 in0 out0 cpu0=0
    engine='' launcher='' counter=''
    t0=$(date +%s.%N)
    in0=$(vmstat pswpin) out0=$(vmstat pswpout)
    if [ "$setting" != off ]; then
        start_engine "$face" "$dir" "$seconds"
        [ -z "$engine" ] || cpu0=$(cpu_ticks "$engine")
    fi
    sleep "$seconds"
    # An engine that ended early would leave the window without one.
    [ -z "$engine" ] || kill -0 "$engine" 2>/dev/null ||
        { log "the engine ended early:"; cat "$dir/engine.log" >&2; exit 1; }
    local t1 in1 out1 cpu1=0
    t1=$(date +%s.%N)
    in1=$(vmstat pswpin) out1=$(vmstat pswpout)
    [ -z "$engine" ] || cpu1=$(cpu_ticks "$engine")
    local in_window=0
    if [ "$face" = linux ] && [ "$setting" != off ]; then
        in_window=$(grep -c 'clipboard cleared' "$dir/engine.log" || true)
    fi
    if [ "$setting" = 1 ] && [ -n "$engine" ]; then wait_idle "$engine"; fi
    stop_engine wait
    kill -0 "$busy" 2>/dev/null || { log "the busy program has gone"; cat "$work/busy.out" >&2; exit 1; }
    local t2=-
    if [ "$setting" = 1 ]; then
        settle
        t2=$(date +%s.%N)
    fi

    # Recoveries in the window, and all that began before the engine was
    # stopped (with the rest, one more may begin in the second the engine is
    # watched after the window; the Wine counter counts the window only, and
    # there the one recovery of the window is still running then).
    local recoveries=0 begun=0
    if [ "$setting" != off ]; then
        if [ "$face" = linux ]; then
            recoveries=$in_window
            begun=$(grep -c 'clipboard cleared' "$dir/engine.log" || true)
        else
            recoveries=$(tr -d '\r' <"$dir/clipboard.txt" | sed -n 's/^RESULT clipboard clears=//p')
            begun=$recoveries
        fi
    fi
    awk -v t0="$t0" -v t1="$t1" -v i0="$in0" -v i1="$in1" -v o0="$out0" -v o1="$out1" \
        -v rec="${recoveries:-0}" -v begun="${begun:-0}" -v c0="$cpu0" -v c1="$cpu1" -v hz="$(getconf CLK_TCK)" \
        -v t2="$t2" 'BEGIN { printf "%s %s %.0f %.0f %d %.2f %s %d\n", t0, t1, (i1 - i0) * 4 / 1024,
                 (o1 - o0) * 4 / 1024, rec, (c1 - c0) / hz / (t1 - t0) * 100, t2, begun }'
}

# The busy program's pages a second over the whole seconds of a window, and
# the seconds in which it stood still (below 1 % of `reference`, or of its own
# rate when that is 0): "rate still".
window_figures() { # t0 t1 reference
    sleep 2 # the last second's line
    awk -v t0="$1" -v t1="$2" -v ref="$3" '
        $1 >= t0 && $1 + 1 <= t1 { n++; sum += $2; count[n] = $2 }
        END {
            rate = ref > 0 ? ref : sum / n
            for (i = 1; i <= n; i++) if (count[i] < rate / 100) still++
            printf "%.0f %d\n", sum / n, still
        }' "$work/busy.txt"
}

faces=(linux)
[ -z "$cross" ] || faces+=(wine)
normal_rate=
start_busy
for rep in $(seq "$reps"); do
    for face in "${faces[@]}"; do
        for setting in off 0 1; do
            log "repetition $rep, $face, $( [ "$setting" = off ] && echo "engine off" || echo "RecoveryBackoff $setting")"
            # Not in a subshell: what it starts must stay in reach of the cleanup.
            run_one "$face" "$setting" "$rep" >"$work/run.txt"
            read -r t0 t1 sin sout rec cpu t2 begun <"$work/run.txt"
            reference=0
            [ "$setting" = off ] || reference=$(cut -d' ' -f1 <<<"${result[$face-off-$rep]}")
            read -r rate still < <(window_figures "$t0" "$t1" "$reference")
            [ "$setting" != off ] || normal_rate=$rate
            # The cost of one recovery: what the busy program fell short of its
            # pace without an engine from the engine's start until it was back
            # at that pace, in seconds of that pace, shared out over the
            # recoveries that began.
            cost=-
            if [ "$t2" != - ]; then
                read -r slow _ < <(window_figures "$t0" "$t2" "$reference")
                cost=$(awk -v o="$reference" -v r="$slow" -v a="$t0" -v b="$t2" -v n="$begun" \
                    'BEGIN { printf "%.1f", (n > 0 ? (o - r) * (b - a) / o / n : 0) }')
            fi
            result[$face-$setting-$rep]="$rate $still $sin $sout $rec $cpu $cost"
            echo "RESULT pressure.$face.$setting.$rep rate=$rate still=$still swapin=$sin swapout=$sout recoveries=$rec cpu=$cpu cost=$cost"
        done
    done
done
kill -TERM "$busy" 2>/dev/null || true
wait "$busy" 2>/dev/null || true

fi

# --- The table -------------------------------------------------------------------
# Per face and setting: median (min–max) over the repetitions. The cost of one
# low-memory recovery comes from the runs with the rest (see above). With the
# rest, a shortage that never lifts gets its recoveries on the ticks the
# engine's rest allows (read from its source);
# without it the busy program runs as measured, recovering back to back.
rest=$(sed -n 's/.*kRestTicks = \([0-9* ]*\);.*/\1/p' "$root/engine/low_memory_rest.h" | head -1 |
    awk '{ v = 1; for (i = 1; i <= NF; i++) if ($i != "*") v *= $i; print v }')
[ -n "$rest" ] || { log "the engine's rest could not be read"; exit 1; }
# Recoveries in the first hour and in the second of a shortage that never lifts.
read -r first_hour second_hour < <(awk -v r="$rest" 'BEGIN {
    for (t = 0; t < 7200; t += r) { if (t < 3600) a++; else b++ }
    print a, b }')
table_stamp
: >"$rows"
for face in "${faces[@]}"; do
    costs=""
    for rep in $(seq "$reps"); do
        costs+=" $(cut -d' ' -f7 <<<"${result[$face-1-$rep]}")"
    done
    cost=$(tr ' ' '\n' <<<"$costs" | { grep -v '^$' || true; } | sort -g | awk '{ v[NR] = $1 } END { print NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }')
    for setting in off 0 1; do
        rel="" still="" sin="" sout="" recs="" cpu=""
        for rep in $(seq "$reps"); do
            read -r rate st si so rc cp _ <<<"${result[$face-$setting-$rep]}"
            read -r off_rate _ <<<"${result[$face-off-$rep]}"
            rel+=" $(awk -v r="$rate" -v o="$off_rate" 'BEGIN { printf "%.2f", r / o }')"
            still+=" $st" sin+=" $si" sout+=" $so" recs+=" $rc" cpu+=" $cp"
        done
        rel_median=$(summary "$rel" %.2f | cut -d' ' -f1)
        case $setting in
        off) name="engine off" hour="1.00" cost_cell="–" ;;
        0) name="RecoveryBackoff 0" hour="$rel_median (as measured)" cost_cell="–" ;;
        1) name="RecoveryBackoff 1"
           hour="$(awk -v c="$cost" -v a="$first_hour" -v b="$second_hour" 'BEGIN { printf "%.3f (%d recover%s); later hours %.3f (%d)", 1 - a * c / 3600, a, a == 1 ? "y" : "ies", 1 - b * c / 3600, b }')"
           cost_cell="$(summary "$costs" %.1f) s" ;;
        esac
        [ "$face" = linux ] && face_name="Linux" || face_name="Windows (Wine)"
        printf '| %s | %s | %s GiB, %s GiB swap, %s MB left free | %s | %s | %s | %s | %s | %s | %s | %s | %s | %s |\n' \
            "$when" "$commit" "$ram_gib" "$swap_gb" "$leave_mb" "$face_name" "$name" \
            "$(summary "$rel" %.2f)" "$(summary "$still")" "$(summary "$sin")" "$(summary "$sout")" \
            "$(summary "$recs")" "$(summary "$cpu" %.2f)" "$cost_cell" "$hour" >>"$rows"
    done
done
cat "$rows"
