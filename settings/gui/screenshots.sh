#!/bin/sh
# Takes a PNG of each tab of the settings window under a virtual display.
#   settings/gui/screenshots.sh [MOKRAV executable] [output folder]
# The window starts in an empty scratch folder, so it shows the built-in
# lists only (no memory file of the user is read).
set -eu
exe=${1:-build/settings/gui/MOKRAV}
out=${2:-screenshots}
exe=$(cd "$(dirname "$exe")" && pwd)/$(basename "$exe")
mkdir -p "$out"
out=$(cd "$out" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
: > "$work/mokrav.mfg"
cd "$work"
# The window opens at the top left corner; on a screen this large the
# pointer, which starts in the middle, rests outside it and raises no
# tool tip over the controls.
xvfb-run -a -s "-screen 0 1280x1024x24" "$exe" --screenshot-dir "$out"
ls "$out"/tab*.png
