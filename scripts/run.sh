#!/usr/bin/env bash
# Installs what is needed, builds the settings window and the eight tools
# (not the tests), and starts the window in run/. On the first start run/
# gets the tolerance table and a memory file that makes run/ the host
# folder, so that every tab draws into it (scripts/first-start.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
bash scripts/build.sh programs
bash scripts/first-start.sh run
cd run
exec ../build/settings/gui/MOKRAV
