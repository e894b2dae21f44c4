#!/usr/bin/env bash
# Authenticode signing of the Windows programs and installers, with osslsigncode:
#
#   packaging/sign.sh check      is everything there to sign? (exit 0 and no output
#                                when no certificate is given)
#   packaging/sign.sh FILE...    signs each FILE in place (SHA-256)
#
# The key is either in a .pfx file or in a PKCS#11 token (a USB token, or a cloud
# HSM that offers a PKCS#11 library); certificates sold for code signing come
# only in hardware nowadays, so the token is how a real release is signed, and
# the .pfx serves tests and self-made certificates. Environment (all optional):
#   QUENBY_SIGN_PKCS12         the certificate and its private key, a .pfx / .p12 file
#   QUENBY_SIGN_PKCS11_KEY     or: the private key in a token, as a pkcs11: URI
#                              (e.g. pkcs11:token=NAME;object=LABEL;type=private)
#   QUENBY_SIGN_PKCS11_MODULE  the token's PKCS#11 library (.so), with the key
#   QUENBY_SIGN_CERTS          the key's certificate and the chain up to the
#                              authority, PEM, signer first; with the key
#   QUENBY_SIGN_PKCS11_ENGINE  OpenSSL's pkcs11 engine (default: pkcs11.so in
#                              OpenSSL's engine folder, Debian package
#                              libengine-pkcs11-openssl)
#   QUENBY_SIGN_PASSWORD_FILE  a file whose first line is the .pfx's password or
#                              the token's PIN; needed with either
#   QUENBY_SIGN_TIMESTAMP_URL  an RFC 3161 time-stamp server; needed with a key.
#                              Windows accepts a signature after its certificate
#                              has expired only when a time stamp proves it was
#                              made while the certificate was valid: a release
#                              signed without one turns "unsigned" with the
#                              certificate's end
#   QUENBY_SIGN_NO_TIMESTAMP   1: sign without a time stamp all the same (tests
#                              with throwaway certificates, a machine without
#                              network, a signed build to be reproduced byte for
#                              byte); the signing time is then SOURCE_DATE_EPOCH
#
# The password or PIN goes to osslsigncode as a file (-readpass), never as an
# argument: a command line is visible to every user of the machine (ps). A PIN
# inside the pkcs11: URI would be, so it is refused.
#
# Every failure ends with one line on stderr naming what is wrong, and a non-zero
# exit code; a file whose signing failed is left as it was, unsigned.
set -euo pipefail

me=sign.sh
die() { printf '%s: %s\n' "$me" "$*" >&2; exit 1; }

pfx=${QUENBY_SIGN_PKCS12:-}
token_key=${QUENBY_SIGN_PKCS11_KEY:-}
module=${QUENBY_SIGN_PKCS11_MODULE:-}
certs=${QUENBY_SIGN_CERTS:-}
engine=${QUENBY_SIGN_PKCS11_ENGINE:-}
password_file=${QUENBY_SIGN_PASSWORD_FILE:-}
timestamp_url=${QUENBY_SIGN_TIMESTAMP_URL:-}
no_timestamp=${QUENBY_SIGN_NO_TIMESTAMP:-}

# The leaf certificate (PEM on stdin) must be one Windows accepts for
# Authenticode: meant for code signing, and valid now. WHERE names it.
check_certificate() { # WHERE
    local certificate
    certificate=$(cat)
    grep -q 'BEGIN CERTIFICATE' <<<"$certificate" || die "$1 holds no certificate"
    openssl x509 -noout -ext extendedKeyUsage <<<"$certificate" 2>/dev/null | grep -q 'Code Signing' ||
        die "the certificate in $1 is not for code signing (no extended key usage codeSigning)"
    openssl x509 -noout -checkend 0 <<<"$certificate" >/dev/null 2>&1 ||
        die "the certificate in $1 has expired"
}

