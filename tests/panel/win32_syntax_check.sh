#!/usr/bin/env bash
# The panel's Windows face as far as this machine can check it: Debian has no
# Qt for MinGW, so the panel can't be linked for Windows here. Instead every
# panel source, the Windows-only ones included, is compiled for syntax by MinGW
# against this machine's Qt headers (which then take Windows for the platform),
# and the Windows resource script is compiled by windres.
#
#   win32_syntax_check.sh RESULTS_XML SOURCE_ROOT GENERATED_UI_DIR QT_INCLUDE_DIR...
#
# Environment: CXX (MinGW g++), WINDRES (MinGW windres).
# Writes one JUnit test case per file into RESULTS_XML; exits non-zero on a failure.
set -uo pipefail

results=$1 root=$2 generated=$3
shift 3
includes=(-I"$root" -I"$generated")
for dir in "$@"; do
    includes+=(-I"$dir")
done

flags=(-std=c++20 -fsyntax-only -Wall -Wextra -Werror -Wno-attributes
       -DUNICODE -D_UNICODE -DWIN32_LEAN_AND_MEAN -DNOMINMAX -D_WIN32_WINNT=0x0A00)

cases=()
failures=0
total=0

xml_escape() {
    sed -e 's/&/\&amp;/g' -e 's/</\&lt;/g' -e 's/>/\&gt;/g' -e 's/"/\&quot;/g'
}

record() { # name, status, output
    total=$((total + 1))
    if [ "$2" -eq 0 ]; then
        echo "PASS   : $1"
        cases+=("  <testcase classname=\"Win32Syntax\" name=\"$1\"/>")
    else
        failures=$((failures + 1))
        echo "FAIL!  : $1"
        echo "$3"
        cases+=("  <testcase classname=\"Win32Syntax\" name=\"$1\"><failure message=\"does not compile for Windows\">$(xml_escape <<<"$3")</failure></testcase>")
    fi
}

for source in "$root"/panel/*.cpp "$root"/panel/os/win32/*.cpp; do
    name=${source#"$root"/}
    output=$("$CXX" "${flags[@]}" "${includes[@]}" "$source" 2>&1)
    record "$name" $? "$output"
done

# The resource script: icon group, version block and manifest.
resource_out=$(mktemp)
output=$(cd "$root/panel/os/win32" && "$WINDRES" panel.rc -O coff -o "$resource_out" 2>&1)
status=$?
if [ $status -eq 0 ] && [ ! -s "$resource_out" ]; then
    status=1
    output="windres wrote nothing"
fi
rm -f "$resource_out"
record "panel/os/win32/panel.rc" $status "$output"

mkdir -p "$(dirname "$results")"
{
    echo '<?xml version="1.0" encoding="UTF-8"?>'
    echo "<testsuite name=\"Win32Syntax\" tests=\"$total\" failures=\"$failures\" errors=\"0\" skipped=\"0\">"
    printf '%s\n' "${cases[@]}"
    echo '</testsuite>'
} >"$results"

echo "Totals: $((total - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
