#!/usr/bin/env bash
# Runs a command (a Wine program) with the clock set to the given local date and time:
#   mit_datum.sh [--eigenes-praefix ORDNER] "2025-03-14 10:00:00" wine e2e_treiber.exe szenario NAME
# Every process of the run, the Wine server included, sees the same clock: the server is
# stopped first, so the run starts its own under the same offset.
#
# With --eigenes-praefix the run gets a throwaway copy of the Wine prefix in ORDNER, made
# afresh before it and removed after it: a scenario that changes its prefix (system files,
# the registry) leaves the shared one as it was, even when the run is killed.
set -euo pipefail
kopie=
if [ "${1:-}" = --eigenes-praefix ]; then
    kopie=$2
    shift 2
fi
ziel=$1
shift
# Only the clock: file times stay true (Wine compares them to decide whether its prefix
# needs updating).
export NO_FAKE_STAT=1
versatz=$(($(date -d "$ziel" +%s) - $(date +%s)))
[ "$versatz" -lt 0 ] || versatz="+$versatz"  # an offset in seconds, with its sign
wineserver -k 2>/dev/null || true
wineserver -w 2>/dev/null || true
if [ -n "$kopie" ]; then
    # What a killed run left: its server stopped, its copy replaced.
    [ ! -d "$kopie" ] || WINEPREFIX=$kopie wineserver -k 2>/dev/null || true
    rm -rf "$kopie"
    cp -a "${WINEPREFIX:-$HOME/.wine}" "$kopie"
    export WINEPREFIX=$kopie E2E_WEGWERFPRAEFIX=1
fi
status=0
faketime -f "${versatz}" "$@" || status=$?
wineserver -k 2>/dev/null || true
wineserver -w 2>/dev/null || true
[ -z "$kopie" ] || rm -rf "$kopie"
exit $status
