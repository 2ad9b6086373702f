#!/bin/sh
# The file types compile into a MIME database: projects are told by their
# first four bytes "WEL\0" and by *.rpt, plotter files by *.plt.
set -eu
update_mime_database=$1
xml=$2
d=$(mktemp -d)
trap 'rm -rf "$d"' EXIT
mkdir -p "$d/packages"
cp "$xml" "$d/packages/kerfwright.xml"
"$update_mime_database" "$d" 2>/dev/null
grep -q 'application/x-kerfwright-project:\*\.rpt$' "$d/globs"
grep -q 'application/vnd.hp-hpgl:\*\.plt$' "$d/globs"
# A magic rule: offset 0, length 4, the bytes 57 45 4C 00.
od -An -c "$d/magic" | tr -s ' ' | grep -q 'W E L \\0'
echo "MIME types: ok"
