#!/usr/bin/env bash
# Checks the release package of a Windows build folder: exactly its four files, sums that
# match, the program files as built, and a guide that Notepad shows with its umlauts
# (UTF-8 with byte order mark, CRLF line ends).
#   bash scripts/check-package.sh BUILD_FOLDER
set -euo pipefail
dir=${1:?the build folder of the Windows build}
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:[A-Z]*=//p' "$dir/CMakeCache.txt")
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
for exe in Schulferien.exe Schulferien_deaktivieren.exe; do
    cmp -s "$tmp/$exe" "$dir/$exe" || fail "$exe in the package differs from the build"
done
[ "$(head -c 3 "$tmp/LIESMICH.txt" | od -An -tx1 | tr -d ' ')" = efbbbf ] ||
    fail "LIESMICH.txt does not start with a UTF-8 byte order mark"
[ "$(grep -c $'\r$' "$tmp/LIESMICH.txt")" = "$(wc -l <"$tmp/LIESMICH.txt")" ] ||
    fail "LIESMICH.txt has lines without CRLF"
grep -q "^Version $version\( (Commit [0-9a-f]\{7\})\)\?"$'\r$' "$tmp/LIESMICH.txt" ||
    fail "LIESMICH.txt does not name version $version (and its commit)"
unzip -l "$zip"
