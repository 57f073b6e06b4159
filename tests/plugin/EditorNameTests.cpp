/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

// The editor over folders holding file names that are not UTF-8, each put on
// disk byte for byte: the window, the save dialog's browser thread and the
// first-run copy.

#include "EditorTestSupport.h"

#include <fstream>
#include <iterator>
#include <map>
#include <set>

using namespace vostrel::test;
namespace fs = std::filesystem;

namespace
{
    using NamesNotUtf8 = EditorTest;

    /** Every file and folder below a folder, by its path from there as bytes,
        with a file's bytes or "folder". */
    std::map<std::string, std::string> treeOf (const fs::path& root)
    {
        std::map<std::string, std::string> tree;

        for (const auto& entry : fs::recursive_directory_iterator (root))
        {
            std::ifstream in (entry.path(), std::ios::binary);
            tree[entry.path().lexically_relative (root).string()]
                = entry.is_directory() ? "folder" : std::string (std::istreambuf_iterator<char> (in), {});
        }

        return tree;
    }

    /** The file list a browser shows, once its thread has read the folder. */
    std::set<std::string> listedBy (juce::FileBrowserComponent& browser)
    {
        for (auto* child : browser.getChildren())
        {
            if (auto* display = dynamic_cast<juce::DirectoryContentsDisplayComponent*> (child))
            {
                auto& list = display->directoryContentsList;

                for (int i = 0; i < 1000 && list.isStillLoading(); ++i)
                    pumpMessages (10);

                std::set<std::string> names;

                for (int i = 0; i < list.getNumFiles(); ++i)
                    names.insert (list.getFile (i).getFileName().toStdString());

                return names;
            }
        }

        throw std::runtime_error ("no file list");
    }
}

TEST_F (NamesNotUtf8, TheWindowOpensAndStepsOverAPresetFolderHoldingThem)
{
    ASSERT_TRUE (putNamesThatAreNotUtf8 (pathOf (getUserPresetFolder())));
    writePreset ("Valid.tzrp");

    open();
    tick();
    click ("presetIncButton_");
    click ("presetDecButton_");
    tick();

    EXPECT_EQ (1, menu().getNumOfFiles());
}

TEST_F (NamesNotUtf8, TheSaveDialogBrowsesIntoAFolderHoldingThem)
{
    // Outside the preset folder, which nothing but the dialog's browser reads.
    const auto folder = temp.folder.getChildFile ("Archive");
    ASSERT_TRUE (putNamesThatAreNotUtf8 (pathOf (folder)));
    ASSERT_TRUE (folder.getChildFile ("Valid.tzrp").replaceWithText ("preset"));
    open();
    editor->fileMenuResult (2);
    auto& dialog = child<TervixPresetBrowser> ("savePresetBrowser_");
    ASSERT_TRUE (dialog.isVisible());

    dialog.fileBrowser->setRoot (folder);

    EXPECT_EQ (std::set<std::string> { "Valid.tzrp" }, listedBy (*dialog.fileBrowser));
}

TEST_F (NamesNotUtf8, TheFirstRunCopyTakesThemByteForByte)
{
    const auto oldFolder = pathOf (getOldUserPresetFolder());
    const auto userFolder = pathOf (getUserPresetFolder());
    ASSERT_TRUE (putNamesThatAreNotUtf8 (oldFolder));
    // Latin-1 "é" (E9) before a separator, which the framework's path functions step over.
    fs::create_directory (oldFolder / "Alt\xe9");
    std::ofstream (oldFolder / "Alt\xe9" / "Inner.tzrp") << "inner";
    ASSERT_TRUE (fs::is_regular_file (oldFolder / "Alt\xe9" / "Inner.tzrp"));
    // A file of the user's own under one of the names stays as it is.
    const auto& usersOwn = namesThatAreNotUtf8().front();
    fs::create_directories (userFolder);
    std::ofstream (userFolder / usersOwn) << "the user's own";
    ASSERT_TRUE (fs::is_regular_file (userFolder / usersOwn));
    const auto source = treeOf (oldFolder);

    open();

    auto expected = source;
    expected[usersOwn] = "the user's own";
    EXPECT_EQ (expected, treeOf (userFolder));
    EXPECT_EQ (source, treeOf (oldFolder));
}
