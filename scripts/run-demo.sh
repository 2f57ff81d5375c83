#!/usr/bin/env bash
# Tries the program on a Debian machine: installs what it needs, builds the Windows program
# and the demo (tools/demo.cpp), which creates a demo host (the planner's installation
# folder with its path settings, a data folder with a data file, a configuration that makes
# you an administrator, a log folder) in a Wine prefix of its own and starts Schulferien.exe
# on it.
#
# With a display (DISPLAY set) the window opens there and the script waits until you close
# it. Without one it runs under Xvfb, saves a screenshot of the window and ends.
. "$(dirname "$0")/common.sh"
deps_install

echo "Building the Windows program in $out/windows"
cmake --preset windows -B "$out/windows" >/dev/null
cmake --build "$out/windows" -j2 --target demo >/dev/null

. scripts/wine_env.sh
wine_env_prepare "$out/demo-wineprefix"
host_windows='C:\Demohost'
host_unix="$WINEPREFIX/drive_c/Demohost"

if [ -n "${DISPLAY:-}" ]; then
  wine "$out/windows/demo.exe" "$host_windows"
else
  bild="$out/demo-fenster.bmp"
  xvfb-run -a -s "-screen 0 1280x1024x24" \
    wine "$out/windows/demo.exe" "$host_windows" "Z:${bild//\//\\}"
  if command -v convert >/dev/null; then
    convert "$bild" "${bild%.bmp}.png" && bild="${bild%.bmp}.png"
  fi
  echo "No display: the window ran under Xvfb; screenshot: $bild"
fi
echo "The demo host lies in $host_unix ($host_windows in the Wine prefix $WINEPREFIX)."
echo "Ferientage.dat, once written, is in $host_unix/Velmorant/Daten/."
