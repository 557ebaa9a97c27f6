#!/usr/bin/env bash
# End-to-end: the installed skxhost plays the SKX host for the installed driver library, which
# starts the installed PCas.exe stand-in against scalesim on 127.0.0.1.
#   e2e-driver.sh PREFIX CASE
# Exit 77 (skipped) when a program of the flow is not installed.
set -uo pipefail
prefix=$1
case_name=$2
lib=$prefix/lib/libvxlumo.so
for f in "$lib" "$prefix/bin/skxhost" "$prefix/bin/PCas.exe" "$prefix/bin/scalesim"; do
    [[ -e "$f" ]] || { echo "e2e-driver: $f is not installed"; exit 77; }
done

tmp=$(mktemp -d)
scalesim_pid=
cleanup() {
    [[ -n "$scalesim_pid" ]] && kill "$scalesim_pid" 2>/dev/null && wait "$scalesim_pid" 2>/dev/null
    rm -rf "$tmp"
}
trap cleanup EXIT

fail() { echo "e2e-driver $case_name: $*"; echo "--- output:"; cat "$tmp/out" 2>/dev/null; exit 1; }
expect_line() { grep -qxF -- "$1" "$tmp/out" || fail "no line: $1"; }
expect_no_line() { ! grep -qF -- "$1" "$tmp/out" || fail "unexpected: $1"; }

# A driver folder of its own, holding the scale maker's program and the scale simulator.
drv="$tmp/sterownik CAS"
work=$tmp/wymiana
mkdir -p "$drv" "$work"
cp "$prefix/bin/PCas.exe" "$prefix/bin/scalesim" "$drv/"

start_scale() {
    "$drv/scalesim" --port 0 --db "$tmp/plu.db" --port-file "$tmp/port" >/dev/null 2>"$tmp/scalesim.err" &
    scalesim_pid=$!
    for _ in $(seq 1 200); do [[ -s "$tmp/port" ]] && break; sleep 0.05; done
    [[ -s "$tmp/port" ]] || fail "scalesim did not start: $(cat "$tmp/scalesim.err")"
    port=$(tr -d '\r\n' <"$tmp/port")
}
port=1

write_params() {  # driver folder
    cat >"$tmp/params.txt" <<PARAMS
VxLumoCasScaleType=CL5000
VxLumoMedium=1
VxLumoIPAddress=127.0.0.1
VxLumoIPPort=$port
VxLumoRS232Port=COM1
VxLumoRS232Speed=19200
VxLumoWeighedItems=1
VxLumoPluFrom=0
VxLumoBarcodeMin=1
VxLumoBarcodeMax=999
VxLumoPrefix=29
VxLumoSubgroup=0
VxLumoDriverDir=$1
RodzajTransmisji=3
PARAMS
}

write_kasa_exp() {  # the host writes its export file in Windows-1250
    printf '%s\r\n' \
        'PLU;1;11;2000001;Jabłka Ligol;4.99;4.99;4.99;4.99;5;1;T;3;F;F;F;0;;1;DOD' \
        'PLU;2;12;2000002;Żółty ser gouda;32.50;32.50;32.50;32.50;5;1;T;3;F;F;F;0;;1;DOD' \
        'PLU;3;13;2000003;Śliwki węgierki;7.20;7.20;7.20;7.20;5;1;T;3;F;F;F;0;;1;DOD' |
        iconv -f UTF-8 -t CP1250 >"$work/kasa.exp"
}

host() {  # skxhost run with the common arguments and any more
    "$prefix/bin/skxhost" run --driver "$lib" --workdir "$work" --params "$tmp/params.txt" "$@" >"$tmp/out" 2>&1
}

started='+ 0 | Uruchamianie programu komunikacyjnego | OK'
ended='+ 0 | Zakończono komunikację z wagą | OK'
header='+ 2 | Podczas wykonywania operacji '"'"'eksport'"'"' wystąpił błąd:'

