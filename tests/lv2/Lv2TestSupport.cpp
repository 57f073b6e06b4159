/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#include "Lv2TestSupport.h"

#include "PluginProcessor.h"

namespace vostrel::test
{
    LV2_URID UridMap::operator() (const char* uri)
    {
        return urids.emplace (uri, (LV2_URID) urids.size() + 1).first->second;
    }

    juce::String lv2StateText (const Settings& settings)
    {
        VostrelZR2814AudioProcessor p;
        applySettings (p, settings);

        juce::MemoryBlock state;
        p.getStateInformation (state);
        return state.toBase64Encoding();
    }
}
