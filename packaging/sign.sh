#!/usr/bin/env bash
# Authenticode signing of the Windows programs and installers, with osslsigncode:
#
#   packaging/sign.sh check      is everything there to sign? (exit 0 and no output
#                                when no certificate is given)
#   packaging/sign.sh FILE...    signs each FILE in place (SHA-256)
#
# Environment (all optional, but the first two go together):
#   QUENBY_SIGN_PKCS12         the certificate and its private key, a .pfx / .p12 file
#   QUENBY_SIGN_PASSWORD_FILE  a file whose first line is the .pfx's password
#   QUENBY_SIGN_TIMESTAMP_URL  an RFC 3161 time-stamp server; without it the
#                              signing time is SOURCE_DATE_EPOCH, so that a signed
#                              build is as reproducible as an unsigned one
#
# Every failure ends with one line on stderr naming what is wrong, and a non-zero
# exit code; a file whose signing failed is left as it was, unsigned.
set -euo pipefail

me=sign.sh
die() { printf '%s: %s\n' "$me" "$*" >&2; exit 1; }

pfx=${QUENBY_SIGN_PKCS12:-}
password_file=${QUENBY_SIGN_PASSWORD_FILE:-}
timestamp_url=${QUENBY_SIGN_TIMESTAMP_URL:-}

check() {
    if [ -z "$pfx" ]; then
        [ -z "$password_file" ] || die "QUENBY_SIGN_PASSWORD_FILE is set but QUENBY_SIGN_PKCS12 is not"
        [ -z "$timestamp_url" ] || die "QUENBY_SIGN_TIMESTAMP_URL is set but QUENBY_SIGN_PKCS12 is not"
        return 0
    fi
    command -v osslsigncode >/dev/null || die "osslsigncode not found (Debian package osslsigncode)"
    command -v openssl >/dev/null || die "openssl not found (Debian package openssl)"
    [ -f "$pfx" ] && [ -r "$pfx" ] || die "QUENBY_SIGN_PKCS12: no readable file $pfx"
    [ -n "$password_file" ] || die "QUENBY_SIGN_PKCS12 is set but QUENBY_SIGN_PASSWORD_FILE is not"
    [ -f "$password_file" ] && [ -r "$password_file" ] ||
        die "QUENBY_SIGN_PASSWORD_FILE: no readable file $password_file"
    if [ -n "$timestamp_url" ] && ! [[ $timestamp_url =~ ^https?://[^[:space:]]+$ ]]; then
        die "QUENBY_SIGN_TIMESTAMP_URL is not an http or https address: $timestamp_url"
    fi

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
    grep -q 'BEGIN CERTIFICATE' <<<"$certificate" || die "QUENBY_SIGN_PKCS12: $pfx holds no certificate"
    # Windows accepts an Authenticode signature only from a certificate meant for
    # code signing, and only while it is valid.
    openssl x509 -noout -ext extendedKeyUsage <<<"$certificate" 2>/dev/null | grep -q 'Code Signing' ||
        die "QUENBY_SIGN_PKCS12: the certificate in $pfx is not for code signing (no extended key usage codeSigning)"
    openssl x509 -noout -checkend 0 <<<"$certificate" >/dev/null 2>&1 ||
        die "QUENBY_SIGN_PKCS12: the certificate in $pfx has expired"
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
    if ! out=$(osslsigncode sign -pkcs12 "$pfx" -readpass "$password_file" -h sha256 \
            -n Quenby "${when[@]}" -in "$file" -out "$signed.exe" 2>&1); then
        rm -f "$signed" "$signed.exe"
        die "could not sign $(basename "$file"): $(grep -v '^[[:space:]]*$' <<<"$out" | tail -n1)"
    fi
    rm -f "$signed"
    mv -f "$signed.exe" "$file"
}

[ $# -ge 1 ] || { echo "usage: packaging/sign.sh check | packaging/sign.sh FILE..." >&2; exit 2; }
check
if [ "$1" = check ]; then
    exit 0
fi
[ -n "$pfx" ] || die "no certificate: set QUENBY_SIGN_PKCS12 and QUENBY_SIGN_PASSWORD_FILE"
for file in "$@"; do
    sign_file "$file"
done
