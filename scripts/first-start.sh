#!/usr/bin/env bash
# Makes a folder ready for the settings window's first start in it: a copy
# of the tolerance table, and a memory file that remembers the folder as the
# host folder, so that "作図" on every tab writes its file there and the
# tolerance tab reads the table there. The memory file is written as the
# window itself writes it (code page 932, CR LF). A memory file or table
# already in the folder is never touched.
#
#   bash scripts/first-start.sh FOLDER
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
[ $# -eq 1 ] || { echo "usage: bash scripts/first-start.sh FOLDER" >&2; exit 2; }
mkdir -p "$1"
folder="$(cd "$1" && pwd)/"

if [ ! -e "$folder公差.dat" ]; then
  cp "$root/data/公差.dat" "$folder公差.dat.new"
  mv "$folder公差.dat.new" "$folder公差.dat"
fi

memory="${folder}mokrav.mfg"
[ ! -e "$memory" ] || exit 0
# The window reads its memory file item by item: a comma or a double quote
# would cut the folder's line, and the file holds code page 932 only.
case "$folder" in
  *,* | *\"*)
    echo "first start: the folder $folder holds a comma or a double quote;" \
         "set the host folder on the 設定 tab" >&2
    exit 0 ;;
esac
if printf '54 %s\r\n\r\n' "$folder" | iconv -f UTF-8 -t CP932 >"$memory.new" 2>/dev/null; then
  mv "$memory.new" "$memory"
else
  rm -f "$memory.new"
  echo "first start: the folder $folder cannot be written in code page 932;" \
       "set the host folder on the 設定 tab" >&2
fi
