#!/usr/bin/env bash
# Runs every test of the project on a Debian machine, installing what it needs first:
# the native unit and contract tests (with g++, with AddressSanitizer and UBSan, and with
# clang), a short fuzzing run of every reader, static analysis, the Windows build with its
# tests under Wine, headless (unit, contract, window and end-to-end tests), its release
# package signed with a certificate made for the run, and a second build of the program and
# the package in another folder that must give the same bytes. Each build uses its CMake
# preset (CMakePresets.json) in a folder of its own.
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
configure windows "$out/windows" "${signieren[@]}"
cmake --build "$out/windows" -j"$jobs"

step "Static analysis of the production sources"
bash scripts/static-analysis.sh "$out/windows"

step "Windows tests under Wine"
# Each in the build's own Wine prefix on a virtual display of its own (scripts/wine_lauf.sh).
env -u DISPLAY ctest --test-dir "$out/windows" --output-on-failure --no-tests=error

step "Release package, signed"
cmake --build "$out/windows" --target package
bash scripts/check-package.sh "$out/windows" "$signatur/zertifikat.pem"

# The second build signs with the same certificate, so the whole package must come out the
# same; the programs are compared as anyone without the key compares them: the shipped ones
# with their signature removed against the ones built again.
step "Reproducible build: the program and the package made again in another folder"
zweiter="$out/reproduzierbar/zweiter-ordner"
configure windows "$zweiter" -DSCHULFERIEN_TESTS=OFF "${signieren[@]}"
cmake --build "$zweiter" -j"$jobs" --target package
for exe in Schulferien.exe Schulferien_deaktivieren.exe; do
    osslsigncode remove-signature -in "$out/windows/paket/$exe" -out "$zweiter/ohne-signatur.exe" \
        >/dev/null
    cmp "$zweiter/ohne-signatur.exe" "$zweiter/$exe"
    rm "$zweiter/ohne-signatur.exe"
done
paket=Schulferien-$(sed -n 's/^CMAKE_PROJECT_VERSION:[A-Z]*=//p' "$zweiter/CMakeCache.txt")-win64.zip
cmp "$out/windows/$paket" "$zweiter/$paket"
echo "The same, byte for byte, in both folders:" \
    "Schulferien.exe $(sha256sum <"$zweiter/Schulferien.exe" | cut -d' ' -f1)," \
    "$paket $(sha256sum <"$zweiter/$paket" | cut -d' ' -f1)"
