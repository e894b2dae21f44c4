#!/usr/bin/env bash
# What a recovery gives, and what it costs afterwards. Programs left open in
# the background hold most of the memory; the user starts a large program; the
# system must push the idle pages out while the new program loads, and the new
# program waits. A recovery done earlier, while nobody waited, should move that
# wait out of the way. Two cases, each with a temporary swap file (removed
# afterwards):
#
#   idle   an idle program (quenby_bench_busy --idle) takes all but
#          QUENBY_BENCH_FREE_MB of the available memory, writes every page once
#          and sleeps (another takes what others on the machine give back
#          meanwhile);
#   cache  the file cache holds that memory instead: a file of that size, read
#          once, so the memory is "available" but not free;
#   busy   as idle, but the engine is switched on before the memory fills and
#          every processor is kept busy while it fills and for
#          QUENBY_BENCH_BUSY_SECONDS after: the shortage starts while the
#          processor is busy, as it does when the program filling the memory
#          works hard. The recovery must come once the processor is quiet,
#          before the new program starts.
#
# Then a new program (quenby_bench_load) commits and touches a quarter of the
# RAM in 1 MiB blocks, and its time to have all of it is measured. Settings,
# paired within each repetition: no engine; each face's engine with its
# defaults, the optimizer enabled and "clear the clipboard" on (so that its
# recovery is seen from outside; on Linux also "show how much RAM was
# recovered", whose notice goes to its log). The engine runs from before the
# memory fills, its optimizer is switched on (quenbyctl enable) once the
# memory is held, it meets the shortage on its next tick and is left running;
# its recovery ends QUENBY_BENCH_BENEFIT_PAUSE seconds before the new program
# starts. In the idle case the Linux face runs twice: Quenbytray,
# and quenby_bench_engine_ram_reserve, the same engine with its safety reserve
# on RAM alone. For each run: the new program's time; how long the recovery
# took (from its clipboard clearing until the engine was idle again); the
# memory available when the new program starts; swap-outs and swap-ins while
# the memory filled and the recovery ran, and during the new program's start;
# and afterwards, with the engine stopped, the idle program's time to write
# into all its memory again (in the cache case: to read the file again), with
# the swap-ins it took: what was pushed out costs its owner.
#
#   bench/benefit.sh BIN WORK ROWS [CROSS-BIN WINEPREFIX]
#
# BIN holds the Linux build (Quenbytray, quenbyctl,
# quenby_bench_engine_ram_reserve, quenby_bench_busy, quenby_bench_load), WORK
# is a scratch folder on a disk that can hold the swap file and the cached
# file, ROWS the file that gets the table rows for docs/performance.md: one
# line a row, its table's marker, a tab and the row. With CROSS-BIN and WINEPREFIX (a running prefix) the Windows face
# runs too, as Quenbytray.exe under Wine (switched on by quenbyctl.exe),
# quenby_bench_clipboard.exe seeing its recovery begin. Environment:
#   QUENBY_BENCH_BENEFIT_REPS    repetitions (default 3)
#   QUENBY_BENCH_BENEFIT_CASES   which cases run (default "idle busy cache")
#   QUENBY_BENCH_BUSY_SECONDS    how long the processor stays busy after the filling (10)
#   QUENBY_BENCH_BENEFIT_PAUSE   seconds from the recovery's end to the new program (5)
#   QUENBY_BENCH_LOAD_MB         what the new program commits (default a quarter of the RAM)
#   QUENBY_BENCH_SWAP_GB         size of the swap file (default 16)
#   QUENBY_BENCH_FREE_MB         memory left free by the idle program or the cache (1000)
# Needs root (swapon, dropping the page cache). Lines beginning with "RESULT"
# carry the figures;
#
#   bench/benefit.sh --table LOG ROWS
#
# makes the tables again from the RESULT lines of an earlier run's output.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
reps=${QUENBY_BENCH_BENEFIT_REPS:-3}
cases=" ${QUENBY_BENCH_BENEFIT_CASES:-idle busy cache} "
busy_seconds=${QUENBY_BENCH_BUSY_SECONDS:-10}
pause=${QUENBY_BENCH_BENEFIT_PAUSE:-5}
swap_gb=${QUENBY_BENCH_SWAP_GB:-16}
leave_mb=${QUENBY_BENCH_FREE_MB:-1000}
load_mb=${QUENBY_BENCH_LOAD_MB:-$(awk '/^MemTotal:/ {print int($2 / 1024 / 4)}' /proc/meminfo)}

log() { printf '==> benefit: %s\n' "$*" >&2; }
# shellcheck source=bench/swap_scenario.sh
. "$root/bench/swap_scenario.sh"
scenario_arguments "$@"

