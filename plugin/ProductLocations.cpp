/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#include "ProductLocations.h"

namespace
{
    // Set only by ScopedLocationRoots; empty means the system's own folder.
    juce::File musicRootOverride, applicationDataRootOverride;

    juce::File root (const juce::File& override, juce::File::SpecialLocationType type)
    {
        return override != juce::File() ? override : juce::File::getSpecialLocation (type);
    }

    juce::File userMusic()
    {
        return root (musicRootOverride, juce::File::userMusicDirectory);
    }

    juce::File installedTervixFolder()
    {
        return root (applicationDataRootOverride, juce::File::commonApplicationDataDirectory)
                   .getChildFile ("Application Support")
                   .getChildFile ("Tervix");
    }
}

juce::File getUserPresetFolder()
{
    return userMusic().getChildFile ("Tervix").getChildFile ("Presets").getChildFile ("VostrelZR2814");
}

juce::File getSettingsFile()
{
    return userMusic().getChildFile ("Tervix").getChildFile ("Settings").getChildFile ("VostrelZR2814.setting");
}

juce::File getOldUserPresetFolder()
{
    return userMusic().getChildFile ("Audio Music Apps").getChildFile ("Tervix").getChildFile ("Presets")
                      .getChildFile ("VostrelZR2814");
}

juce::File getFactoryPresetFolder()
{
    return installedTervixFolder().getChildFile ("Default Presets").getChildFile ("VostrelZR2814");
}

juce::File getUserManualFile()
{
    return installedTervixFolder().getChildFile ("User Manuals").getChildFile ("VostrelZR2814 Manual.pdf");
}

//==============================================================================
ScopedLocationRoots::ScopedLocationRoots (const juce::File& userMusicFolder, const juce::File& applicationDataFolder)
    : previousMusic (musicRootOverride),
      previousApplicationData (applicationDataRootOverride)
{
    musicRootOverride = userMusicFolder;
    applicationDataRootOverride = applicationDataFolder;
}

ScopedLocationRoots::~ScopedLocationRoots()
{
    musicRootOverride = previousMusic;
    applicationDataRootOverride = previousApplicationData;
}
