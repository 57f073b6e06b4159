#!/usr/bin/env bash
# Puts file names that are not UTF-8 (a Latin-1 "à", "À" and "ð", a Windows-1252
# "€", a NUL in an overlong form; about 30 bytes each) into the user preset
# folder and the old preset folder below a home, byte for byte, as files and,
# without their extension, as folders holding a preset; fails unless every one
# of them is on disk.
set -euo pipefail
export LC_ALL=C
home=$1

for folder in "$home/Music/Tervix/Presets/VostrelZR2814" \
              "$home/Music/Audio Music Apps/Tervix/Presets/VostrelZR2814"; do
    for file in $'\xe0 la carte - Warm Guitar Tone.tzrp' $'\xc0 rebours - Heavy Bass Line.tzrp' \
                $'Gar\xf0ar - Crunchy Lead Guitar.tzrp' $'\x80 5 Budget - Clean Guitar Tone.tzrp' \
                $'notes\xc0\x80 about presets.txt'; do
        mkdir -p "$folder/${file%.*}"
        printf 'not a preset' > "$folder/$file"
        printf 'not a preset' > "$folder/${file%.*}/Inner.tzrp"
        [ -f "$folder/$file" ] && [ -f "$folder/${file%.*}/Inner.tzrp" ] || { echo "could not put $file"; exit 1; }
    done
done
