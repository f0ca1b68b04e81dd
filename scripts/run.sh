#!/usr/bin/env bash
# Installs what is needed, builds, and starts the settings window in run/,
# the folder that holds the memory file and, as the host folder of the
# first start, the tolerance table.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
bash scripts/build.sh
mkdir -p run
if [ -f data/公差.dat ] && [ ! -f run/公差.dat ]; then cp data/公差.dat run/; fi
cd run
exec ../build/settings/gui/MOKRAV
