#!/usr/bin/env bash
# The Standalone app starts, opens its window on the display and keeps running.
set -euo pipefail
app=$1
export HOME=$(mktemp -d)
trap 'rm -rf "$HOME"' EXIT

"$app" & pid=$!
window=$(timeout 30 xdotool search --sync --name "^Vostrel ZR2814$" | head -n 1) || true
alive=0
kill -0 "$pid" 2>/dev/null && alive=1
kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true

[ -n "$window" ] || { echo "no window appeared"; exit 1; }
[ "$alive" = 1 ] || { echo "the app did not keep running"; exit 1; }
echo "window $window"
