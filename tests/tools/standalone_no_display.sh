#!/usr/bin/env bash
# The Standalone app started where it has no display to open its window on (over
# ssh, in a container) prints one line naming the display it tried and ends with
# a failure status of its own, not by a signal: once with DISPLAY naming a
# display no server runs, once with DISPLAY unset, where the framework tries
# display 0. Exits 77 (skipped) after the first case when a server answers at 0.
set -euo pipefail
app=$1
export HOME=$(mktemp -d)
trap 'rm -rf "$HOME"' EXIT

# expect_no_display <display tried> <env arguments giving the app its DISPLAY>
expect_no_display() {
    local tried=$1 status=0 out; shift
    out=$(timeout 30 env "$@" "$app" 2>&1) || status=$?
    echo "$* -> status $status: $out"
    [ "$status" != 124 ] || { echo "the app was still running after 30 s"; exit 1; }
    [ "$status" -ne 0 ] || { echo "the app ended with success"; exit 1; }
    [ "$status" -lt 128 ] || { echo "the app was ended by signal $((status - 128))"; exit 1; }
    [ "$(printf '%s\n' "$out" | wc -l)" = 1 ] || { echo "the app printed more than one line"; exit 1; }
    [[ "$out" == *"found no display to open its window on"*"\"$tried\""* ]] ||
        { echo "the line does not say that no display named \"$tried\" was found"; exit 1; }
}

absent=:7919
if xdpyinfo -display "$absent" >/dev/null 2>&1; then
    echo "a display server answers at $absent, which this test needs absent"; exit 1
fi
expect_no_display "$absent" DISPLAY="$absent"

if xdpyinfo -display :0 >/dev/null 2>&1; then
    echo "skipped with DISPLAY unset: a display server answers at :0"; exit 77
fi
expect_no_display :0.0 -u DISPLAY
