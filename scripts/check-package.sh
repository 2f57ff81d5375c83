#!/usr/bin/env bash
# Checks the release package of a Windows build folder: exactly its four files, sums that
# match, both program files the same, and a guide and sums that Notepad shows line by line
# (CRLF line ends; the guide in UTF-8 with byte order mark, for its umlauts). When the build
# signs (SCHULFERIEN_SIGN_PFX), both program files must carry a valid SHA-256 Authenticode
# signature, from CERTIFICATE (a PEM file: the signing certificate itself or the authority it
# chains to; without it, the authorities the system trusts), and be the program as built once
# the signature is removed; otherwise they must be the program as built.
#   bash scripts/check-package.sh BUILD_FOLDER [CERTIFICATE]
set -euo pipefail
# The same on every system: names sorted and compared byte by byte, whatever the language.
export LC_ALL=C
dir=${1:?the build folder of the Windows build}
certificate=${2:-}
cache() { sed -n "s/^$1:[A-Z]*=//p" "$dir/CMakeCache.txt"; }
version=$(cache CMAKE_PROJECT_VERSION)
signed=$(cache SCHULFERIEN_SIGN_PFX)
zip="$dir/Schulferien-$version-win64.zip"
fail() {
    echo "check-package: $*" >&2
    exit 1
}

[ -f "$zip" ] || fail "$zip is missing"
expected=$'LIESMICH.txt\nSHA256SUMS\nSchulferien.exe\nSchulferien_deaktivieren.exe'
actual=$(unzip -Z1 "$zip" | sort)
[ "$actual" = "$expected" ] || fail "$zip holds"$'\n'"$actual"$'\n'"instead of"$'\n'"$expected"

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
unzip -q "$zip" -d "$tmp"
(cd "$tmp" && sha256sum --quiet -c SHA256SUMS) || fail "SHA256SUMS does not match"
cmp -s "$tmp/Schulferien.exe" "$tmp/Schulferien_deaktivieren.exe" ||
    fail "the two program files differ"
[ -n "$signed" ] || [ -z "$certificate" ] || fail "a certificate is given, but the build does not sign"
for exe in Schulferien.exe Schulferien_deaktivieren.exe; do
    if [ -z "$signed" ]; then
        cmp -s "$tmp/$exe" "$dir/$exe" || fail "$exe in the package differs from the build"
        continue
    fi
    # The certificate's revocation lists are not fetched: the check runs offline.
    report=$(osslsigncode verify -in "$tmp/$exe" -ignore-cdp ${certificate:+-CAfile "$certificate"} 2>&1) ||
        fail "$exe: the signature does not verify"$'\n'"$report"
    grep -q '^Message digest algorithm *: SHA256' <<<"$report" || fail "$exe is not signed with SHA-256"
    osslsigncode remove-signature -in "$tmp/$exe" -out "$tmp/ohne-signatur.exe" >/dev/null ||
        fail "$exe: the signature cannot be removed"
    cmp -s "$tmp/ohne-signatur.exe" "$dir/$exe" ||
        fail "$exe without its signature differs from the build"
    rm "$tmp/ohne-signatur.exe"
done
[ "$(head -c 3 "$tmp/LIESMICH.txt" | od -An -tx1 | tr -d ' ')" = efbbbf ] ||
    fail "LIESMICH.txt does not start with a UTF-8 byte order mark"
for text in LIESMICH.txt SHA256SUMS; do
    [ "$(grep -c $'\r$' "$tmp/$text")" = "$(wc -l <"$tmp/$text")" ] ||
        fail "$text has lines without CRLF"
done
grep -q "^Version $version\( (Commit [0-9a-f]\{7\})\)\?"$'\r$' "$tmp/LIESMICH.txt" ||
    fail "LIESMICH.txt does not name version $version (and its commit)"
unzip -l "$zip"
if [ -n "$signed" ]; then
    echo "Both programs are signed (SHA-256) and verified against" \
        "${certificate:-the authorities the system trusts}."
fi
