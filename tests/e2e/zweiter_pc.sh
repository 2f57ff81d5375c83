#!/usr/bin/env bash
# The second computer of a test of SzenarioMitZweitemPC (started by tests/e2e/lauf.sh, with
# the clock and the share set up):
#   zweiter_pc.sh ORDNER wine e2e_tests.exe --gtest_filter=SzenarioMitZweitemPC.TEST
#
# It is a throwaway copy of the Wine prefix in ORDNER/zweiter-pc-praefix with a Wine server
# of its own, so that its process ids are its own as another computer's are, and it reaches
# the share \\sfk-server\e2e as the first one does. There the Gegenstelle (gegenstelle.exe,
# beside the tests) names the computer SFK-PC2 and drives its program by the orders the test
# puts into ORDNER/zweiter-pc (E2E_ZWEITER_PC): window messages don't cross Wine servers.
# Its output goes to ORDNER/zweiter-pc.log, away from ctest's pipe.
set -euo pipefail
ordner=$1
shift
kopie=$ordner/zweiter-pc-praefix kanal=$ordner/zweiter-pc
# What a killed run left: its server stopped, its copy replaced.
[ ! -d "$kopie" ] || WINEPREFIX=$kopie wineserver -k 2>/dev/null || true
rm -rf "$kopie" "$kanal"
mkdir -p "$kanal"
cp -a "${WINEPREFIX:-$HOME/.wine}" "$kopie"
kanal_windows=Z:${kanal//\//\\}
WINEPREFIX=$kopie "$1" "$(dirname "$2")/gegenstelle.exe" "$kanal_windows" SFK-PC2 \
    </dev/null >"$ordner/zweiter-pc.log" 2>&1 &
gegenstelle=$!
status=0
E2E_ZWEITER_PC=$kanal "$@" || status=$?
WINEPREFIX=$kopie wineserver -k 2>/dev/null || true
wait "$gegenstelle" 2>/dev/null || true
WINEPREFIX=$kopie wineserver -w 2>/dev/null || true
rm -rf "$kopie" "$kanal"
exit $status
