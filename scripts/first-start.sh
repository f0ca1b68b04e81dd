#!/usr/bin/env bash
# Makes a folder ready for the settings window's first start in it: a copy
# of the tolerance table, which the tolerance tab reads from the folder it
# draws into, and an empty memory file, which start-up expects to find. The
# folder is never written into the memory file: scripts/run.sh hands it to
# the window with --host-folder, so that a folder the user remembers on the
# 設定 tab comes first at every later start. A memory file or table already
# in the folder is never touched.
#
#   bash scripts/first-start.sh FOLDER
#
# FOLDER is used as given, whatever its name holds (a line break, a "\", a
# leading "-"): it never goes through a command substitution, which would
# drop a line break at its end.
set -euo pipefail
[ $# -eq 1 ] && [ -n "$1" ] || { echo "usage: bash scripts/first-start.sh FOLDER" >&2; exit 2; }
case "$0" in
  */*) scripts="${0%/*}" ;;
  *) scripts=. ;;
esac
mkdir -p -- "$1"

# Through a temporary name, so that an interrupted copy never leaves a
# table that the tolerance tab would read cut short.
table="$1/公差.dat"
if [ ! -e "$table" ] && [ ! -L "$table" ]; then
  cp -- "$scripts/../data/公差.dat" "$table.new"
  mv -f -- "$table.new" "$table"
fi

# An empty memory file remembers nothing; noclobber creates it only when
# no file took its name meanwhile.
memory="$1/mokrav.mfg"
if [ ! -e "$memory" ] && [ ! -L "$memory" ]; then
  (set -C && : >"$memory")
fi