# The settings of each case; linux-ram is the Linux engine with the reserve on
# RAM alone, which only the idle case tells apart (with the file cache there is
# no shortage for either to act on).
settings_of() { # case
    local list="off linux"
    [ "$1" != idle ] || list+=" linux-ram"
    [ -z "$cross" ] || list+=" wine"
    echo "$list"
}

if [ -z "$table_from" ]; then
swap_scenario_possible || exit 0
swap_on || exit 0
results=$work/benefit-results.txt
echo "RESULT benefit.setup swap=$swap_gb free=$leave_mb load=$load_mb" | tee "$results"

# Until what an earlier run left in swap is gone: killing a program frees its
# swap at once; what is left belongs to other programs of the machine and
# stays until they want it, so this waits only while it still falls (at most
# a minute).
swap_clear() {
    local _ used last=-1
    for _ in $(seq 30); do
        used=$(swap_used_mb)
        [ "$used" -ge 64 ] && [ "$used" != "$last" ] || return 0
        last=$used
        sleep 2
    done
    log "swap still falling after 60 s ($used MB in use)"
}

# The file of the cache case: written once, as large as the memory it is to
# hold, where the disk can take it beside the swap file.
cache_file=
make_cache_file() {
    drop_caches
    local size disk_mb
    size=$(( $(meminfo_mb MemAvailable) - leave_mb ))
    disk_mb=$(df -Pm "$work" | awk 'NR == 2 {print $4}')
    if [ "$disk_mb" -lt $((size + 8192)) ]; then
        log "skipped the cache case: $disk_mb MB free on the disk, $((size + 8192)) MB wanted"
        return 1
    fi
    cache_file=$work/cached.file
    scratch+=("$cache_file")
    log "writing a file of $size MB for the cache case"
    dd if=/dev/zero of="$cache_file" bs=1M count="$size" conv=fsync status=none
}

# Seconds that reading a file took.
timed_read() { # file
    local t0
    t0=$(date +%s.%N)
    cat "$1" >/dev/null
    awk -v a="$t0" -v b="$(date +%s.%N)" 'BEGIN { printf "%.2f\n", b - a }'
}

# Fills the memory the way the case does: idle programs (holders), or the
# file read into the cache. Others on the machine take and give back memory
# meanwhile: while more than QUENBY_BENCH_FREE_MB and 256 MB is available after
# an idle program is ready, another takes the rest (three at most).
hold_memory() { # case dir
    holders=()
    if [ "$1" = cache ]; then
        cat "$cache_file" >/dev/null
        return 0
    fi
    [ "$1" != busy ] || busy_processors
    local n mb holder
    for n in 1 2 3; do
        mb=$(( $(meminfo_mb MemAvailable) - leave_mb ))
        [ "$n" -eq 1 ] || [ "$mb" -ge 256 ] || break
        "$bin/quenby_bench_busy" --idle "$mb" "$2/idle-$n.txt" >"$2/idle-$n.out" 2>&1 &
        holder=$!
        pids+=("$holder")
        holders+=("$holder")
        until grep -q '^ready' "$2/idle-$n.out" 2>/dev/null; do
            kill -0 "$holder" 2>/dev/null || { cat "$2/idle-$n.out" >&2; exit 1; }
            sleep 0.5
        done
    done
}

# Every processor busy (a shell loop each) until quiet_processors.
spinners=()
busy_processors() {
    local n
    for n in $(seq "$(nproc)"); do
        while :; do :; done &
        spinners+=("$!")
        pids+=("$!")
    done
}
quiet_processors() {
    [ "${#spinners[@]}" -gt 0 ] || return 0
    kill "${spinners[@]}" 2>/dev/null || true
    wait "${spinners[@]}" 2>/dev/null || true
    spinners=()
}

# The idle programs' time to write into all their memory again, one after
# the other, in seconds, into again; then they end. (Not in a subshell: the
# idle programs are this shell's children.)
touch_again() { # dir
    local n=0 holder total=0 seconds
    for holder in "${holders[@]}"; do
        n=$((n + 1))
        kill -USR1 "$holder"
        until grep -q '^touched' "$1/idle-$n.txt" 2>/dev/null; do
            kill -0 "$holder" 2>/dev/null || { log "an idle program has gone"; cat "$1/idle-$n.out" >&2; exit 1; }
            sleep 0.2
        done
        seconds=$(sed -n 's/^touched //p' "$1/idle-$n.txt")
        total=$(awk -v a="$total" -v b="$seconds" 'BEGIN { printf "%.2f", a + b }')
    done
    for holder in "${holders[@]}"; do
        kill -TERM "$holder"
        wait "$holder" 2>/dev/null || true
    done
    again=$total
}