check_pkcs12() {
    [ -f "$pfx" ] && [ -r "$pfx" ] || die "QUENBY_SIGN_PKCS12: no readable file $pfx"
    [ -n "$password_file" ] || die "QUENBY_SIGN_PKCS12 is set but QUENBY_SIGN_PASSWORD_FILE is not"
    [ -f "$password_file" ] && [ -r "$password_file" ] ||
        die "QUENBY_SIGN_PASSWORD_FILE: no readable file $password_file"
    # OpenSSL explains a wrong password or a damaged file in many lines; one of
    # ours says which it was.
    local certificate reason
    if ! certificate=$(openssl pkcs12 -in "$pfx" -passin "file:$password_file" -nokeys -clcerts 2>/dev/null); then
        reason=$(openssl pkcs12 -in "$pfx" -passin "file:$password_file" -nokeys -noout 2>&1 || true)
        if grep -q -i 'invalid password' <<<"$reason"; then
            die "QUENBY_SIGN_PASSWORD_FILE: wrong password for $pfx"
        fi
        die "QUENBY_SIGN_PKCS12: $pfx is not a PKCS#12 file"
    fi
    openssl pkcs12 -in "$pfx" -passin "file:$password_file" -nocerts -nodes 2>/dev/null |
        grep -q 'PRIVATE KEY' || die "QUENBY_SIGN_PKCS12: $pfx holds no private key"
    check_certificate "QUENBY_SIGN_PKCS12 $pfx" <<<"$certificate"
}

check_token() {
    [[ $token_key == pkcs11:* ]] || die "QUENBY_SIGN_PKCS11_KEY is not a pkcs11: URI: $token_key"
    [[ $token_key != *pin-value=* ]] ||
        die "QUENBY_SIGN_PKCS11_KEY holds the PIN (pin-value), which every user could read: put it in QUENBY_SIGN_PASSWORD_FILE"
    [ -n "$module" ] || die "QUENBY_SIGN_PKCS11_KEY is set but QUENBY_SIGN_PKCS11_MODULE is not"
    [ -f "$module" ] && [ -r "$module" ] || die "QUENBY_SIGN_PKCS11_MODULE: no readable file $module"
    if [ -z "$engine" ]; then
        engine=$(openssl version -e | sed -n 's/^ENGINESDIR: "\(.*\)"$/\1/p')/pkcs11.so
    fi
    [ -f "$engine" ] || die "no OpenSSL pkcs11 engine $engine (Debian package libengine-pkcs11-openssl)"
    [ -n "$certs" ] || die "QUENBY_SIGN_PKCS11_KEY is set but QUENBY_SIGN_CERTS is not"
    [ -f "$certs" ] && [ -r "$certs" ] || die "QUENBY_SIGN_CERTS: no readable file $certs"
    [ -n "$password_file" ] || die "QUENBY_SIGN_PKCS11_KEY is set but QUENBY_SIGN_PASSWORD_FILE (the PIN) is not"
    [ -f "$password_file" ] && [ -r "$password_file" ] ||
        die "QUENBY_SIGN_PASSWORD_FILE: no readable file $password_file"
    check_certificate "QUENBY_SIGN_CERTS $certs" <"$certs"

    key_options=(-pkcs11engine "$engine" -pkcs11module "$module" -key "$token_key" -certs "$certs"
                 -readpass "$password_file")
    [ "$mode" = check ] || return 0
    # One trial signature of a small script proves the token is there, the PIN
    # opens it, the key is in it and the certificate is the key's, before
    # anything is made. It is also the only login a wrong PIN costs: a token
    # locks itself after a few wrong ones, and the run stops at the first.
    local probe out status=0
    probe=$(mktemp -d) || die "cannot make a temporary folder"
    printf 'Write-Output Quenby\r\n' >"$probe/probe.ps1"
    out=$(osslsigncode sign "${key_options[@]}" -h sha256 -in "$probe/probe.ps1" -out "$probe/signed.ps1" 2>&1) ||
        status=$?
    rm -rf "$probe"
    if [ "$status" -ne 0 ]; then
        token_failure "$out"
        die "the token cannot sign: $(reason_in "$out")"
    fi
}

# The reason in what osslsigncode printed: the first OpenSSL error's own words
# ("...:error:CODE:LIBRARY:FUNCTION:REASON:file:line:"), or else its last line
# other than its closing "Failed".
reason_in() { # OUTPUT
    local reason
    reason=$(grep -m1 ':error:' <<<"$1" | cut -d: -f6 || true)
    [ -n "$reason" ] || reason=$(grep -v -e '^[[:space:]]*$' -e '^Failed$' <<<"$1" | tail -n1 || true)
    printf '%s\n' "${reason:-no reason given}"
}

