#!/bin/sh
# Saves pictures of the main window for both brands (at start, after CALC,
# with the mouse over a header button, with a row selected, after a screw
# CALC) into build/screens/, drawn by a fresh Xvfb: the look as a real X
# server shows it, fonts and all.  Usage: scripts/window-screens.sh [BUILD_DIR]
set -eu
build=${1:-build}
ready=$(mktemp -u)
mkfifo "$ready"
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$ready" 2>/dev/null &
server=$!
trap 'kill $server 2>/dev/null; rm -f "$ready"' EXIT
read -r display <"$ready"
env -u QT_QPA_PLATFORM DISPLAY=":$display" "$build/keld-window-screens" "$build/screens"
