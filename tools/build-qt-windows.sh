#!/usr/bin/env bash
# Builds the static Qt 6 for Windows (MinGW-w64) that the control panel's Windows
# build links against, from Debian's own qt6-base source package, so its version is
# exactly that of the host Qt whose moc, rcc and uic the cross-build uses.
#
#   tools/build-qt-windows.sh            build it unless the cache already holds it;
#                                        prints the install prefix as the last line
#   tools/build-qt-windows.sh --prefix   print the prefix only (built or not)
#
# The result lives outside the checkout, in
#   ${XDG_CACHE_HOME:-$HOME/.cache}/quenby/qt-VERSION-mingw-HASH
# where HASH is taken from this script, so a change here builds a fresh Qt. The
# prefix counts as complete only once its stamp file exists; the stamp is written
# last, after a successful install, so an interrupted or failed build is never
# taken for a finished one (the next run removes what it left and starts again).
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
script_hash=$(sha256sum "$0" | cut -c1-12)
cache=${XDG_CACHE_HOME:-$HOME/.cache}/quenby

say() { printf '==> qt-windows: %s\n' "$*" >&2; }
die() { printf 'qt-windows: %s\n' "$*" >&2; exit 1; }

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

install_packages() {
    local missing=()
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    say "installing ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    as_root apt-get update -qq || die "apt-get update failed"
    as_root apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null ||
        die "could not install ${missing[*]}"
}

# The host Qt decides the version: a Qt 6 cross-build needs host tools of the same one.
host_qt_version() {
    dpkg-query -W -f='${Version}' qt6-base-dev 2>/dev/null
}

upstream_of() { # 6.4.2+dfsg-10 -> 6.4.2
    local v=${1#*:}
    v=${v%%-*}
    echo "${v%%+*}"
}

prefix_for() {
    echo "$cache/qt-$(upstream_of "$1")-mingw-$script_hash"
}

if [ "${1:-}" = --prefix ]; then
    version=$(host_qt_version) || die "qt6-base-dev is not installed"
    prefix_for "$version"
    exit 0
fi

install_packages qt6-base-dev qt6-base-dev-tools g++-mingw-w64-x86-64-posix ninja-build \
    perl xz-utils patch cmake
version=$(host_qt_version)
prefix=$(prefix_for "$version")
stamp=$prefix/.quenby-complete

if [ -f "$stamp" ]; then
    say "using the cached Qt $(upstream_of "$version") for Windows in $prefix"
    echo "$prefix"
    exit 0
fi

mkdir -p "$cache"
# One build at a time per cache: a second run waits, then finds the stamp.
exec 9>"$cache/.qt-windows.lock"
flock 9
if [ -f "$stamp" ]; then
    echo "$prefix"
    exit 0
fi

started=$SECONDS
work=$cache/qt-build-$script_hash
rm -rf "$prefix"
mkdir -p "$work"

# 1. The source: Debian's package of exactly the host version.
src_dir=$work/source
if [ ! -f "$work/.source-ready" ]; then
    rm -rf "$src_dir" "$work"/download
    mkdir -p "$work/download"
    say "stage 1/5: fetching Debian's qt6-base $version source"
    if ! apt-cache showsrc qt6-base 2>/dev/null | grep -q "^Version: $version\$"; then
        # A deb-src twin of every deb entry of the machine's own sources.
        list=/etc/apt/sources.list.d/debian.sources
        [ -f "$list" ] || die "no $list to derive a deb-src entry from"
        sed 's/^Types: deb$/Types: deb-src/' "$list" |
            as_root tee /etc/apt/sources.list.d/quenby-deb-src.sources >/dev/null
        as_root apt-get update -qq || die "apt-get update failed"
    fi
    (cd "$work/download" && apt-get source --download-only -qq "qt6-base=$version" >/dev/null) ||
        die "could not fetch the qt6-base $version source package"
    orig=$(ls "$work"/download/qt6-base_*.orig.tar.* 2>/dev/null | head -1 || true)
    debian=$(ls "$work"/download/qt6-base_*.debian.tar.* 2>/dev/null | head -1 || true)
    [ -n "$orig" ] && [ -n "$debian" ] || die "the source package is incomplete"

    say "stage 2/5: unpacking and applying Debian's patches"
    mkdir -p "$src_dir"
    tar -xf "$orig" -C "$src_dir" --strip-components=1
    tar -xf "$debian" -C "$src_dir"
    # Debian's fixes (CVEs among them), but not its own cross set-up.
    while read -r patch _; do
        case "$patch" in '' | '#'*) continue ;; esac
        [ "$(basename "$patch")" = cross.patch ] && continue
        patch -d "$src_dir" -p1 -s -N <"$src_dir/debian/patches/$patch" ||
            die "Debian's patch $patch does not apply"
    done <"$src_dir/debian/patches/series"
    # The windows plugin uses the DirectWrite font database whenever directwrite3 is
    # on, but QtGui only compiles that class when direct2d is on too.
    sed -i 's/^#if QT_CONFIG(directwrite3)$/#if QT_CONFIG(directwrite3) \&\& QT_CONFIG(direct2d)/' \
        "$src_dir/src/plugins/platforms/windows/qwindowsintegration.cpp"
    grep -q 'QT_CONFIG(directwrite3) && QT_CONFIG(direct2d)' \
        "$src_dir/src/plugins/platforms/windows/qwindowsintegration.cpp" ||
        die "the direct2d guard could not be applied"
    touch "$work/.source-ready"
fi

