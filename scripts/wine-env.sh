# Sourced by the scripts that run Windows programs: a private wine prefix and a persistent
# wineserver, so that each test process starts quickly.
export WINEPREFIX="${WINEPREFIX:-${VX_ROOT:-$PWD}/build/wineprefix}"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
if [[ ! -f "$WINEPREFIX/system.reg" ]]; then
    mkdir -p "$WINEPREFIX"
    /usr/lib/wine/wine64 wineboot --init >/dev/null 2>&1 || true
    # wineboot leaves its services running; the persistent server below keeps them.
fi
/usr/lib/wine/wineserver -p >/dev/null 2>&1 || true
