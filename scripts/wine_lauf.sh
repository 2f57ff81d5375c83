#!/usr/bin/env bash
# Runs a command of Windows programs under Wine the way every Windows test of a cross build runs
# (CMake's emulator for them):
#   wine_lauf.sh ORDNER BEFEHL...        e.g.  wine_lauf.sh build/windows/wine wine tests.exe
# in the project's own Wine prefix ORDNER/wineprefix (SCHULFERIEN_WINEPREFIX names another),
# made when it is missing, and on the session's display or, without one, on a virtual display
# (Xvfb) of its own. The Wine server and its helper processes are started apart from the
# command's output, so that a test's output ends with the test.
#
# Without a display, the server ends 30 seconds (SCHULFERIEN_WINE_LEERLAUF seconds) after the
# last command, and the virtual display with it. The server itself never ends for lack of
# work: a keeper ends it, and only while no command runs. Each command holds a shared lock on
# ORDNER/betrieb.sperre from before it looks for the server until it has ended, and the keeper
# ends the server only with that lock exclusive; so a command never meets a server, nor a
# display, that ends under it. With a display, the server ends by itself after the idle time;
# the next Windows program starts another.
set -euo pipefail
ordner=$(realpath -m -- "$1")
shift
. "$(dirname "${BASH_SOURCE[0]}")/wine_env.sh"
wine_env_setzen "${SCHULFERIEN_WINEPREFIX:-$ordner/wineprefix}"
mkdir -p "$ordner"
leerlauf=${SCHULFERIEN_WINE_LEERLAUF:-30}

# One command at a time sets things up (ctest may run tests side by side); what it starts does
# not hold the lock (9>&-).
exec 9>"$ordner/lauf.sperre"
flock 9
betrieb=$ordner/betrieb.sperre
exec 8>>"$betrieb"
flock -s 8

neu=
if [ -z "${DISPLAY:-}" ]; then
    # The virtual display of the running Wine server, or a new server on a new display:
    # xvfb-run keeps the display as long as the server (in the foreground) runs.
    anzeige= server= berechtigung=
    [ ! -f "$ordner/anzeige" ] || read -r anzeige server berechtigung <"$ordner/anzeige" || true
    if [ -z "$server" ] || ! kill -0 "$server" 2>/dev/null; then
        rm -f "$ordner/anzeige"
        wineserver -k 8>&- 9>&- 2>/dev/null || true # a server of this prefix without a display
        wineserver -w 8>&- 9>&- 2>/dev/null || true
        setsid xvfb-run -a -s "-screen 0 1280x1024x24" sh -c \
            'echo "$DISPLAY $$ $XAUTHORITY" >"$1.neu" && mv "$1.neu" "$1" && exec wineserver -f -p' \
            _ "$ordner/anzeige" </dev/null >/dev/null 2>&1 8>&- 9>&- &
        for _ in $(seq 300); do
            [ ! -f "$ordner/anzeige" ] || break
            sleep 0.1
        done
        read -r anzeige server berechtigung <"$ordner/anzeige"
        neu=1
        # The keeper: once no command holds the lock and the last one ended the idle time ago,
        # it ends the Wine programs and the server (before the display, so that none of them
        # reports a broken connection), with the lock held until the server is gone.
        touch "$betrieb"
        setsid bash -c '
            exec 7>>"$1"
            while kill -0 "$2" 2>/dev/null; do
                sleep 1
                flock -n -x 7 || continue
                if [ $(($(date +%s) - $(stat -c %Y "$1"))) -ge "$3" ]; then
                    rm -f "$4"
                    wineserver -k 2>/dev/null || true
                    while kill -0 "$2" 2>/dev/null; do sleep 0.1; done
                    exit 0
                fi
                flock -u 7
            done' _ "$betrieb" "$server" "$leerlauf" "$ordner/anzeige" \
            </dev/null >/dev/null 2>&1 8>&- 9>&- &
    fi
    export DISPLAY=$anzeige XAUTHORITY=$berechtigung
elif wineserver -p"$leerlauf" </dev/null >/dev/null 2>&1 8>&- 9>&-; then
    neu=1 # no server was running: this one is new
fi

if [ -n "$neu" ]; then
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        echo "Preparing a Wine prefix in $WINEPREFIX" >&2
        wineboot -i </dev/null >/dev/null 2>&1 8>&- 9>&- || true
    fi
    # The server's helper processes, started now, away from the command's output.
    wine cmd /c exit </dev/null >/dev/null 2>&1 8>&- 9>&- || true
fi
exec 9>&-
status=0
"$@" 8>&- || status=$?
touch "$betrieb" # the idle time counts from the end of the last command
exit "$status"
