#!/bin/sh
# A picture of the engine's notice after a recovery (the setting NotifyRecovery):
# the balloon at the tray icon in Wine's notification area, on a virtual X
# display, shown by the cross-built quenby_balloon_screenshot.exe with the
# engine's own host and texts.
#   tools/screenshot-balloon.sh BUILD_DIR OUT_DIR
# BUILD_DIR is a windows-cross build (with the target quenby_balloon_screenshot
# built); writes OUT_DIR/windows_recovery_notice_wine.png. Needs xvfb, xauth,
# imagemagick and xdotool; the prefix is a private one in BUILD_DIR, and its
# wineserver is stopped before the script returns.
set -eu
. "$(dirname "$0")/wine-screenshot.sh"
screenshot_setup wineprefix-screenshot 1024x768x24 "$@"
program="$build/bin/quenby_balloon_screenshot.exe"
[ -f "$program" ] || {
    echo "screenshot: $program is missing (cmake --build BUILD_DIR --target quenby_balloon_screenshot)" >&2
    exit 1
}
stop_server
wineserver -p 120 </dev/null >/dev/null 2>&1 || true

# The notice stays for 30 seconds; the notification area shows it after about
# two. Wine's windows carry the program's name as their X class: the balloon is
# the notification area's (explorer.exe) window without a title.
wine "$program" 30 >/dev/null 2>&1 &
balloon=
for _ in $(seq 1 60); do
    for window in $(xdotool search --onlyvisible --class 'explorer.exe' 2>/dev/null || true); do
        [ -z "$(xdotool getwindowname "$window" 2>/dev/null)" ] && balloon=$window
    done
    [ -n "$balloon" ] && break
    sleep 0.5
done
[ -n "$balloon" ] || { echo "screenshot: the balloon did not appear" >&2; exit 1; }
sleep 1
# The notification area and the balloon, with a margin.
left=100000 top=100000 right=0 bottom=0
for window in $(xdotool search --onlyvisible --class 'explorer.exe'); do
    eval "$(xdotool getwindowgeometry --shell "$window")"
    [ "$X" -lt "$left" ] && left=$X
    [ "$Y" -lt "$top" ] && top=$Y
    [ $((X + WIDTH)) -gt "$right" ] && right=$((X + WIDTH))
    [ $((Y + HEIGHT)) -gt "$bottom" ] && bottom=$((Y + HEIGHT))
done
margin=12
left=$((left > margin ? left - margin : 0))
top=$((top > margin ? top - margin : 0))
import -window root -crop "$((right + margin - left))x$((bottom + margin - top))+$left+$top" +repage \
    "$out/windows_recovery_notice_wine.png"
echo "$out/windows_recovery_notice_wine.png"
