#!/usr/bin/env bash
# The release packages as a Windows user meets them, under Wine:
#   installer_test.sh BUILD_DIR RESULTS_XML
#
# Makes the release from BUILD_DIR/bin with packaging/package.sh: unsigned, the
# same bytes a second time, signed with a throwaway certificate authority of its
# own (its key once in a .pfx and once in a software PKCS#11 token, SoftHSM2),
# the manifests against their published schemas, and bad certificates, wrong
# PINs, missing tokens and addresses refused. Then in a private Wine prefix
# (BUILD_DIR/wineprefix-install, or QUENBY_INSTALL_PREFIX), with the installer
# signed through the token: silent install, the
# installed files, "Path", shortcuts, uninstall entry and start-with-Windows
# entry; the installed engine and panel finding each other; reinstalling over
# running programs without losing a setting; a locked program file stopping
# setup before it changes anything; silent uninstall leaving nothing but the
# settings; the portable zip running from its own folder; the machine-wide
# install (/ALLUSERS), which starts nothing itself, updates over a program in
# use by another session (and puts back what it moved when it fails), and its
# uninstall.
#
# Each case is one <testcase> of a JUnit-style RESULTS_XML; the exit code is 0
# only when every case passed. Whatever happens, the prefix's wineserver and
# every program started in it are stopped, and the test token is deleted,
# before the script ends.
set -uo pipefail