# The recovery's start as the engine shows it from outside: the Linux engine
# logs its clipboard clearing, and the Wine counter prints the time of each
# clearing it sees. Empty while none has been seen.
recovery_start() { # face dir
    if [ "$1" = linux ]; then
        grep -q 'clipboard cleared' "$2/engine.log" 2>/dev/null && date +%s.%N
    else
        tr -d '\r' <"$2/clipboard.txt" 2>/dev/null | sed -n 's/^cleared //p' | head -1
    fi
    return 0
}
recoveries_seen() { # face dir
    if [ "$1" = linux ]; then
        grep -c 'clipboard cleared' "$2/engine.log" || true
    else
        tr -d '\r' <"$2/clipboard.txt" | grep -c '^cleared' || true
    fi
}

# MiB between two readings of a /proc/vmstat page count.
mib() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.0f", (b - a) * 4 / 1024 }'; }

# One run: prints its RESULT line. The engine runs from before the memory
# fills, with the optimizer off, and is switched on once the memory is held
# and the processor quiet again: a shortage met while a program still fills
# the memory meets a busy processor, and the recovery's CPU guard refuses it
# (after which the rest holds the rule back for an hour).
run_one() { # case setting rep
    local kase=$1 setting=$2 rep=$3
    local dir=$work/$kase-$setting-$rep face=${2%%-*}
    rm -rf "$dir"
    mkdir -p "$dir"
    case $setting in
    linux | linux-ram) configure_linux "$dir" 1 NotifyRecovery=1 Quenby_Stat=0 ;;
    wine) configure_wine 1 Quenby_Stat=0 ;;
    esac
    swap_clear
    drop_caches
    engine='' launcher='' counter=''
    case $setting in
    linux) start_engine linux "$dir" 3600 ;;
    linux-ram) start_engine linux "$dir" 3600 "$bin/quenby_bench_engine_ram_reserve" ;;
    wine) start_engine wine "$dir" 3600 ;;
    esac
    if [ "$setting" != off ]; then
        sleep 3 # past its start-up
        # An engine that could not start would leave the run without one.
        kill -0 "${engine:-0}" 2>/dev/null ||
            { log "the engine of $setting did not start:"; cat "$dir/engine.log" >&2; exit 1; }
    fi
    local in0 out0 in1 out1 in2 out2 in3 in4
    local started='' recovery=- recoveries=0 try
    in0=$(vmstat pswpin) out0=$(vmstat pswpout)
    # Busy: the engine meets the shortage as it starts, with every processor busy.
    [ "$kase" != busy ] || [ "$setting" = off ] || enable_engine "$face" "$dir"
    hold_memory "$kase" "$dir"
    if [ "$kase" = busy ]; then
        sleep "$busy_seconds"
        [ "$setting" = off ] || [ -z "$(recovery_start "$face" "$dir")" ] ||
            log "a recovery ran while the processors were busy"
        quiet_processors
    else
        # The processor quiet again after the filling.
        sleep 3
    fi
    if [ "$setting" != off ]; then
        [ "$kase" = busy ] || enable_engine "$face" "$dir"
        # With the file cache there is no shortage: after 20 s the run goes
        # on without a recovery.
        for try in $(seq 200); do
            started=$(recovery_start "$face" "$dir")
            [ -z "$started" ] || break
            [ "$try" -eq 200 ] || sleep 0.1
        done
        if [ -n "$started" ] && [ -n "$engine" ]; then
            wait_idle "$engine"
            # wait_idle watched one idle second past the end.
            recovery=$(awk -v a="$started" -v b="$(date +%s.%N)" 'BEGIN { d = b - 1 - a; printf "%.1f", (d > 0 ? d : 0) }')
        fi
    fi
    sleep "$pause"
    local available
    available=$(meminfo_mb MemAvailable)
    in1=$(vmstat pswpin) out1=$(vmstat pswpout)
    "$bin/quenby_bench_load" "$load_mb" >"$dir/load.txt"
    in2=$(vmstat pswpin) out2=$(vmstat pswpout)
    [ "$setting" = off ] || recoveries=$(recoveries_seen "$face" "$dir")
    stop_engine now
    # What the pushing out costs the memory's owner when it is wanted again.
    local again
    in3=$(vmstat pswpin)
    if [ "$kase" != cache ]; then
        touch_again "$dir"
    else
        again=$(timed_read "$cache_file")
    fi
    in4=$(vmstat pswpin)
    echo "RESULT benefit.$kase.$setting.$rep load=$(cut -d' ' -f3 "$dir/load.txt") recovery=$recovery" \
         "available=$available before_out=$(mib "$out0" "$out1") before_in=$(mib "$in0" "$in1")" \
         "load_out=$(mib "$out1" "$out2") load_in=$(mib "$in1" "$in2") again=$again" \
         "again_in=$(mib "$in3" "$in4") recoveries=$recoveries"
}

