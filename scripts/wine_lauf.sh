#!/usr/bin/env bash
# Runs a command of Windows programs under Wine the way every Windows test of a cross build runs
# (CMake's emulator for them):
#   wine_lauf.sh ORDNER BEFEHL...        e.g.  wine_lauf.sh build/windows/wine wine tests.exe
# in the project's own Wine prefix ORDNER/wineprefix (SCHULFERIEN_WINEPREFIX names another),
# made when it is missing, and on the session's display or, without one, on a virtual display
# (Xvfb) of its own. The Wine server and its helper processes are started apart from the
# command's output, so that a test's output ends with the test; the server ends 30 seconds
# after the last Windows program, and the virtual display with it.
set -euo pipefail
ordner=$(realpath -m -- "$1")
shift
. "$(dirname "${BASH_SOURCE[0]}")/wine_env.sh"
wine_env_setzen "${SCHULFERIEN_WINEPREFIX:-$ordner/wineprefix}"
mkdir -p "$ordner"

# One command at a time sets things up (ctest may run tests side by side); what it starts does
# not hold the lock (9>&-).
exec 9>"$ordner/lauf.sperre"
flock 9

neu=
if [ -z "${DISPLAY:-}" ]; then
    # The virtual display of the running Wine server, or a new server on a new display:
    # xvfb-run keeps the display as long as the server (in the foreground) runs.
    anzeige= server= berechtigung=
    [ ! -f "$ordner/anzeige" ] || read -r anzeige server berechtigung <"$ordner/anzeige" || true
    if [ -z "$server" ] || ! kill -0 "$server" 2>/dev/null; then
        rm -f "$ordner/anzeige"
        wineserver -k 9>&- 2>/dev/null || true # a server of this prefix without a display
        wineserver -w 9>&- 2>/dev/null || true
        setsid xvfb-run -a -s "-screen 0 1280x1024x24" sh -c \
            'echo "$DISPLAY $$ $XAUTHORITY" >"$1.neu" && mv "$1.neu" "$1" && exec wineserver -f -p30' \
            _ "$ordner/anzeige" </dev/null >/dev/null 2>&1 9>&- &
        for _ in $(seq 300); do
            [ ! -f "$ordner/anzeige" ] || break
            sleep 0.1
        done
        read -r anzeige server berechtigung <"$ordner/anzeige"
        neu=1
    fi
    export DISPLAY=$anzeige XAUTHORITY=$berechtigung
elif wineserver -p30 </dev/null >/dev/null 2>&1 9>&-; then
    neu=1 # no server was running: this one is new
fi

if [ -n "$neu" ]; then
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        echo "Preparing a Wine prefix in $WINEPREFIX" >&2
        wineboot -i </dev/null >/dev/null 2>&1 9>&- || true
    fi
    # The server's helper processes, started now, away from the command's output.
    wine cmd /c exit </dev/null >/dev/null 2>&1 9>&- || true
fi
exec 9>&-
exec "$@"
