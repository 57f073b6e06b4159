#!/usr/bin/env bash
# SIGINT, SIGTERM and SIGHUP (Ctrl-C, logging out, closing the terminal the app
# was started from) end the Standalone app as its close button does: status 0,
# its settings file holding the sound the user set (band 1 Alt-clicked from its
# default -15 dB to 0 dB) and the product's settings file holding the
# first-run copy's record.
set -euo pipefail
app=$1
homes=$(mktemp -d)
trap 'kill $pid 2>/dev/null || true; rm -rf "$homes"' EXIT
pid=

fail() { echo "SIG$signal: $1"; echo "app output:"; cat "$HOME/app.log"; exit 1; }
# A window's pixels as a checksum, empty while they cannot be read (a window
# that has only just appeared), and the number of colours in them.
pixels() { local sum; sum=$(timeout 20 import -window "$1" rgb:- 2>/dev/null | md5sum) && echo "$sum" || true; }
colours() { timeout 20 import -window "$1" png:- 2>/dev/null | /usr/bin/convert - -format %k info: 2>/dev/null || echo 0; }
moved() { local now; now=$(pixels "$window"); [ -n "$now" ] && [ "$now" != "$before" ]; }

# The processor's state in the app's settings file, written in the framework's
# base64 ("<bytes>.<6 bits a character, least significant first>") after an
# 8-byte header, and ended by a NUL.
saved_state() {
    python3 - "$1" <<'PYTHON'
import re, sys
found = re.search(r'name="filterState" val="(\d+)\.([^"]*)"', open(sys.argv[1], encoding="utf-8").read())
if found:
    size, chars = int(found[1]), found[2]
    alphabet = ".ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+"
    bits = sum(alphabet.index(c) << (6 * i) for i, c in enumerate(chars))
    sys.stdout.write((bits & ((1 << (8 * size)) - 1)).to_bytes(size, "little")[8:].rstrip(b"\0").decode())
PYTHON
}

for signal in INT TERM HUP; do
    export HOME=$homes/$signal
    mkdir "$HOME"
    "$app" >"$HOME/app.log" 2>&1 & pid=$!
    # A search fails when a window goes away meanwhile, as the app's own
    # windows do while it starts: it is asked again.
    window=
    for _ in $(seq 150); do
        window=$(xdotool search --name "^Vostrel ZR2814$" 2>/dev/null | head -n 1) && [ -n "$window" ] && break
        sleep 0.2
    done
    [ -n "$window" ] || fail "no window appeared"
    # The editor's pictures, drawn and holding still.
    for _ in $(seq 50); do
        before=$(pixels "$window")
        sleep 0.3
        [ -n "$before" ] && [ "$(pixels "$window")" = "$before" ] && [ "$(colours "$window")" -gt 1000 ] && break
    done

    # Band 1's fader (plugin/FaderLayout.h: left 38, top 114, 165 high) below
    # the window's border, title bar and muted-input bar (57 px). The signal
    # goes only once the fader has moved on screen, so that the click was
    # taken before.
    xdotool mousemove --window "$window" 50 306 keydown Alt_L click 1 keyup Alt_L
    for _ in $(seq 100); do moved && break; sleep 0.2; done
    moved || fail "the click did not move the fader"

    kill -"$signal" "$pid"
    for _ in $(seq 150); do kill -0 "$pid" 2>/dev/null || break; sleep 0.2; done
    kill -0 "$pid" 2>/dev/null && fail "the app still runs 30 s after the signal"
    status=0
    wait "$pid" || status=$?
    [ "$status" = 0 ] || fail "the app ended with status $status"

    settings="$HOME/.config/Vostrel ZR2814.settings"
    [ -f "$settings" ] || fail "no $settings"
    band1=$(saved_state "$settings" | grep -o '<Value property="freqLevel1" type="number">[^<]*' | head -n 1 || true)
    [ "${band1##*>}" = 0.50000 ] || fail "the settings file does not hold band 1 at 0 dB: '${band1##*>}'"
    record="$HOME/Music/Tervix/Settings/VostrelZR2814.setting"
    grep -q '<PresetProperties ofldrCopied="true"' "$record" 2>/dev/null || fail "no first-run record in $record"
    echo "SIG$signal: status 0, band 1 saved at 0 dB, first-run record there"
done