[ $# -eq 2 ] || { echo "usage: installer_test.sh BUILD_DIR RESULTS_XML" >&2; exit 2; }
here=$(cd "$(dirname "$0")" && pwd)
source_dir=$(cd "$here/../.." && pwd)
build_dir=$(cd "$1" && pwd) || exit 2
results=$2
work=$build_dir/package-test
prefix=${QUENBY_INSTALL_PREFIX:-$build_dir/wineprefix-install}
# SoftHSM2 keeps its tokens where its configuration says: the test's own, in
# the build folder, never the machine's.
token_dir=$work/softhsm
export SOFTHSM2_CONF=$token_dir/softhsm2.conf

export WINEPREFIX=$prefix
export WINEARCH=win64
export WINEDEBUG=-all
# winemenubuilder would copy every Start-menu shortcut the installer makes into
# the desktop menus of the Linux user running the test: off.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
# The null graphics driver of the prefix serves; a display of the caller must
# not change what the programs do.
unset DISPLAY WAYLAND_DISPLAY

# --- Running things, bounded ---------------------------------------------------------

background=()

stop_everything() {
    rm -rf "$token_dir"
    local pid
    for pid in "${background[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    # A Wine process that was just starting when the server went (one that setup
    # launched, say) starts a new server: stop servers until none is left.
    for _ in 1 2 3 4 5; do
        wineserver -k 2>/dev/null || break
        wineserver -w 2>/dev/null || true
        sleep 0.5
    done
}
trap stop_everything EXIT
trap 'exit 130' INT TERM

# wine with a time limit, Windows line ends removed from what it prints. The
# output goes through a file, not a pipe: a program that the one run here starts
# (setup starting the engine again) inherits the output and would hold a pipe
# open for as long as it runs.
win() {
    local status=0 out
    out=$(mktemp "$work/wine-out.XXXXXX")
    timeout 120 wine "$@" </dev/null >"$out" 2>/dev/null || status=$?
    tr -d '\r' <"$out"
    rm -f "$out"
    return "$status"
}

# Starts a Windows program in the background, what it prints into a file.
start_program() { # PROGRAM LOG [ARGUMENTS...]
    local program=$1 log=$2
    shift 2
    WINEQT_FORCE_STDERR_LOGGING=1 timeout 600 wine "$program" "$@" </dev/null >"$log" 2>&1 &
    background+=($!)
}

# Polls COMMAND every 0.2 s until it succeeds or SECONDS have passed.
wait_for() { # SECONDS COMMAND...
    local deadline=$((SECONDS + $1))
    shift
    while ! "$@"; do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.2
    done
}

# --- Reading the prefix --------------------------------------------------------------

# "TYPE DATA" of a registry value; fails when it is missing.
reg_value() { # KEY NAME
    local out
    out=$(win reg query "$1" /v "$2") || return 1
    sed -n "s/^    $2    \(REG_[A-Z_]*\)    \(.*\)$/\1 \2/p; s/^    $2    \(REG_[A-Z_]*\)$/\1 /p" <<<"$out" |
        head -n1 | grep . || return 1
}
has_value() { reg_value "$1" "$2" >/dev/null; }
has_no_value() { ! reg_value "$1" "$2" >/dev/null; }

engine_running() { win "$tool_ctl" status | head -n1 | grep -qx 'Engine: running'; }
engine_stopped() { ! engine_running; }
# A Windows program runs from PATH (Wine shows it as the process's first
# argument), compared in any letter case. Read with the shell's own `read`: a
# grep for it would find its own command line.
process_of() { # PATH
    local file first
    for file in /proc/[0-9]*/cmdline; do
        IFS= read -r -d "" first 2>/dev/null <"$file" || continue
        [[ ${first,,} == "${1,,}" ]] && return 0
    done
    return 1
}
no_process_of() { ! process_of "$1"; }
# No process of PATH shows up within SECONDS.
none_shows_up() { # SECONDS PATH
    ! wait_for "$1" process_of "$2"
}
# The uninstaller's second half: the copy of itself it runs from a temporary
# folder (%TEMP%\~nsuN.tmp\Un.exe).
uninstaller_done() {
    local file first
    for file in /proc/[0-9]*/cmdline; do
        IFS= read -r -d "" first 2>/dev/null <"$file" || continue
        [[ ${first,,} == *'\~nsu'*'.tmp\un.exe' ]] && return 1
    done
    return 0
}
# LOG holds LINE (Windows programs end their lines with CRLF).
log_has() { # LOG LINE
    [ -f "$1" ] && tr -d '\r' <"$1" | grep -q -x -F -- "$2"
}
# The panel names its window class in its log once its native window exists:
# from then on the engine can find it.
panel_up() { # LOG
    [ -f "$1" ] && tr -d '\r' <"$1" | grep -q -x -E -- 'Test: Qt[0-9]+QWindowIcon'
}

# What installer_probe.exe (test-programs/) runs, as a deployment tool runs an
# install or uninstall command: started, waited for, its whole exit code taken
# (Wine's own exit status keeps only the low byte).
probe=$build_dir/test-programs/installer_probe.exe
start_deployed() { # OUT COMMAND_LINE: what it prints into OUT; its pid is ${background[-1]}
    start_program "$probe" "$1" run "$2"
}
exit_code_in() { # OUT: the exit code written there, once it has ended
    tr -d '\r' <"$1" | sed -n 's/^exit code: //p'
}
# Runs the uninstall command that the Apps & Features entry KEY records as
# NAME (UninstallString, QuietUninstallString), as a deployment tool does; what
# it printed is in OUT.
run_recorded_uninstall() { # KEY NAME OUT
    local command
    command=$(reg_value "$1" "$2") || { failures+=("no $2 in $1"); : >"$3"; return 1; }
    start_deployed "$3" "${command#REG_SZ }"
    wait "${background[-1]}"
}
# The files (Windows paths) that Windows deletes at the next restart.
pending_key='HKLM\System\CurrentControlSet\Control\Session Manager'
pending_deletions() {
    local pending
    pending=$(reg_value "$pending_key" PendingFileRenameOperations) || return 0
    pending=${pending#REG_MULTI_SZ }
    # Source and target, one after the other; a deletion has no target.
    sed -n 's/^\\??\\//p' <<<"${pending//\\0/$'\n'}"
}
# What the next restart does: the files pending deletion go (only inside the
# prefix's drive C:, whatever the value holds).
restart_deletes_pending() {
    local path file
    while IFS= read -r path; do
        file=$(realpath -m "$(winepath -u "$path")")
        [[ $file == "$drive_c"/?* ]] && rm -rf "$file"
    done < <(pending_deletions)
    win reg delete "$pending_key" /v PendingFileRenameOperations /f >/dev/null
}

# --- Cases and their results ---------------------------------------------------------

case_names=()
case_times=()
case_messages=()
failures=()

# One expectation: COMMAND must succeed, else MESSAGE is a failure of this case.
expect() { # MESSAGE COMMAND...
    local message=$1
    shift
    "$@" || failures+=("$message")
}

run_case() { # NAME FUNCTION
    local name=$1 started
    started=$(date +%s.%N)
    failures=()
    "$2"
    case_names+=("$name")
    case_times+=("$(awk -v a="$started" -v b="$(date +%s.%N)" 'BEGIN { printf "%.3f", b - a }')")
    local joined=""
    if [ ${#failures[@]} -gt 0 ]; then
        joined=$(printf '%s; ' "${failures[@]}")
        joined=${joined%; }
        printf 'FAIL %s: %s\n' "$name" "$joined"
    else
        printf 'ok   %s\n' "$name"
    fi
    case_messages+=("$joined")
}

xml_escape() { sed 's/&/\&amp;/g; s/</\&lt;/g; s/>/\&gt;/g; s/"/\&quot;/g' <<<"$1"; }

write_results() {
    local total=${#case_names[@]} failed=0 i
    for i in "${!case_names[@]}"; do
        [ -z "${case_messages[$i]}" ] || failed=$((failed + 1))
    done
    mkdir -p "$(dirname "$results")"
    {
        echo '<?xml version="1.0" encoding="UTF-8"?>'
        echo "<testsuites tests=\"$total\" failures=\"$failed\" errors=\"0\" skipped=\"0\" name=\"quenby_installer_tests\">"
        echo "  <testsuite name=\"installer\" tests=\"$total\" failures=\"$failed\" errors=\"0\" skipped=\"0\">"
        for i in "${!case_names[@]}"; do
            if [ -z "${case_messages[$i]}" ]; then
                echo "    <testcase classname=\"installer\" name=\"${case_names[$i]}\" time=\"${case_times[$i]}\"/>"
            else
                echo "    <testcase classname=\"installer\" name=\"${case_names[$i]}\" time=\"${case_times[$i]}\">"
                echo "      <failure message=\"$(xml_escape "${case_messages[$i]}")\"/>"
                echo "    </testcase>"
            fi
        done
        echo "  </testsuite>"
        echo "</testsuites>"
    } >"$results"
    echo "$((total - failed)) of $total installer cases passed"
    [ "$failed" -eq 0 ]
}

# A case that cannot even start (no packages, no prefix) still gives a result file.
give_up() { # NAME MESSAGE
    failures=("$2")
    case_names+=("$1")
    case_times+=(0)
    case_messages+=("$2")
    printf 'FAIL %s: %s\n' "$1" "$2"
    write_results
    exit 1
}

# --- Set-up --------------------------------------------------------------------------

rm -rf "$work"
mkdir -p "$work"
version=$(sed -n 's/^#define QUENBY_VERSION_TEXT "\(.*\)"$/\1/p' "$build_dir/generated/quenby_version.h" 2>/dev/null)
[ -n "$version" ] || give_up package_makes_both_packages "no version in $build_dir/generated/quenby_version.h"
packages=$work/packages
setup=$packages/Quenby-$version-setup.exe
zip=$packages/Quenby-$version-portable.zip
signed=$work/signed
signed_setup=$signed/Quenby-$version-setup.exe
release_url=https://downloads.example.org/quenby/v$version
# No machine's own signing settings take part.
unset QUENBY_SIGN_PKCS12 QUENBY_SIGN_PASSWORD_FILE QUENBY_SIGN_TIMESTAMP_URL QUENBY_RELEASE_URL QUENBY_HOMEPAGE_URL \
    QUENBY_SIGN_PKCS11_KEY QUENBY_SIGN_PKCS11_MODULE QUENBY_SIGN_CERTS QUENBY_SIGN_PKCS11_ENGINE
# Every language's policy texts in its locale's folder.
package_files="LICENSE.txt $(python3 "$source_dir/tools/translations.py" languages windows |
    sed 's|.*|PolicyDefinitions/&/quenby.adml|' | sort | tr '\n' ' ')PolicyDefinitions/quenby.admx Quenby.exe Quenbytray.exe README.txt quenbyctl.exe"

# --- Cases: making the packages ------------------------------------------------------

case_package_makes_both_packages() {
    local status=0
    "$source_dir/packaging/package.sh" "$build_dir" "$packages" >"$work/package.out" 2>"$work/package.err" ||
        status=$?
    expect "package.sh failed ($status): $(head -c 300 "$work/package.err")" [ "$status" -eq 0 ]
    expect "no $setup" [ -s "$setup" ]
    expect "no $zip" [ -s "$zip" ]
    expect "an unsigned release is not said in one line: $(cat "$work/package.err")" \
        sh -c "[ \"\$(grep -c 'not signed' '$work/package.err')\" = 1 ]"
    expect "SHA256SUMS does not hold the two packages' sums" \
        sh -c "cd '$packages' && [ \"\$(cut -c67- SHA256SUMS | sort | tr '\n' ' ')\" = 'Quenby-$version-portable.zip Quenby-$version-setup.exe ' ] && sha256sum --quiet -c SHA256SUMS"
    expect "setup is not a 64-bit Windows program" \
        sh -c "x86_64-w64-mingw32-objdump -f '$setup' | grep -q 'file format pei-x86-64'"
    rm -rf "$work/zip"
    mkdir -p "$work/zip"
    (cd "$work/zip" && cmake -E tar xf "$zip" >/dev/null 2>&1) || failures+=("the zip does not unpack")
    local listed
    listed=$(cd "$work/zip" && find . -type f | sed 's|^\./||' | sort | tr '\n' ' ')
    local wanted
    wanted=$(for f in $package_files; do echo "Quenby-$version/$f"; done | sort | tr '\n' ' ')
    expect "zip holds [$listed], not [$wanted]" [ "$listed" = "$wanted" ]
    expect "README.txt in the zip has no CRLF line ends" grep -q $'\r$' "$work/zip/Quenby-$version/README.txt"
    for program in Quenby.exe Quenbytray.exe quenbyctl.exe; do
        local packed
        packed=$(stat -c %s "$work/zip/Quenby-$version/$program" 2>/dev/null || echo missing)
        expect "$program in the zip is not stripped ($packed bytes)" \
            [ "$packed" != missing -a "$packed" -lt "$(stat -c %s "$build_dir/bin/$program")" ]
    done
    zip_dir=$work/zip/Quenby-$version
    tool_ctl=$zip_dir/quenbyctl.exe
}

# Runs package.sh with the given environment into a fresh folder; checks that it
# failed with one line on stderr that names WORD and left no package behind.
expect_clean_failure() { # WORD OUT_DIR BUILD_DIR [VAR=VALUE...]
    local word=$1 out=$2 from=$3 status=0
    shift 3
    rm -rf "$out"
    env "$@" "$source_dir/packaging/package.sh" "$from" "$out" >"$out.stdout" 2>"$out.stderr" || status=$?
    expect "package.sh succeeded where it must fail" [ "$status" -ne 0 ]
    expect "stderr is not one line: $(tr '\n' '|' <"$out.stderr")" [ "$(wc -l <"$out.stderr")" -eq 1 ]
    expect "the reason does not mention $word: $(cat "$out.stderr")" grep -q -F -- "$word" "$out.stderr"
    expect "a package or temporary file was left: $(ls -A "$out" 2>/dev/null | tr '\n' ' ')" \
        sh -c "[ -z \"\$(ls -A '$out' 2>/dev/null)\" ]"
}

case_package_again_gives_the_same_bytes() {
    # Another folder, another second: dates and paths must not reach the bytes.
    sleep 1
    local again=$work/again
    "$source_dir/packaging/package.sh" "$build_dir" "$again" >/dev/null 2>"$work/again.err"
    expect "the second run gave other packages: $(diff "$packages/SHA256SUMS" "$again/SHA256SUMS" 2>&1 | tr '\n' ' ')" \
        cmp -s "$packages/SHA256SUMS" "$again/SHA256SUMS"
    expect "the second run gave other manifests" diff -r -q "$packages/winget" "$again/winget"
    rm -rf "$again"
}

# A certificate authority of the test's own, a code-signing certificate it
# issued and one for something else, in $pki.
pki=$work/pki
make_certificates() {
    mkdir -p "$pki" && cd "$pki" || return 1
    printf 'correct horse\n' >password
    printf 'battery staple\n' >wrong-password
    printf 'basicConstraints=CA:FALSE\nkeyUsage=critical,digitalSignature\nextendedKeyUsage=codeSigning\n' >signer.ext
    openssl req -x509 -newkey rsa:2048 -nodes -keyout ca.key -out ca.pem -days 3 -subj '/CN=Quenby test authority' \
        -addext basicConstraints=critical,CA:TRUE -addext keyUsage=critical,keyCertSign &&
    openssl req -newkey rsa:2048 -nodes -keyout signer.key -out signer.csr -subj '/CN=Quenby test signer' &&
    openssl x509 -req -in signer.csr -CA ca.pem -CAkey ca.key -CAcreateserial -days 3 -extfile signer.ext -out signer.pem &&
    openssl pkcs12 -export -inkey signer.key -in signer.pem -certfile ca.pem -passout file:password -out signer.pfx &&
    openssl req -x509 -newkey rsa:2048 -nodes -keyout other.key -out other.pem -days 3 -subj '/CN=Quenby web server' &&
    openssl pkcs12 -export -inkey other.key -in other.pem -passout file:password -out other.pfx &&
    printf 'basicConstraints=CA:FALSE\nkeyUsage=critical,digitalSignature\nextendedKeyUsage=critical,timeStamping\n' >tsa.ext &&
    openssl req -newkey rsa:2048 -nodes -keyout tsa.key -out tsa.csr -subj '/CN=Quenby test time stamps' &&
    openssl x509 -req -in tsa.csr -CA ca.pem -CAkey ca.key -CAcreateserial -days 3 -extfile tsa.ext -out tsa.pem &&
    printf 'not a certificate\n' >junk.pfx
    local status=$?
    cd - >/dev/null
    return $status
} >/dev/null 2>&1

signature_good() { osslsigncode verify -CAfile "$pki/ca.pem" -TSA-CAfile "$pki/ca.pem" -in "$1" >/dev/null 2>&1; }
time_stamped() {
    osslsigncode verify -CAfile "$pki/ca.pem" -TSA-CAfile "$pki/ca.pem" -in "$1" 2>&1 |
        grep -q 'Timestamp Server Signature verification: ok'
}
signature_bad() { ! signature_good "$1"; }

# Makes a signed release into OUT with the signing settings given, beside a
# time-stamp authority of the test's own (on this machine only), and checks
# that every program in its zip and its installer are signed and time-stamped.
# The zip is unpacked into OUT-zip.
package_signed() { # OUT VAR=VALUE...
    local out=$1 status=0 tsa
    shift
    rm -f "$pki/tsa.port"
    /usr/bin/python3 "$here/tsa_server.py" "$pki" "$pki/tsa.port" </dev/null >/dev/null 2>&1 &
    background+=($!)
    tsa=$!
    expect "the time-stamp authority did not start" wait_for 20 test -s "$pki/tsa.port"
    env "$@" QUENBY_RELEASE_URL="$release_url" \
        QUENBY_SIGN_TIMESTAMP_URL="http://127.0.0.1:$(cat "$pki/tsa.port" 2>/dev/null)/" \
        "$source_dir/packaging/package.sh" "$build_dir" "$out" >/dev/null 2>"$out.err" || status=$?
    kill "$tsa" 2>/dev/null
    wait "$tsa" 2>/dev/null
    expect "signed packaging failed ($status): $(head -c 300 "$out.err")" [ "$status" -eq 0 ]
    expect "a signed release says it is unsigned" test ! -s "$out.err"
    rm -rf "$out-zip"
    mkdir -p "$out-zip"
    (cd "$out-zip" && cmake -E tar xf "$out/Quenby-$version-portable.zip" >/dev/null 2>&1)
    local file
    for file in "$out-zip/Quenby-$version"/*.exe "$out/Quenby-$version-setup.exe"; do
        expect "$(basename "$file") has no good signature" signature_good "$file"
        expect "$(basename "$file") has no time stamp" time_stamped "$file"
    done
}

case_package_signed_with_a_certificate() {
    make_certificates || { failures+=("could not make the test certificates"); return; }
    package_signed "$signed" QUENBY_SIGN_PKCS12="$pki/signer.pfx" QUENBY_SIGN_PASSWORD_FILE="$pki/password"
    # One byte anywhere, here in the middle of the installer's packed data.
    /usr/bin/python3 -c 'import sys
data = bytearray(open(sys.argv[1], "rb").read())
data[len(data) // 2] ^= 0xFF
open(sys.argv[2], "wb").write(data)' "$signed_setup" "$work/tampered.exe"
    expect "a flipped byte still verifies" signature_bad "$work/tampered.exe"
    expect "the unsigned programs verify" signature_bad "$work/zip/Quenby-$version/Quenby.exe"
    # From here on the signed release is the one installed.
    if [ -s "$signed_setup" ] && [ -f "$signed-zip/Quenby-$version/quenbyctl.exe" ]; then
        setup=$signed_setup
        zip_dir=$signed-zip/Quenby-$version
        tool_ctl=$zip_dir/quenbyctl.exe
    fi
}

# The same key in a software token of the test's own (PIN 1234): the way a
# release is signed with a USB token or a cloud HSM.
make_token() {
    mkdir -p "$token_dir/tokens" &&
    printf 'directories.tokendir = %s\nobjectstore.backend = file\nlog.level = ERROR\n' \
        "$token_dir/tokens" >"$SOFTHSM2_CONF" &&
    printf '1234\n' >"$pki/pin" && printf '4321\n' >"$pki/wrong-pin" &&
    softhsm2-util --init-token --free --label quenby --pin 1234 --so-pin 5678 &&
    softhsm2-util --import "$pki/signer.key" --token quenby --label signer --id 01 --pin 1234
} >/dev/null 2>&1
token_env=(QUENBY_SIGN_PKCS11_KEY="pkcs11:token=quenby;object=signer;type=private"
           QUENBY_SIGN_PKCS11_MODULE=/usr/lib/softhsm/libsofthsm2.so QUENBY_SIGN_CERTS="$pki/signer.pem")

case_package_signed_through_a_token() {
    make_token || { failures+=("could not make the test token (Debian package softhsm2)"); return; }
    local out=$work/token-signed
    package_signed "$out" "${token_env[@]}" QUENBY_SIGN_PASSWORD_FILE="$pki/pin"
    # From here on the release signed through the token is the one installed:
    # the uninstaller that setup writes shows that the token signed it too.
    if [ -s "$out/Quenby-$version-setup.exe" ] && [ -f "$out-zip/Quenby-$version/quenbyctl.exe" ]; then
        setup=$out/Quenby-$version-setup.exe
        zip_dir=$out-zip/Quenby-$version
        tool_ctl=$zip_dir/quenbyctl.exe
    fi
}

# A token that refuses stops the release before anything is made; sign.sh on
# its own (as makensis calls it) leaves each file as it was.
case_package_refuses_a_wrong_pin_or_a_missing_token() {
    # No time-stamp server here (asked for explicitly): the token is what fails.
    local untimed=QUENBY_SIGN_NO_TIMESTAMP=1
    expect_clean_failure "wrong PIN" "$work/refused-pin" "$build_dir" \
        "${token_env[@]}" "$untimed" QUENBY_SIGN_PASSWORD_FILE="$pki/wrong-pin"
    expect_clean_failure "no token found" "$work/refused-token" "$build_dir" \
        "${token_env[@]}" "$untimed" QUENBY_SIGN_PASSWORD_FILE="$pki/pin" \
        QUENBY_SIGN_PKCS11_KEY="pkcs11:token=unplugged;object=signer;type=private"
    expect_clean_failure "holds the PIN" "$work/refused-uri" "$build_dir" "${token_env[@]}" "$untimed" \
        QUENBY_SIGN_PASSWORD_FILE="$pki/pin" QUENBY_SIGN_PKCS11_KEY="pkcs11:token=quenby;pin-value=1234"
    expect_clean_failure "both set" "$work/refused-both" "$build_dir" "${token_env[@]}" "$untimed" \
        QUENBY_SIGN_PASSWORD_FILE="$pki/pin" QUENBY_SIGN_PKCS12="$pki/signer.pfx"
    # Without a time-stamp server the token is not even tried: a wrong PIN
    # there would be one more try spent towards its lock.
    expect_clean_failure "no time-stamp server" "$work/refused-untimed-token" "$build_dir" \
        "${token_env[@]}" QUENBY_SIGN_PASSWORD_FILE="$pki/wrong-pin"
    local dir=$work/sign-alone status=0
    rm -rf "$dir"
    mkdir -p "$dir"
    cp "$work/zip/Quenby-$version/quenbyctl.exe" "$work/zip/Quenby-$version/Quenby.exe" "$dir/"
    env "${token_env[@]}" "$untimed" QUENBY_SIGN_PASSWORD_FILE="$pki/wrong-pin" \
        "$source_dir/packaging/sign.sh" "$dir/quenbyctl.exe" "$dir/Quenby.exe" 2>"$dir.err" || status=$?
    expect "sign.sh succeeded with a wrong PIN" [ "$status" -ne 0 ]
    expect "sign.sh did not say in one line that the PIN is wrong: $(tr '\n' '|' <"$dir.err")" \
        sh -c "[ \"\$(wc -l <'$dir.err')\" = 1 ] && grep -q 'wrong PIN' '$dir.err'"
    expect "sign.sh left other files: $(ls "$dir" | tr '\n' ' ')" \
        [ "$(ls "$dir" | tr '\n' ' ')" = "Quenby.exe quenbyctl.exe " ]
    for f in quenbyctl.exe Quenby.exe; do
        expect "sign.sh changed $f" cmp -s "$dir/$f" "$work/zip/Quenby-$version/$f"
    done
}

case_manifests_pass_their_schemas() {
    local checker=$here/check_manifests.py out
    out=$(/usr/bin/python3 "$checker" "$signed" "$source_dir/tests/schemas" "$release_url" 2>&1)
    expect "the signed release's manifests: $out" [ -z "$out" ]
    out=$(/usr/bin/python3 "$checker" "$packages" "$source_dir/tests/schemas" \
        "https://quenby.invalid/releases/download/$version" 2>&1)
    expect "the default manifests: $out" [ -z "$out" ]
    # The checker sees a manifest that breaks the rules.
    cp -r "$signed" "$work/broken-manifests"
    sed -i 's/^  Scope: machine$/  Scope: everyone/' "$work/broken-manifests/winget/Quenby.Quenby.installer.yaml"
    out=$(/usr/bin/python3 "$checker" "$work/broken-manifests" "$source_dir/tests/schemas" "$release_url" 2>&1)
    expect "a winget manifest with a made-up scope passed" grep -q "Scope: 'everyone' is not one of" <<<"$out"
    rm -rf "$work/broken-manifests"
}

# Each is a mistake made with the release settings: packaging stops before it
# makes anything, with one line naming the culprit.
case_package_refuses_bad_signing_and_addresses() {
    local untimed=QUENBY_SIGN_NO_TIMESTAMP=1 pfx="QUENBY_SIGN_PKCS12=$pki/signer.pfx QUENBY_SIGN_PASSWORD_FILE=$pki/password"
    local -a cases=(
        "wrong password|$untimed QUENBY_SIGN_PKCS12=$pki/signer.pfx QUENBY_SIGN_PASSWORD_FILE=$pki/wrong-password"
        "not a PKCS#12 file|$untimed QUENBY_SIGN_PKCS12=$pki/junk.pfx QUENBY_SIGN_PASSWORD_FILE=$pki/password"
        "not for code signing|$untimed QUENBY_SIGN_PKCS12=$pki/other.pfx QUENBY_SIGN_PASSWORD_FILE=$pki/password"
        "no readable file|$untimed QUENBY_SIGN_PKCS12=$pki/missing.pfx QUENBY_SIGN_PASSWORD_FILE=$pki/password"
        "QUENBY_SIGN_PASSWORD_FILE is not|$untimed QUENBY_SIGN_PKCS12=$pki/signer.pfx"
        "neither QUENBY_SIGN_PKCS12 nor|QUENBY_SIGN_TIMESTAMP_URL=https://tsa.example.org/"
        "neither QUENBY_SIGN_PKCS12 nor|$untimed"
        "no time-stamp server|$pfx"
        "both set: time-stamp or not|$pfx $untimed QUENBY_SIGN_TIMESTAMP_URL=https://tsa.example.org/"
        "QUENBY_SIGN_NO_TIMESTAMP is not 1|$pfx QUENBY_SIGN_NO_TIMESTAMP=yes"
        "not an https address|QUENBY_RELEASE_URL=http://downloads.example.org/quenby"
    )
    local entry i=0
    for entry in "${cases[@]}"; do
        i=$((i + 1))
        # shellcheck disable=SC2086
        expect_clean_failure "${entry%%|*}" "$work/refused-$i" "$build_dir" ${entry#*|}
    done
    expect_clean_failure "not an https address" "$work/refused-space" "$build_dir" \
        "QUENBY_RELEASE_URL=https://downloads.example.org/a b"
}

# Asked for, a signature without a time stamp is made (packaging refuses one
# that is not asked for: package_refuses_bad_signing_and_addresses); it
# verifies but carries no time stamp.
case_signing_without_a_time_stamp_when_asked() {
    local dir=$work/sign-untimed status=0
    rm -rf "$dir"
    mkdir -p "$dir"
    cp "$work/zip/Quenby-$version/quenbyctl.exe" "$dir/"
    QUENBY_SIGN_PKCS12="$pki/signer.pfx" QUENBY_SIGN_PASSWORD_FILE="$pki/password" QUENBY_SIGN_NO_TIMESTAMP=1 \
        "$source_dir/packaging/sign.sh" "$dir/quenbyctl.exe" 2>"$dir.err" || status=$?
    expect "sign.sh with QUENBY_SIGN_NO_TIMESTAMP=1 failed ($status): $(cat "$dir.err")" [ "$status" -eq 0 ]
    expect "the signature asked for without a time stamp does not verify" signature_good "$dir/quenbyctl.exe"
    expect "a signature without a time-stamp server has a time stamp" \
        sh -c "osslsigncode verify -CAfile '$pki/ca.pem' -in '$dir/quenbyctl.exe' 2>&1 | grep -q 'Timestamp is not available'"
}

case_package_without_makensis_fails_cleanly() {
    expect_clean_failure makensis "$work/no-makensis" "$build_dir" MAKENSIS=/nonexistent/makensis
}

case_package_with_failing_makensis_leaves_no_half_package() {
    # A makensis that writes half an installer and then fails.
    local fake=$work/fake-makensis
    cat >"$fake" <<'EOF'
#!/bin/sh
for argument in "$@"; do
    case $argument in -DOUTFILE=*) printf 'MZ half' >"${argument#-DOUTFILE=}" ;; esac
done
echo "Error: disk full"
echo 'Error in script "quenby.nsi" on line 1 -- aborting creation process'
exit 1
EOF
    chmod +x "$fake"
    expect_clean_failure "disk full" "$work/failing-makensis" "$build_dir" MAKENSIS="$fake"
}

case_package_refuses_a_missing_program() {
    local fake_build=$work/incomplete-build
    mkdir -p "$fake_build/bin" "$fake_build/generated"
    cp "$build_dir/generated/quenby_version.h" "$fake_build/generated/"
    cp "$build_dir/bin/Quenbytray.exe" "$build_dir/bin/quenbyctl.exe" "$fake_build/bin/"
    expect_clean_failure Quenby.exe "$work/incomplete-out" "$fake_build"
}

case_package_refuses_programs_of_another_version() {
    # The project's version moved on, the programs were not rebuilt: their
    # version blocks no longer match the name the packages would carry.
    local fake_build=$work/stale-build
    mkdir -p "$fake_build/generated"
    ln -s "$build_dir/bin" "$fake_build/bin"
    ln -s "$build_dir/policies" "$fake_build/policies"
    sed 's/^#define QUENBY_VERSION_TEXT ".*"$/#define QUENBY_VERSION_TEXT "98.76.54"/' \
        "$build_dir/generated/quenby_version.h" >"$fake_build/generated/quenby_version.h"
    expect_clean_failure "the package 98.76.54" "$work/stale-out" "$fake_build"
}

# --- Cases: the installer ------------------------------------------------------------

case_silent_install() {
    local status=0
    win "$setup" /S >/dev/null || status=$?
    expect "setup /S ended with $status" [ "$status" -eq 0 ]
    for f in $package_files uninstall.exe; do
        expect "missing $install_dir/$f" [ -f "$install_dir/$f" ]
    done
    for f in $package_files; do
        expect "installed $f differs from the zip's" cmp -s "$install_dir/$f" "$zip_dir/$f"
    done
}

case_installed_uninstaller_is_signed() {
    expect "the uninstaller that setup wrote has no good signature" signature_good "$install_dir/uninstall.exe"
}

case_path_value() {
    expect "Path is '$(reg_value 'HKCU\Software\Quenby' Path)', not 'REG_SZ $install_win'" \
        [ "$(reg_value 'HKCU\Software\Quenby' Path)" = "REG_SZ $install_win" ]
}

case_start_menu_shortcuts() {
    local folder=$start_menu/Quenby
    expect "no shortcut Quenby.lnk" [ -f "$folder/Quenby.lnk" ]
    expect "no shortcut 'Quenby tray engine.lnk'" [ -f "$folder/Quenby tray engine.lnk" ]
    # A shell link keeps its target's full path as a plain string.
    expect "Quenby.lnk does not point at the installed panel" \
        sh -c "tr '\\0' '\\n' <'$folder/Quenby.lnk' | grep -q -x -F '$install_win\\Quenby.exe'"
    expect "the engine shortcut does not point at the installed engine" \
        sh -c "tr '\\0' '\\n' <'$folder/Quenby tray engine.lnk' | grep -q -x -F '$install_win\\Quenbytray.exe'"
}

# The Apps & Features entry under KEY names an install in FOLDER (Windows path).
expect_uninstall_entry() { # KEY FOLDER
    local key=$1 folder=$2
    local -A wanted=(
        [DisplayName]="REG_SZ Quenby"
        [DisplayVersion]="REG_SZ $version"
        [Publisher]="REG_SZ Quenby"
        [InstallLocation]="REG_SZ $folder"
        [UninstallString]="REG_SZ \"$folder\\uninstall.exe\" _?=$folder"
        [QuietUninstallString]="REG_SZ \"$folder\\uninstall.exe\" /S _?=$folder"
        [DisplayIcon]="REG_SZ $folder\\Quenby.exe,0"
        [NoModify]="REG_DWORD 0x1"
        [NoRepair]="REG_DWORD 0x1"
    )
    local name
    for name in "${!wanted[@]}"; do
        local actual
        actual=$(reg_value "$key" "$name")
        expect "$key $name is '$actual', not '${wanted[$name]}'" [ "$actual" = "${wanted[$name]}" ]
    done
}

# Setup run by a user whose Windows speaks German names the engine's shortcut in
# German, and leaves no English one beside it; run again in English, the other
# way round.
case_shortcut_named_in_setups_language() {
    local folder=$start_menu/Quenby german
    python3 "$source_dir/tools/translations.py" generate installer de "$work/strings_de.nsh"
    german=$(sed -n "s/^LangString ENGINE_LINK_NAME \${LANG_GERMAN} \"\(.*\)\"\$/\1/p" "$work/strings_de.nsh")
    expect "no German name of the shortcut in de.nsh" [ -n "$german" ]
    LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8 win "$setup" /S >/dev/null
    expect "no shortcut '$german.lnk' after a German setup" [ -f "$folder/$german.lnk" ]
    expect "the engine's German shortcut does not point at the engine" \
        sh -c "tr '\\0' '\\n' <'$folder/$german.lnk' | grep -q -x -F '$install_win\\Quenbytray.exe'"
    expect "the English shortcut stayed beside the German one" [ ! -e "$folder/Quenby tray engine.lnk" ]
    expect "the panel's shortcut is gone" [ -f "$folder/Quenby.lnk" ]
    LANG=en_US.UTF-8 LC_ALL=en_US.UTF-8 win "$setup" /S >/dev/null
    expect "the German shortcut stayed after an English setup" [ ! -e "$folder/$german.lnk" ]
    expect "no English shortcut after an English setup" [ -f "$folder/Quenby tray engine.lnk" ]
}

case_uninstall_entry() {
    expect_uninstall_entry 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quenby' "$install_win"
}

run_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
user_uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quenby'

case_start_with_windows_by_default() {
    expect "Run\\Quenby is '$(reg_value "$run_key" Quenby)'" \
        [ "$(reg_value "$run_key" Quenby)" = "REG_SZ \"$install_win\\Quenbytray.exe\"" ]
}

# The panel of FOLDER (Windows path) comes up, takes the engine beside it, hears
# that engine start and end. The panel stays open; its log is $panel_log.
expect_programs_find_each_other() { # FOLDER TAG
    local folder=$1
    panel_log=$work/panel-$2.log
    start_program "$folder\\Quenby.exe" "$panel_log"
    expect "the panel did not come up: $(head -c 300 "$panel_log")" wait_for 60 panel_up "$panel_log"
    expect "the panel did not take the engine of $folder" \
        log_has "$panel_log" "StartupCmd: $folder\\Quenbytray.exe"
    start_program "$folder\\Quenbytray.exe" "$work/engine-$2.log"
    expect "the panel never heard WM_QUENBY_START" wait_for 30 log_has "$panel_log" WM_QUENBY_START
    expect "the engine is not running" engine_running
    expect "the running engine is not the one of $folder" process_of "$folder\\Quenbytray.exe"
    win "$folder\\quenbyctl.exe" close >/dev/null
    expect "the panel never heard WM_QUENBY_EXIT" wait_for 30 log_has "$panel_log" WM_QUENBY_EXIT
    expect "the engine did not end" wait_for 20 engine_stopped
}

case_installed_engine_and_panel_find_each_other() {
    # The panel stays open for the next case.
    expect_programs_find_each_other "$install_win" installed
}

case_reinstall_over_running_programs_keeps_settings() {
    # A user's settings, one of them a text.
    win reg add 'HKCU\Software\Quenby' /v TargetFreeRAM /t REG_DWORD /d 3333 /f >/dev/null
    win reg add 'HKCU\Software\Quenby' /v Music /t REG_SZ /d 'C:\Windows\Media\ding.wav' /f >/dev/null
    start_program "$install_win\\Quenbytray.exe" "$work/engine-before-reinstall.log"
    expect "the engine did not start" wait_for 30 engine_running
    expect "no panel runs before the reinstall" process_of "$install_win\\Quenby.exe"
    local status=0
    win "$setup" /S >/dev/null || status=$?
    expect "setup /S over running programs ended with $status" [ "$status" -eq 0 ]
    expect "TargetFreeRAM is '$(reg_value 'HKCU\Software\Quenby' TargetFreeRAM)' after the reinstall" \
        [ "$(reg_value 'HKCU\Software\Quenby' TargetFreeRAM)" = "REG_DWORD 0xd05" ]
    expect "Music is '$(reg_value 'HKCU\Software\Quenby' Music)' after the reinstall" \
        [ "$(reg_value 'HKCU\Software\Quenby' Music)" = 'REG_SZ C:\Windows\Media\ding.wav' ]
    expect "Path is '$(reg_value 'HKCU\Software\Quenby' Path)' after the reinstall" \
        [ "$(reg_value 'HKCU\Software\Quenby' Path)" = "REG_SZ $install_win" ]
    for f in $package_files; do
        expect "installed $f differs from the zip's after the reinstall" cmp -s "$install_dir/$f" "$zip_dir/$f"
    done
    expect "the panel was not closed for the update" wait_for 10 no_process_of "$install_win\\Quenby.exe"
    expect "the engine that ran was not started again" wait_for 30 engine_running
    expect "the running engine is not the installed one" process_of "$install_win\\Quenbytray.exe"
    expect "the start-with-Windows entry was lost" \
        [ "$(reg_value "$run_key" Quenby)" = "REG_SZ \"$install_win\\Quenbytray.exe\"" ]
    win "$tool_ctl" close >/dev/null
    expect "the engine did not end" wait_for 20 engine_stopped
}

case_start_with_windows_is_a_choice_kept_on_upgrade() {
    win "$setup" /S /AUTOSTART=0 >/dev/null
    expect "/AUTOSTART=0 left the Run entry" has_no_value "$run_key" Quenby
    win "$setup" /S >/dev/null
    expect "an upgrade without /AUTOSTART turned start with Windows back on" has_no_value "$run_key" Quenby
    # An entry for another copy of the engine belongs to the user.
    win reg add "$run_key" /v Quenby /t REG_SZ /d '"D:\Tools\Quenby\Quenbytray.exe"' /f >/dev/null
    win "$setup" /S /AUTOSTART=0 >/dev/null
    expect "setup removed a Run entry of another copy" \
        [ "$(reg_value "$run_key" Quenby)" = 'REG_SZ "D:\Tools\Quenby\Quenbytray.exe"' ]
    win "$setup" /S /AUTOSTART=1 >/dev/null
    expect "/AUTOSTART=1 did not write the entry" \
        [ "$(reg_value "$run_key" Quenby)" = "REG_SZ \"$install_win\\Quenbytray.exe\"" ]
    local status=0
    win "$setup" /S /AUTOSTART=maybe >/dev/null || status=$?
    expect "/AUTOSTART=maybe was accepted" [ "$status" -ne 0 ]
}

case_locked_program_file_stops_setup_before_any_change() {
    # quenbyctl watch has no window to close: its file stays in use. Marks on
    # the files that setup copies before it show whether it touched any of them
    # (bytes after the end of a program do not stop it from running).
    local f
    for f in Quenby.exe Quenbytray.exe README.txt; do
        printf 'left by the test\r\n' >>"$install_dir/$f"
    done
    start_program "$install_win\\Quenbytray.exe" "$work/engine-before-locked.log"
    expect "the engine did not start" wait_for 30 engine_running
    start_program "$install_win\\quenbyctl.exe" "$work/watch.log" watch 120
    local watcher=${background[-1]}
    expect "quenbyctl watch did not start" wait_for 30 grep -q -s 'Total RAM' "$work/watch.log"
    local status=0
    win "$setup" /S >/dev/null || status=$?
    expect "setup went on with a program file in use (exit $status)" [ "$status" -ne 0 ]
    for f in Quenby.exe Quenbytray.exe README.txt; do
        expect "setup replaced $f although it gave up" grep -q -a 'left by the test' "$install_dir/$f"
    done
    expect "the engine it stopped was not started again" wait_for 30 engine_running
    kill "$watcher" 2>/dev/null
    wait "$watcher" 2>/dev/null
    status=0
    win "$setup" /S >/dev/null || status=$?
    expect "setup failed once the file was free (exit $status)" [ "$status" -eq 0 ]
    for f in $package_files; do
        expect "$f not replaced once the file was free" cmp -s "$install_dir/$f" "$zip_dir/$f"
    done
    # Setup starts the engine it stopped again; close it once it is up.
    expect "the engine was not started again after the update" wait_for 30 engine_running
    win "$tool_ctl" close >/dev/null
    expect "the engine did not end" wait_for 20 engine_stopped
}

case_two_setups_at_once_leave_a_working_install() {
    local first second status1=0 status2=0
    timeout 120 wine "$setup" /S </dev/null >/dev/null 2>&1 &
    first=$!
    timeout 120 wine "$setup" /S </dev/null >/dev/null 2>&1 &
    second=$!
    wait "$first" || status1=$?
    wait "$second" || status2=$?
    expect "neither setup succeeded ($status1, $status2)" [ "$status1" -eq 0 -o "$status2" -eq 0 ]
    for f in $package_files uninstall.exe; do
        expect "missing $f after two setups at once" [ -f "$install_dir/$f" ]
    done
    for f in $package_files; do
        expect "$f differs from the zip's after two setups at once" cmp -s "$install_dir/$f" "$zip_dir/$f"
    done
    expect "Path is wrong after two setups at once" \
        [ "$(reg_value 'HKCU\Software\Quenby' Path)" = "REG_SZ $install_win" ]
}

# While one setup runs (its wizard open, the lock held), every other setup or
# uninstaller ends at once with ERROR_INSTALL_ALREADY_RUNNING, which deployment
# tools retry later, and changes nothing.
case_second_setup_while_one_runs_is_told_to_retry() {
    local setup_win wizard name
    setup_win=$(winepath -w "$setup")
    printf 'left by the test\r\n' >>"$install_dir/README.txt"
    LC_ALL=C.UTF-8 timeout 120 wine "$setup" </dev/null >/dev/null 2>&1 &
    wizard=$!
    background+=("$wizard")
    expect "the first setup's wizard did not show up" win "$probe" window "Quenby Setup"
    local -A commands=(
        [setup]="\"$setup_win\" /S"
        [machine-wide setup]="\"$setup_win\" /S /ALLUSERS"
        [quiet uninstall]=$(reg_value "$user_uninstall_key" QuietUninstallString | sed 's/^REG_SZ //')
    )
    for name in "${!commands[@]}"; do
        local out=$work/second-${name// /-}.out
        start_deployed "$out" "${commands[$name]}"
        wait "${background[-1]}"
        expect "a second $name ended with '$(exit_code_in "$out")', not 1618" [ "$(exit_code_in "$out")" = 1618 ]
    done
    expect "a second setup or uninstaller touched the install" grep -q -a 'left by the test' "$install_dir/README.txt"
    expect "a second setup or uninstaller went into Program Files" test ! -e "$machine_dir"
    kill "$wizard" 2>/dev/null
    wait "$wizard" 2>/dev/null
    # The lock goes with the setup that held it.
    local status=0
    win "$setup" /S >/dev/null || status=$?
    expect "setup after the first one ended was refused ($status)" [ "$status" -eq 0 ]
}

case_silent_uninstall_leaves_only_the_settings() {
    local log=$work/panel-before-uninstall.log
    start_program "$install_win\\Quenby.exe" "$log"
    expect "the panel did not come up" wait_for 60 panel_up "$log"
    start_program "$install_win\\Quenbytray.exe" "$work/engine-before-uninstall.log"
    expect "the engine did not start" wait_for 30 engine_running
    cp "$install_dir/uninstall.exe" "$work/uninstaller-before.exe"
    # As Intune or Configuration Manager runs it: the recorded quiet command,
    # whose process must be the one doing the work and reporting how it went.
    run_recorded_uninstall "$user_uninstall_key" QuietUninstallString "$work/quiet-uninstall.out"
    local code
    code=$(exit_code_in "$work/quiet-uninstall.out")
    expect "the recorded quiet uninstall ended with '$code'" [ "$code" = 0 ]
    # No waiting: once the process that was started has ended, all is done.
    expect "the install folder was still there when the uninstaller had ended: $(ls -A "$install_dir" 2>/dev/null | tr '\n' ' ')" \
        test ! -e "$install_dir"
    expect "the uninstaller left a copy of itself running" uninstaller_done
    # It ran from the folder it removed: it moved itself into the temporary
    # folder, to be deleted there at the next restart.
    local path moved=""
    while IFS= read -r path; do
        [[ ${path,,} == "${temp_win,,}\\"* ]] && cmp -s "$(winepath -u "$path")" "$work/uninstaller-before.exe" &&
            moved=$path
    done < <(pending_deletions)
    expect "the uninstaller is not in the temporary folder to be deleted at the restart: $(pending_deletions | tr '\n' ' ')" \
        [ -n "$moved" ]
    restart_deletes_pending
    expect "the engine still runs" engine_stopped
    expect "the panel still runs" wait_for 10 no_process_of "$install_win\\Quenby.exe"
    expect "the Start-menu folder is still there" test ! -e "$start_menu/Quenby"
    expect "the uninstall entry is still there" \
        sh -c "! timeout 60 wine reg query 'HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Quenby' >/dev/null 2>&1"
    expect "the Run entry is still there" has_no_value "$run_key" Quenby
    expect "Path is still there" has_no_value 'HKCU\Software\Quenby' Path
    expect "TargetFreeRAM was lost" [ "$(reg_value 'HKCU\Software\Quenby' TargetFreeRAM)" = "REG_DWORD 0xd05" ]
    expect "Music was lost" [ "$(reg_value 'HKCU\Software\Quenby' Music)" = 'REG_SZ C:\Windows\Media\ding.wav' ]
}

case_uninstall_keeps_what_is_not_its_own() {
    win "$setup" /S /AUTOSTART=0 >/dev/null
    win reg add "$run_key" /v Quenby /t REG_SZ /d '"D:\Tools\Quenby\Quenbytray.exe"' /f >/dev/null
    printf 'notes\r\n' >"$install_dir/my notes.txt"
    # Started by hand without _?=, the uninstaller still copies itself away and
    # returns at once: wait for its work.
    local status=0
    win "$install_win\\uninstall.exe" /S >/dev/null || status=$?
    expect "uninstall.exe /S ended with $status" [ "$status" -eq 0 ]
    expect "the programs are still there after 60 s" wait_for 60 test ! -e "$install_dir/Quenbytray.exe"
    expect "the uninstaller did not end" wait_for 30 uninstaller_done
    expect "a file of the user in the install folder was deleted" test -f "$install_dir/my notes.txt"
    expect "uninstall.exe is still there" test ! -e "$install_dir/uninstall.exe"
    expect "the Run entry of another copy was removed" \
        [ "$(reg_value "$run_key" Quenby)" = 'REG_SZ "D:\Tools\Quenby\Quenbytray.exe"' ]
    expect "TargetFreeRAM was lost" [ "$(reg_value 'HKCU\Software\Quenby' TargetFreeRAM)" = "REG_DWORD 0xd05" ]
    rm -rf "$install_dir"
    win reg delete "$run_key" /v Quenby /f >/dev/null
}

case_portable_zip_runs_from_its_own_folder() {
    expect "Path is stored before the portable test" has_no_value 'HKCU\Software\Quenby' Path
    local folder="$drive_c/Portable Quenby"
    local folder_win="C:\\Portable Quenby\\Quenby-$version"
    rm -rf "$folder"
    mkdir -p "$folder"
    (cd "$folder" && cmake -E tar xf "$zip" >/dev/null 2>&1) || failures+=("the zip does not unpack")
    local log=$work/panel-portable.log
    start_program "$folder_win\\Quenby.exe" "$log"
    expect "the portable panel did not come up" wait_for 60 panel_up "$log"
    expect "the portable panel does not take the engine beside it" \
        log_has "$log" "StartupCmd: $folder_win\\Quenbytray.exe"
    start_program "$folder_win\\Quenbytray.exe" "$work/engine-portable.log"
    expect "the portable panel never heard WM_QUENBY_START" wait_for 30 log_has "$log" WM_QUENBY_START
    local status
    status=$(win "$folder_win\\quenbyctl.exe" status)
    expect "the portable engine is not running" grep -q -x 'Engine: running' <<<"$status"
    expect "the portable copy does not find its engine beside it" \
        grep -q -x -F "enginePath: $folder_win\\Quenbytray.exe" <<<"$status"
    expect "the running engine is not the portable one" process_of "$folder_win\\Quenbytray.exe"
    win "$folder_win\\quenbyctl.exe" close >/dev/null
    expect "the portable panel never heard WM_QUENBY_EXIT" wait_for 30 log_has "$log" WM_QUENBY_EXIT
    expect "running the portable copy stored a Path" has_no_value 'HKCU\Software\Quenby' Path
}

# --- Cases: for every user of the computer ------------------------------------------

machine_uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quenby'
machine_run_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Run'

case_machine_wide_install() {
    # The portable panel of the last case would answer the engine in place of
    # the one installed here.
    local pid status=0
    for pid in "${background[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    expect "the portable panel did not end" \
        wait_for 20 no_process_of "C:\\Portable Quenby\\Quenby-$version\\Quenby.exe"
    win "$setup" /S /ALLUSERS >/dev/null || status=$?
    expect "setup /S /ALLUSERS ended with $status" [ "$status" -eq 0 ]
    for f in $package_files uninstall.exe; do
        expect "missing $machine_dir/$f" [ -f "$machine_dir/$f" ]
    done
    expect "something went into the user's folder" test ! -e "$install_dir"
    expect_uninstall_entry "$machine_uninstall_key" "$machine_win"
    expect "the machine's Run entry is '$(reg_value "$machine_run_key" Quenby)'" \
        [ "$(reg_value "$machine_run_key" Quenby)" = "REG_SZ \"$machine_win\\Quenbytray.exe\"" ]
    expect "a per-user uninstall entry was written" \
        sh -c "! timeout 60 wine reg query 'HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Quenby' >/dev/null 2>&1"
    expect "the user's Run entry was written" has_no_value "$run_key" Quenby
    expect "a Path was written into the user's key" has_no_value 'HKCU\Software\Quenby' Path
    expect "no common Start-menu shortcut" [ -f "$common_start_menu/Quenby/Quenby.lnk" ]
    expect "the shortcut does not point at Program Files" \
        sh -c "tr '\\0' '\\n' <'$common_start_menu/Quenby/Quenby.lnk' | grep -q -x -F '$machine_win\\Quenby.exe'"
    expect "a shortcut went into the user's Start menu" test ! -e "$start_menu/Quenby"
}

case_machine_wide_programs_find_each_other() {
    expect_programs_find_each_other "$machine_win" machine
}

# Setup for every user runs elevated: whatever it started would run with its
# token, deaf to the user's own programs. An engine it closed for the update
# stays closed, and it opens nothing itself (the per-user update starting the
# engine again is in reinstall_over_running_programs_keeps_settings).
case_machine_wide_update_starts_nothing() {
    start_program "$machine_win\\Quenbytray.exe" "$work/engine-machine-update.log"
    expect "the engine did not start" wait_for 30 engine_running
    local status=0
    win "$setup" /S /ALLUSERS >/dev/null || status=$?
    expect "setup /S /ALLUSERS over a running engine ended with $status" [ "$status" -eq 0 ]
    expect "the engine was not closed for the update" wait_for 20 no_process_of "$machine_win\\Quenbytray.exe"
    expect "the panel was not closed for the update" wait_for 20 no_process_of "$machine_win\\Quenby.exe"
    # Setup has returned: a program it started would show up within moments.
    expect "setup started the engine with its own token" none_shows_up 5 "$machine_win\\Quenbytray.exe"
    expect "setup started the panel with its own token" no_process_of "$machine_win\\Quenby.exe"
}

# Windows deletes the file (Windows path) at the next restart.
deleted_at_restart() { # PATH
    local pending
    pending=$(reg_value "$pending_key" PendingFileRenameOperations) || return 1
    [[ $pending == *"\\??\\$1\\0"* ]]
}
# The English text NAME of the installer.
english_text() { # NAME
    sed -n "s/^LangString $1 \${LANG_ENGLISH} \"\(.*\)\"\$/\1/p" "$source_dir/packaging/strings.nsh"
}
lacks() { ! grep -q -F -- "$1" <<<"$2"; }

# Holds the installed program NAME as another user's session running it would
# (installer_probe hold ... OPTIONS); the holder's pid is ${background[-1]}.
hold_in_another_session() { # NAME [OPTIONS...]
    local name=$1
    shift
    start_program "$probe" "$work/hold-$name.log" hold "$machine_win\\$name" "$@"
    expect "$name is not held" wait_for 30 log_has "$work/hold-$name.log" holding
}

# An engine that another user's session runs cannot be closed from here, nor its
# file replaced; it can be renamed. The update moves it aside, installs the new
# one, has the old deleted at the next restart and says so on its finish page.
case_machine_wide_update_sets_aside_a_program_in_use() {
    printf 'old version\r\n' >>"$machine_dir/Quenbytray.exe"
    hold_in_another_session Quenbytray.exe
    local holder=${background[-1]} installer status=0 finish
    # The wizard, in English, so that its finish page can be read.
    LC_ALL=C.UTF-8 timeout 120 wine "$setup" /ALLUSERS </dev/null >/dev/null 2>&1 &
    installer=$!
    background+=($installer)
    finish=$(win "$probe" wizard "Quenby Setup")
    wait "$installer" || status=$?
    # 3010, installed with a restart to come, of which Wine passes the low byte.
    expect "setup /ALLUSERS with the engine in use elsewhere ended with $status" [ "$status" -eq $((3010 & 255)) ]
    for f in $package_files; do
        expect "$f is not the new one after the update" cmp -s "$machine_dir/$f" "$zip_dir/$f"
    done
    expect "the engine in use was not moved to Quenbytray.exe.1.old" \
        grep -q -a 'old version' "$machine_dir/Quenbytray.exe.1.old"
    expect "Quenbytray.exe.1.old is not deleted at the next restart" \
        deleted_at_restart "$machine_win\\Quenbytray.exe.1.old"
    expect "the finish page does not tell about the restart: $finish" \
        grep -q -F -- "$(english_text FINISH_SET_ASIDE)" <<<"$finish"
    expect "the finish page offers to open the panel" lacks "$(english_text FINISH_RUN)" "$finish"
    expect "setup opened the panel" none_shows_up 5 "$machine_win\\Quenby.exe"
    # What the restart would do.
    kill "$holder" 2>/dev/null
    wait "$holder" 2>/dev/null
    rm -f "$machine_dir/Quenbytray.exe.1.old"
    win reg delete "$pending_key" /v PendingFileRenameOperations /f >/dev/null
}

# The panel cannot even be renamed (held without sharing deletion): setup stops,
# and the engine it had moved aside is back under its name.
case_machine_wide_update_that_fails_puts_back_what_it_moved() {
    printf 'old version\r\n' >>"$machine_dir/Quenbytray.exe"
    hold_in_another_session Quenbytray.exe
    local tray_holder=${background[-1]} status=0
    hold_in_another_session Quenby.exe --no-rename
    local panel_holder=${background[-1]}
    win "$setup" /S /ALLUSERS >/dev/null || status=$?
    expect "setup went on with the panel neither writable nor movable" [ "$status" -ne 0 ]
    expect "the engine moved aside is not back" grep -q -a 'old version' "$machine_dir/Quenbytray.exe"
    expect "something was left set aside: $(cd "$machine_dir" && ls -- *.old 2>/dev/null)" \
        sh -c "! ls '$machine_dir'/*.old >/dev/null 2>&1"
    kill "$tray_holder" "$panel_holder" 2>/dev/null
    wait "$tray_holder" "$panel_holder" 2>/dev/null
    status=0
    win "$setup" /S /ALLUSERS >/dev/null || status=$?
    expect "setup failed once the files were free (exit $status)" [ "$status" -eq 0 ]
    expect "Quenbytray.exe not replaced once free" cmp -s "$machine_dir/Quenbytray.exe" "$zip_dir/Quenbytray.exe"
}

# A program that another user's session runs cannot be deleted: Windows deletes
# it at the next restart, and the uninstaller says so.
case_machine_wide_uninstall_leaves_a_program_in_use_to_the_restart() {
    hold_in_another_session Quenbytray.exe
    local holder=${background[-1]} told status=0 out=$work/machine-uninstall.out
    # The entry's own command, the wizard clicked through; 3010 tells a
    # deployment tool that the uninstall completes with the restart.
    LC_ALL=C.UTF-8 run_recorded_uninstall "$machine_uninstall_key" UninstallString "$out" &
    local runner=$!
    background+=("$runner")
    told=$(win "$probe" wizard "Quenby Uninstall")
    wait "$runner"
    expect "the uninstaller ended with '$(exit_code_in "$out")', not 3010" [ "$(exit_code_in "$out")" = 3010 ]
    expect "the uninstaller left a copy of itself running" uninstaller_done
    expect "uninstall.exe is still there" test ! -e "$machine_dir/uninstall.exe"
    expect "Quenby.exe is still there" test ! -e "$machine_dir/Quenby.exe"
    expect "the engine in use is not deleted at the next restart" \
        deleted_at_restart "$machine_win\\Quenbytray.exe"
    expect "the uninstaller did not say so: $told" grep -q -F -- "$(english_text UNINSTALL_IN_USE)" <<<"$told"
    kill "$holder" 2>/dev/null
    wait "$holder" 2>/dev/null
    restart_deletes_pending
    expect "the restart would leave Program Files\\Quenby" test ! -e "$machine_dir"
    # Installed again for the next case.
    win "$setup" /S /ALLUSERS >/dev/null || status=$?
    expect "setup /S /ALLUSERS after the uninstall ended with $status" [ "$status" -eq 0 ]
}

case_machine_wide_uninstall_leaves_every_setting() {
    win reg add 'HKCU\Software\Quenby' /v TargetFreeRAM /t REG_DWORD /d 3333 /f >/dev/null
    local status=0
    win "$machine_win\\uninstall.exe" /S >/dev/null || status=$?
    expect "uninstall.exe /S ended with $status" [ "$status" -eq 0 ]
    expect "Program Files\\Quenby is still there after 60 s" wait_for 60 test ! -e "$machine_dir"
    expect "the uninstaller did not end" wait_for 30 uninstaller_done
    expect "the panel still runs" wait_for 10 no_process_of "$machine_win\\Quenby.exe"
    expect "the machine's uninstall entry is still there" \
        sh -c "! timeout 60 wine reg query '$machine_uninstall_key' >/dev/null 2>&1"
    expect "the machine's Run entry is still there" has_no_value "$machine_run_key" Quenby
    expect "the common Start-menu folder is still there" test ! -e "$common_start_menu/Quenby"
    expect "TargetFreeRAM was lost" [ "$(reg_value 'HKCU\Software\Quenby' TargetFreeRAM)" = "REG_DWORD 0xd05" ]
}

# --- Run -----------------------------------------------------------------------------

started=$SECONDS
run_case package_makes_both_packages case_package_makes_both_packages
# Without both packages nothing further can be tried.
if ! [ -s "$setup" ] || ! [ -s "$zip" ] || ! [ -f "${tool_ctl:-}" ]; then
    write_results
    exit 1
fi
run_case package_without_makensis_fails_cleanly case_package_without_makensis_fails_cleanly
run_case package_with_failing_makensis_leaves_no_half_package case_package_with_failing_makensis_leaves_no_half_package
run_case package_refuses_a_missing_program case_package_refuses_a_missing_program
run_case package_refuses_programs_of_another_version case_package_refuses_programs_of_another_version
run_case package_again_gives_the_same_bytes case_package_again_gives_the_same_bytes
run_case package_signed_with_a_certificate case_package_signed_with_a_certificate
run_case package_signed_through_a_token case_package_signed_through_a_token
run_case package_refuses_a_wrong_pin_or_a_missing_token case_package_refuses_a_wrong_pin_or_a_missing_token
run_case manifests_pass_their_schemas case_manifests_pass_their_schemas
run_case package_refuses_bad_signing_and_addresses case_package_refuses_bad_signing_and_addresses
run_case signing_without_a_time_stamp_when_asked case_signing_without_a_time_stamp_when_asked

# A prefix of this test's own, made once; every run starts from no installation.
# Shortcuts a killed run left go first: the prefix's desktop, started with the
# server, would copy them into the Linux user's menus.
rm -rf "$prefix"/drive_c/users/*/AppData/Roaming/Microsoft/Windows/"Start Menu"/Programs/Quenby
"$source_dir/cmake/wine-prefix.sh" start "$prefix" >/dev/null 2>&1 ||
    give_up wine_prefix "could not prepare the Wine prefix $prefix"
local_appdata=$(win cmd /c 'echo %LOCALAPPDATA%')
temp_win=$(win cmd /c 'echo %TEMP%')
appdata=$(win cmd /c 'echo %APPDATA%')
case $local_appdata in [A-Z]:\\*) ;; *) give_up wine_prefix "no %LOCALAPPDATA% in the prefix ('$local_appdata')" ;; esac
install_win=$local_appdata'\Programs\Quenby'
install_dir=$(realpath -m "$(winepath -u "$install_win")")
start_menu=$(realpath -m "$(winepath -u "$appdata")")'/Microsoft/Windows/Start Menu/Programs'
drive_c=$(realpath -m "$(winepath -u 'C:\')")
machine_win=$(win cmd /c 'echo %ProgramFiles%')'\Quenby'
machine_dir=$(realpath -m "$(winepath -u "$machine_win")")
common_start_menu=$(realpath -m "$(winepath -u "$(win cmd /c 'echo %ProgramData%')")")'/Microsoft/Windows/Start Menu/Programs'
win reg delete 'HKCU\Software\Quenby' /f >/dev/null
win reg delete 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quenby' /f >/dev/null
win reg delete "$run_key" /v Quenby /f >/dev/null
win reg delete "$machine_uninstall_key" /f >/dev/null
win reg delete "$machine_run_key" /v Quenby /f >/dev/null
win reg delete 'HKLM\System\CurrentControlSet\Control\Session Manager' /v PendingFileRenameOperations /f >/dev/null
rm -rf "$install_dir" "$start_menu/Quenby" "$drive_c/Portable Quenby" "$machine_dir" "$common_start_menu/Quenby"

run_case silent_install case_silent_install
run_case installed_uninstaller_is_signed case_installed_uninstaller_is_signed
run_case path_value case_path_value
run_case start_menu_shortcuts case_start_menu_shortcuts
run_case shortcut_named_in_setups_language case_shortcut_named_in_setups_language
run_case uninstall_entry case_uninstall_entry
run_case start_with_windows_by_default case_start_with_windows_by_default
run_case installed_engine_and_panel_find_each_other case_installed_engine_and_panel_find_each_other
run_case reinstall_over_running_programs_keeps_settings case_reinstall_over_running_programs_keeps_settings
run_case start_with_windows_is_a_choice_kept_on_upgrade case_start_with_windows_is_a_choice_kept_on_upgrade
run_case locked_program_file_stops_setup_before_any_change case_locked_program_file_stops_setup_before_any_change
run_case two_setups_at_once_leave_a_working_install case_two_setups_at_once_leave_a_working_install
run_case second_setup_while_one_runs_is_told_to_retry case_second_setup_while_one_runs_is_told_to_retry
run_case silent_uninstall_leaves_only_the_settings case_silent_uninstall_leaves_only_the_settings
run_case uninstall_keeps_what_is_not_its_own case_uninstall_keeps_what_is_not_its_own
run_case portable_zip_runs_from_its_own_folder case_portable_zip_runs_from_its_own_folder
run_case machine_wide_install case_machine_wide_install
run_case machine_wide_programs_find_each_other case_machine_wide_programs_find_each_other
run_case machine_wide_update_starts_nothing case_machine_wide_update_starts_nothing
run_case machine_wide_update_sets_aside_a_program_in_use case_machine_wide_update_sets_aside_a_program_in_use
run_case machine_wide_update_that_fails_puts_back_what_it_moved case_machine_wide_update_that_fails_puts_back_what_it_moved
run_case machine_wide_uninstall_leaves_a_program_in_use_to_the_restart \
    case_machine_wide_uninstall_leaves_a_program_in_use_to_the_restart
run_case machine_wide_uninstall_leaves_every_setting case_machine_wide_uninstall_leaves_every_setting

echo "(installer test took $((SECONDS - started)) s; packages: $(cd "$packages" && stat -c '%n %s bytes' -- * | tr '\n' ' '))"
write_results
