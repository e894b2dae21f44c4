#!/bin/sh
# Pictures of the Windows control panel as a user sees it: the cross-built
# Quenby.exe and Quenbytray.exe under Wine on a virtual X display (Wine's own
# display driver, so the panel draws with the windowsvista style and Wine's
# notification area shows the engine's icon).
#   tools/screenshot-windows-panel.sh BUILD_DIR OUT_DIR
# writes OUT_DIR/windows_panel_wine.png (the panel's window) and
# OUT_DIR/windows_desktop_wine.png (the whole virtual screen, tray included).
# Needs xvfb, xauth, imagemagick and xdotool; the prefix is a private one in
# BUILD_DIR, and its wineserver is stopped before the script returns.
set -eu
. "$(dirname "$0")/wine-screenshot.sh"
screenshot_setup wineprefix-screenshot 1024x768x24 "$@"
stop_server
wineserver -p 120 </dev/null >/dev/null 2>&1 || true

bin=$(winepath -w "$build/bin")
wine reg add 'HKCU\Software\Quenby' /v Path /t REG_SZ /d "$bin" /f >/dev/null 2>&1
# Enabled, so that the tray shows its live number rather than the switched-off picture.
wine reg add 'HKCU\Software\Quenby' /v Quenby_Stat /t REG_DWORD /d 1 /f >/dev/null 2>&1
wine "$build/bin/Quenbytray.exe" >/dev/null 2>&1 &
sleep 3
wine "$build/bin/Quenby.exe" >/dev/null 2>&1 &
# Long enough for a few seconds of live figures on the graph.
window=
for _ in $(seq 1 60); do
    window=$(xdotool search --name '^Quenby for Windows 11/10$' 2>/dev/null | head -1 || true)
    [ -n "$window" ] && break
    sleep 0.5
done
[ -n "$window" ] || { echo "the panel's window did not appear" >&2; exit 1; }
sleep 8
import -window "$window" "$out/windows_panel_wine.png"
import -window root "$out/windows_desktop_wine.png"
wine "$build/bin/quenbyctl.exe" close >/dev/null 2>&1 || true
echo "$out/windows_panel_wine.png"
