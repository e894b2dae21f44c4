# Readings of processes that both bench scripts take (sourced, not run). The
# caller sets wine_prefix before using the Wine ones.

# The Wine prefix's environment for a command.
wine_env() {
    env WINEPREFIX="$wine_prefix" WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" "$@"
}

# User and system CPU time of a process, in clock ticks.
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat" 2>/dev/null || echo 0; }

# The process of this Wine prefix whose command line names $1.
wine_pid_of() {
    local p
    for p in /proc/[0-9]*; do
        tr '\0' '\n' 2>/dev/null <"$p/cmdline" | head -1 | grep -q "$1" || continue
        tr '\0' '\n' 2>/dev/null <"$p/environ" | grep -qxF "WINEPREFIX=$wine_prefix" || continue
        basename "$p"
        return 0
    done
    return 1
}
