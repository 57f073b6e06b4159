#!/usr/bin/env bash
# The "assets" install puts the factory presets and the manual where the editor
# looks for them, under /opt/Application Support/Tervix; here below a private
# DESTDIR, so that the test never touches the real folder.
set -euo pipefail
cmake=$1 build=$2

export DESTDIR=$(mktemp -d)
trap 'rm -rf "$DESTDIR"' EXIT
"$cmake" --install "$build" --component assets >/dev/null

support="$DESTDIR/opt/Application Support/Tervix"
status=0
for path in "Default Presets/VostrelZR2814/Ver.1.0.0/Init.tzrp" \
            "Default Presets/VostrelZR2814/Ver.1.1.0" \
            "Default Presets/VostrelZR2814/All/Init.tzrp" \
            "User Manuals/VostrelZR2814 Manual.pdf"; do
    [ -e "$support/$path" ] || { echo "missing: $path"; status=1; }
done

exit $status
