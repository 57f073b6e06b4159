#!/usr/bin/env bash
# The framework's helper that the build runs on the LV2 binary, run as the build
# runs it on a copy of the binary, with HOME and the XDG folders gsettings and
# dconf use in an empty folder: it writes the description and leaves that home
# empty.
set -euo pipefail
helper=$1 binary=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
home=$work/home
mkdir -p "$home/.run" "$work/copy.lv2"
chmod 700 "$home/.run"
cp "$binary" "$work/copy.lv2/"

HOME=$home XDG_CONFIG_HOME=$home/.config XDG_CACHE_HOME=$home/.cache XDG_RUNTIME_DIR=$home/.run \
    "$helper" "$work/copy.lv2/$(basename "$binary")"

[ -s "$work/copy.lv2/ui.ttl" ] || { echo "the helper wrote no ui.ttl"; exit 1; }
left=$(find "$home" -mindepth 1 ! -path "$home/.run")
[ -z "$left" ] || { printf 'the helper wrote into its HOME:\n%s\n' "$left"; exit 1; }
