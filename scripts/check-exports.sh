#!/usr/bin/env bash
# The installed Windows DLLs import system DLLs only and export what hosts look for.
set -euo pipefail
cd "$(dirname "$0")/.."
status=0
for arch in win64:x86_64 win32:i686; do
    preset=${arch%%:*}
    tool=${arch##*:}-w64-mingw32-objdump
    for f in dist/$preset/bin/*.dll dist/$preset/bin/*.exe; do
        [[ -e "$f" ]] || continue
        imports=$($tool -p "$f" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z')
        for dll in $imports; do
            case "$dll" in
                kernel32.dll|user32.dll|gdi32.dll|shell32.dll|advapi32.dll|ole32.dll|oleaut32.dll|comctl32.dll|comdlg32.dll|ws2_32.dll|msvcrt.dll|api-ms-win-*|vxlumo.dll) ;;
                *) echo "check-exports: $f imports $dll"; status=1 ;;
            esac
        done
    done
    dll=dist/$preset/bin/vxlumo.dll
    if [[ ! -f "$dll" ]]; then echo "check-exports: $dll missing"; status=1; continue; fi
    if [[ -f scripts/driver-exports.txt ]]; then
        exports=$($tool -p "$dll" | awk '/\[Ordinal\/Name Pointer\] Table/{t=1;next} t&&/\]/{print $NF} t&&/^$/{t=0}')
        while read -r name; do
            [[ -z "$name" ]] && continue
            grep -qx "$name" <<<"$exports" || { echo "check-exports: $dll lacks $name"; status=1; }
        done < scripts/driver-exports.txt
    fi
done
[[ $status -eq 0 ]] && echo "check-exports: DLLs import system DLLs only and export the host interface"
exit $status
