#!/usr/bin/env bash
# Start-up benchmark under Wine: the time from starting the program until its window shows,
# against an empty Win32 window measured in the same run (and, for comparison, an empty
# window that first decodes one status picture with the Windows Imaging Component).
#   bash scripts/benchmark.sh [RUNS]      (default 20 runs of each, taken in turns)
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/deps.sh
deps_install

root=$PWD
out=${SCHULFERIEN_BUILD:-$root/build}
runs=${1:-20}
cmake --preset windows -B "$out/windows" >/dev/null
cmake --build "$out/windows" -j2 --target Schulferien e2e_treiber leeres_fenster >/dev/null

. scripts/wine_env.sh
wine_env_prepare "$out/wineprefix"
# Wine's drive Z: is the root of the Linux file system.
bin="Z:${out//\//\\}\\windows"
messen=(wine "$out/windows/e2e_treiber.exe" startzeit "$runs"
  "$bin\\leeres_fenster.exe" "$bin\\Schulferien.exe" "$bin\\leeres_fenster.exe|wic")

echo "Start until the window shows, median of $runs runs each (ratio to the empty window):"
if [ -n "${DISPLAY:-}" ]; then
  "${messen[@]}"
else
  xvfb-run -a -s "-screen 0 1280x1024x24" "${messen[@]}"
fi
echo "Schulferien.exe: $(stat -c %s "$out/windows/Schulferien.exe") bytes" \
  "(leeres_fenster.exe: $(stat -c %s "$out/windows/leeres_fenster.exe") bytes)"
