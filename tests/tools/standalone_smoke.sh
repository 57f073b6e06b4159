#!/usr/bin/env bash
# The Standalone app starts as a user starts it, with preset folders holding
# names that are not UTF-8 and environment values that are not either, opens
# its window with the product's editor on the display and keeps running. A
# screenshot of the window must show the whole editor (325 x 454 below the
# app's own bars) drawn from its pictures; it is kept at $VOSTREL_SCREENSHOT
# when that is set.
set -euo pipefail
app=$1
export HOME=$(mktemp -d)
trap 'rm -rf "$HOME"' EXIT
"$(dirname "$0")/put_names_not_utf8.sh" "$HOME"

"$(dirname "$0")/run_with_env_not_utf8.sh" "$HOME" "$app" & pid=$!
window=$(timeout 30 xdotool search --sync --name "^Vostrel ZR2814$" | head -n 1) || true
shot="$HOME/window.png"
if [ -n "$window" ]; then
    sleep 1
    # import waits for ever on the window of an app that died meanwhile.
    timeout 20 import -window "$window" "$shot" || true
fi
alive=0
kill -0 "$pid" 2>/dev/null && alive=1
kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true

[ -n "$window" ] || { echo "no window appeared"; exit 1; }
[ "$alive" = 1 ] || { echo "the app did not keep running"; exit 1; }
[ -f "$shot" ] || { echo "no screenshot"; exit 1; }

# The app adds a border, its title bar and the muted-input bar around the editor.
read -r width height colours < <(/usr/bin/convert "$shot" -format "%w %h %k\n" info:)
echo "window $window, screenshot ${width}x${height}, $colours colours"
[ "$width" -ge 325 ] && [ "$height" -ge 454 ] || { echo "the window is smaller than the editor"; exit 1; }
[ "$colours" -gt 1000 ] || { echo "the window does not show the editor's pictures"; exit 1; }
[ -z "${VOSTREL_SCREENSHOT:-}" ] || cp "$shot" "$VOSTREL_SCREENSHOT"
