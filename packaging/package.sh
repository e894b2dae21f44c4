#!/usr/bin/env bash
# Makes the two Windows release packages of a windows-cross build:
#   Quenby-<version>-setup.exe      per-user installer (NSIS)
#   Quenby-<version>-portable.zip   the programs, README and licence, to unpack anywhere
#
#   packaging/package.sh BUILD_DIR [OUT_DIR]
#
# BUILD_DIR is the cross build: its programs are in BUILD_DIR/bin, its version in
# BUILD_DIR/generated/quenby_version.h (made by CMake from the project's version).
# The packages land in OUT_DIR (default BUILD_DIR/packages).
#
# Everything is made in a temporary folder beside OUT_DIR and moved into place
# only when both packages are complete, so a failure never leaves a half package
# (and never spoils the ones a previous run made).
#
# MAKENSIS names the makensis to use. Without it, `makensis` from PATH is used and
# Debian's nsis package is installed when it is missing. A failure ends the script
# with one line on stderr saying why, and a non-zero exit code.
set -euo pipefail

me=package.sh
die() { printf '%s: %s\n' "$me" "$*" >&2; exit 1; }

if [ $# -lt 1 ] || [ $# -gt 2 ]; then
    echo "usage: packaging/package.sh BUILD_DIR [OUT_DIR]" >&2
    exit 2
fi
here=$(cd "$(dirname "$0")" && pwd)
source_dir=$(dirname "$here")
[ -d "$1" ] || die "no build folder $1"
build_dir=$(cd "$1" && pwd)
out_dir=${2:-$build_dir/packages}

programs=(Quenby.exe Quenbytray.exe quenbyctl.exe)
strip_tool=x86_64-w64-mingw32-strip
objdump_tool=x86_64-w64-mingw32-objdump

# --- What the build must provide -------------------------------------------------
version_header=$build_dir/generated/quenby_version.h
[ -f "$version_header" ] || die "no $version_header: configure the build with CMake first"
version=$(sed -n 's/^#define QUENBY_VERSION_TEXT "\(.*\)"$/\1/p' "$version_header")
[[ "$version" =~ ^[0-9]+\.[0-9]+\.[0-9]+$ ]] ||
    die "no version of the form X.Y.Z in $version_header (found '$version')"

command -v "$strip_tool" >/dev/null || die "$strip_tool not found (Debian package binutils-mingw-w64-x86-64)"
for program in "${programs[@]}"; do
    file=$build_dir/bin/$program
    [ -f "$file" ] || die "missing $file: build all programs first"
    # A Linux program or a 32-bit build in the folder would make a package that
    # cannot run on the users' machines.
    format=$("$objdump_tool" -f "$file" 2>/dev/null | sed -n 's/.*file format \(.*\)$/\1/p')
    [ "$format" = pei-x86-64 ] || die "$file is not a 64-bit Windows program (format '${format:-unknown}')"
done
# The administrative templates that the build made from the settings table.
policy_dir=$build_dir/policies
for template in "$policy_dir/quenby.admx" "$policy_dir/en-US/quenby.adml"; do
    [ -s "$template" ] || die "missing $template: build all targets first"
done
for text in "$here/README-windows.txt" "$source_dir/LICENSE.txt" "$here/quenby.nsi" \
            "$source_dir/resources/images/ram_optimizer.ico"; do
    [ -f "$text" ] || die "missing $text"
done

# --- makensis ----------------------------------------------------------------------
if [ -n "${MAKENSIS:-}" ]; then
    makensis=$MAKENSIS
    command -v "$makensis" >/dev/null || die "makensis not found: $makensis"
else
    makensis=makensis
    if ! command -v makensis >/dev/null; then
        sudo=()
        [ "$(id -u)" -eq 0 ] || sudo=(sudo -n)
        printf '==> %s: installing nsis (makensis)\n' "$me" >&2
        { DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends nsis ||
          { "${sudo[@]}" apt-get update -qq &&
            DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends nsis; }
        } >/dev/null 2>&1 || true
        command -v makensis >/dev/null ||
            die "makensis not found and the Debian package nsis could not be installed (apt-get install nsis)"
    fi
fi

# --- Build aside --------------------------------------------------------------------
mkdir -p "$out_dir" || die "cannot create $out_dir"
work=$(mktemp -d "$out_dir/.package-XXXXXX") || die "cannot make a temporary folder in $out_dir"
trap 'rm -rf "$work"' EXIT
trap 'exit 130' INT TERM

setup_name=Quenby-$version-setup.exe
zip_name=Quenby-$version-portable.zip
stage=$work/Quenby-$version
mkdir -p "$stage"

for program in "${programs[@]}"; do
    "$strip_tool" -o "$stage/$program" "$build_dir/bin/$program" || die "could not strip $program"
done
# Windows' own editors expect CRLF line ends.
sed 's/\r$//; s/$/\r/' "$here/README-windows.txt" >"$stage/README.txt"
sed 's/\r$//; s/$/\r/' "$source_dir/LICENSE.txt" >"$stage/LICENSE.txt"
# Laid out as Group Policy's store is: the templates' folder copies into it whole.
mkdir -p "$stage/PolicyDefinitions/en-US"
cp "$policy_dir/quenby.admx" "$stage/PolicyDefinitions/quenby.admx"
cp "$policy_dir/en-US/quenby.adml" "$stage/PolicyDefinitions/en-US/quenby.adml"

log=$work/makensis.log
if ! "$makensis" -V2 -NOCD \
        "-DVERSION=$version" \
        "-DSTAGE=$stage" \
        "-DICON=$source_dir/resources/images/ram_optimizer.ico" \
        "-DOUTFILE=$work/$setup_name" \
        "$here/quenby.nsi" >"$log" 2>&1; then
    # makensis ends with "Error in script ... on line N"; the cause is the line above.
    reason=$(grep -B1 -m1 '^Error in script' "$log" | head -n1 || true)
    [ -n "$reason" ] || reason=$(grep -v '^[[:space:]]*$' "$log" | tail -n1 || true)
    die "makensis failed: ${reason:-no output}"
fi
[ -s "$work/$setup_name" ] || die "makensis made no $setup_name"

# The zip holds one folder named after the release, so unpacking it anywhere
# gives one tidy folder. CMake's archiver writes standard deflate zips.
(cd "$work" && cmake -E tar cf "$zip_name" --format=zip "Quenby-$version") ||
    die "could not make $zip_name"
[ -s "$work/$zip_name" ] || die "made no $zip_name"

# --- Into place ---------------------------------------------------------------------
# Both are complete: a rename within one folder is atomic.
mv -f "$work/$setup_name" "$out_dir/$setup_name"
mv -f "$work/$zip_name" "$out_dir/$zip_name"
printf '%s\n' "$out_dir/$setup_name" "$out_dir/$zip_name"
