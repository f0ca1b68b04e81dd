#!/usr/bin/env bash
# Installs what is needed, builds the settings window and the eight tools
# (not the tests), and starts the window in run/. On the first start run/
# gets the tolerance table and an empty memory file (scripts/first-start.sh).
# The window is given run/ as its host folder: every tab draws into it
# until the user sets another folder on the 設定 tab, which later starts
# then select.
set -euo pipefail
case "$0" in
  */*) cd "${0%/*}/.." ;;
  *) cd .. ;;
esac
bash scripts/deps.sh
bash scripts/build.sh programs
bash scripts/first-start.sh run
cd run
# $PWD is the absolute run folder as it is, whatever its name holds.
exec ../build/settings/gui/MOKRAV --host-folder "$PWD/"
