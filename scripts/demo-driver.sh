#!/usr/bin/env bash
# Demo of the SKX host flow: skxhost loads the installed driver library, which writes scale.cfg
# and starts PCas.exe; PCas.exe sends the goods of kasa.exp to scalesim; the host stores the
# export result. Afterwards the scale's PLU table is shown. Runs on the installation in dist/linux.
set -euo pipefail
cd "$(dirname "$0")/.."
dist=${VX_DIST:-$PWD/dist/linux}
tmp=$(mktemp -d)
scale_pid=
cleanup() {
    [[ -n "$scale_pid" ]] && kill "$scale_pid" 2>/dev/null && wait "$scale_pid" 2>/dev/null || true
    rm -rf "$tmp"
}
trap cleanup EXIT

drv="$tmp/CAS PCas"  # a folder with a blank, as on a real till
work=$tmp/wymiana
mkdir -p "$drv" "$work"
cp "$dist/bin/PCas.exe" "$dist/bin/scalesim" "$drv/"

"$drv/scalesim" --port 0 --db "$tmp/plu.db" --port-file "$tmp/port" >/dev/null &
scale_pid=$!
for _ in $(seq 1 100); do [[ -s "$tmp/port" ]] && break; sleep 0.05; done
port=$(tr -d '\r\n' <"$tmp/port")

cat >"$tmp/params.txt" <<PARAMS
VxLumoCasScaleType=CL5000
VxLumoMedium=1
VxLumoIPAddress=127.0.0.1
VxLumoIPPort=$port
VxLumoWeighedItems=1
VxLumoPluFrom=0
VxLumoBarcodeMin=1
VxLumoBarcodeMax=999
VxLumoPrefix=29
VxLumoSubgroup=0
VxLumoDriverDir=$drv
PARAMS
printf '2??????\r\n' >"$tmp/list.txt"
# The host's export file, in Windows-1250 as the host writes it.
printf '%s\r\n' \
    'PLU;1;101;2000001;Jabłka Ligol;4.99;4.99;4.99;4.99;5;1;T;3;F;F;F;0;;1;DOD' \
    'PLU;2;102;2000002;Żółty ser gouda;32.50;32.50;32.50;32.50;5;1;T;3;F;F;F;0;;1;DOD' \
    'PLU;3;103;2000003;Śliwki węgierki;7.20;7.20;7.20;7.20;5;1;T;3;F;F;F;0;;1;DOD' \
    'PLU;4;104;2000004;Kiełbasa śląska;21.90;21.90;21.90;21.90;5;1;T;3;F;F;F;0;;1;DOD' |
    iconv -f UTF-8 -t CP1250 >"$work/kasa.exp"

echo "=== demo-driver: skxhost describes the driver"
"$dist/bin/skxhost" describe --driver "$dist/lib/libvxlumo.so" | sed -n 1,12p  # sed reads all: no broken pipe
echo "=== demo-driver: skxhost runs the export (operation -2) on scalesim at 127.0.0.1:$port"
"$dist/bin/skxhost" run --driver "$dist/lib/libvxlumo.so" --workdir "$work" --params "$tmp/params.txt" \
    --list "$tmp/list.txt" --scale-no 1 --op -2
echo "=== demo-driver: scale.cfg written by the driver"
iconv -f CP1250 -t UTF-8 "$work/scale.cfg" | tr -d '\r'
echo "=== demo-driver: export result stored in the host's database"
iconv -f CP1250 -t UTF-8 "$work/skxhost-wyniki.txt" | tr -d '\r'
echo "=== demo-driver: the scale's PLU table"
"$drv/scalesim" dump --port "$port"