# Dies with one line that says why the token did not sign, from what
# osslsigncode and the PKCS#11 engine printed.
token_failure() { # OUTPUT
    case $1 in
    *"PIN incorrect"*) die "QUENBY_SIGN_PASSWORD_FILE: wrong PIN for the token of $token_key" ;;
    *"PIN locked"*) die "the token of $token_key is locked (too many wrong PINs)" ;;
    *"No matching initialized token"* | *"No tokens"*)
        die "QUENBY_SIGN_PKCS11_KEY: no token found for $token_key (is it plugged in?)" ;;
    *"object not found"*) die "QUENBY_SIGN_PKCS11_KEY: no such private key in the token: $token_key" ;;
    *"Unable to load"*) die "QUENBY_SIGN_PKCS11_MODULE: $module is not a PKCS#11 library" ;;
    *"key values mismatch"*) die "QUENBY_SIGN_CERTS: $certs is not the certificate of $token_key" ;;
    esac
}

check() {
    if [ -n "$pfx" ] && [ -n "$token_key" ]; then
        die "QUENBY_SIGN_PKCS12 and QUENBY_SIGN_PKCS11_KEY are both set: sign with one"
    fi
    if [ -z "$pfx" ] && [ -z "$token_key" ]; then
        local variable
        for variable in QUENBY_SIGN_PASSWORD_FILE QUENBY_SIGN_TIMESTAMP_URL QUENBY_SIGN_PKCS11_MODULE \
                        QUENBY_SIGN_CERTS QUENBY_SIGN_PKCS11_ENGINE QUENBY_SIGN_NO_TIMESTAMP; do
            [ -z "${!variable:-}" ] ||
                die "$variable is set but neither QUENBY_SIGN_PKCS12 nor QUENBY_SIGN_PKCS11_KEY is"
        done
        return 0
    fi
    command -v osslsigncode >/dev/null || die "osslsigncode not found (Debian package osslsigncode)"
    command -v openssl >/dev/null || die "openssl not found (Debian package openssl)"
    if [ -n "$timestamp_url" ] && ! [[ $timestamp_url =~ ^https?://[^[:space:]]+$ ]]; then
        die "QUENBY_SIGN_TIMESTAMP_URL is not an http or https address: $timestamp_url"
    fi
    # Before the key is tried: a token counts every login against its PIN.
    case $no_timestamp in
    "")
        [ -n "$timestamp_url" ] ||
            die "no time-stamp server: set QUENBY_SIGN_TIMESTAMP_URL (e.g. http://timestamp.digicert.com), or QUENBY_SIGN_NO_TIMESTAMP=1 for signatures that Windows rejects once the certificate has expired"
        ;;
    1)
        [ -z "$timestamp_url" ] ||
            die "QUENBY_SIGN_TIMESTAMP_URL and QUENBY_SIGN_NO_TIMESTAMP=1 are both set: time-stamp or not"
        ;;
    *) die "QUENBY_SIGN_NO_TIMESTAMP is not 1: $no_timestamp" ;;
    esac
    if [ -n "$pfx" ]; then
        [ -z "$module$certs$engine" ] ||
            die "QUENBY_SIGN_PKCS11_MODULE, QUENBY_SIGN_CERTS and QUENBY_SIGN_PKCS11_ENGINE go with a token, not with QUENBY_SIGN_PKCS12"
        key_options=(-pkcs12 "$pfx" -readpass "$password_file")
        check_pkcs12
    else
        check_token
    fi
}

sign_file() {
    local file=$1 signed
    [ -f "$file" ] || die "no file $file to sign"
    signed=$(mktemp "$file.signing-XXXXXX") || die "cannot write beside $file"
    local when=()
    if [ -n "$timestamp_url" ]; then
        when=(-ts "$timestamp_url")
    elif [ -n "${SOURCE_DATE_EPOCH:-}" ]; then
        when=(-time "$SOURCE_DATE_EPOCH")
    fi
    local out
    if ! out=$(osslsigncode sign "${key_options[@]}" -h sha256 \
            -n Quenby "${when[@]}" -in "$file" -out "$signed.exe" 2>&1); then
        rm -f "$signed" "$signed.exe"
        [ -z "$token_key" ] || token_failure "$out"
        die "could not sign $(basename "$file"): $(reason_in "$out")"
    fi
    rm -f "$signed"
    mv -f "$signed.exe" "$file"
}

[ $# -ge 1 ] || { echo "usage: packaging/sign.sh check | packaging/sign.sh FILE..." >&2; exit 2; }
key_options=()
mode=$1
check
if [ "$mode" = check ]; then
    exit 0
fi
[ -n "$pfx$token_key" ] ||
    die "no key: set QUENBY_SIGN_PKCS12 or QUENBY_SIGN_PKCS11_KEY, and QUENBY_SIGN_PASSWORD_FILE"
for file in "$@"; do
    sign_file "$file"
done