case "$case_name" in
export)
    start_scale
    write_params "$drv"
    write_kasa_exp
    printf '28????\r\n' >"$tmp/list.txt"
    host --list "$tmp/list.txt" --scale-no 2 || fail "skxhost returned $?"
    expect_line "$started"
    expect_line "$ended"
    grep -q 'BCD_FORMAT;28WWWW' "$work/scale.cfg" || fail "scale.cfg lacks the barcode format"
    grep -q 'SCALE_NO;2' "$work/scale.cfg" || fail "scale.cfg lacks the scale number"
    db=$work/skxhost-wyniki.txt
    [[ -s "$db" ]] || fail "the host's database holds no result"
    for plu in 1 2 3; do grep -q "^PLU;$plu;" "$db" || fail "the result lacks PLU $plu"; done
    "$drv/scalesim" dump --port "$port" >"$tmp/plu.txt" || fail "scalesim dump failed"
    grep -q 'Jabłka Ligol' "$tmp/plu.txt" || fail "the scale lacks the apples: $(cat "$tmp/plu.txt")"
    grep -q 'Żółty ser gouda' "$tmp/plu.txt" || fail "the scale lacks the cheese"
    grep -q 'Śliwki węgierki' "$tmp/plu.txt" || fail "the scale lacks the plums"
    ;;
pcas-missing)
    mkdir -p "$tmp/pusty"
    write_params "$tmp/pusty"
    write_kasa_exp
    host || fail "skxhost returned $?"
    expect_line "$header"
    expect_line "+ 2 | Brak sterownika: $tmp/pusty/PCas.exe"
    [[ ! -e "$work/scale.cfg" ]] || fail "scale.cfg was written"
    ;;
workdir-not-writable)
    write_params "$drv"
    : >"$tmp/plik"
    "$prefix/bin/skxhost" run --driver "$lib" --workdir "$tmp/plik/wymiana" --params "$tmp/params.txt" \
        >"$tmp/out" 2>&1 || fail "skxhost returned $?"
    expect_line "$header"
    expect_no_line "Uruchamianie"
    ;;
refused)
    start_scale
    write_params "$drv"
    write_kasa_exp
    host --refuse-result || fail "skxhost returned $?"
    expect_line "$started"
    expect_line "$ended"
    expect_line "$header"
    expect_line '+ 2 | Błąd zapisu wyniku eksportu do bazy danych'
    [[ ! -e "$work/skxhost-wyniki.txt" ]] || fail "the refused result was stored"
    ;;
session)
    write_params "$drv"
    host --session 3 --text 'inna sesja'
    rc=$?
    [[ $rc -eq 1 ]] || fail "session type 3 returned $rc, not 1"
    expect_line "+ 0 | Oczekiwanie na zamknięcie sesji 'inna sesja'"
    expect_no_line "Uruchamianie"
    ;;
unsupported)
    write_params "$drv"
    for row in "-3:import sprzedaży" "-4:import paragonu" "-7:nasłuch" "7:operacja [7]"; do
        host --op "${row%%:*}" || fail "operation ${row%%:*} returned $?"
        expect_line "+ 2 | Podczas wykonywania operacji '${row#*:}' wystąpił błąd:"
        expect_line "+ 2 | Urządzenie nie obsługuje zleconego typu operacji"
    done
    host --op -1 || fail "operation -1 returned $?"
    expect_line "+ 2 | Ten sterownik nie obsługuje testu połączenia"
    [[ ! -e "$work/scale.cfg" ]] || fail "the connection test wrote scale.cfg"
    host --op -8 || fail "operation -8 returned $?"
    [[ $(grep -c '^[+~]' "$tmp/out") -eq 0 ]] || fail "operation -8 sent status lines"
    ;;
*)
    echo "e2e-driver: unknown case $case_name"
    exit 2
    ;;
esac
echo "e2e-driver $case_name: ok"
