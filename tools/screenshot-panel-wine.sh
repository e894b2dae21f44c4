#!/bin/sh
# Pictures of the Windows control panel in several languages and in the dark
# theme, as a user of each sees it: the cross-built quenby_panel_screenshots.exe
# under Wine on a virtual X display, with LANG giving Wine its display language.
#   tools/screenshot-panel-wine.sh BUILD_DIR OUT_DIR
# writes OUT_DIR/main_window_wine.png, options_*_wine.png, about_wine.png (in
# English), main_window_de.png and options_general_de.png (also _ja, _ar) and
# main_window_dark.png. The tool keeps its settings in the registry of the
# build's own test prefix, which it alone may clear: run it while no test runs.
# The prefix's graphics driver is switched to X11 for the run and back to the
# null driver after, and its wineserver is stopped.
set -eu
[ $# -eq 2 ] || { echo "usage: $0 BUILD_DIR OUT_DIR" >&2; exit 2; }
build=$(cd "$1" && pwd)
out=$(mkdir -p "$2" && cd "$2" && pwd)
tool=$build/bin/quenby_panel_screenshots.exe
[ -f "$tool" ] || { echo "$tool is missing (cmake --build $build --target quenby_panel_screenshots)" >&2; exit 1; }
for program in xvfb-run xauth wine; do
    command -v "$program" >/dev/null || { echo "$program is missing" >&2; exit 1; }
done
export WINEPREFIX="$build/wineprefix" WINEARCH=win64 WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
[ -d "$WINEPREFIX" ] || { echo "no test prefix in $build: run the tests once" >&2; exit 1; }

stop() { wineserver -k 2>/dev/null || true; wineserver -w 2>/dev/null || true; }
drivers='HKCU\Software\Wine\Drivers'
themes='HKCU\Software\Microsoft\Windows\CurrentVersion\Themes\Personalize'
restore() {
    stop
    wine reg add "$drivers" /v Graphics /t REG_SZ /d null /f >/dev/null 2>&1 || true
    wine reg delete "$themes" /v AppsUseLightTheme /f >/dev/null 2>&1 || true
    stop
}
trap restore EXIT
stop
wine reg delete "$drivers" /v Graphics /f >/dev/null 2>&1 || true
stop

# One run of the tool per picture set: LANG SUFFIX LIGHT(1|0) [--few]
take() {
    wine reg add "$themes" /v AppsUseLightTheme /t REG_DWORD /d "$3" /f >/dev/null 2>&1
    LANG=$1 LC_ALL=$1 xvfb-run -a -s "-screen 0 1280x1024x24" \
        wine "$tool" "$(winepath -w "$out")" "$2" ${4:-} </dev/null
    stop
}
take en_US.UTF-8 _wine 1
take de_DE.UTF-8 _de 1 --few
take ja_JP.UTF-8 _ja 1 --few
take ar_SA.UTF-8 _ar 1 --few
take en_US.UTF-8 _dark 0 --few
