#!/usr/bin/env bash
# The Standalone app started where it has no display to open its window on (over
# ssh, in a container) prints one short line naming the display it tried and
# ends with a failure status of its own, not by a signal: with DISPLAY naming a
# display no server runs, with a 100,000-byte DISPLAY (quoted cut), with a
# DISPLAY that is not UTF-8 (said to be so, no other display tried), and with
# DISPLAY unset, where the framework tries display 0. Exits 77 (skipped) before
# the last case when a server answers at 0.
set -euo pipefail
app=$1
export HOME=$(mktemp -d)
trap 'rm -rf "$HOME"' EXIT

# expect_no_display <pattern of the line's end> <env arguments giving the app its DISPLAY>
expect_no_display() {
    local says=$1 status=0 out; shift
    out=$(timeout 30 env "$@" "$app" 2>&1) || status=$?
    echo "status $status: ${out:0:300}"
    [ "$status" != 124 ] || { echo "the app was still running after 30 s"; exit 1; }
    [ "$status" -ne 0 ] || { echo "the app ended with success"; exit 1; }
    [ "$status" -lt 128 ] || { echo "the app was ended by signal $((status - 128))"; exit 1; }
    [ "$(printf '%s\n' "$out" | wc -l)" = 1 ] || { echo "the app printed more than one line"; exit 1; }
    [ "${#out}" -le 200 ] || { echo "the line is ${#out} characters long"; exit 1; }
    # shellcheck disable=SC2053 # $says is a pattern
    [[ "$out" == "Vostrel ZR2814 found no display to open its window on: "$says ]] ||
        { echo "the line does not end in: $says"; exit 1; }
}

absent=:7919
if xdpyinfo -display "$absent" >/dev/null 2>&1; then
    echo "a display server answers at $absent, which this test needs absent"; exit 1
fi
expect_no_display "cannot open X display \"$absent\"." DISPLAY="$absent"
long=$absent$(head -c 99995 /dev/zero | tr '\0' x)
expect_no_display "cannot open X display \"$absent*\"... (cut, 100000 bytes in all)." DISPLAY="$long"
expect_no_display 'DISPLAY ":78\\xe9" is not UTF-8.' DISPLAY=$':78\xe9'

if xdpyinfo -display :0 >/dev/null 2>&1; then
    echo "skipped with DISPLAY unset: a display server answers at :0"; exit 77
fi
expect_no_display 'cannot open X display ":0.0" (DISPLAY is empty or unset).' -u DISPLAY
