/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

// Where the framework turns a name from the system into a String: directory
// listings, link targets and the working folder, each over names on disk that
// are not UTF-8 and beside names that are.

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>

using namespace vostrel::test;
namespace fs = std::filesystem;

namespace
{
    const char* const utf8Folder = "Gr\xc3\xbc\xc3\x9f" "e";

    struct SystemNames : ::testing::Test
    {
        void SetUp() override
        {
            ASSERT_TRUE (putNamesThatAreNotUtf8 (root));
            fs::create_directory (root / utf8Folder);
            ASSERT_TRUE (fs::is_directory (root / utf8Folder));
        }

        juce::File utf8File (const char* name) const { return temp.folder.getChildFile (juce::CharPointer_UTF8 (name)); }

        TemporaryFolder temp;
        const fs::path root { pathOf (temp.folder) };
    };

    /** Restores the working folder when it ends. */
    struct WorkingFolder
    {
        ~WorkingFolder() { fs::current_path (previous); }
        const fs::path previous { fs::current_path() };
    };
}

TEST_F (SystemNames, ListingsLeaveOutWhatIsNotUtf8)
{
    std::ofstream (root / utf8Folder / "Inner.tzrp") << "preset";
    const std::set<std::string> expected { utf8Folder, std::string (utf8Folder) + "/Inner.tzrp" };
    std::set<std::string> listed, iterated;

    for (const auto& file : temp.folder.findChildFiles (juce::File::findFilesAndDirectories, true, "*"))
        listed.insert (file.getRelativePathFrom (temp.folder).toStdString());

    for (const auto& entry : juce::RangedDirectoryIterator (temp.folder, true, "*", juce::File::findFilesAndDirectories))
        iterated.insert (entry.getFile().getRelativePathFrom (temp.folder).toStdString());

    EXPECT_EQ (expected, listed);
    EXPECT_EQ (expected, iterated);
}

TEST_F (SystemNames, ALinkToANameThatIsNotUtf8IsNoLink)
{
    for (const auto& name : namesThatAreNotUtf8())
    {
        const auto link = root / "Link";
        fs::remove (link);
        fs::create_symlink (root / name, link);
        ASSERT_TRUE (fs::is_symlink (fs::symlink_status (link)));

        const auto file = utf8File ("Link");
        EXPECT_FALSE (file.isSymbolicLink());
        EXPECT_EQ (file.getFullPathName(), file.getLinkedTarget().getFullPathName());
    }

    fs::create_symlink (root / utf8Folder, root / "Utf8Link");
    EXPECT_EQ (utf8File (utf8Folder).getFullPathName(), utf8File ("Utf8Link").getLinkedTarget().getFullPathName());
}

TEST_F (SystemNames, AWorkingFolderThatIsNotUtf8CountsAsGone)
{
    const WorkingFolder restore;

    for (const auto& name : namesThatAreNotUtf8())
    {
        fs::current_path (root / fs::path (name).stem());
        EXPECT_EQ (juce::String(), juce::File::getCurrentWorkingDirectory().getFullPathName());
    }

    fs::current_path (root / utf8Folder);
    EXPECT_EQ (utf8File (utf8Folder).getFullPathName(), juce::File::getCurrentWorkingDirectory().getFullPathName());
}
