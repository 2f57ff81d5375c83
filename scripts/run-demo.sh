#!/usr/bin/env bash
# Tries the program on a Debian machine: installs what it needs, builds the Windows program
# and the demo (tools/demo.cpp), which creates a demo host (the planner's installation
# folder with its path settings, a data folder with a data file, a configuration that makes
# you an administrator, a log folder, and both program files) in a Wine prefix of its own and
# starts Schulferien.exe on it.
#
# With a display (DISPLAY set) the window opens there and the script waits until you close
# it. Without one it runs on a virtual display (Xvfb), saves a screenshot of the window as a
# PNG and ends. Either way it ends with the command that starts the program on the demo host
# again, by hand.
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
  # The Wine processes end before the virtual display does, so none loses its connection.
  # shellcheck disable=SC2016 # the script's expansions are its own
  xvfb-run -a -s "-screen 0 1280x1024x24" bash -c \
    'status=0; wine "$@" || status=$?; wineserver -k; wineserver -w; exit $status' _ \
    "$out/windows/demo.exe" "$host_windows" "Z:${bild//\//\\}"
  if convert "$bild" "${bild%.bmp}.png"; then
    rm "$bild"
    bild="${bild%.bmp}.png"
  fi
  echo "No display: the program ran on a virtual one (Xvfb) and has ended; the screenshot of its"
  echo "window is saved in $bild."
fi
echo "The demo host lies in $host_unix ($host_windows in the Wine prefix $WINEPREFIX);"
echo "Ferientage.dat, once written, is in $host_unix/Velmorant/Daten/."
# Wine gives its programs a PUBLIC of its own: the program's is set inside Wine, by cmd.
echo "To start the program on the demo host (with a display; Schulferien_deaktivieren.exe"
echo "instead of Schulferien.exe removes the marking):"
printf "  WINEPREFIX=%q WINEDEBUG=-all WINEDLLOVERRIDES='%s' wine cmd /c '%s'\n" "$WINEPREFIX" \
  "$WINEDLLOVERRIDES" "set PUBLIC=$host_windows\\Public&& $host_windows\\Schulferien.exe"
