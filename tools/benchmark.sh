#!/usr/bin/env bash
# Start-up benchmark under Wine: the time from starting the program until its window shows,
# against two windows measured in turns in the same run: an empty Win32 window, and the
# yardstick, a window that makes the program's controls with its font and Common Controls 6
# and nothing else (the floor of the program's start-up). For comparison also an empty window
# that first decodes one status picture with the Windows Imaging Component.
#   bash tools/benchmark.sh [RUNS] [EARLIER_EXE]   (default 20 runs of each, taken in turns)
# EARLIER_EXE: another build of Schulferien.exe (a Linux path) measured in the same turns,
# e.g. the one before a change.
. "$(dirname "$0")/../scripts/common.sh"
deps_install

runs=${1:-20}
frueher=${2:-}
cmake --preset windows -B "$out/windows" >/dev/null
cmake --build "$out/windows" -j2 \
  --target Schulferien startzeit leeres_fenster massstab_fenster >/dev/null

. scripts/wine_env.sh
wine_env_prepare "$out/wineprefix"
# Wine's drive Z: is the root of the Linux file system.
winpfad() { local p; p=$(realpath "$1"); echo "Z:${p//\//\\}"; }
bin=$(winpfad "$out/windows")
programme=("$bin\\leeres_fenster.exe" "$bin\\massstab_fenster.exe")
[ -z "$frueher" ] || programme+=("$(winpfad "$frueher")")
programme+=("$bin\\Schulferien.exe" "$bin\\leeres_fenster.exe|wic")
messen=(wine "$out/windows/startzeit.exe" "$runs" "${programme[@]}")

echo "Start until the window shows, median of $runs runs each (ratio to the empty window);"
echo "load before: $(uptime | sed 's/.*load average: //')"
if [ -n "${DISPLAY:-}" ]; then
  "${messen[@]}"
else
  xvfb-run -a -s "-screen 0 1280x1024x24" "${messen[@]}"
fi | tee "$out/benchmark.txt"
echo "load after: $(uptime | sed 's/.*load average: //')"
# The program against the yardstick (the second line) and the empty window (the first); the
# figures read and written with a decimal point, whatever the system's language.
LC_ALL=C awk '/ Median / { for (i = 1; i < NF; ++i) if ($i == "Median") m[NR] = $(i + 1); n[NR] = $1 }
  END { for (k = 3; k <= NR; ++k) if (n[k] ~ /Schulferien/)
          printf "%s: %.2f x yardstick, %.2f x empty window\n", n[k], m[k] / m[2], m[k] / m[1] }' \
  "$out/benchmark.txt"
echo "Schulferien.exe: $(stat -c %s "$out/windows/Schulferien.exe") bytes" \
  "(massstab_fenster.exe: $(stat -c %s "$out/windows/massstab_fenster.exe") bytes," \
  "leeres_fenster.exe: $(stat -c %s "$out/windows/leeres_fenster.exe") bytes)"
