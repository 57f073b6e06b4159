/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

// The places the plug-in builds for its files against the two things that put
// or name them: the "assets" install, run below a private DESTDIR so that the
// real system folder is never touched, and the installed manual's list of where
// files live.

#include "ProductLocations.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace vostrel::test;

namespace
{
    /** Runs a command to its end; its standard output, or a failure when it fails. */
    juce::String run (const juce::StringArray& command)
    {
        const auto result = runCommand (command, juce::ChildProcess::wantStdOut);

        if (result.exitCode != 0)
            throw std::runtime_error ((command.joinIntoString (" ") + " failed").toStdString());

        return result.output;
    }
}

TEST (InstalledAssets, LieWhereThePlugInLooksForThem)
{
    TemporaryFolder destdir;
    setenv ("DESTDIR", destdir.folder.getFullPathName().toRawUTF8(), 1);
    run ({ VOSTREL_CMAKE, "--install", VOSTREL_BUILD_FOLDER, "--component", "assets" });

    // The system-wide folder as the plug-in finds it, moved below DESTDIR as
    // the install moves every destination.
    const auto systemFolder = juce::File::getSpecialLocation (juce::File::commonApplicationDataDirectory);
    ScopedLocationRoots roots (destdir.folder.getChildFile ("Music"),
                               juce::File (destdir.folder.getFullPathName() + systemFolder.getFullPathName()));

    const juce::File presets (VOSTREL_FACTORY_PRESETS);
    const auto shipped = presets.findChildFiles (juce::File::findFiles, true, "*.tzrp");
    ASSERT_FALSE (shipped.isEmpty());

    for (const auto& preset : shipped)
        EXPECT_TRUE (getFactoryPresetFolder().getChildFile (preset.getRelativePathFrom (presets)).existsAsFile())
            << preset.getRelativePathFrom (presets);

    EXPECT_TRUE (getUserManualFile().hasIdenticalContentTo (juce::File (VOSTREL_MANUAL)));
}

TEST (InstalledAssets, TheManualSaysWhereThePlugInKeepsItsFiles)
{
    const auto lines = juce::StringArray::fromLines (run ({ "pdftotext", "-enc", "UTF-8", VOSTREL_MANUAL, "-" }));

    // The manual writes the places in the Music folder from "Music/" on, and
    // folders with a trailing "/".
    const juce::File music ("/Music");
    ScopedLocationRoots roots (music, {});
    auto inMusic = [&] (const juce::File& file) { return "Music/" + file.getRelativePathFrom (music); };

    for (const auto& place : { inMusic (getUserPresetFolder()) + "/", inMusic (getSettingsFile()),
                               inMusic (getOldUserPresetFolder()) + "/",
                               getFactoryPresetFolder().getFullPathName() + "/", getUserManualFile().getFullPathName() })
        EXPECT_TRUE (lines.contains (place)) << place;
}
