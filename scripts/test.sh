#!/usr/bin/env bash
# Runs every test of the project on a Debian machine, installing what it needs first:
# the native unit and contract tests (also with AddressSanitizer and UBSan), and the
# Windows build with its tests under Wine, headless.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/deps.sh
deps_install

root=$PWD
out=${SCHULFERIEN_BUILD:-$root/build}
jobs=$(nproc)

step() { printf '\n== %s\n' "$*"; }

step "Native build and tests"
cmake -S . -B "$out/native" -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build "$out/native" -j"$jobs"
ctest --test-dir "$out/native" --output-on-failure -j"$jobs"

step "Native tests with AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B "$out/sanitize" -DCMAKE_BUILD_TYPE=Debug -DSCHULFERIEN_SANITIZE=ON >/dev/null
cmake --build "$out/sanitize" -j"$jobs"
ctest --test-dir "$out/sanitize" --output-on-failure -j"$jobs"

step "Windows build, tests under Wine"
cmake -S . -B "$out/windows" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" >/dev/null
cmake --build "$out/windows" -j"$jobs"
. scripts/wine_env.sh
wine_env_prepare "$out/wineprefix"
xvfb-run -a -s "-screen 0 1280x1024x24" ctest --test-dir "$out/windows" --output-on-failure
