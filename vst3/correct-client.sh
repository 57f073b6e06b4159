#!/usr/bin/env bash
# Writes a copy of the framework's VST3 client with one line corrected, for the
# VST3 binary to compile instead of the installed file; every other byte stays
# as installed.
#
#   correct-client.sh <installed juce_VST3_Wrapper.cpp> <copy>
#
# The client's event handler keeps one entry per open window in a multiset of
# the host's run loops, and a window closing erased every entry of its loop.
# Hosts give every plug-in window the same run loop, so closing one window left
# the product's other windows in the process attached to none: they took no
# more clicks and stopped painting. The corrected line removes the closing
# window's own entry. When the installed file no longer holds the line exactly
# once, the build stops: a changed framework must be looked at again.
set -euo pipefail
installed=$1 copy=$2
faulty='hostRunLoops.erase (runLoop);'
corrected='if (const auto entry = hostRunLoops.find (runLoop); entry != hostRunLoops.end()) hostRunLoops.erase (entry);'

if [ "$(grep -cF "$faulty" "$installed")" != 1 ]; then
    echo "$installed does not hold the line \"$faulty\" exactly once:" \
         "see how $0 corrects the framework's VST3 client" >&2
    exit 1
fi

sed "s/hostRunLoops\.erase (runLoop);/$corrected/" "$installed" > "$copy.tmp"
mv "$copy.tmp" "$copy"
