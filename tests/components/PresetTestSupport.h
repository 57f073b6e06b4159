/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#pragma once

#include "TestSupport.h"

#include "TervixPresetMenu.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace vostrel::test
{
    /** Gives each test its own HOME below the process's (ProcessHome), so that
        the tests of one process never share a preset folder. */
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

        // Removed by bytes before the home goes: the framework's own recursive
        // delete would have to read the odd names that tests put here.
        ~PresetFolderTest() override
        {
            std::error_code error;
            std::filesystem::remove_all (folder.getFullPathName().toStdString(), error);
        }

        /** Creates a file (and its folders) below the preset folder, named by these
            very bytes, as an archive unpacks it; the test fails unless it is then
            on disk. */
        std::filesystem::path touch (const std::string& relativePath, const juce::String& text = "x")
        {
            const auto file = std::filesystem::path (folder.getFullPathName().toStdString()) / relativePath;
            std::error_code error;
            std::filesystem::create_directories (file.parent_path(), error);
            std::ofstream (file, std::ios::binary) << text.toStdString();
            EXPECT_TRUE (std::filesystem::is_regular_file (file, error)) << "not made: " << relativePath;
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
