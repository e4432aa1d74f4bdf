#!/bin/sh
# Start-up benchmark: starts the built program and a minimal Qt dialog
# alternately under Xvfb and prints the median time to their first painted
# pixels, their resident memory after start, and the ratios.
#   tools/startmaett.sh [BUILD-DIRECTORY [RUNS]]      (default: build 7)
# PROGRAM=/other/morvika compares another build of the program.
set -e
BYGGE=$(cd "${1:-build}" && pwd)
VARV=${2:-7}
PROGRAM=${PROGRAM:-$BYGGE/morvika}
if [ -z "$STARTMAETT_XVFB" ]; then
    exec env STARTMAETT_XVFB=1 xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$BYGGE" "$VARV"
fi
for f in "$PROGRAM" "$BYGGE/tools/startmaett" "$BYGGE/tools/minimaldialog"; do
    [ -x "$f" ] || { echo "$f is missing: build first" >&2; exit 1; }
done
unset QT_QPA_PLATFORM
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
i=0
while [ "$i" -lt "$VARV" ]; do
    "$BYGGE/tools/startmaett" "$PROGRAM" >>"$tmp/program"
    "$BYGGE/tools/startmaett" "$BYGGE/tools/minimaldialog" >>"$tmp/dialog"
    i=$((i + 1))
done
median() { cut -d' ' -f"$2" "$1" | sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
pm=$(median "$tmp/program" 1); pk=$(median "$tmp/program" 2)
dm=$(median "$tmp/dialog" 1); dk=$(median "$tmp/dialog" 2)
awk -v pm="$pm" -v pk="$pk" -v dm="$dm" -v dk="$dk" -v n="$VARV" 'BEGIN {
    printf "median of %d starts     first paint    resident memory\n", n
    printf "%-24s %8.0f ms %12.1f MB\n", "morvika", pm, pk / 1024
    printf "%-24s %8.0f ms %12.1f MB\n", "minimal Qt dialog", dm, dk / 1024
    printf "%-24s %10.2f %15.2f\n", "ratio", pm / dm, pk / dk
}'
