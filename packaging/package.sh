#!/usr/bin/env bash
# Makes the Windows release of a windows-cross build:
#   Quenby-<version>-setup.exe      installer (NSIS): per user, or /ALLUSERS for the machine
#   Quenby-<version>-portable.zip   the programs, README and licence, to unpack anywhere
#   SHA256SUMS                      the two packages' SHA-256, as sha256sum writes them
#   winget/                         winget's manifest of the installer (schema 1.12.0)
#   scoop/quenby.json               Scoop's manifest of the zip
#
#   packaging/package.sh BUILD_DIR [OUT_DIR]
#
# BUILD_DIR is the cross build: its programs are in BUILD_DIR/bin, its version in
# BUILD_DIR/generated/quenby_version.h (made by CMake from the project's version).
# The release lands in OUT_DIR (default BUILD_DIR/packages).
#
# The same commit gives the same bytes: every date inside comes from
# SOURCE_DATE_EPOCH (by default the commit's time, from git), the zip has a fixed
# order, and a program that holds the path of the build or source folder is refused.
#
# Environment:
#   QUENBY_SIGN_PKCS12 or QUENBY_SIGN_PKCS11_KEY (with QUENBY_SIGN_PKCS11_MODULE
#   and QUENBY_SIGN_CERTS), QUENBY_SIGN_PASSWORD_FILE, QUENBY_SIGN_TIMESTAMP_URL
#                        sign every program, the uninstaller and the installer
#                        with a .pfx or a key in a PKCS#11 token (packaging/sign.sh);
#                        without them the release is unsigned
#   QUENBY_RELEASE_URL   the https address the packages will be downloaded from,
#                        for the manifests (default: the placeholder
#                        https://quenby.invalid/releases/download/VERSION)
#   QUENBY_HOMEPAGE_URL  the project's page for the manifests (default: the
#                        release address's site)
#   MAKENSIS             the makensis to use; without it `makensis` from PATH, and
#                        Debian's nsis is installed when it is missing
#
# Everything is made in a temporary folder beside OUT_DIR and moved into place
# only when all of it is complete, so a failure never leaves a half or half-signed
# release (and never spoils the one a previous run made). A failure ends the
# script with one line on stderr saying why, and a non-zero exit code.
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
# One ADML per language of the table, in its locale's folder.
policy_dir=$build_dir/policies
mapfile -t policy_languages < <(python3 "$source_dir/tools/translations.py" languages windows)
for template in "$policy_dir/quenby.admx" "${policy_languages[@]/#/$policy_dir/}"; do
    [[ $template == *.admx ]] || template=$template/quenby.adml
    [ -s "$template" ] || die "missing $template: build all targets first"
done
for text in "$here/README-windows.txt" "$source_dir/LICENSE.txt" "$here/quenby.nsi" \
            "$source_dir/resources/images/ram_optimizer.ico"; do
    [ -f "$text" ] || die "missing $text"
done

# --- What the release is to say, checked before anything is made --------------------
placeholder_url=https://quenby.invalid/releases/download
https_address='^https://[A-Za-z0-9.-]+(:[0-9]+)?(/[A-Za-z0-9._~%!$&()*+,;=:@/-]*)?$'
release_url=${QUENBY_RELEASE_URL:-$placeholder_url/$version}
release_url=${release_url%/}
[[ $release_url =~ $https_address ]] ||
    die "QUENBY_RELEASE_URL is not an https address: $release_url"
if [ -n "${QUENBY_HOMEPAGE_URL:-}" ]; then
    homepage=$QUENBY_HOMEPAGE_URL
else
    homepage=$(sed -E 's|^(https://[^/]+).*|\1/|' <<<"$release_url")
fi
[[ $homepage =~ $https_address ]] || die "QUENBY_HOMEPAGE_URL is not an https address: $homepage"

if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
    SOURCE_DATE_EPOCH=$(git -C "$source_dir" log -1 --format=%ct 2>/dev/null) ||
        die "no SOURCE_DATE_EPOCH, and $source_dir has no git history to take the commit's time from"
fi
[[ $SOURCE_DATE_EPOCH =~ ^[0-9]+$ ]] || die "SOURCE_DATE_EPOCH is not a number of seconds: $SOURCE_DATE_EPOCH"
export SOURCE_DATE_EPOCH

python=/usr/bin/python3
[ -x "$python" ] || python=$(command -v python3) || die "python3 not found (Debian package python3)"
# sign.sh says in one line what is wrong with a certificate given.
"$here/sign.sh" check || exit 1
signing=
[ -z "${QUENBY_SIGN_PKCS12:-}${QUENBY_SIGN_PKCS11_KEY:-}" ] || signing=yes

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

pe_time() { # FILE: the time stamp of its PE header
    "$python" -c 'import struct, sys
head = open(sys.argv[1], "rb").read(4096)
print(struct.unpack_from("<I", head, struct.unpack_from("<I", head, 0x3c)[0] + 8)[0])' "$1"
}
# The folder the Qt for Windows was built and installed in, in the builder's
# home: the parent of the Qt whose toolchain the build used (none for a build
# against a Qt of another kind).
qt_cache=
if [ -f "$build_dir/CMakeCache.txt" ]; then
    qt_prefix=$(sed -n 's|^CMAKE_TOOLCHAIN_FILE:[A-Z]*=\(.*\)/lib/cmake/Qt6/qt\.toolchain\.cmake$|\1|p' \
        "$build_dir/CMakeCache.txt" | head -n 1)
    [ -z "$qt_prefix" ] || qt_cache=$(dirname "$qt_prefix")
