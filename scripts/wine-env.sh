# Sourced by the scripts that run Windows programs: a private wine prefix and a persistent
# wineserver, so that each test process starts quickly.
export WINEPREFIX="${WINEPREFIX:-${VX_ROOT:-$PWD}/build/wineprefix}"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$WINEPREFIX"
# The server first, with nothing of ours as its output: wine's services started later inherit
# the output of whoever started the server, and a test runner would wait for them to close it.
/usr/lib/wine/wineserver -p </dev/null >/dev/null 2>&1 || true
# wineboot starts wine's services too, also in a prefix made earlier: started here they write to
# nowhere, where started by the first test they would hold that test's output open.
if [[ ! -d "$WINEPREFIX/drive_c/windows" ]]; then
    /usr/lib/wine/wine64 wineboot --init </dev/null >/dev/null 2>&1 || true
else
    /usr/lib/wine/wine64 wineboot </dev/null >/dev/null 2>&1 || true
fi
# Stops the wine processes of this prefix (call when done, so nothing holds the output open).
vx_wine_stop() { /usr/lib/wine/wineserver -k >/dev/null 2>&1 || true; }
