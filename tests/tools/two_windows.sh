#!/usr/bin/env bash
# Two instances of a plug-in binary with their editors open in one host process
# (vostrel-host --windows 2). The host closes editor <first> as it closes a
# plug-in's window; the other editor must go on taking the real pointer and
# painting: its fourth band fader, dragged from the bottom towards the top,
# moves on screen, and the host reads the value it set when that editor is
# closed in turn.
#
#   two_windows.sh <vostrel-host> <bundle> <first: 1 or 2>
set -euo pipefail
host=$1 bundle=$2 first=$3
other=$((3 - first))
export HOME=$(mktemp -d)
log=$HOME/host.log
mkfifo "$HOME/commands"
"$host" --plugin "$bundle" --windows 2 <"$HOME/commands" >"$log" 2>&1 & pid=$!
trap 'kill $pid 2>/dev/null || true; rm -rf "$HOME"' EXIT
exec 3>"$HOME/commands"

fail() { echo "$1"; echo "host output:"; cat "$log"; exit 1; }

# Every bounded wait below only guards against a hang: a working host is done
# with each step within a second or two. A search of the windows fails when one
# of them goes away meanwhile (the LV2 hosting makes and drops windows of its
# own), so it is asked again; a window known by its id is asked about alone.
find_editor() {
    for _ in $(seq 150); do
        xdotool search --name "^vostrel-host $1\$" 2>/dev/null | head -n 1 | grep . && return
        sleep 0.2
    done
}
gone() { ! xwininfo -id "${editor[$1]}" >/dev/null 2>&1; }
# An editor's pixels as raw RGB, and the number of colours in them.
pixels() { timeout 20 import -window "$1" rgb:-; }
colours() { timeout 20 import -window "$1" png:- | /usr/bin/convert - -format %k info: || echo 0; }

declare -A editor
for n in 1 2; do
    editor[$n]=$(find_editor $n)
    [ -n "${editor[$n]}" ] || fail "editor $n did not appear"
    for _ in $(seq 100); do
        [ "$(colours "${editor[$n]}")" -gt 1000 ] && break
        sleep 0.2
    done
    [ "$(colours "${editor[$n]}")" -gt 1000 ] || fail "editor $n does not show the product's pictures"
done

echo "close $first" >&3
for _ in $(seq 100); do gone $first && break; sleep 0.2; done
gone $first || fail "editor $first did not close"

# Fader 4 in the editor (plugin/FaderLayout.h): left edge 130, top 114, 165 high.
before=$(pixels "${editor[$other]}" | md5sum)
xdotool mousemove --window "${editor[$other]}" 142 264 mousedown 1 sleep 0.2 \
        mousemove --window "${editor[$other]}" 142 124 sleep 0.2 mouseup 1
moved=0
for _ in $(seq 100); do
    [ "$(pixels "${editor[$other]}" | md5sum)" != "$before" ] && { moved=1; break; }
    sleep 0.2
done

echo "close $other" >&3
exec 3>&-
for _ in $(seq 100); do kill -0 $pid 2>/dev/null || break; sleep 0.2; done
kill -0 $pid 2>/dev/null && fail "the host did not end when its last editor closed"
wait $pid || fail "the host failed"

[ "$moved" = 1 ] || fail "editor $other did not repaint after editor $first closed"
value=$(sed -n "s/^window $other freqLevel4 //p" "$log")
[ -n "$value" ] || fail "the host did not report editor $other's parameters"
awk -v v="$value" 'BEGIN { exit !(v > 0.5) }' || fail "the fader drag in editor $other did not reach the host: freqLevel4 $value"
grep -qx "window $first freqLevel4 0" "$log" || fail "the drag reached the instance of editor $first"
echo "editor $other still working after editor $first closed: freqLevel4 $value"
