#!/usr/bin/env bash
# Writes a copy of the framework's VST3 client with two lines corrected, for the
# VST3 binary to compile instead of the installed file; every other byte stays
# as installed.
#
#   correct-client.sh <installed juce_VST3_Wrapper.cpp> <copy>
#
# The run loops. The client's event handler keeps one entry per open window in a
# multiset of the host's run loops, and a window closing erased every entry of
# its loop. Hosts give every plug-in window the same run loop, so closing one
# window left the product's other windows in the process attached to none: they
# took no more clicks and stopped painting. The corrected line removes the
# closing window's own entry.
#
# The values waiting for the host after a state load. A parameter change made
# off the framework's message thread waits in a flagged cache until process()
# hands it to the host as a change made by the plug-in, and the client ignores
# every change made while a state loads. So a program the host picks from its
# own thread before it restores a session's state (as Ardour does) left the
# program's values waiting, and the host, handed them by the first process(),
# sent them back as its own changes: over what the state had just restored.
# The corrected line is followed by one that makes every value still waiting
# the one its parameter holds after the load (the program: the processor's
# current one, which the client's own program parameter does not follow), so
# the host is told what was restored.
#
# When the installed file no longer holds a line exactly once, the build stops:
# a changed framework must be looked at again.
set -euo pipefail
installed=$1 copy=$2

# correct <file> <faulty text> <corrected text>: replaces the text, which must
# occur exactly once, taken literally.
correct() {
    local file=$1
    if [ "$(grep -cF "$2" "$file")" != 1 ]; then
        echo "$installed does not hold the line \"$2\" exactly once:" \
             "see how $0 corrects the framework's VST3 client" >&2
        exit 1
    fi
    FAULTY=$2 CORRECTED=$3 awk '
        { at = index($0, ENVIRON["FAULTY"]) }
        at { $0 = substr($0, 1, at - 1) ENVIRON["CORRECTED"] substr($0, at + length(ENVIRON["FAULTY"])) }
        { print }' "$file" > "$file.next"
    mv "$file.next" "$file"
}

trap 'rm -f "$copy.tmp" "$copy.tmp.next"' EXIT
cp "$installed" "$copy.tmp"

correct "$copy.tmp" 'hostRunLoops.erase (runLoop);' \
    'if (const auto entry = hostRunLoops.find (runLoop); entry != hostRunLoops.end()) hostRunLoops.erase (entry);'

correct "$copy.tmp" 'pluginInstance->setStateInformation (data, static_cast<int> (size));' \
    'pluginInstance->setStateInformation (data, static_cast<int> (size));

        comPluginInstance->forAllChangedParameters ([this] (Vst::ParamID id, float)
        {
            const auto restored = id == comPluginInstance->getProgramParamID()
                                    ? (float) pluginInstance->getCurrentProgram() / (float) (pluginInstance->getNumPrograms() - 1)
                                    : comPluginInstance->getParamForVSTParamID (id)->getValue();
            comPluginInstance->setParameterValue (comPluginInstance->findCacheIndexForParamID (id), restored);
        });'

mv "$copy.tmp" "$copy"
