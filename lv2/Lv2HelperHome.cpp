/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

// Linked into the framework's LV2 helper, which the build runs on the built LV2
// binary to write the bundle's description. The helper builds the plug-in's
// editor, which reads and writes the settings file and copies the factory
// presets into the user's Music folder, and the framework asks gsettings, whose
// dconf back-end keeps a cache in the home folder. A build must write nothing
// outside its build folder, so before the helper's main runs, its home becomes
// an empty folder of the build (VOSTREL_LV2_HELPER_HOME) and gsettings keeps
// its settings in memory. Every run starts from an empty home, so no run
// depends on what an earlier one left there.

#include <cstdlib>
#include <filesystem>

namespace
{
    const bool homeInBuildFolder = []
    {
        const std::filesystem::path home (VOSTREL_LV2_HELPER_HOME);
        std::filesystem::remove_all (home);
        std::filesystem::create_directories (home);
        setenv ("HOME", home.c_str(), 1);
        setenv ("GSETTINGS_BACKEND", "memory", 1);
        return true;
    }();
}
