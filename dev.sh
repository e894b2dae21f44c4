#!/usr/bin/env bash
# One entry point for a newcomer on a fresh Debian machine.
#   ./dev.sh run            build the Linux face and run it
#   ./dev.sh test [FACE]    build both faces, the Linux one also with AddressSanitizer and
#                           UndefinedBehaviorSanitizer (or one FACE: linux | linux-asan |
#                           windows-cross), and run every suite; prints a count per suite
#                           and "N passed, M failed"
#   ./dev.sh fuzz [SECONDS] fuzz the settings file's parser and reader (600 s each)
#   ./dev.sh translations   bring every catalogue (translations/quenby_*.ts) up to date
#                           with the English sources (new texts unfinished, removed ones
#                           obsolete), check them, and export the glossary as
#                           build/translations/glossary.tbx
#   ./dev.sh bench          print speed and memory figures of both faces and add them
#                           to docs/performance.md (about 12 minutes)
#   ./dev.sh package        build the Windows face and make its installer, portable zip,
#                           SHA256SUMS and winget and Scoop manifests in
#                           build/windows-cross/packages/ (signed with a .pfx or a key in a
#                           PKCS#11 token when QUENBY_SIGN_PKCS12 or QUENBY_SIGN_PKCS11_KEY
#                           is set: packaging/sign.sh, README "Making a release")
#   ./dev.sh package --twice
#                           build and package the commit twice, in two fresh build
#                           folders, and compare the two SHA256SUMS
set -euo pipefail
cd "$(dirname "$0")"
root=$PWD

# The Noto fonts: what Arabic, Hebrew, Greek, Vietnamese and CJK texts are shown
# in (they make Noto Sans the default face, and every suite holds with them).
linux_packages=(cmake g++ make pkg-config python3 libgtest-dev libgmock-dev googletest qt6-base-dev qt6-l10n-tools qt6-translations-l10n libxml2-utils librsvg2-bin icoutils python3-pil
                fonts-noto-core fonts-noto-cjk)
fuzz_packages=(clang libclang-rt-14-dev)
windows_packages=(g++-mingw-w64-x86-64-posix mingw-w64-tools wine64 wine xvfb xauth fonts-dejavu-core nsis
                  osslsigncode openssl libengine-pkcs11-openssl softhsm2 python3-jsonschema python3-yaml)

# Everything built here is dated from the commit, so that the same commit gives
# the same packages (rcc and the linker read it; packaging/package.sh too).
if [ -z "${SOURCE_DATE_EPOCH:-}" ] && epoch=$(git -C "$root" log -1 --format=%ct 2>/dev/null); then
    export SOURCE_DATE_EPOCH=$epoch
fi

log() { printf '==> %s\n' "$*"; }

