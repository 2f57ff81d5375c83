#!/usr/bin/env bash
# Runs a command (a Wine program) with the clock set to the given local date and time:
#   mit_datum.sh "2025-03-14 10:00:00" wine e2e_treiber.exe szenario NAME
# Every process of the run, the Wine server included, sees the same clock: the server is
# stopped first, so the run starts its own under the same offset.
set -euo pipefail
ziel=$1
shift
# Only the clock: file times stay true (Wine compares them to decide whether its prefix
# needs updating).
export NO_FAKE_STAT=1
versatz=$(($(date -d "$ziel" +%s) - $(date +%s)))
[ "$versatz" -lt 0 ] || versatz="+$versatz"  # an offset in seconds, with its sign
wineserver -k 2>/dev/null || true
wineserver -w 2>/dev/null || true
status=0
faketime -f "${versatz}" "$@" || status=$?
wineserver -k 2>/dev/null || true
wineserver -w 2>/dev/null || true
exit $status
