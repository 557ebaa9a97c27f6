#!/usr/bin/env bash
# pondero as Subiekt uses it: a scale simulator on 127.0.0.1, a program folder with pondero and
# the scale maker's programs, a request to send a few goods, then the report and the scale's PLUs.
set -euo pipefail
cd "$(dirname "$0")/.."
bin=$(cd "${VX_DIST:-dist/linux}/bin" 2>/dev/null && pwd) || { echo "demo-bridge: install first" >&2; exit 1; }
for f in pondero CAScale.exe libcasprtc.so scalesim; do
    [[ -e $bin/$f ]] || { echo "demo-bridge: $bin/$f is missing (install first)" >&2; exit 1; }
done

work=$(mktemp -d)
scale_pid=
cleanup() {
    [[ -n $scale_pid ]] && kill "$scale_pid" 2>/dev/null && wait "$scale_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
mkdir "$work/program" "$work/current"
cp "$bin/pondero" "$bin/CAScale.exe" "$bin/libcasprtc.so" "$work/program/"

"$bin/scalesim" --port 0 --port-file "$work/scale.port" >/dev/null &
scale_pid=$!
for _ in $(seq 100); do [[ -s $work/scale.port ]] && break; sleep 0.05; done
port=$(cat "$work/scale.port")
echo "== demo-bridge: scale simulator on 127.0.0.1:$port"

to_cp1250() { iconv -f UTF-8 -t WINDOWS-1250; }
to_utf8() { iconv -f WINDOWS-1250 -t UTF-8; }

cd "$work/current"
printf '<?xml version="1.0" encoding="utf-8" ?>\r\n  <CAS-POLSKA WAGA="Waga sklep" MODEL="CL5000" IP="127.0.0.1" PORT="%s" TIMEOUT="2000" RETRY="2"/>\r\n' \
    "$port" >Prog_kom.cfg
to_cp1250 >ster_uni.xml <<'XML'
<?xml version="1.0" encoding="windows-1250"?>
<DANE OPERACJA="PrzesyłanieTowarów" IDMODELU="1">
  <TOWAR><KP>1</KP><NA>Ser żółty gouda</NA><CE>24.90</CE><Wł>Łódź</Wł><GR>3</GR><KK>101</KK></TOWAR>
  <TOWAR><KP>2</KP><NA>Chleb żytni</NA><CE>6.5</CE><GR>1</GR><DK>5901234123457</DK></TOWAR>
  <TOWAR><KP>3</KP><NA>Śledź w oleju</NA><CE>12.99</CE><GR>4</GR></TOWAR>
</DANE>
XML
echo "== demo-bridge: pondero sends three goods (PrzesyłanieTowarów)"
QT_QPA_PLATFORM=offscreen "$work/program/pondero" 2>/dev/null
echo "-- Raport.xml:"
to_utf8 <Raport.xml | tr -d '\r'
echo "-- the scale's PLU table (PLU;name;name 2;price;group;item code;barcode;department;type):"
"$bin/scalesim" dump --port "$port"

printf '<DANE OPERACJA="SprawdzeniePo\xb3\xb9czenia"/>' >ster_uni.xml
echo "== demo-bridge: pondero tests the connection (SprawdzeniePołączenia)"
QT_QPA_PLATFORM=offscreen "$work/program/pondero" 2>/dev/null
to_utf8 <Raport.xml | tr -d '\r' | grep '<Typ>'
echo "== demo-bridge: done"
