# Sourced by the scripts that run Windows programs: a private wine prefix and a persistent
# wineserver, so that each test process starts quickly.
export WINEPREFIX="${WINEPREFIX:-${VX_ROOT:-$PWD}/build/wineprefix}"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
if [[ ! -d "$WINEPREFIX/drive_c/windows" ]]; then
    mkdir -p "$WINEPREFIX"
    /usr/lib/wine/wine64 wineboot --init >/dev/null 2>&1 || true
    # wineboot leaves its services running; the persistent server below keeps them.
fi
/usr/lib/wine/wineserver -p >/dev/null 2>&1 || true
# Stops the wine processes of this prefix (call when done, so nothing holds the output open).
vx_wine_stop() { /usr/lib/wine/wineserver -k >/dev/null 2>&1 || true; }
