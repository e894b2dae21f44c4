#!/bin/sh
# Runs a cross-built program under Wine on a virtual X display, for what the null
# graphics driver of the main test prefix cannot do: the notification area.
#   wine-xvfb-run.sh PREFIX PROGRAM [ARGUMENTS...]
# PREFIX is a prefix of its own, made once (no null driver, no crash dialog). The
# program runs inside `xvfb-run -a`, and the prefix's wineserver is stopped before
# the script returns, so no Wine process outlives the display it was started on.
set -eu
prefix=$1
shift
export WINEPREFIX="$prefix"
export WINEARCH=win64
export WINEDEBUG=-all
# No .NET or Gecko installer, and no copying of Start-menu shortcuts into the
# real user's desktop menus.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

stop_server() {
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
}

if [ "${QUENBY_INSIDE_XVFB:-}" != 1 ]; then
    # Whatever happens (a time limit included), the server goes with us.
    trap stop_server EXIT
    trap 'exit 130' INT TERM
    status=0
    QUENBY_INSIDE_XVFB=1 xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$prefix" "$@" || status=$?
    exit "$status"
fi

# From here on the display of xvfb-run is set.
if [ ! -f "$WINEPREFIX/.quenby-ready" ]; then
    rm -rf "$WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    wineboot --init >"$WINEPREFIX.boot.log" 2>&1 || true
    wineserver -w
    # A crash must end the test, not open a debugger that waits for ever.
    wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
    wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger /t REG_SZ /d '' /f >/dev/null 2>&1
    stop_server
    touch "$WINEPREFIX/.quenby-ready"
fi
# A server left by a run that was killed belongs to a display that is gone.
stop_server
# A server kept running for the whole run, and one program started first: the
# first program of a fresh server otherwise waits for it (see wine-prefix.sh).
wineserver -p 600 </dev/null >/dev/null 2>&1 || true
wine cmd /c exit >"$WINEPREFIX.warm.log" 2>&1 </dev/null || true
status=0
wine "$@" || status=$?
stop_server
exit "$status"
