# shellcheck shell=bash
# Wine as the project uses it: quiet, without the .NET and HTML components, in a prefix of the
# project's own, and without the menu builder, which would write menu entries, file types and
# icons of the prefix's programs into the home folder (~/.config/menus, ~/.local/share).
wine_env_overrides="mscoree,mshtml=;winemenubuilder.exe=d"
wine_env_setzen() {
    export WINEPREFIX="$1" WINEDEBUG=-all WINEDLLOVERRIDES="$wine_env_overrides"
}

# A Wine prefix of the project's own, made once and reused.
wine_env_prepare() {
    wine_env_setzen "$1"
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        echo "Preparing a Wine prefix in $WINEPREFIX"
        mkdir -p "$WINEPREFIX"
        xvfb-run -a wineboot -i >/dev/null 2>&1 || true
        wineserver -w || true
    fi
}
