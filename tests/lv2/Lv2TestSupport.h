/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#pragma once

#include "HostComparison.h"

#include <lv2/urid/urid.h>

#include <map>
#include <string>

namespace vostrel::test
{
    /** A host's URID map: every URI gets the next number, once. */
    struct UridMap
    {
        UridMap() = default;
        UridMap (const UridMap&) = delete;
        UridMap& operator= (const UridMap&) = delete;

        LV2_URID operator() (const char* uri);

        /** The map as hosts hand it to plug-ins. */
        LV2_URID_Map feature { this, [] (LV2_URID_Map_Handle self, const char* uri) { return (*static_cast<UridMap*> (self)) (uri); } };

    private:
        std::map<std::string, LV2_URID> urids;
    };

    /** The plug-in's state with the settings made, as the LV2 binary stores it for a host. */
    juce::String lv2StateText (const Settings& settings);
}
