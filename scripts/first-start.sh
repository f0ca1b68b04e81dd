#!/usr/bin/env bash
# Makes a folder ready for the settings window's first start in it: a copy
# of the tolerance table, which the tolerance tab reads from the folder it
# draws into, and an empty memory file, which start-up expects to find. The
# folder is not written into the memory file: scripts/run.sh hands it to
# the window with --host-folder, and the folder last set on the 設定 tab
# is the one every later start selects. A memory file or table already
# in the folder is never touched, nor is one that another program puts
# there while this script runs.
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
source="$scripts/../data/公差.dat"
case "$source" in
  /*) ;;
  *) source="$PWD/$source" ;;
esac
mkdir -p -- "$1"
# Everything below works inside the folder, by names of its own. "./"
# keeps cd from reading "-" as the last folder or searching CDPATH, and -P
# takes a ".." after a link where mkdir went.
case "$1" in
  /*) cd -P -- "$1" ;;
  *) cd -P -- "./$1" ;;
esac

# The files are made in a folder of this script's own beside them and then
# linked to their names. Whatever stands at any other name (a link, a pipe,
# a folder left by an older version's "公差.dat.new") is never opened, and
# an interrupted or failed copy leaves neither a table cut short nor the
# staging folder behind.
staging=
trap '[ -z "$staging" ] || rm -rf -- "$staging"' EXIT
trap 'exit 130' INT
trap 'exit 143' TERM HUP
stage() {
  [ -n "$staging" ] || staging=$(mktemp -d .first-start.XXXXXX)
}

# Gives the staged file $1 the name $2, unless something took that name
# meanwhile: then that one stays as it is and the staged file goes.
place() {
  if ln -T -- "$1" "$2" 2>/dev/null; then
    rm -f -- "$1"
    return 0
  fi
  if [ -e "$2" ] || [ -L "$2" ]; then
    rm -f -- "$1"
    return 0
  fi
  # A file system without hard links: a rename that never replaces.
  # Newer versions of mv fail when they leave the name alone, older ones
  # do not: what is left tells.
  mv -n -T -- "$1" "$2" || true
  if [ -e "$1" ]; then
    rm -f -- "$1"
    [ -e "$2" ] || [ -L "$2" ] || { echo "first-start.sh: could not name $2 in the folder" >&2; exit 1; }
  fi
}

table=公差.dat
if [ ! -e "$table" ] && [ ! -L "$table" ]; then
  stage
  if ! cp -- "$source" "$staging/$table"; then
    echo "first-start.sh: could not copy data/$table into the folder, which was left without a table" >&2
    exit 1
  fi
  place "$staging/$table" "$table"
fi

# An empty memory file remembers nothing.
memory=mokrav.mfg
if [ ! -e "$memory" ] && [ ! -L "$memory" ]; then
  stage
  : >"$staging/$memory"
  place "$staging/$memory" "$memory"
fi
