/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#pragma once

#include <juce_core/juce_core.h>

// Every file the plug-in keeps or looks for lies below one of two roots: the
// user's Music folder (presets and settings) or the system-wide application data
// folder, /opt on Linux (what the installer puts there). Each location is built
// here and nowhere else, afresh on every call.

/** The user's preset folder: Music/Tervix/Presets/VostrelZR2814. */
juce::File getUserPresetFolder();

/** The editor's settings file: Music/Tervix/Settings/VostrelZR2814.setting. */
juce::File getSettingsFile();

/** The preset folder of earlier releases: Music/Audio Music Apps/Tervix/Presets/VostrelZR2814. */
juce::File getOldUserPresetFolder();

/** The installed factory presets: <application data>/Application Support/Tervix/
    Default Presets/VostrelZR2814, with the sub-folders "Ver.1.0.0", "Ver.1.1.0" and "All". */
juce::File getFactoryPresetFolder();

/** The installed user manual: <application data>/Application Support/Tervix/
    User Manuals/VostrelZR2814 Manual.pdf. */
juce::File getUserManualFile();

/** Builds every location on other roots for as long as it lives, so that tests
    and benchmarks never touch the real folders; the system folder cannot be
    redirected through HOME. The product never makes one. Message thread only. */
class ScopedLocationRoots
{
public:
    ScopedLocationRoots (const juce::File& userMusicFolder, const juce::File& applicationDataFolder);
    ~ScopedLocationRoots();

private:
    juce::File previousMusic, previousApplicationData;

    JUCE_DECLARE_NON_COPYABLE (ScopedLocationRoots)
};