for rep in $(seq "$reps"); do
    for kase in idle busy cache; do
        [[ $cases == *" $kase "* ]] || continue
        if [ "$kase" = cache ] && [ -z "$cache_file" ]; then
            make_cache_file || { cases=${cases/ cache / }; continue; }
        fi
        for setting in $(settings_of "$kase"); do
            log "repetition $rep, $kase, $setting"
            # Not in a subshell: what it starts must stay in reach of the cleanup.
            run_one "$kase" "$setting" "$rep" >"$work/run.txt"
            tee -a "$results" <"$work/run.txt"
        done
    done
done
table_from=$results
fi

# --- The tables ------------------------------------------------------------------
# Per case, face and setting: median (min–max) over the repetitions, and the
# new program's time against the run without an engine of the same repetition.
declare -A field_of
keys=()
while read -r _ key fields; do
    [ "$key" = benefit.setup ] || keys+=("$key")
    for pair in $fields; do field_of[$key.${pair%%=*}]=${pair#*=}; done
done < <(grep '^RESULT benefit\.' "$table_from" || true)
[ "${#keys[@]}" -gt 0 ] || { log "no figures in $table_from"; exit 1; }
values() { # case setting field -> the field's values over the repetitions
    local key out=""
    for key in "${keys[@]}"; do
        [[ $key == benefit.$1.$2.* ]] && out+=" ${field_of[$key.$3]:--}"
    done
    echo "$out"
}
ratios() { # case setting -> new program's time over that without an engine, by repetition
    local key rep out=""
    for key in "${keys[@]}"; do
        [[ $key == benefit.$1.$2.* ]] || continue
        rep=${key##*.}
        [ -n "${field_of[benefit.$1.off.$rep.load]:-}" ] || continue
        out+=" $(awk -v a="${field_of[$key.load]}" -v b="${field_of[benefit.$1.off.$rep.load]}" 'BEGIN { printf "%.2f", a / b }')"
    done
    echo "$out"
}
table_stamp
# The sizes as the run had them (a log made before they were recorded: as set now).
swap_gb=${field_of[benefit.setup.swap]:-$swap_gb}
leave_mb=${field_of[benefit.setup.free]:-$leave_mb}
load_mb=${field_of[benefit.setup.load]:-$load_mb}
: >"$rows"
for kase in idle busy cache; do
    case $kase in
    idle) marker="<!-- rows: benefit -->" ;;
    *) marker="<!-- rows: $kase -->" ;;
    esac
    for setting in off linux linux-ram wine; do
        [ -n "$(values "$kase" "$setting" load)" ] || continue
        case $setting in
        off) face_name="–" name="no engine" ;;
        linux) face_name="Linux" name="Quenbytray: reserve on RAM and free swap" ;;
        linux-ram) face_name="Linux" name="reserve on RAM alone (as before)" ;;
        wine) face_name="Windows (Wine)" name="Quenbytray.exe: defaults" ;;
        esac
        row=$(printf '| %s | %s | %s GiB, %s GiB swap, %s MB left free, new program %s MB | %s | %s | %s | %s | %s | %s | %s / %s | %s / %s | %s | %s | %s |' \
            "$when" "$commit" "$ram_gib" "$swap_gb" "$leave_mb" "$load_mb" "$face_name" "$name" \
            "$(summary "$(values "$kase" "$setting" load)" %.1f)" "$(summary "$(ratios "$kase" "$setting")" %.2f)" \
            "$(summary "$(values "$kase" "$setting" recovery)" %.1f)" "$(summary "$(values "$kase" "$setting" available)")" \
            "$(summary "$(values "$kase" "$setting" before_out)")" "$(summary "$(values "$kase" "$setting" before_in)")" \
            "$(summary "$(values "$kase" "$setting" load_out)")" "$(summary "$(values "$kase" "$setting" load_in)")" \
            "$(summary "$(values "$kase" "$setting" again)" %.1f)" "$(summary "$(values "$kase" "$setting" again_in)")" \
            "$(summary "$(values "$kase" "$setting" recoveries)")")
        printf '%s\t%s\n' "$marker" "$row" >>"$rows"
        echo "$row"
    done
done
