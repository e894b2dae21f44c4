# shellcheck shell=bash
# What the scenarios under memory pressure share (sourced, not run): the rules
# for when they can run at all, a temporary swap file that never outlives the
# script, the engines of both faces started and stopped from outside, readings
# of /proc, and the summary of repeated runs. The caller sets root, work, bin,
# cross, wine_prefix and swap_gb, and a log function, before sourcing.

# shellcheck source=bench/procfs.sh
. "$root/bench/procfs.sh"

# The arguments every such scenario takes: BIN WORK ROWS [CROSS-BIN
# WINEPREFIX], or --table LOG ROWS, which sets table_from and runs nothing.
scenario_arguments() {
    table_from=
    if [ "${1:-}" = --table ] && [ $# -eq 3 ]; then
        table_from=$2
        set -- - - "$3"
    fi
    [ $# -eq 3 ] || [ $# -eq 5 ] ||
        { echo "usage: $0 BIN WORK ROWS [CROSS-BIN WINEPREFIX] | $0 --table LOG ROWS" >&2; exit 2; }
    bin=$1 work=$2 rows=$3 cross=${4:-} wine_prefix=${5:-}
}

# Whether a swap scenario can run here; if not, one line says why.
swap_scenario_possible() {
    if [ "$(id -u)" -ne 0 ]; then
        log "skipped: switching swap on needs root"
        return 1
    fi
    if [ "$(awk '/^SwapTotal:/ {print $2}' /proc/meminfo)" -ne 0 ]; then
        # Our own swap file must be the only swap, or the figures say nothing.
        log "skipped: the machine already has swap"
        return 1
    fi
}

# --- Everything started here is ended here -----------------------------------
# Processes to end, and files to remove, whatever way the script ends: a
# failure, Ctrl+C or a normal end. The swap file goes last, once nothing that
# could hold pages in it runs any more.
pids=()
scratch=()
swap=
swap_cleanup() {
    local pid
    for pid in "${pids[@]}"; do kill -TERM "$pid" 2>/dev/null || true; done
    for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
    [ "${#scratch[@]}" -eq 0 ] || rm -rf "${scratch[@]}"
    if [ -n "$swap" ] && [ -f "$swap" ]; then
        swapoff "$swap" 2>/dev/null || true
        rm -f "$swap"
    fi
}
trap swap_cleanup EXIT
trap 'exit 130' INT TERM

# A swap file of $swap_gb GiB in $work, on for as long as the script runs.
# Returns 1, after one line, where the file system takes no swap file.
swap_on() {
    mkdir -p "$work"
    engine_root=$(mktemp -d)
    scratch+=("$engine_root")
    swap=$work/scenario.swap
    log "a ${swap_gb} GiB swap file in $work"
    local why
    if ! why=$( { fallocate -l "${swap_gb}G" "$swap" && chmod 600 "$swap" && mkswap "$swap" >/dev/null &&
                  swapon "$swap"; } 2>&1); then
        log "skipped: no swap file could be switched on here (${why:-no reason given})"
        rm -f "$swap"
        swap=
        return 1
    fi
}

# The Linux engine's settings and runtime folders, apart from the run's own
# folder: the engine's window is a socket in its runtime folder, and a socket's
# path may not be longer than 107 bytes, which a run folder deep in a build
# folder can exceed (the engine then cannot open its window and ends).
# The folder is made with the swap file.
engine_root=
engine_home() { # run-folder
    echo "$engine_root/$(basename "$1")"
}

vmstat() { awk -v k="$1" '$1 == k {print $2}' /proc/vmstat; }
meminfo_mb() { awk -v k="$1:" '$1 == k {print int($2 / 1024)}' /proc/meminfo; }
swap_used_mb() { echo $(( $(meminfo_mb SwapTotal) - $(meminfo_mb SwapFree) )); }
# No page cache left to blur what is free.
drop_caches() {
    sync
    echo 3 >/proc/sys/vm/drop_caches
}

# The engine's settings: defaults, enabled, clipboard clearing (each recovery
# can then be counted from outside), and the rest as given. Other values, or
# these otherwise (Quenby_Stat=0: start with the optimizer off), come as
# NAME=NUMBER.
engine_values() { # backoff [NAME=NUMBER...] -> NAME=NUMBER a line
    local -A value=([Quenby_Stat]=1 [AutoclearClipboard]=1 [RecoveryBackoff]=$1)
    local order=(Quenby_Stat AutoclearClipboard RecoveryBackoff) pair name
    for pair in "${@:2}"; do
        name=${pair%%=*}
        [ -n "${value[$name]:-}" ] || order+=("$name")
        value[$name]=${pair#*=}
    done
    for name in "${order[@]}"; do echo "$name=${value[$name]}"; done
}
configure_linux() { # folder backoff [NAME=NUMBER...]
    local folder pair
    folder=$(engine_home "$1")
    shift
    mkdir -p "$folder/config/quenby" "$folder/runtime"
    chmod 700 "$folder/config/quenby" "$folder/runtime"
    {
        printf 'REGEDIT4\n\n[Software\\Quenby]\n'
        engine_values "$@" | while IFS= read -r pair; do
            printf '"%s"=dword:%08x\n' "${pair%%=*}" "${pair#*=}"
        done
    } >"$folder/config/quenby/registry.reg"
    chmod 600 "$folder/config/quenby/registry.reg"
}
configure_wine() { # backoff [NAME=NUMBER...]
    local pair
    wine_env wine reg delete 'HKCU\Software\Quenby' /f >/dev/null 2>&1 || true
    engine_values "$@" | while IFS= read -r pair; do
        wine_env wine reg add 'HKCU\Software\Quenby' /v "${pair%%=*}" /t REG_DWORD /d "${pair#*=}" /f >/dev/null
    done
}

# Switches the optimizer of a running engine on, as the panel or quenbyctl
# does: the setting stored, the engine told.
enable_engine() { # face dir
    if [ "$1" = linux ]; then
        local home
        home=$(engine_home "$2")
        XDG_CONFIG_HOME="$home/config" XDG_RUNTIME_DIR="$home/runtime" "$bin/quenbyctl" enable >/dev/null
    else
        wine_env wine "$cross/quenbyctl.exe" enable >/dev/null 2>&1
    fi
}

# Starts one face's engine with the settings made for it in $dir: sets engine
# (the engine's process), launcher and counter (Wine's launcher, and
# quenby_bench_clipboard.exe counting the engine's recoveries for
# counter-seconds, its lines in $dir/clipboard.txt). On Linux a program other
# than Quenbytray may be given. Everything started goes into pids, so that the
# cleanup reaches it whatever happens.
start_engine() { # face dir counter-seconds [program]
    local face=$1 dir=$2 i home
    engine='' launcher='' counter=''
    if [ "$face" = linux ]; then
        home=$(engine_home "$dir")
        XDG_CONFIG_HOME="$home/config" XDG_RUNTIME_DIR="$home/runtime" \
            "${4:-$bin/Quenbytray}" >"$dir/engine.out" 2>"$dir/engine.log" &
        engine=$!
        pids+=("$engine")
        return 0
    fi
    wine_env wine "$cross/quenby_bench_clipboard.exe" "$3" >"$dir/clipboard.txt" 2>&1 &
    counter=$!
    pids+=("$counter")
    wine_env wine "$cross/Quenbytray.exe" >"$dir/engine.log" 2>&1 &
    launcher=$!
    pids+=("$launcher")
    for i in $(seq 100); do
        engine=$(wine_pid_of Quenbytray.exe || true)
        [ -n "$engine" ] && break
        sleep 0.1
    done
    [ -n "$engine" ] || log "the Wine engine did not start (see $dir/engine.log)"
    [ -z "$engine" ] || pids+=("$engine")
}

# Ends what start_engine started. With `wait` the Wine counter is let run to
# its end (and so prints its count); with `now` it is stopped.
stop_engine() { # wait | now
    [ -z "$engine" ] || kill -TERM "$engine" 2>/dev/null || true
    [ -z "$launcher" ] || kill -TERM "$launcher" 2>/dev/null || true
    if [ -n "$counter" ] && [ "$1" = now ]; then
        local pid
        pid=$(wine_pid_of quenby_bench_clipboard.exe || true)
        kill -TERM "$counter" ${pid:+"$pid"} 2>/dev/null || true
    fi
    [ -z "$counter" ] || wait "$counter" 2>/dev/null || true
    [ -z "$engine" ] || wait "$engine" 2>/dev/null || true
    [ -z "$launcher" ] || wait "$launcher" 2>/dev/null || true
}

# Until the process has used less than a tenth of a core for a second (at most
# five minutes): a recovery that began runs to its end.
wait_idle() { # pid
    local _ before after
    for _ in $(seq 300); do
        before=$(cpu_ticks "$1")
        sleep 1
        after=$(cpu_ticks "$1")
        [ $((after - before)) -ge $(( $(getconf CLK_TCK) / 10 )) ] || return 0
    done
}

# --- The tables ------------------------------------------------------------------
# "median (min–max)" of numbers in a printf format; "–" when there are none.
summary() { # numbers [printf format]
    tr ' ' '\n' <<<"$1" | { grep -v '^$\|^-$' || true; } | sort -g | awk -v f="${2:-%.0f}" '
        { v[NR] = $1 }
        END { if (NR == 0) { print "–"; exit }
              m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
              printf f " (" f "–" f ")", m, v[1], v[NR] }'
}
# The median alone.
median() { summary "$@" | cut -d' ' -f1; }

# What every row starts with: the date, the commit (with + for uncommitted
# work) and the machine's RAM in GiB.
table_stamp() {
    when=$(date -u '+%Y-%m-%d %H:%M UTC')
    commit=$(git -C "$root" rev-parse --short HEAD 2>/dev/null || echo -)
    [ -n "$(git -C "$root" status --porcelain 2>/dev/null)" ] && commit="$commit+"
    ram_gib=$(awk '/^MemTotal:/ {printf "%.0f", $2 / 1048576}' /proc/meminfo)
}