# The toolchain file stays inside the prefix: the installed qt.toolchain.cmake
# chain-loads it by absolute path.
toolchain=$prefix/toolchain/mingw-w64-x86_64.cmake
mkdir -p "$(dirname "$toolchain")"
cat >"$toolchain" <<'EOF'
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_AR x86_64-w64-mingw32-ar CACHE FILEPATH "")
set(CMAKE_RANLIB x86_64-w64-mingw32-ranlib CACHE FILEPATH "")
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
EOF

# 2. Configure: the smallest static Qt the panel needs. Beside the modules left
# out below, so are the parts of QtCore, QtGui and QtWidgets that neither the
# panel nor its tests use, which would otherwise be compiled and linked into
# nothing. The file dialog, rich-text labels, message boxes, the tree the
# history shows, translations, accessibility, the Fusion and windowsvista
# styles, the ico plugin and the windows and offscreen platforms stay, and so
# do the input dialog and the table view, which the windowsvista style needs.
left_out=(
    # widgets the panel does not show
    -no-feature-calendarwidget -no-feature-colordialog -no-feature-columnview
    -no-feature-commandlinkbutton -no-feature-datawidgetmapper -no-feature-datetimeedit
    -no-feature-dial -no-feature-dockwidget -no-feature-errormessage -no-feature-fontcombobox
    -no-feature-fontdialog -no-feature-graphicseffect -no-feature-graphicsview
    -no-feature-keysequenceedit -no-feature-lcdnumber
    -no-feature-mdiarea -no-feature-splashscreen -no-feature-syntaxhighlighter
    -no-feature-tablewidget -no-feature-textbrowser -no-feature-toolbox
    -no-feature-undoview -no-feature-wizard -no-feature-systemtrayicon
    # documents, images and sessions it never reads or writes
    -no-feature-textmarkdownreader -no-feature-textmarkdownwriter -no-feature-textodfwriter
    -no-feature-pdf -no-feature-movie -no-feature-gif -no-feature-imageformat_ppm
    -no-feature-imageformat_xbm -no-feature-sessionmanager -no-feature-undocommand
    -no-feature-undostack -no-feature-undogroup
    # core classes it has no use for
    -no-feature-sharedmemory -no-feature-systemsemaphore -no-feature-jalalicalendar
    -no-feature-islamiccivilcalendar -no-feature-hijricalendar
    -no-feature-transposeproxymodel -no-feature-concatenatetablesproxymodel
)
build_dir=$work/build
log=$work/build.log
if [ ! -f "$build_dir/build.ninja" ]; then
    say "stage 3/5: configuring (about 30 s)"
    rm -rf "$build_dir"
    mkdir -p "$build_dir"
    # Installed into the cache (-extprefix), but what the programs carry is a
    # path of no machine (-prefix), and the sources' own paths are mapped too:
    # the builder's home folder would otherwise be in every Quenby.exe, which
    # then differs from one builder to the next.
    (cd "$build_dir" && "$src_dir/configure" -prefix "/qt-$(upstream_of "$version")" -extprefix "$prefix" \
        -release -static -static-runtime \
        -qt-host-path /usr -xplatform win32-g++ -nomake examples -nomake tests \
        -no-pkg-config -no-opengl -no-dbus -no-icu -no-glib -no-openssl -no-zstd \
        -qt-zlib -qt-pcre -qt-libpng -qt-harfbuzz -qt-freetype -no-libjpeg \
        -no-feature-sql -no-feature-network -no-feature-printsupport -no-feature-concurrent \
        -no-feature-xml -no-feature-vulkan -no-feature-direct2d -no-feature-tabletevent \
        -no-feature-jpeg "${left_out[@]}" -- -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DCMAKE_C_FLAGS="-ffile-prefix-map=$src_dir=qtbase -ffile-prefix-map=$build_dir=qtbase" \
        -DCMAKE_CXX_FLAGS="-ffile-prefix-map=$src_dir=qtbase -ffile-prefix-map=$build_dir=qtbase") >"$log" 2>&1 || {
        tail -30 "$log" >&2
        rm -rf "$build_dir"
        die "configure failed (log: $log)"
    }
fi

# 3. Build, printing the build's own progress about every 5 %.
say "stage 4/5: building (about 15 to 30 minutes on 2 cores)"
jobs=$(nproc)
if ! NINJA_STATUS='[%f/%t] ' ninja -C "$build_dir" -j "$jobs" 2>&1 | tee -a "$log" | awk '
        /^\[[0-9]+\/[0-9]+\] / {
            split(substr($1, 2), n, "/")
            step = int(n[2] / 20); if (step < 1) step = 1
            if (n[1] % step == 0 || n[1] == n[2]) {
                printf "    qt-windows: %d of %d steps (%d%%)\n", n[1], n[2], 100 * n[1] / n[2]
                fflush()
            }
        }' >&2; then
    grep -E 'error|FAILED' "$log" | tail -20 >&2 || true
    die "the Qt build failed (log: $log)"
fi

# 4. Install, then the stamp that makes the prefix count.
say "stage 5/5: installing into $prefix"
ninja -C "$build_dir" install >>"$log" 2>&1 || { rm -rf "$prefix"; die "install failed (log: $log)"; }
[ -x "$prefix/bin/qt-cmake" ] || { rm -rf "$prefix"; die "install left no qt-cmake"; }
echo "qt6-base $version, built in $(( SECONDS - started )) s" >"$stamp"
# Keep the sources (for a rebuild after a script change) but drop the objects.
rm -rf "$build_dir"
say "done in $(( SECONDS - started )) s"
echo "$prefix"
