#!/usr/bin/env bash
# A plug-in binary exports exactly its format's entry points: nothing else that
# a host could bind to, or that would take the place of the host's own copy of
# a symbol, and no unique symbol, which would keep the library from unloading.
#
#   exports.sh <library> <entry point>...
set -euo pipefail
library=$1
shift
[ -f "$library" ] || { echo "no library at $library"; exit 1; }

# The binding and name of each symbol the library defines for others.
exports=$(readelf --dyn-syms --wide "$library" | awk '$1 ~ /^[0-9]+:$/ && $7 != "UND" && $5 != "LOCAL" { print $5, $8 }')
echo "$(wc -l <<<"$exports") exports"

unique=$(grep '^UNIQUE ' <<<"$exports" || true)
[ -z "$unique" ] || { echo "unique symbols:"; echo "$unique"; exit 1; }

others=$(awk '{ print $2 }' <<<"$exports" | grep -vxF -f <(printf '%s\n' "$@") || true)
[ -z "$others" ] || { echo "exports beyond the entry points:"; head -n 20 <<<"$others"; exit 1; }
for entry in "$@"; do
    grep -qx "[A-Z]* $entry" <<<"$exports" || { echo "$entry is not exported"; exit 1; }
done
echo "exactly the entry points: $*"
