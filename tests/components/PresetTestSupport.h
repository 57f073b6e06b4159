/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#pragma once

#include "TestSupport.h"

#include "TervixPresetMenu.h"

#include <gtest/gtest.h>

namespace vostrel::test
{
    /** Gives each test its own HOME below the program's, so that test cases run in
        parallel never share a preset folder. */
    struct OwnHome
    {
        OwnHome()
        {
            home.deleteRecursively();
            home.createDirectory();
            setenv ("HOME", home.getFullPathName().toRawUTF8(), 1);
        }

        ~OwnHome()
        {
            home.deleteRecursively();
            setenv ("HOME", programHome.getFullPathName().toRawUTF8(), 1);
        }

        const juce::File programHome { juce::File::getSpecialLocation (juce::File::userHomeDirectory) };
        const juce::File home { programHome.getChildFile (nameOfCurrentTest()) };

        static juce::String nameOfCurrentTest()
        {
            const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
            return juce::String (test->test_suite_name()) + "." + test->name();
        }
    };

    /** A fresh user preset folder, a processor and a preset menu rooted at the
        folder, as the editor sets it up. */
    struct PresetFolderTest : ::testing::Test
    {
        PresetFolderTest()
        {
            folder.createDirectory();
            menu.setDirectoryPath (folder.getFullPathName());
            menu.setFileExtension ("*.tzrp");
        }

        /** Creates a file (and its folders) below the preset folder. */
        juce::File touch (const juce::String& relativePath, const juce::String& text = "x")
        {
            const auto file = folder.getChildFile (relativePath);
            file.getParentDirectory().createDirectory();
            file.replaceWithText (text);
            return file;
        }

        /** The live side's stored values of the current program. */
        SlotValue* live() { return processor.programs[processor.currentProgram].values[processor.getActiveChannel()]; }

        OwnHome ownHome;
        const juce::File folder { getUserPresetFolder() };
        VostrelZR2814AudioProcessor processor;
        TervixPresetMenu menu { "presetMenu_" };
    };
}
