#!/bin/sh
# Draws every figure script of a directory with the GDI reference renderer
# (figures.exe under Wine, no X display) and with the rasterizer, and prints
# rastercompare's summary per script.
#   compare_all.sh RASTERCOMPARE FIGURES_EXE DIR [--keep]
# WINEPREFIX is used as set (a private prefix is advised). The pictures are
# deleted after comparison unless --keep is given.
set -eu
[ $# -ge 3 ] || { echo "usage: compare_all.sh RASTERCOMPARE FIGURES_EXE DIR [--keep]" >&2; exit 2; }
compare=$1 figures=$2 dir=$3 keep=${4:-}
unset DISPLAY
export WINEDEBUG=-all
status=0
for script in "$dir"/*.txt; do
    picture=${script%.txt}.ppm
    wine "$figures" "$script" "$picture" 2>/dev/null
    summary=$("$compare" "$script" "$picture" --show 5) || status=1
    printf '%s: %s\n' "$(basename "$script" .txt)" "$summary"
    [ "$keep" = --keep ] || rm -f "$picture"
done
exit $status
