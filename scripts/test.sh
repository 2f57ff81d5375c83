#!/usr/bin/env bash
# Runs every test of the project on a Debian machine, installing what it needs first:
# the native unit and contract tests (with g++, with AddressSanitizer and UBSan, and with
# clang), a short fuzzing run of every reader, static analysis of the sources, the tools and
# the scripts, the Windows build with its tests under Wine, headless (unit, contract, window and
# end-to-end tests), with a home folder that must stay empty; the release package signed with
# a certificate made for the run, and a second build of the program and the package in another
# folder that must give the same bytes; then the README's release commands, which must give an
# unsigned package, and the package check on a German system. Each build uses its CMake preset
# (CMakePresets.json) in a folder of its own.
. "$(dirname "$0")/common.sh"
deps_install

jobs=$(nproc)

step() { printf '\n== %s\n' "$*"; }
# configure PRESET FOLDER [CMAKE ARGUMENTS...]: the preset's settings, in our build folder.
configure() {
    local preset=$1 dir=$2
    shift 2
    cmake --preset "$preset" -B "$dir" "$@" >/dev/null
}
run_tests() { ctest --test-dir "$1" --output-on-failure --no-tests=error "${@:2}"; }

for preset in native sanitize clang; do
    case $preset in
    native) step "Native build and tests (g++)" ;;
    sanitize) step "Native tests with AddressSanitizer and UndefinedBehaviorSanitizer" ;;
    clang) step "Native build and tests with clang" ;;
    esac
    configure "$preset" "$out/$preset"
    cmake --build "$out/$preset" -j"$jobs"
    run_tests "$out/$preset" -j"$jobs"
done

step "Fuzzing: a short run of every reader (bash scripts/fuzz.sh SECONDS runs longer)"
SCHULFERIEN_BUILD="$out" bash scripts/fuzz.sh "${SCHULFERIEN_FUZZ_SEKUNDEN:-10}"

step "Windows build"
configure windows "$out/windows"
cmake --build "$out/windows" -j"$jobs"

step "Static analysis: the sources, the tools and the scripts"
bash scripts/static-analysis.sh "$out/windows"

step "Windows tests under Wine"
# Each in the build's own Wine prefix on a virtual display of its own (scripts/wine_lauf.sh),
# with a home folder of their own, which must stay empty: so must a Wine prefix made anew
# with the project's Wine settings (scripts/wine_env.sh).
heim=$out/leeres-heim
rm -rf "$heim"
mkdir -p "$heim/home"
env -u DISPLAY HOME="$heim/home" ctest --test-dir "$out/windows" --output-on-failure \
    --no-tests=error
(
    . scripts/wine_env.sh
    HOME=$heim/home wine_env_prepare "$heim/wineprefix" >/dev/null
)
if [ -n "$(ls -A "$heim/home")" ]; then
    echo "Wine wrote into the home folder:" >&2
    find "$heim/home" -mindepth 1 >&2
    exit 1
fi
rm -rf "$heim"

# The release packages are made in folders of their own, never in one that a README command
# builds in: a signing setting left in a build folder would sign what is built there later.
step "Release package, signed"
# A code-signing certificate of its own for every run, self-signed: the package is signed with
# it and checked against it. Without a network there is no time stamp.
signatur="$out/signatur"
rm -rf "$signatur"
mkdir -p "$signatur"
(
    cd "$signatur"
    umask 077
    openssl rand -hex 16 >passwort
    openssl req -x509 -newkey rsa:3072 -noenc -keyout schluessel.pem -out zertifikat.pem \
        -days 7 -subj "/CN=Schulferien kennzeichnen (Testsignatur)" \
        -addext "keyUsage=critical,digitalSignature" -addext "extendedKeyUsage=codeSigning" \
        2>/dev/null
    openssl pkcs12 -export -inkey schluessel.pem -in zertifikat.pem -out test.pfx \
        -passout file:passwort
)
signieren=(-DSCHULFERIEN_SIGN_PFX="$signatur/test.pfx"
    -DSCHULFERIEN_SIGN_PASSWORD_FILE="$signatur/passwort")
erster="$out/signiert/erster-ordner"
configure release "$erster" "${signieren[@]}"
cmake --build "$erster" -j"$jobs" --target package
bash scripts/check-package.sh "$erster" "$signatur/zertifikat.pem"

# The second build signs with the same certificate, so the whole package must come out the
# same; the programs are compared as anyone without the key compares them: the shipped ones
# with their signature removed against the ones built again, and against the program the
# Windows tests ran.
step "Reproducible build: the program and the package made again in another folder"
zweiter="$out/signiert/zweiter-ordner"
configure release "$zweiter" "${signieren[@]}"
cmake --build "$zweiter" -j"$jobs" --target package
for exe in Schulferien.exe Schulferien_deaktivieren.exe; do
    osslsigncode remove-signature -in "$erster/paket/$exe" -out "$zweiter/ohne-signatur.exe" \
        >/dev/null
    cmp "$zweiter/ohne-signatur.exe" "$zweiter/$exe"
    cmp "$zweiter/ohne-signatur.exe" "$out/windows/$exe"
    rm "$zweiter/ohne-signatur.exe"
done
paket=Schulferien-$(sed -n 's/^CMAKE_PROJECT_VERSION:[A-Z]*=//p' "$zweiter/CMakeCache.txt")-win64.zip
cmp "$erster/$paket" "$zweiter/$paket"
echo "The same, byte for byte, in both folders:" \
    "Schulferien.exe $(sha256sum <"$zweiter/Schulferien.exe" | cut -d' ' -f1)," \
    "$paket $(sha256sum <"$zweiter/$paket" | cut -d' ' -f1)"

# What a maintainer does after the test command: the README's release commands (the block
# after "<!-- release -->"), as written, in this checkout. They must give a package that is
# not signed, whatever a run before left in its folder.
step "The README's release commands: an unsigned package"
mapfile -t befehle < <(sed -n '/^<!-- release -->$/,/^$/s/^    //p' README.md)
[ ${#befehle[@]} -gt 0 ] || {
    echo "README.md: no release commands after <!-- release -->" >&2
    exit 1
}
for befehl in "${befehle[@]}"; do
    echo "\$ $befehl"
    bash -euo pipefail -c "$befehl"
done
grep -qx 'SCHULFERIEN_SIGN_PFX:FILEPATH=' build/release/CMakeCache.txt || {
    echo "build/release signs: $(grep '^SCHULFERIEN_SIGN_PFX:' build/release/CMakeCache.txt)" >&2
    exit 1
}

# Nothing of the scripts depends on the system's language: the package check of a German
# system, whose sorting differs from the C locale's (upper and lower case together), passes.
step "The package check in German (de_DE.UTF-8)"
sprachen=$out/locales
mkdir -p "$sprachen"
[ -d "$sprachen/de_DE.UTF-8" ] || localedef -i de_DE -f UTF-8 "$sprachen/de_DE.UTF-8"
deutsch=(env LOCPATH="$sprachen" LC_ALL=de_DE.UTF-8)
[ "$(printf 'SHA256SUMS\nSchulferien.exe\n' | "${deutsch[@]}" sort | head -1)" = Schulferien.exe ] || {
    echo "de_DE.UTF-8 does not sort as German: the check would prove nothing" >&2
    exit 1
}
"${deutsch[@]}" bash scripts/check-package.sh "$erster" "$signatur/zertifikat.pem" >/dev/null
"${deutsch[@]}" bash scripts/check-package.sh build/release >/dev/null
echo "check-package.sh passes under de_DE.UTF-8, signed and unsigned."
