#!/usr/bin/env bash
# Starts the built Ribemo under a private Xvfb display in a scratch copy of its folder and saves a
# PNG of its main window. Usage: bash tools/screenshot.sh [BUILD] [OUT.png] [SECONDS] [SETTINGS.ini]
# (a settings file given is placed beside the program as ribemo.ini first).
set -euo pipefail
build=${1:-build}; out=${2:-docs/main-window.png}; wait=${3:-8}; settings=${4:-}
for p in Xvfb import xdotool; do
  command -v "$p" >/dev/null || { echo "needs: apt-get install xvfb imagemagick xdotool" >&2; exit 2; }
done
prog=$(mktemp -d)
cp "$build/ribemo" "$build/ribemo-engine.so" "$prog/" && cp -r "$build/HELP" "$prog/"
[ -n "$settings" ] && cp "$settings" "$prog/ribemo.ini"
display=":$(( 100 + RANDOM % 400 ))"
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 & xvfb=$!
trap 'kill $ribemo $xvfb 2>/dev/null || true; rm -rf "$prog"' EXIT
sleep 1
export DISPLAY=$display
(cd / && exec "$prog/ribemo") >"$prog/output.log" 2>&1 & ribemo=$!
sleep "$wait"
window=$(xdotool search --sync --onlyvisible --name "Ribemo" | head -n 1)
mkdir -p "$(dirname "$out")"
import -window "$window" "$out"
echo "saved $out"