fi
for program in "${programs[@]}"; do
    "$strip_tool" -o "$stage/$program" "$build_dir/bin/$program" || die "could not strip $program"
    # strip writes SOURCE_DATE_EPOCH into the header, whenever the program was linked.
    dated=$(pe_time "$stage/$program") || die "could not read the header of $program"
    [ "$dated" = "$SOURCE_DATE_EPOCH" ] ||
        die "$program is dated $dated in its header, not SOURCE_DATE_EPOCH $SOURCE_DATE_EPOCH"
    # A path of this machine inside would differ on the next one (and tell
    # everyone where it was built).
    for folder in "$build_dir" "$source_dir" ${qt_cache:+"$qt_cache"}; do
        ! grep -q -a -F -- "$folder" "$stage/$program" ||
            die "$program holds the path $folder: it would not build the same elsewhere"
    done
done
# Windows' own editors expect CRLF line ends.
sed 's/\r$//; s/$/\r/' "$here/README-windows.txt" >"$stage/README.txt"
sed 's/\r$//; s/$/\r/' "$source_dir/LICENSE.txt" >"$stage/LICENSE.txt"
# Laid out as Group Policy's store is: the templates' folder copies into it whole.
mkdir -p "$stage/PolicyDefinitions"
cp "$policy_dir/quenby.admx" "$stage/PolicyDefinitions/quenby.admx"
for language in "${policy_languages[@]}"; do
    mkdir -p "$stage/PolicyDefinitions/$language"
    cp "$policy_dir/$language/quenby.adml" "$stage/PolicyDefinitions/$language/quenby.adml"
done

sign_define=()
if [ -n "$signing" ]; then
    for program in "${programs[@]}"; do
        "$here/sign.sh" "$stage/$program" || exit 1
    done
    sign_define=("-DSIGN=$here/sign.sh")
fi
# Every file and folder dated from the commit: the installer keeps its files'
# times, and the zip gets them too. (After signing, which writes the files anew.)
find "$stage" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +


# The languages, in the order of the table (English first, the fallback): each
# with NSIS's own language file and our texts in it, made from its catalogue.
languages_nsh=$work/languages.nsh
: >"$languages_nsh"
while IFS=$'\t' read -r code nsis; do
    python3 "$source_dir/tools/translations.py" generate installer "$code" "$work/strings_$code.nsh" ||
        die "the installer's texts in $code could not be made"
    printf '!insertmacro MUI_LANGUAGE "%s"\n!include "%s"\n' "$nsis" "$work/strings_$code.nsh" >>"$languages_nsh"
done < <(python3 "$source_dir/tools/translations.py" languages code nsis)

log=$work/makensis.log
if ! "$makensis" -V2 -NOCD \
        "${sign_define[@]}" \
        "-DVERSION=$version" \
        "-DSTAGE=$stage" \
        "-DLANGUAGES=$languages_nsh" \
        "-DICON=$source_dir/resources/images/ram_optimizer.ico" \
        "-DOUTFILE=$work/$setup_name" \
        "$here/quenby.nsi" >"$log" 2>&1; then
    # makensis ends with "Error in script ... on line N"; the cause is the line above.
    reason=$(grep -B1 -m1 '^Error in script' "$log" | head -n1 || true)
    [ -n "$reason" ] || reason=$(grep -v '^[[:space:]]*$' "$log" | tail -n1 || true)
    die "makensis failed: ${reason:-no output}"
fi
[ -s "$work/$setup_name" ] || die "makensis made no $setup_name"
if [ -n "$signing" ]; then
    "$here/sign.sh" "$work/$setup_name" || exit 1
fi

# The zip holds one folder named after the release, so unpacking it anywhere
# gives one tidy folder.
"$python" "$here/make_zip.py" "$work" "Quenby-$version" "$SOURCE_DATE_EPOCH" "$work/$zip_name" ||
    die "could not make $zip_name"
[ -s "$work/$zip_name" ] || die "made no $zip_name"

release=$work/release
mkdir -p "$release"
mv "$work/$setup_name" "$work/$zip_name" "$release/"
(cd "$release" && sha256sum -- "$setup_name" "$zip_name" >SHA256SUMS) || die "could not write SHA256SUMS"
"$python" "$here/manifests.py" "$version" "$release_url" "$homepage" "$SOURCE_DATE_EPOCH" \
    "$release/$setup_name" "$release/$zip_name" "$release" || die "could not write the manifests"

# --- Into place ---------------------------------------------------------------------
# All is complete. The manifests and sums go first and the packages last, each
# by a rename within one file system, so a package in OUT_DIR is always whole.
rm -rf "$out_dir/winget" "$out_dir/scoop"
mv "$release/winget" "$release/scoop" "$out_dir/"
mv -f "$release/SHA256SUMS" "$out_dir/SHA256SUMS"
mv -f "$release/$setup_name" "$out_dir/$setup_name"
mv -f "$release/$zip_name" "$out_dir/$zip_name"
[ -n "$signing" ] ||
    printf '%s: no key given (QUENBY_SIGN_PKCS12 or QUENBY_SIGN_PKCS11_KEY): the programs and the installer are not signed\n' "$me" >&2
printf '%s\n' "$out_dir/$setup_name" "$out_dir/$zip_name" "$out_dir/SHA256SUMS"
