#!/bin/sh
# The tray icon at several display scales, side by side: the cross-built
# Quenbytray.exe under Wine on a virtual X display (Wine's own display driver, so
# Wine's notification area shows the icon), with the screen at 96, 144 and 192
# dots per inch. Wine takes the setting (HKCU\Control Panel\Desktop
# "LogPixels") when a process starts, so the server, the notification area and
# the engine start afresh for each. The icon's cell of the notification area is
# cut out of each screen and enlarged eight times without smoothing.
# Wine 8 itself spoils two columns at 144 dpi: its Shell_NotifyIconW hands the
# icon's mask to the notification area without the padding at the end of each
# row, so for a width that is not a multiple of 16 (20 and 24 pixels) the last
# rows of the mask are lost and their transparent pixels show black (here the
# two left of the bar). The icon the engine makes is right: the Win32 suite
# tests/win32/tray_dpi_win32_test.cpp reads it back. 32 pixels are not affected.
#   tools/screenshot-tray-dpi.sh BUILD_DIR OUT_DIR
# writes OUT_DIR/tray_dpi_wine.png. BUILD_DIR is a windows-cross build (the
# engine alone will do). Needs xvfb, xauth, imagemagick and xdotool; the prefix
# is a private one in BUILD_DIR, and its wineserver is stopped before the script
# returns.
set -eu
. "$(dirname "$0")/wine-screenshot.sh"
screenshot_setup wineprefix-screenshot-dpi 640x480x24 "$@"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# One screen: the engine's first icon in the notification area at `dpi`, cut out
# as the square cell it sits in (as high as the notification area).
capture() {
    dpi=$1
    stop_server
    wineserver -p 120 </dev/null >/dev/null 2>&1 || true
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
    # Enabled, so that the tray shows its live number rather than the switched-off picture.
    wine reg add 'HKCU\Software\Quenby' /v Quenby_Stat /t REG_DWORD /d 1 /f >/dev/null 2>&1
    wine cmd /c exit >/dev/null 2>&1 </dev/null || true
    wine "$build/bin/Quenbytray.exe" >/dev/null 2>&1 &
    engine=$!
    tray=
    for _ in $(seq 1 200); do
        tray=$(xdotool search --onlyvisible --name '^Wine System Tray$' 2>/dev/null | head -1 || true)
        [ -n "$tray" ] && break
        sleep 0.05
    done
    [ -n "$tray" ] || { echo "screenshot: no notification area at $dpi dpi" >&2; kill "$engine" 2>/dev/null; exit 1; }
    # Held still while the screen is taken: Wine's notification area paints a
    # changed icon over the old one without clearing it, so the first picture,
    # before the once-a-second update, is the clean one.
    kill -STOP "$engine"
    eval "$(xdotool getwindowgeometry --shell "$tray")"
    import -window root -crop "${HEIGHT}x${HEIGHT}+${X}+${Y}" +repage "$work/cell-$dpi.png"
    kill -CONT "$engine"
    wine "$build/bin/quenbyctl.exe" close >/dev/null 2>&1 || kill "$engine" 2>/dev/null || true
    wait "$engine" 2>/dev/null || true
    size=$((16 * dpi / 96))
    convert "$work/cell-$dpi.png" -scale 800% -bordercolor '#c0c0c0' -border 1 \
        \( -background white -fill black -font DejaVu-Sans -pointsize 16 \
           label:"$dpi dpi: icon $size x $size" \) \
        -background white -gravity center -append "$work/panel-$dpi.png"
}

capture 96
capture 144
capture 192
stop_server
convert "$work/panel-96.png" -size 24x1 xc:white "$work/panel-144.png" -size 24x1 xc:white \
    "$work/panel-192.png" -background white -gravity south +append -bordercolor white -border 12 \
    +repage "$out/tray_dpi_wine.png"
echo "$out/tray_dpi_wine.png"