# Installs whatever of the given Debian packages is missing.
install_packages() {
    local missing=()
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    log "installing ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    export DEBIAN_FRONTEND=noninteractive
    "${sudo[@]}" apt-get update -qq
    "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# The static Qt for Windows that the panel's Windows build links against: built
# once into a cache folder outside the checkout (15 to 30 minutes on 2 cores),
# reused while tools/build-qt-windows.sh is unchanged.
qt_windows_prefix() {
    local prefix
    prefix=$("$root/tools/build-qt-windows.sh" | tail -1) || return 1
    [ -f "$prefix/lib/cmake/Qt6/qt.toolchain.cmake" ] || {
        echo "dev.sh: no Qt for Windows in $prefix" >&2
        return 1
    }
    echo "$prefix"
}

build() {
    local preset=$1 args=()
    if [ "$preset" = windows-cross ]; then
        local qt
        qt=$(qt_windows_prefix) || { echo "dev.sh: the Qt for Windows could not be built" >&2; return 1; }
        local toolchain=$qt/lib/cmake/Qt6/qt.toolchain.cmake
        # A build folder made with another toolchain can't switch: start it afresh.
        if [ -f "$root/build/$preset/CMakeCache.txt" ] &&
            ! grep -qxF "CMAKE_TOOLCHAIN_FILE:FILEPATH=$toolchain" "$root/build/$preset/CMakeCache.txt" &&
            ! grep -qxF "CMAKE_TOOLCHAIN_FILE:UNINITIALIZED=$toolchain" "$root/build/$preset/CMakeCache.txt"; then
            rm -rf "$root/build/$preset"
        fi
        args=(-DCMAKE_TOOLCHAIN_FILE="$toolchain"
              -DQT_CHAINLOAD_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake")
        forget_other_dates "$root/build/$preset"
    fi
    log "configuring and building $preset"
    cmake --preset "$preset" "${args[@]}" >/dev/null
    cmake --build --preset "$preset"
}

# The file times in the panel's resource bundles come from SOURCE_DATE_EPOCH,
# which make does not see change: after a new commit, the bundles of an earlier
# build are made again.
forget_other_dates() {
    local dir=$1 stamp=$1/source-date-epoch
    [ -d "$dir" ] || return 0
    if [ "$(cat "$stamp" 2>/dev/null)" != "${SOURCE_DATE_EPOCH:-}" ]; then
        find "$dir" -name 'qrc_*.cpp' -delete
        printf '%s\n' "${SOURCE_DATE_EPOCH:-}" >"$stamp"
    fi
}

# Reads the counts of one result file (GoogleTest or Qt Test XML) as "tests failures skipped".
counts_of() {
    local header
    header=$(grep -m1 -o '<testsuites\? [^>]*' "$1" || true)
    local tests failures errors disabled skipped
    tests=$(sed -n 's/.* tests="\([0-9]*\)".*/\1/p' <<<"$header")
    failures=$(sed -n 's/.* failures="\([0-9]*\)".*/\1/p' <<<"$header")
    errors=$(sed -n 's/.* errors="\([0-9]*\)".*/\1/p' <<<"$header")
    disabled=$(sed -n 's/.* disabled="\([0-9]*\)".*/\1/p' <<<"$header")
    skipped=$(sed -n 's/.* skipped="\([0-9]*\)".*/\1/p' <<<"$header")
    echo "${tests:-0} $(( ${failures:-0} + ${errors:-0} )) $(( ${disabled:-0} + ${skipped:-0} ))"
}

total_passed=0
total_failed=0
summary=()

# Runs one face's suites through CTest and counts the results of each suite.
run_suites() {
    local preset=$1 dir=$root/build/$1
    rm -rf "$dir/test-results"
    mkdir -p "$dir/test-results"
    log "running the $preset suites"
    local ctest_status=0
    ctest --preset "$preset" || ctest_status=$?

    local suites
    suites=$(ctest --preset "$preset" -N | sed -n 's/^ *Test *#[0-9]*: *//p' |
        grep -v -E '^(wine-prefix-|testenv-)' || true)
    for suite in $suites; do
        local file=$dir/test-results/$suite.xml passed failed
        if [ -f "$file" ]; then
            read -r tests failed skipped < <(counts_of "$file")
            passed=$(( tests - failed - skipped ))
        else
            # No results at all: the program crashed or never started.
            passed=0
            failed=1
        fi
        summary+=("$(printf '%-14s %-28s %4d passed, %d failed' "$preset" "$suite" "$passed" "$failed")")
        total_passed=$(( total_passed + passed ))
        total_failed=$(( total_failed + failed ))
    done
    if [ "$ctest_status" -ne 0 ] && [ "$total_failed" -eq 0 ]; then
        # A fixture (the Wine prefix, say) failed without a suite to show it.
        summary+=("$(printf '%-14s %-28s %s' "$preset" "(ctest)" "failed outside the suites")")
        total_failed=$(( total_failed + 1 ))
    fi
}

# Builds the libFuzzer harnesses with clang and runs each for the given seconds;
# a finding counts as a failed suite.
run_fuzz() {
    install_packages "${fuzz_packages[@]}"
    log "fuzzing the settings file's parser and reader, $1 s each"
    local lines status=0
    lines=$("$root/fuzz/run.sh" "$root/build/fuzz" "$1") || status=$?
    printf '%s\n' "$lines"
    while read -r line; do
        [ -n "$line" ] && summary+=("$(printf '%-14s %s' fuzz "${line#fuzz }")")
    done <<<"$lines"
    if [ "$status" -eq 0 ]; then
        total_passed=$(( total_passed + 1 ))
    else
        total_failed=$(( total_failed + 1 ))
    fi
}

cmd_fuzz() {
    install_packages "${linux_packages[@]}"
    run_fuzz "${1:-600}"
    [ "$total_failed" -eq 0 ]
}

cmd_test() {
    local faces=("${@:-linux linux-asan windows-cross}")
    # shellcheck disable=SC2206
    faces=(${faces[*]})
    local started=$SECONDS
    install_packages "${linux_packages[@]}"
    for face in "${faces[@]}"; do
        if [ "$face" = windows-cross ]; then install_packages "${windows_packages[@]}"; fi
    done
    for face in "${faces[@]}"; do
        build "$face"
    done
    for face in "${faces[@]}"; do
        run_suites "$face"
    done
    # The Linux face's parsers get a short fuzzing run as well (longer: ./dev.sh fuzz).
    for face in "${faces[@]}"; do
        if [ "$face" = linux-asan ]; then run_fuzz "${QUENBY_FUZZ_SECONDS:-30}"; fi
    done
    echo
    printf '%s\n' "${summary[@]}"
    echo "(took $(( SECONDS - started )) s)"
    echo "$total_passed passed, $total_failed failed"
    [ "$total_failed" -eq 0 ]
}

stop_engine() {
    "$root/build/linux/bin/quenbyctl" close >/dev/null 2>&1 || kill -TERM "$engine_pid" 2>/dev/null || true
    wait "$engine_pid" 2>/dev/null || true
}

cmd_run() {
    install_packages "${linux_packages[@]}"
    build linux
    local bin=$root/build/linux/bin
    log "starting the engine"
    "$bin/Quenbytray" &
    engine_pid=$!
    # Ctrl+C ends the live display, and the engine is then told to close.
    trap 'stop_engine; exit 0' INT TERM
    sleep 1
    if { [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; } && [ -x "$bin/Quenby" ]; then
        log "opening the control panel; closing it ends the engine too"
        "$bin/Quenby" || true
    else
        "$bin/quenbyctl" status || true
        log "live figures once a second; Ctrl+C ends them and the engine"
        "$bin/quenbyctl" watch || true
    fi
    stop_engine
}

# The catalogues brought up to date with the English sources and checked; only
# the Linux build's policy generator is needed (it lists the policy texts).
cmd_translations() {
    install_packages "${linux_packages[@]}"
    cmake --preset linux >/dev/null
    cmake --build --preset linux --target quenby_policy_templates >/dev/null
    local generator=$root/build/linux/bin/quenby_policy_templates out=$root/build/translations
    mkdir -p "$out"
    log "bringing the catalogues up to date"
    python3 "$root/tools/translations.py" update /usr/lib/qt6/bin/lupdate "$generator"
    python3 "$root/tools/translations.py" tbx "$out/glossary.tbx"
    log "checking them"
    python3 "$root/tests/translations/check_translations.py" "$root" /usr/lib/qt6/bin/lupdate \
        "$out/check.xml" "$generator"
}

# Speed and memory figures of both faces, appended to docs/performance.md.
cmd_bench() {
    install_packages "${linux_packages[@]}" "${windows_packages[@]}"
    "$root/bench/run.sh" "$root/build/bench-linux" "$root/build/bench-wx"
}

cmd_package() {
    install_packages "${linux_packages[@]}" "${windows_packages[@]}"
    if [ "${1:-}" = --twice ]; then
        package_twice
        return
    fi
    build windows-cross
    log "making the Windows packages"
    "$root/packaging/package.sh" "$root/build/windows-cross"
}

# Two builds of this commit from nothing, one after the other in two folders,
# must give the same bytes.
package_twice() {
    local qt n sums=()
    qt=$(qt_windows_prefix) || { echo "dev.sh: the Qt for Windows could not be built" >&2; return 1; }
    [ -n "${SOURCE_DATE_EPOCH:-}" ] || { echo "dev.sh: no git history, so no SOURCE_DATE_EPOCH: set it" >&2; return 1; }
    for n in 1 2; do
        local dir=$root/build/reproduce-$n
        rm -rf "$dir"
        log "building the commit from nothing in $dir"
        cmake -S "$root" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUENBY_TESTS=OFF \
            -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
            -DQT_CHAINLOAD_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" >/dev/null
        cmake --build "$dir" -j"$(nproc)" >/dev/null
        "$root/packaging/package.sh" "$dir" >/dev/null
        sums+=("$dir/packages/SHA256SUMS")
    done
    for n in 0 1; do
        echo "${sums[$n]}:"
        cat "${sums[$n]}"
    done
    if cmp -s "${sums[0]}" "${sums[1]}"; then
        echo "the two builds gave the same packages"
    else
        echo "the two builds differ" >&2
        return 1
    fi
}

case "${1:-}" in
test) shift; cmd_test "$@" ;;
run) cmd_run ;;
package) shift; cmd_package "$@" ;;
bench) cmd_bench ;;
fuzz) shift; cmd_fuzz "$@" ;;
translations) cmd_translations ;;
*)
    echo "usage: ./dev.sh run | ./dev.sh test [linux|linux-asan|windows-cross] | ./dev.sh package [--twice] | ./dev.sh fuzz [SECONDS] | ./dev.sh bench | ./dev.sh translations" >&2
    exit 2
    ;;
esac
