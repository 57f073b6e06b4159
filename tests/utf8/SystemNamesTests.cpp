/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

// Where the framework turns a name from the system into a String: directory
// listings, link targets, the working folder and environment values, each over
// names that are not UTF-8 and beside names that are.

#include "SystemNames.h"
#include "TestSupport.h"
#include "Utf8.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <optional>
#include <pwd.h>
#include <set>
#include <unistd.h>

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

    /** Gives an environment variable these bytes until it ends, then what it had. */
    struct ScopedEnvironmentValue
    {
        ScopedEnvironmentValue (const char* variable, const std::string& value)
            : name (variable)
        {
            if (const auto* held = vostrel::utf8::rawEnvironmentValue (name))
                previous = held;

            setenv (name, value.c_str(), 1);
        }

        ~ScopedEnvironmentValue()
        {
            if (previous.has_value())
                setenv (name, previous->c_str(), 1);
            else
                unsetenv (name);
        }

        const char* const name;
        std::optional<std::string> previous;

        JUCE_DECLARE_NON_COPYABLE (ScopedEnvironmentValue)
    };

    /** The account's home folder as the password database names it. */
    juce::String accountHome()
    {
        const auto* account = getpwuid (getuid());
        return account != nullptr && vostrel::utf8::isValid (account->pw_dir, std::strlen (account->pw_dir))
                   ? juce::String (juce::CharPointer_UTF8 (account->pw_dir)) : juce::String();
    }

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

TEST (EnvironmentValues, ThoseThatAreNotUtf8ReadAsUnset)
{
    const auto account = accountHome();
    ASSERT_TRUE (account.isNotEmpty());

    std::vector<std::pair<std::string, bool>> values { { std::string ("/tmp/") + utf8Folder, true } };

    for (const auto& name : namesThatAreNotUtf8())
        values.emplace_back ("/tmp/" + name, false);

    for (const auto& [value, isUtf8] : values)
    {
        const ScopedEnvironmentValue other ("VOSTREL_VALUE", value), temporary ("TMPDIR", value), home ("HOME", value);
        ASSERT_STREQ (value.c_str(), vostrel::utf8::rawEnvironmentValue ("VOSTREL_VALUE"));

        // Only a value that is UTF-8 may become a String here, the test's own too.
        const auto asString = isUtf8 ? juce::String::fromUTF8 (value.c_str()) : juce::String();
        EXPECT_STREQ (isUtf8 ? value.c_str() : nullptr, std::getenv ("VOSTREL_VALUE"));
        EXPECT_EQ (isUtf8 ? asString : "unset", juce::SystemStats::getEnvironmentVariable ("VOSTREL_VALUE", "unset"));
        EXPECT_EQ (isUtf8 ? asString : "/tmp", juce::File::getSpecialLocation (juce::File::tempDirectory).getFullPathName());
        EXPECT_EQ (isUtf8 ? asString : account,
                   juce::File::getSpecialLocation (juce::File::userHomeDirectory).getFullPathName());
    }
}

TEST (EnvironmentValues, AHomeThatIsNoAbsolutePathReadsAsUnsetAndNoOtherValue)
{
    const auto account = accountHome();
    ASSERT_TRUE (account.isNotEmpty());

    for (const std::string value : { "", "~", "~/x", "rel/home" })
    {
        const ScopedEnvironmentValue other ("VOSTREL_VALUE", value), home ("HOME", value);
        EXPECT_EQ (nullptr, std::getenv ("HOME")) << value;
        EXPECT_STREQ (value.c_str(), std::getenv ("VOSTREL_VALUE"));
        EXPECT_EQ (account, juce::File::getSpecialLocation (juce::File::userHomeDirectory).getFullPathName());
    }
}
