/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#pragma once

#include <juce_events/juce_events.h>

#include <cstring>

namespace vostrel::test
{
    /** Delivers pending messages (async updates, timers) for about the given time. */
    void pumpMessages (int milliseconds = 50);

    /** A string of exactly these bytes, as the framework holds a file name it read
        from disk; its other conversions re-encode what is not UTF-8. */
    inline juce::String rawBytes (const char* bytes)
    {
        return juce::String (juce::CharPointer_UTF8 (bytes), juce::CharPointer_UTF8 (bytes + std::strlen (bytes)));
    }

    /** A fresh folder under the system's temporary folder, deleted with the object. */
    struct TemporaryFolder
    {
        TemporaryFolder();
        ~TemporaryFolder();

        juce::File folder;
    };
}
