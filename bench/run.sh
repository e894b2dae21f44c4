#!/usr/bin/env bash
# Builds the benchmarks, runs them, prints the figures and appends them, with
# the machine and the date, to docs/performance.md.
#
#   bench/run.sh NATIVE-FOLDER [WINDOWS-FOLDER]
#
# NATIVE-FOLDER gets the Linux build; WINDOWS-FOLDER, when given, a MinGW cross
# build of the Windows face whose figures are taken under Wine, in a private
# prefix inside that folder. Environment:
#   QUENBY_BENCH_IDLE_SECONDS    the idle window of the engines (default 60)
#   QUENBY_BENCH_PANEL_MINUTES   how long the panel is watched (default 10; its
#                                resident memory is also read after 1 minute)
#   QUENBY_BENCH_BLOCKS / _RUNS  recovery blocks of 1 MiB per run, and runs (512, 15)
#   QUENBY_BENCH_POSTS           update messages for the latency (200)
#   QUENBY_BENCH_PARTS           which parts run (default "idle recovery latency store
#                                processes pressure benefit"); bench/pressure.sh and
#                                bench/benefit.sh have their own settings
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
[ $# -ge 1 ] || { echo "usage: $0 NATIVE-FOLDER [WINDOWS-FOLDER]" >&2; exit 2; }
native=$(mkdir -p "$1" && cd "$1" && pwd)
cross=
if [ $# -ge 2 ]; then cross=$(mkdir -p "$2" && cd "$2" && pwd); fi
idle_seconds=${QUENBY_BENCH_IDLE_SECONDS:-60}
panel_minutes=${QUENBY_BENCH_PANEL_MINUTES:-10}
blocks=${QUENBY_BENCH_BLOCKS:-512}
runs=${QUENBY_BENCH_RUNS:-15}
posts=${QUENBY_BENCH_POSTS:-200}
parts=" ${QUENBY_BENCH_PARTS:-idle recovery latency store processes pressure benefit} "
want() { [[ $parts == *" $1 "* ]]; }

log() { printf '==> %s\n' "$*" >&2; }

grep -q '^ *add_subdirectory(bench)' "$root/CMakeLists.txt" || {
    echo "bench/run.sh: the top-level CMakeLists.txt does not add the bench folder" >&2
    exit 1
}

# Never crowd the machine: a recovery run takes $blocks MiB, and others build here.
avail_mib=$(awk '/^MemAvailable:/ {print int($2 / 1024)}' /proc/meminfo)
if [ "$avail_mib" -lt $((blocks + 4096)) ]; then
    echo "bench/run.sh: only $avail_mib MiB available; $((blocks + 4096)) MiB wanted" >&2
    exit 1
fi

# --- Everything started here is ended here -----------------------------------
work=$(mktemp -d "$native/run.XXXXXX")
pids=()
wine_prefix=
cleanup() {
    local pid
    for pid in "${pids[@]}"; do
        kill -TERM "$pid" 2>/dev/null || true
    done
    for pid in "${pids[@]}"; do
        wait "$pid" 2>/dev/null || true
    done
    if [ -n "$wine_prefix" ]; then
        "$root/cmake/wine-prefix.sh" stop "$wine_prefix" >/dev/null 2>&1 || true
    fi
    # The programs' own output stays for a look after the run.
    mkdir -p "$native/last-run"
    cp "$work"/*.log "$work"/*.txt "$work"/*.err "$work"/benefit/benefit-results.txt "$native/last-run/" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# --- Builds ----------------------------------------------------------------
# A build folder made from another checkout can't be reused: start it afresh.
fresh_folder() {
    local cache=$1/CMakeCache.txt
    if [ -f "$cache" ] && ! grep -qxF "CMAKE_HOME_DIRECTORY:INTERNAL=$root" "$cache"; then
        rm -rf "$1/CMakeCache.txt" "$1/CMakeFiles"
    fi
}
fresh_folder "$native"
[ -z "$cross" ] || fresh_folder "$cross"
log "building the Linux face into $native"
cmake -S "$root" -B "$native" -DQUENBY_TESTS=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo >"$work/configure.log" ||
    { cat "$work/configure.log" >&2; exit 1; }
cmake --build "$native" -j2 --target Quenbytray quenby_bench_recovery quenby_bench_latency quenby_bench_busy quenby_bench_store \
    quenby_bench_load quenby_bench_engine_ram_reserve quenby_bench_process_list quenbyctl \
    $(grep -q '^Qt6_DIR:PATH=/' "$native/CMakeCache.txt" && echo Quenby) >"$work/build.log" 2>&1 ||
    { tail -40 "$work/build.log" >&2; exit 1; }
bin=$native/bin

if [ -n "$cross" ]; then
    log "building the Windows face into $cross"
    qt=$("$root/tools/build-qt-windows.sh" --prefix 2>/dev/null || true)
    if [ -n "$qt" ] && [ -f "$qt/lib/cmake/Qt6/qt.toolchain.cmake" ]; then
        toolchain=(-DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake"
                   -DQT_CHAINLOAD_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake")
    else
        # No Qt for Windows built yet: the engine alone, with the panel class that
        # the native build took from its Qt (the Windows Qt is built from the same version).
        qt_dir=$(sed -n 's/^Qt6_DIR:PATH=//p' "$native/CMakeCache.txt")
        qt_version=$(sed -n 's/^set(PACKAGE_VERSION "\([0-9.]*\)")$/\1/p' "$qt_dir"/Qt6ConfigVersion*.cmake 2>/dev/null | head -1)
        [ -n "$qt_version" ] || { echo "bench/run.sh: no Qt 6 version known for the engine's panel class" >&2; exit 1; }
        toolchain=(-DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake"
                   -DQUENBY_PANEL_WINDOW_CLASS="Qt${qt_version//./}QWindowIcon")
    fi
    cmake -S "$root" -B "$cross" "${toolchain[@]}" -DQUENBY_TESTS=OFF >"$work/configure-wx.log" ||
        { cat "$work/configure-wx.log" >&2; exit 1; }
    cmake --build "$cross" -j2 --target Quenbytray quenbyctl quenby_bench_recovery quenby_bench_clipboard quenby_bench_process_list >"$work/build-wx.log" 2>&1 ||
        { tail -40 "$work/build-wx.log" >&2; exit 1; }
    wine_prefix=$cross/bench-wineprefix
    log "preparing the Wine prefix $wine_prefix"
    "$root/cmake/wine-prefix.sh" start "$wine_prefix" >/dev/null 2>&1
fi


# --- /proc readings ----------------------------------------------------------
ticks=$(getconf CLK_TCK)
# shellcheck source=bench/procfs.sh
. "$root/bench/procfs.sh"
status_field() { awk -v f="$2:" '$1 == f {print $2}' "/proc/$1/status" 2>/dev/null || echo 0; }

private_dirs() {
    mkdir -p "$1/config" "$1/runtime"
    chmod 700 "$1/runtime"
}

panel_pid=
eng_cpu=- eng_rss=- eng_tlo=- eng_thi=-
wine_cpu=- wine_rss=- wine_tlo=- wine_thi=- ws_cpu=-
panel_rss1=- panel_rss10=- panel_threads=-
if want idle; then
# --- Idle costs: the engines for $idle_seconds, the panel for $panel_minutes --
log "idle costs: ${idle_seconds} s of the engines, ${panel_minutes} min of the panel"
private_dirs "$work/idle"
export_idle=(env XDG_CONFIG_HOME="$work/idle/config" XDG_RUNTIME_DIR="$work/idle/runtime"
             QT_QPA_PLATFORM=offscreen)
"${export_idle[@]}" "$bin/Quenbytray" 2>"$work/engine-idle.log" >/dev/null &
engine_pid=$!
pids+=("$engine_pid")
if [ -x "$bin/Quenby" ]; then
    "${export_idle[@]}" "$bin/Quenby" >"$work/panel-idle.log" 2>&1 &
    panel_pid=$!
    pids+=("$panel_pid")
fi
wine_engine=
wineserver_pid=
if [ -n "$cross" ]; then
    wine_env wine "$cross/bin/Quenbytray.exe" >"$work/wine-engine.log" 2>&1 &
    pids+=("$!")
    wine_launcher=$!
fi
sleep 3 # past start-up: the idle window starts with everything running
if [ -n "$cross" ]; then
    wine_engine=$(wine_pid_of 'Quenbytray.exe' || true)
    wineserver_pid=$(wine_pid_of 'wineserver' || true)
    [ -n "$wine_engine" ] || log "the Wine engine did not start (see $work/wine-engine.log)"
fi

panel_start=$(date +%s)
declare -A cpu0 threads_min threads_max
watched=("$engine_pid" $panel_pid $wine_engine $wineserver_pid)
for pid in "${watched[@]}"; do
    cpu0[$pid]=$(cpu_ticks "$pid")
    threads_min[$pid]=9999
    threads_max[$pid]=0
done
t0=$(date +%s.%N)
for ((i = 0; i < idle_seconds; i++)); do
    for pid in "${watched[@]}"; do
        n=$(status_field "$pid" Threads)
        [ "${n:-0}" -gt 0 ] || continue
        [ "$n" -lt "${threads_min[$pid]}" ] && threads_min[$pid]=$n
        [ "$n" -gt "${threads_max[$pid]}" ] && threads_max[$pid]=$n
    done
    sleep 1
done
t1=$(date +%s.%N)
idle_line() { # pid -> "cpu% rss-MiB threads-min threads-max"
    local pid=$1 used
    used=$(( $(cpu_ticks "$pid") - ${cpu0[$pid]} ))
    awk -v u="$used" -v t="$ticks" -v a="$t0" -v b="$t1" -v r="$(status_field "$pid" VmRSS)" \
        -v lo="${threads_min[$pid]}" -v hi="${threads_max[$pid]}" \
        'BEGIN {printf "%.2f %.1f %s %s\n", u / t / (b - a) * 100, r / 1024, lo, hi}'
}
read -r eng_cpu eng_rss eng_tlo eng_thi <<<"$(idle_line "$engine_pid")"
printf 'idle engine, Linux (%d s): CPU %s %% of one core, resident %s MiB, threads %s..%s\n' \
    "$idle_seconds" "$eng_cpu" "$eng_rss" "$eng_tlo" "$eng_thi"
if [ -n "$wine_engine" ]; then
    read -r wine_cpu wine_rss wine_tlo wine_thi <<<"$(idle_line "$wine_engine")"
    [ -n "$wineserver_pid" ] && read -r ws_cpu _ <<<"$(idle_line "$wineserver_pid")"
    printf 'idle engine, Wine (%d s): CPU %s %% of one core (wineserver %s %%), resident %s MiB, threads %s..%s\n' \
        "$idle_seconds" "$wine_cpu" "$ws_cpu" "$wine_rss" "$wine_tlo" "$wine_thi"
    kill -TERM "$wine_launcher" "$wine_engine" 2>/dev/null || true
    wait "$wine_launcher" 2>/dev/null || true
fi
panel_sample() { status_field "$panel_pid" VmRSS | awk '{printf "%.1f", $1 / 1024}'; }
if [ -n "$panel_pid" ]; then
    while [ $(( $(date +%s) - panel_start )) -lt 60 ]; do sleep 1; done
    panel_rss1=$(panel_sample)
    panel_threads="${threads_min[$panel_pid]}–${threads_max[$panel_pid]}"
    printf 'panel, Linux offscreen: resident %s MiB after 1 min, threads %s\n' "$panel_rss1" "$panel_threads"
fi

fi

# --- Recovery throughput ------------------------------------------------------
# The panel keeps running meanwhile: these runs don't touch its memory.
if want recovery; then
log "recovery throughput, Linux"
"$bin/quenby_bench_recovery" "$blocks" "$runs" | tee "$work/recovery-linux.txt" | grep -v '^RESULT'
fi
if want recovery && [ -n "$cross" ]; then
    log "recovery throughput, Windows face under Wine"
    wine_env wine "$cross/bin/quenby_bench_recovery.exe" "$blocks" "$runs" 2>"$work/recovery-wine.err" |
        tr -d '\r' | tee "$work/recovery-wine.txt" | grep -v '^RESULT' || true
fi

# --- Latency of the message path -----------------------------------------------
if want latency; then
log "latency of WM_UPDATEDATAMESSAGE and of reading the settings"
private_dirs "$work/latency"
XDG_CONFIG_HOME="$work/latency/config" XDG_RUNTIME_DIR="$work/latency/runtime" \
    "$bin/quenby_bench_latency" "$bin/Quenbytray" "$posts" 2000 | tee "$work/latency.txt" | grep -v '^RESULT'
fi

# --- The Linux settings store: heap and time of reads and writes -------------------
if want store; then
log "the Linux settings store: files of several shapes at 64 KiB and at the 1 MiB cap"
"$bin/quenby_bench_store" | tee "$work/store.txt"
fi

# --- The panel's long watch --------------------------------------------------------
if [ -n "$panel_pid" ] && [ "$panel_minutes" -gt 1 ]; then
    left=$(( panel_start + panel_minutes * 60 - $(date +%s) ))
    [ "$left" -gt 0 ] && { log "waiting ${left} s more for the panel's ${panel_minutes}-minute reading"; sleep "$left"; }
    panel_rss10=$(panel_sample)
    printf 'panel, Linux offscreen: resident %s MiB after %d min, threads now %s\n' \
        "$panel_rss10" "$panel_minutes" "$(status_field "$panel_pid" Threads)"
fi

# --- Sustained memory pressure ------------------------------------------------
# Last, once the panel has gone: it holds most of the memory for a while.
if [ -n "$panel_pid" ]; then
    kill -TERM "$panel_pid" 2>/dev/null || true
    wait "$panel_pid" 2>/dev/null || true
fi
if want pressure; then
    pressure_faces=1
    [ -z "$cross" ] || pressure_faces=2
    log "sustained memory pressure (about $(( ${QUENBY_BENCH_PRESSURE_REPS:-3} * 3 * (${QUENBY_BENCH_PRESSURE_SECONDS:-60} + 20) * pressure_faces / 60 )) minutes)"
    "$root/bench/pressure.sh" "$bin" "$work/pressure" "$work/pressure-rows.md" \
        ${cross:+"$cross/bin" "$wine_prefix"}
fi

# --- One look at the process list, for the protected programs -------------------------
if want processes; then
    log "one look at the process list (200 looks a face)"
    "$bin/quenby_bench_process_list" 200 >"$work/processes-linux.txt"
    [ -z "$cross" ] || wine_env wine "$cross/bin/quenby_bench_process_list.exe" 200 2>/dev/null | tr -d '\r' \
        >"$work/processes-wine.txt"
fi

# --- What a recovery gives, and what it costs afterwards ----------------------------
if want benefit; then
    log "what a recovery gives: a new program's start beside an idle program and beside the file cache"
    "$root/bench/benefit.sh" "$bin" "$work/benefit" "$work/benefit-rows.md" \
        ${cross:+"$cross/bin" "$wine_prefix"}
fi

# --- The table ---------------------------------------------------------------------
result() { # file key field
    grep "^RESULT $2 " "$1" 2>/dev/null | tr ' ' '\n' | sed -n "s/^$3=//p" | head -1
}
value() { local v; v=$(result "$@"); echo "${v:--}"; }
L=$work/recovery-linux.txt W=$work/recovery-wine.txt T=$work/latency.txt
cpu_model=$(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -1)
ram_gib=$(awk '/^MemTotal:/ {printf "%.0f", $2 / 1048576}' /proc/meminfo)
machine="$(nproc) × ${cpu_model}, ${ram_gib} GiB"
when=$(date -u '+%Y-%m-%d %H:%M UTC')
commit=$(git -C "$root" rev-parse --short HEAD 2>/dev/null || echo -)
[ -n "$(git -C "$root" status --porcelain 2>/dev/null)" ] && commit="$commit+"
row_recovery="| $when | $commit | $machine | $blocks MiB × $runs | $(value $L recovery.engine median) ($(value $L recovery.engine min)–$(value $L recovery.engine max)) | $(value $L recovery.touch median) ($(value $L recovery.touch min)–$(value $L recovery.touch max)) | $(value $L recovery.populate median) ($(value $L recovery.populate min)–$(value $L recovery.populate max)) | $(value $L recovery.ratio better) | $(value $W recovery.engine median) ($(value $W recovery.engine min)–$(value $W recovery.engine max)) | $(value $W recovery.touch median) ($(value $W recovery.touch min)–$(value $W recovery.touch max)) | $(value $W recovery.ratio touch) |"
panel_long=$panel_rss10
[ "$panel_minutes" -gt 1 ] || panel_long="not measured"
row_idle="| $when | $commit | $machine | ${idle_seconds} s | $eng_cpu | $eng_rss | $eng_tlo–$eng_thi | $wine_cpu (server $ws_cpu) | $wine_rss | $wine_tlo–$wine_thi | $panel_rss1 | $panel_long (${panel_minutes} min) | $panel_threads |"
row_latency="| $when | $commit | $machine | $posts | $(value $T update.latency median) | $(value $T update.latency p99) | $(value $T update.latency max) | $(value $T settings.read bytes) | $(value $T settings.read median) | $(value $T settings.read p99) |"

P=$work/processes-linux.txt PW=$work/processes-wine.txt
row_processes="| $when | $commit | $machine | $(value $P processlist processes) | $(value $P processlist median_ms) ($(value $P processlist p99_ms)) | $(value $P processlist share) | $(value $PW processlist processes) | $(value $PW processlist median_ms) ($(value $PW processlist p99_ms)) | $(value $PW processlist share) |"

doc=$root/docs/performance.md
if [ ! -f "$doc" ]; then
    echo "bench/run.sh: $doc is missing" >&2
    exit 1
fi
# Each table ends where the next heading begins; a new row goes last in its table.
append_row() { # marker row
    local tmp
    tmp=$(mktemp "$work/doc.XXXXXX")
    awk -v marker="$1" -v row="$2" '
        $0 == marker { inside = 1 }
        inside && !/^\|/ && seen { print row; inside = 0; done = 1 }
        inside && /^\|/ { seen = 1 }
        { print }
        END { if (inside && !done) print row }
    ' "$doc" >"$tmp"
    cat "$tmp" >"$doc"
}
added=()
if want recovery; then append_row '<!-- rows: recovery -->' "$row_recovery"; added+=("$row_recovery"); fi
if want idle; then append_row '<!-- rows: idle -->' "$row_idle"; added+=("$row_idle"); fi
if want latency; then append_row '<!-- rows: latency -->' "$row_latency"; added+=("$row_latency"); fi
if want processes; then append_row '<!-- rows: processes -->' "$row_processes"; added+=("$row_processes"); fi
if want pressure && [ -s "$work/pressure-rows.md" ]; then
    while IFS= read -r row; do
        append_row '<!-- rows: pressure -->' "$row"
        added+=("$row")
    done <"$work/pressure-rows.md"
fi
if want benefit && [ -s "$work/benefit-rows.md" ]; then
    # Each line: its table's marker, a tab, the row.
    while IFS=$'\t' read -r marker row; do
        append_row "$marker" "$row"
        added+=("$row")
    done <"$work/benefit-rows.md"
fi

printf '\nRows added to %s:\n' "$doc"
printf '%s\n' "${added[@]}"
