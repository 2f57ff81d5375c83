#!/usr/bin/env bash
# Many short Windows runs through scripts/wine_lauf.sh, as a headless test run makes them, each
# started about when the Wine server of the runs before ends for lack of work (its idle time
# cut to a second); it counts the runs that fail or don't print their test's result:
#   bash tools/wine_lauf_probe.sh BUILD [RUNS]     e.g.  tools/wine_lauf_probe.sh build/windows 60
# The command is one window test of BUILD/fenster_tests.exe (a window needs the display, which
# ends with the server; a program without one survives a server that ends, since Wine starts
# another), in a Wine prefix of its own
# (BUILD/wine-probe). The pauses between runs go round from 2.80 to 3.11 seconds in steps of
# 0.01: the server ends about 3 seconds after a run (Wine's own processes end 2 seconds after
# the last program, then the idle second runs out), when the next run looks for it.
# WINE_LAUF names another wrapper to probe.
set -euo pipefail
build=$(realpath -- "$1")
runs=${2:-100}
lauf=${WINE_LAUF:-$(dirname "$0")/../scripts/wine_lauf.sh}
ordner=$build/wine-probe
export SCHULFERIEN_WINE_LEERLAUF=1
unset DISPLAY
test=FensterTest.EineNutzerwahlLaeuftDurchDenRahmenZumHandler
befehl=(bash "$lauf" "$ordner" wine "$build/fenster_tests.exe" --gtest_filter="$test")

"${befehl[@]}" >/dev/null 2>&1 || true # the prefix made once, outside the count
fehler=0
for i in $(seq "$runs"); do
    ms=$((2800 + i % 32 * 10))
    pause=$(printf '%d.%02d' $((ms / 1000)) $((ms % 1000 / 10)))
    sleep "$pause"
    status=0
    start=$(date +%s.%N)
    ausgabe=$("${befehl[@]}" 2>&1) || status=$?
    dauer=$(echo "$(date +%s.%N) - $start" | bc)
    if [ "$status" -ne 0 ] || ! grep -q '^\[  PASSED  \] 1 test' <<<"$ausgabe"; then
        fehler=$((fehler + 1))
        printf 'run %d after a pause of %ss: exit %d after %.2fs, %d bytes of output\n' \
            "$i" "$pause" "$status" "$dauer" "${#ausgabe}"
    fi
done
echo "$runs runs, $fehler failed"
