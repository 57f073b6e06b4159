#!/usr/bin/env bash
# scripts/with-xvfb: runs started four at a time, for a few rounds, each run its
# command on a server of its own (an Xvfb that this run started, on a display
# no other run of the round got); and a run whose server does not start fails
# without running its command.
set -euo pipefail
with_xvfb=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Run by with-xvfb: notes the display when the server answering there is a
# child of this run's with-xvfb, then keeps it until the round's other runs
# have noted theirs, so that all four servers are up at once.
note_own_display='
    for child in $(cat /proc/$PPID/task/*/children); do
        tr "\0" " " </proc/$child/cmdline; echo
    done | grep -q "^Xvfb $DISPLAY " || { echo "$DISPLAY is not served by an Xvfb of this run"; exit 1; }
    xdpyinfo >/dev/null
    echo "$DISPLAY" >"$1/$$"
    for _ in $(seq 300); do [ "$(ls "$1" | wc -l)" -ge 4 ] && break; sleep 0.1; done'

for round in 1 2 3; do
    mkdir "$work/$round"
    runs=()
    for _ in 1 2 3 4; do
        "$with_xvfb" bash -c "$note_own_display" _ "$work/$round" &
        runs+=($!)
    done
    failed=0
    for run in "${runs[@]}"; do wait "$run" || failed=1; done
    [ "$failed" = 0 ] || { echo "round $round: a run failed"; exit 1; }
    displays=$(cat "$work/$round"/* | sort)
    echo "round $round:" $displays
    [ -z "$(uniq -d <<<"$displays")" ] || { echo "two runs got one display"; exit 1; }
done

mkdir "$work/bin"
printf '#!/bin/sh\necho "cannot start" >&2\nexit 1\n' >"$work/bin/Xvfb"
chmod +x "$work/bin/Xvfb"
if PATH=$work/bin:$PATH "$with_xvfb" touch "$work/ran"; then
    echo "with-xvfb succeeded with no server"; exit 1
fi
[ ! -e "$work/ran" ] || { echo "with-xvfb ran its command with no server of its own"; exit 1; }
