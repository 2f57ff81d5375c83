#!/usr/bin/env bash
# How the end-to-end tests run under Wine (CMake's emulator for them, after
# scripts/wine_lauf.sh has set up the Wine prefix and the display):
#   lauf.sh LIBFAKETIME ORDNER wine e2e_tests.exe [--gtest_filter=SUITE.TEST ...]
#
# The clock: libfaketime is preloaded into the run, and so into every Wine process it starts
# (a Wine process hands its Unix environment on to the processes it creates, whatever
# Windows environment they are given). A process reads its start time from ORDNER/uhr when
# it starts, which a test writes before it starts the program. Only the wall clock is set:
# file times stay true (Wine compares them to decide whether its prefix needs updating), and
# so does the monotonic clock that waits and timeouts use.
#
# The share \\sfk-server\e2e that scenarios reach is ORDNER/freigabe, linked into the prefix
# as dosdevices/unc/sfk-server/e2e.
#
# A test of the suite SzenarioImWegwerfpraefix changes the Wine prefix (system files, the
# registry). It runs in a throwaway copy of the prefix in ORDNER/praefix, made afresh before
# it and removed after it, with a Wine server of its own: the shared prefix stays as it was,
# even when a run is killed. A test of SzenarioMitZweitemPC has a second computer beside it
# (tests/e2e/zweiter_pc.sh).
set -euo pipefail
bibliothek=$1 ordner=$2
shift 2
mkdir -p "$ordner/freigabe"
export LD_PRELOAD=$bibliothek FAKETIME_TIMESTAMP_FILE=$ordner/uhr NO_FAKE_STAT=1 \
    FAKETIME_DONT_FAKE_MONOTONIC=1
unc=${WINEPREFIX:-$HOME/.wine}/dosdevices/unc/sfk-server
mkdir -p "$unc"
ln -sfn "$ordner/freigabe" "$unc/e2e"
case " $* " in
*" --gtest_filter=SzenarioImWegwerfpraefix."*) ;;
*" --gtest_filter=SzenarioMitZweitemPC."*) exec bash "$(dirname "$0")/zweiter_pc.sh" "$ordner" "$@" ;;
*) exec "$@" ;;
esac

kopie=$ordner/praefix
# What a killed run left: its server stopped, its copy replaced.
[ ! -d "$kopie" ] || WINEPREFIX=$kopie wineserver -k 2>/dev/null || true
rm -rf "$kopie"
cp -a "$WINEPREFIX" "$kopie"
export WINEPREFIX=$kopie E2E_WEGWERFPRAEFIX=1
status=0
"$@" || status=$?
wineserver -k 2>/dev/null || true
wineserver -w 2>/dev/null || true
rm -rf "$kopie"
exit $status
