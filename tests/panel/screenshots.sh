#!/usr/bin/env bash
# Takes the documentation's pictures of the panel on a real (virtual) X display:
# the main window, each visible options page and the About box, into
# docs/screenshots/. Needs a built linux preset and xvfb-run.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
tool=$root/build/linux/bin/quenby_panel_screenshots
[ -x "$tool" ] || { echo "build the linux preset first ($tool is missing)" >&2; exit 1; }
unset QT_SCALE_FACTOR QT_QPA_PLATFORM
xvfb-run -a -s "-screen 0 1280x1024x24" env QT_QPA_PLATFORM=xcb "$tool" "$root/docs/screenshots"
