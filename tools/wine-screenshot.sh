# Sourced by the screenshot scripts: checks their tools, sets up a private Wine
# prefix in the build folder, and runs the calling script again inside a virtual
# X display (Wine's own display driver draws there, notification area included).
# The prefix's wineserver is stopped before the script returns.
#
#   . "$(dirname "$0")/wine-screenshot.sh"
#   screenshot_setup PREFIX_NAME SCREEN "$@"     (SCREEN as WxHxD; "$@" = BUILD_DIR OUT_DIR)
#
# Afterwards $build and $out are absolute, WINEPREFIX names the prefix, and the
# code after the call runs inside the display.

stop_server() {
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
}

screenshot_setup() {
    prefix_name=$1
    screen=$2
    shift 2
    for tool in xvfb-run xauth convert import xdotool wine; do
        command -v "$tool" >/dev/null || {
            echo "screenshot: $tool is missing (apt-get install xvfb xauth imagemagick xdotool wine64 wine)" >&2
            exit 1
        }
    done
    [ $# -eq 2 ] || { echo "usage: $0 BUILD_DIR OUT_DIR" >&2; exit 2; }
    build=$(cd "$1" && pwd)
    out=$(mkdir -p "$2" && cd "$2" && pwd)
    export WINEPREFIX="$build/$prefix_name"
    export WINEARCH=win64
    export WINEDEBUG=-all
    # No .NET or Gecko installer, and no copying of Start-menu shortcuts into the
    # real user's desktop menus.
    export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

    if [ "${QUENBY_INSIDE_XVFB:-}" != 1 ]; then
        trap stop_server EXIT
        QUENBY_INSIDE_XVFB=1 xvfb-run -a -s "-screen 0 $screen" "$0" "$build" "$out"
        exit $?
    fi

    if [ ! -f "$WINEPREFIX/.quenby-ready" ]; then
        rm -rf "$WINEPREFIX"
        wineboot --init >/dev/null 2>&1 || true
        wineserver -w
        wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
        touch "$WINEPREFIX/.quenby-ready"
    fi
}
