#!/usr/bin/env bash
# The built manual is a PDF whose text names the product and its maker and
# holds every section, numbered in order.
set -euo pipefail
pdf=$1

text=$(pdftotext -enc UTF-8 "$pdf" -)
status=0

for phrase in "Vostrel ZR2814" "Tervix" "User Manual"; do
    grep -qF "$phrase" <<<"$text" || { echo "missing: $phrase"; status=1; }
done

n=0
for title in "Introduction" "Getting started" "Controls" "Equalizer models" "Host automation" \
             "Presets and the preset menu" "A/B settings" "File menu" "Where files live"; do
    n=$((n + 1))
    grep -qxF "$n. $title" <<<"$text" || { echo "missing section: $n. $title"; status=1; }
done

exit $status
