#!/usr/bin/env bash
# Runs a command with environment values that are not UTF-8, as a user's
# session can hand them on: a font path, a temporary folder and a folder first
# on PATH, each named with a Latin-1 "à". The two folders are made below the
# given home; fails unless they are on disk. The framework sizes a String of
# such a value from the bytes before the "à" and copies all of them: the 26
# bytes after it overrun the buffer whatever the home's length (a shorter tail
# can fit in the allocation's rounding and go unseen by AddressSanitizer).
set -euo pipefail
home=$1
shift
temporary="$home/"$'tmp \xe0 la carte temporary folder'
programs="$home/"$'bin \xe0 la carte'
mkdir -p "$temporary" "$programs"
[ -d "$temporary" ] && [ -d "$programs" ] || { echo "could not make the folders named in Latin-1"; exit 1; }

export JUCE_FONT_PATH=$'/usr/share/fonts/\xe0 la carte fonts folder'
export TMPDIR=$temporary
export PATH="$programs:$PATH"
exec "$@"
