#!/usr/bin/env bash
# The whole pondero program on a send request of many goods: wall time and peak memory, as
# /usr/bin/time measures them. The sending program ends at once (/bin/true stands in for
# CAScale.exe), so what is measured is the program's start, the request's processing and its exit.
# Usage: bash bench/pondero-peak-memory.sh [goods ...]   (default 20000 200000; build linux first)
set -euo pipefail
cd "$(dirname "$0")/.."
bin=build/linux/bin
[[ -x $bin/pondero ]] || { echo "build the linux preset first" >&2; exit 1; }
work=$(mktemp -d)
trap '[[ -n ${KEEP:-} ]] || rm -rf "$work"' EXIT
mkdir "$work/program" "$work/current"
cp "$bin/pondero" "$bin/libcasprtc.so" "$work/program/"
cp /bin/true "$work/program/CAScale.exe"

sizes=("$@")
((${#sizes[@]})) || sizes=(20000 200000)
for n in "${sizes[@]}"; do
    (
        cd "$work/current"
        printf '<?xml version="1.0" encoding="utf-8" ?>\r\n  <CAS-POLSKA WAGA="Waga" MODEL="CL5000" IP="127.0.0.1" PORT="20304" TIMEOUT="5000" RETRY="3"/>\r\n' >Prog_kom.cfg
        # Windows-1250 bytes: \263 is "ł", \363 "ó", \277 "ż", \243 "Ł", \237 "ź".
        awk -v n="$n" 'BEGIN {
            printf "<?xml version=\"1.0\" encoding=\"windows-1250\"?>\r\n<DANE OPERACJA=\"PRZESY\263ANIETOWAR\363W\">\r\n"
            for (i = 1; i <= n; i++)
                printf "<TOWAR>\r\n <KP>%d</KP>\r\n <NA>Ser \277\363\263ty gouda %d</NA>\r\n <CE>%d.%d</CE>\r\n <W\263>\243\363d\237</W\263>\r\n <GR>%d</GR>\r\n <KK>%d</KK>\r\n <DK>590%d</DK>\r\n <OP>x</OP>\r\n</TOWAR>\r\n", i, i, i % 1000, i % 100, i % 50, i, 1000000000 + i
            printf "</DANE>\r\n"
        }' >ster_uni.xml
        rm -f Raport.xml
        QT_QPA_PLATFORM=offscreen /usr/bin/time -f "%e %M" -o "$work/time.txt" "$work/program/pondero" 2>/dev/null
        [[ -s Raport.xml ]] || { echo "pondero wrote no Raport.xml" >&2; exit 1; }
        read -r seconds kilobytes <"$work/time.txt"
        printf '%7d goods  request %6.1f MB  wall %5.2f s  peak memory %6.1f MB\n' "$n" \
            "$(echo "$(stat -c %s ster_uni.xml) / 1000000" | bc -l)" "$seconds" "$(echo "$kilobytes / 1024" | bc -l)"
    )
done
