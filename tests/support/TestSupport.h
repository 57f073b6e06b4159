/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#pragma once

#include <juce_events/juce_events.h>

namespace vostrel::test
{
    /** Delivers pending messages (async updates, timers) for about the given time. */
    void pumpMessages (int milliseconds = 50);

    /** A fresh folder under the system's temporary folder, deleted with the object. */
    struct TemporaryFolder
    {
        TemporaryFolder();
        ~TemporaryFolder();

        juce::File folder;
    };
}
