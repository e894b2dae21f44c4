#!/bin/sh
# Prepares or stops the private Wine prefix that the Windows tests run in.
#   wine-prefix.sh start PREFIX   create the prefix once (null graphics driver, no
#                                 crash dialog), then start a persistent server
#   wine-prefix.sh stop PREFIX    stop that prefix's server
set -eu
action=$1
export WINEPREFIX="$2"
export WINEARCH=win64
export WINEDEBUG=-all
# No .NET or Gecko installer, and no copying of Start-menu shortcuts into the
# real user's desktop menus.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
version_key='HKLM\Software\Microsoft\Windows NT\CurrentVersion'

case "$action" in
start)
    if [ ! -f "$WINEPREFIX/.quenby-ready" ]; then
        rm -rf "$WINEPREFIX"
        mkdir -p "$WINEPREFIX"
        wineboot --init >"$WINEPREFIX.boot.log" 2>&1 || true
        wineserver -w
        # No display here: without the null driver window creation fails.
        wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /t REG_SZ /d null /f >/dev/null 2>&1
        # A crash must end the test, not open a debugger that waits for ever.
        wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
        wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger /t REG_SZ /d '' /f >/dev/null 2>&1
        # The Windows build number as the prefix was made: a panel test changes it
        # for a moment, and a test killed in that moment must not leave it changed.
        wine reg query "$version_key" /v CurrentBuildNumber 2>/dev/null |
            sed -n 's/.*REG_SZ[[:space:]]*\([0-9]*\).*/\1/p' >"$WINEPREFIX/.quenby-build-number"
        wineserver -k || true
        wineserver -w || true
        touch "$WINEPREFIX/.quenby-ready"
    fi
    # A server left by an interrupted run would refuse a second persistent one.
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
    # A persistent server saves every test program a three-second wait for it.
    wineserver -p 3600 </dev/null >/dev/null 2>&1
    wine cmd /c exit >"$WINEPREFIX.warm.log" 2>&1 </dev/null || true
    build=$(cat "$WINEPREFIX/.quenby-build-number" 2>/dev/null || true)
    if [ -n "$build" ]; then
        wine reg add "$version_key" /v CurrentBuildNumber /t REG_SZ /d "$build" /f >/dev/null 2>&1 || true
    fi
    ;;
stop)
    wineserver -k 2>/dev/null || true
    ;;
*)
    echo "usage: $0 start|stop PREFIX" >&2
    exit 2
    ;;
esac
