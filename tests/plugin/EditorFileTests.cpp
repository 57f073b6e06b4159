/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

// The editor's file work: the file menu (with a stub desktop opener first on
// PATH), the settings file and the first-run copy of factory presets.

#include "EditorTestSupport.h"

#include <algorithm>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <map>
#include <sys/stat.h>
#include <unistd.h>

using namespace vostrel::test;

namespace
{
    juce::File put (const juce::File& file, const juce::String& text = "preset")
    {
        file.getParentDirectory().createDirectory();
        file.replaceWithText (text, false, false, "\n");
        return file;
    }

    /** An xdg-open that records the arguments of each run, and the open
        descriptors of the last. Its folder is all there is on PATH, so that no
        search of PATH, however wrong, can start the desktop's real opener; the
        stub names the one program it runs by its full path. */
    struct StubOpener
    {
        explicit StubOpener (const juce::File& folder)
            : bin (folder.getChildFile ("bin")), log (bin.getChildFile ("log"))
        {
            put (bin.getChildFile ("xdg-open"), "#!/bin/sh\nlog=\"${0%/*}/log\"\n"
                                                "/bin/ls -l /proc/$$/fd > \"$log.fd\"\n"
                                                "printf '%s\\037' \"$@\" >> \"$log\"\necho >> \"$log\"\n")
                .setExecutePermission (true);
            setenv ("PATH", bin.getFullPathName().toRawUTF8(), 1);
        }

        ~StubOpener() { setenv ("PATH", previousPath.toRawUTF8(), 1); }

        /** The arguments of every run so far, waiting for one to finish; each run
            ends with an empty entry. */
        juce::StringArray opened()
        {
            for (int attempt = 0; attempt < 1000 && ! log.loadFileAsString().endsWithChar ('\n'); ++attempt)
                juce::Thread::sleep (10);

            const auto arguments = juce::StringArray::fromTokens (log.loadFileAsString().trimEnd(), "\x1f", {});
            log.deleteFile();
            return arguments;
        }

        /** What the last run had open, one descriptor a line with what it leads to. */
        juce::String descriptors() const { return log.withFileExtension ("fd").loadFileAsString(); }

        const juce::String previousPath { juce::SystemStats::getEnvironmentVariable ("PATH", {}) };
        const juce::File bin, log;
    };

    /** This process's children by id, with their state letters ('Z': ended but
        never waited for). The command name in parentheses may hold anything, so
        the fields of a stat line are counted from its last ")". */
    std::map<int, char> children()
    {
        std::map<int, char> found;

        for (const auto& process : juce::File ("/proc").findChildFiles (juce::File::findDirectories, false, "*"))
        {
            const auto fields = juce::StringArray::fromTokens (
                process.getChildFile ("stat").loadFileAsString().fromLastOccurrenceOf (")", false, false).trim(), " ", {});

            if (fields.size() >= 2 && fields[1].getIntValue() == getpid())
                found[process.getFileName().getIntValue()] = (char) fields[0][0];
        }

        return found;
    }

    /** What the stub records for a single run with a single argument. */
    juce::StringArray oneRunWith (const juce::String& argument)
    {
        return juce::StringArray::fromTokens (argument + "\x1f", "\x1f", {});
    }

    struct FileMenu : EditorTest
    {
        juce::Component& overlay (const char* name) { return child (name); }

        void hideOverlays()
        {
            child<TervixFileBrowser> ("savePresetBrowser_").hide();
            child<TervixAlertComponent> ("overwritePresetComponent_").hide();
            child<TervixAlertComponent> ("alert_").hide();
        }

        StubOpener opener { temp.folder };
    };
}

TEST_F (FileMenu, EachItemDoesWhatItSays)
{
    open();
    const auto folder = getUserPresetFolder();

    editor->fileMenuResult (0);
    editor->fileMenuResult (6);
    editor->fileMenuResult (3); // no preset folder yet: nothing opens

    for (const char* name : { "savePresetBrowser_", "overwritePresetComponent_", "alert_" })
        EXPECT_FALSE (overlay (name).isVisible()) << name;

    // "Save Preset" of the default "Init.tzrp", which does not exist: the dialog.
    editor->fileMenuResult (1);
    EXPECT_TRUE (folder.isDirectory());
    EXPECT_TRUE (overlay ("savePresetBrowser_").isVisible());
    hideOverlays();

    put (folder.getChildFile ("Sub/x.tzrp"));
    livePresetPath() = "Sub/x.tzrp";
    editor->fileMenuResult (1);
    auto& question = child<TervixOverwriteComponent> ("overwritePresetComponent_");
    EXPECT_TRUE (question.isVisible());
    EXPECT_EQ (juce::String ("Are you sure you want to overwrite this preset?\n\n\"Sub/x.tzrp\""), question.titleText_->getText());
    EXPECT_EQ (folder.getChildFile ("Sub/x.tzrp").getFullPathName(), question.presetFilePath);
    hideOverlays();

    editor->fileMenuResult (2);
    EXPECT_TRUE (overlay ("savePresetBrowser_").isVisible());
    hideOverlays();

    editor->fileMenuResult (4);
    auto& alert = child<TervixAlertComponent> ("alert_");
    EXPECT_TRUE (alert.isVisible());
    EXPECT_EQ ("User manual on: \"" + getUserManualFile().getFullPathName() + "\" is not available.",
               alert.titleText_->getText());

    // Only the web page opened: the folder, missing earlier, did not.
    editor->fileMenuResult (5);
    EXPECT_EQ (oneRunWith ("https://tervix.example.com/shop/vostrel-zr2814"), opener.opened());
}

TEST_F (FileMenu, FoldersAndFilesGoToTheOpenerAsOneArgumentWithoutAShell)
{
    const auto oddMusic = temp.folder.getChildFile ("My \"Music\" 'n' (old) $HOME; touch ran");
    ScopedLocationRoots oddRoots (oddMusic, system);
    getUserPresetFolder().createDirectory();

    // A manual with its execute bit set is opened, not run.
    const auto ran = temp.folder.getChildFile ("ran");
    const auto manual = put (getUserManualFile(), "#!/bin/sh\ntouch '" + ran.getFullPathName() + "'\n");
    manual.setExecutePermission (true);

    open();
    editor->fileMenuResult (3);
    EXPECT_EQ (oneRunWith (getUserPresetFolder().getFullPathName()), opener.opened());
    editor->fileMenuResult (4);
    EXPECT_EQ (oneRunWith (manual.getFullPathName()), opener.opened());
    EXPECT_FALSE (ran.exists());
    EXPECT_FALSE (child ("alert_").isVisible());
}

TEST_F (FileMenu, TheOpenerGetsNoOpenFileOfTheHostAndLeavesNoZombie)
{
    // A host may hold files open without close-on-exec.
    const auto held = put (temp.folder.getChildFile ("held by the host"));
    const int descriptor = ::open (held.getFullPathName().toRawUTF8(), O_RDONLY);
    ASSERT_GE (descriptor, 0);

    open();
    editor->fileMenuResult (VostrelZR2814AudioProcessorEditor::itemWebsite);
    ASSERT_EQ (oneRunWith (VostrelZR2814AudioProcessorEditor::shopPageAddress), opener.opened());
    EXPECT_TRUE (opener.descriptors().isNotEmpty());
    EXPECT_FALSE (opener.descriptors().contains (held.getFullPathName()));

    // Once every child has ended, none is left for us to reap.
    auto running = []
    {
        const auto found = children();
        return std::any_of (found.begin(), found.end(), [] (auto child) { return child.second != 'Z'; });
    };

    for (int attempt = 0; attempt < 1000 && running(); ++attempt)
        juce::Thread::sleep (10);

    EXPECT_EQ ((std::map<int, char>()), children());
    ::close (descriptor);
}

TEST_F (FileMenu, FoldersOnPathThatAreNotUtf8ArePassedOver)
{
    // An opener of its own in a folder named in Latin-1, ahead of the stub's and
    // as alone on PATH with it.
    namespace fs = std::filesystem;
    const auto oddBin = pathOf (temp.folder) / "\xe0 la carte bin";
    const auto ran = temp.folder.getChildFile ("the odd opener ran");
    fs::create_directory (oddBin);
    std::ofstream (oddBin / "xdg-open") << "#!/bin/sh\n: > '" << ran.getFullPathName() << "'\n";
    fs::permissions (oddBin / "xdg-open", fs::perms::owner_all, fs::perm_options::add);
    ASSERT_EQ (0, access ((oddBin / "xdg-open").c_str(), X_OK));
    setenv ("PATH", (oddBin.string() + ":" + opener.bin.getFullPathName().toStdString()).c_str(), 1);

    open();
    editor->fileMenuResult (VostrelZR2814AudioProcessorEditor::itemWebsite);
    EXPECT_EQ (oneRunWith (VostrelZR2814AudioProcessorEditor::shopPageAddress), opener.opened());
    EXPECT_FALSE (ran.exists());
    EXPECT_FALSE (child ("alert_").isVisible());
}

TEST_F (FileMenu, WithoutAnOpenerOnPathEachItemSaysWhatCouldNotBeOpenedAndWhy)
{
    const auto emptyBin = temp.folder.getChildFile ("empty bin");
    ASSERT_TRUE (emptyBin.createDirectory());
    ASSERT_FALSE (emptyBin.getChildFile ("xdg-open").exists());
    setenv ("PATH", emptyBin.getFullPathName().toRawUTF8(), 1);
    getUserPresetFolder().createDirectory();
    put (getUserManualFile());
    open();
    auto& alert = child<TervixAlertComponent> ("alert_");

    for (const auto& [item, target] : { std::pair<int, juce::String> { VostrelZR2814AudioProcessorEditor::itemGoToPresetFolder,
                                                                       getUserPresetFolder().getFullPathName() },
                                        { VostrelZR2814AudioProcessorEditor::itemUserManual, getUserManualFile().getFullPathName() },
                                        { VostrelZR2814AudioProcessorEditor::itemWebsite,
                                          VostrelZR2814AudioProcessorEditor::shopPageAddress } })
    {
        hideOverlays();
        editor->fileMenuResult (item);
        const auto text = alert.titleText_->getText();
        EXPECT_TRUE (alert.isVisible()) << item;
        EXPECT_TRUE (text.contains ("\"" + target + "\"")) << text;
        EXPECT_TRUE (text.contains ("xdg-open") && text.contains ("PATH")) << text;
    }
}

TEST_F (FileMenu, SavePresetOverwritesOnlyAStoredPathThatLeadsIntoThePresetFolder)
{
    const auto folder = getUserPresetFolder();
    const auto outside = put (temp.folder.getChildFile ("outside/x.tzrp"), "theirs");
    put (folder.getParentDirectory().getChildFile ("x.tzrp"), "theirs");
    put (folder.getChildFile ("Sub\\..\\..\\x.tzrp"), "theirs");
    put (folder.getChildFile ("In.tzrp"), "mine");
    ASSERT_TRUE (put (folder.getChildFile ("Tab\t.tzrp"), "theirs").existsAsFile());
    ASSERT_TRUE (outside.getParentDirectory().createSymbolicLink (folder.getChildFile ("Link"), true));
    open();

    const std::pair<juce::String, bool> cases[] = { { outside.getFullPathName(), false },
                                                    { "../x.tzrp", false },
                                                    { "Sub\\..\\..\\x.tzrp", false },
                                                    { "Link/x.tzrp", false },
                                                    { "Tab\t.tzrp", false },
                                                    { "Sub/../In.tzrp", true } };

    for (const auto& [path, asks] : cases)
    {
        SCOPED_TRACE (path);
        livePresetPath() = path;
        editor->fileMenuResult (1);
        EXPECT_EQ (asks, overlay ("overwritePresetComponent_").isVisible());
        EXPECT_EQ (! asks, overlay ("savePresetBrowser_").isVisible());
        hideOverlays();
    }

    EXPECT_EQ (juce::String ("theirs"), outside.loadFileAsString());
}

//==============================================================================
namespace
{
    struct FirstRun : EditorTest
    {
        juce::File factory (const juce::String& path) { return getFactoryPresetFolder().getChildFile (path); }
        juce::File user (const juce::String& path) { return getUserPresetFolder().getChildFile (path); }

        juce::String settingsFor (bool ofldr, bool v100, bool v110)
        {
            auto flag = [] (bool b) { return b ? "\"true\"" : "\"false\""; };
            return juce::String ("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n\r\n<tervixPluginProperty>\r\n"
                                 "  <PresetProperties ofldrCopied=") + flag (ofldr) + " v100Copied=" + flag (v100)
                   + " v110Copied=" + flag (v110) + "/>\r\n</tervixPluginProperty>\r\n";
        }

        /** Opens and closes a window, as a user does, and returns the settings written. */
        juce::String openAndClose()
        {
            open();
            close();
            return getSettingsFile().loadFileAsString();
        }

        void startOver()
        {
            music.deleteRecursively();
            system.deleteRecursively();
        }
    };
}

TEST_F (FirstRun, CopiesTheVersionFoldersOnceAndRemembersIt)
{
    put (factory ("Ver.1.0.0/a.tzrp"));
    put (factory ("Ver.1.1.0/Bass/b.tzrp"));
    put (factory ("All/c.tzrp"));
    // Installed read-only, the user's copy must still take a "Save Preset".
    namespace fs = std::filesystem;
    const auto readOnly = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
    fs::permissions (factory ("Ver.1.0.0/a.tzrp").getFullPathName().toStdString(), readOnly);

    EXPECT_EQ (settingsFor (true, true, true), openAndClose());
    EXPECT_TRUE (user ("a.tzrp").existsAsFile());
    EXPECT_EQ (readOnly | fs::perms::owner_write, fs::status (user ("a.tzrp").getFullPathName().toStdString()).permissions());
    EXPECT_TRUE (user ("Bass/b.tzrp").existsAsFile());
    EXPECT_FALSE (user ("c.tzrp").exists());

    // Remembered: a user who deleted a factory preset does not get it back.
    user ("a.tzrp").deleteFile();
    openAndClose();
    EXPECT_FALSE (user ("a.tzrp").exists());
}

TEST_F (FirstRun, TheRecordIsOnDiskWhileTheWindowIsStillOpen)
{
    // A host that is killed or crashes never closes the window.
    put (factory ("Ver.1.0.0/a.tzrp"));
    open();
    EXPECT_EQ (settingsFor (true, true, false), getSettingsFile().loadFileAsString());

    // The refresh tick leaves the file alone.
    ASSERT_TRUE (getSettingsFile().deleteFile());
    tick (3);
    EXPECT_FALSE (getSettingsFile().exists());
}

TEST_F (FirstRun, WithoutVersionFoldersTheWholeSetFillsOnlyAMissingPresetFolder)
{
    put (factory ("All/c.tzrp"));
    EXPECT_EQ (settingsFor (true, false, false), openAndClose());
    EXPECT_TRUE (user ("c.tzrp").existsAsFile());

    user ("c.tzrp").deleteFile();
    openAndClose();
    EXPECT_FALSE (user ("c.tzrp").exists());
}

TEST_F (FirstRun, NeverReplacesOrFollowsWhatIsThere)
{
    put (getOldUserPresetFolder().getChildFile ("old.tzrp"));
    put (user ("a.tzrp"), "mine");
    put (factory ("Ver.1.0.0/a.tzrp"), "factory");
    put (factory ("Ver.1.0.0/Sub/d.tzrp"));
    ASSERT_TRUE (factory ("Ver.1.0.0").createSymbolicLink (factory ("Ver.1.0.0/Loop"), true));
    put (factory ("Ver.1.1.0/Sub2/e.tzrp"));
    put (user ("Sub2"), "a file where the factory has a folder");

    // The folder that cannot be made leaves its flag false, and trying again
    // still replaces nothing.
    for (int attempt = 0; attempt < 2; ++attempt)
    {
        EXPECT_EQ (settingsFor (true, true, false), openAndClose());
        EXPECT_TRUE (user ("old.tzrp").existsAsFile());
        EXPECT_EQ (juce::String ("mine"), user ("a.tzrp").loadFileAsString());
        EXPECT_TRUE (user ("Sub/d.tzrp").existsAsFile());
        EXPECT_FALSE (user ("Loop").exists());
        EXPECT_EQ (juce::String ("a file where the factory has a folder"), user ("Sub2").loadFileAsString());
    }
}

TEST_F (FirstRun, AFailedCopyLeavesItsFlagFalseAndIsTriedAgain)
{
    // Each source in turn holds a file that cannot be read (a link to nothing);
    // the other two copy.
    for (int failing = 0; failing < 3; ++failing)
    {
        SCOPED_TRACE (failing);
        startOver();
        const juce::File sources[] = { getOldUserPresetFolder(), factory ("Ver.1.0.0"), factory ("Ver.1.1.0") };

        for (int i = 0; i < 3; ++i)
            put (sources[i].getChildFile (juce::String (i) + ".tzrp"));

        const auto unreadable = sources[failing].getChildFile ("gone.tzrp");
        ASSERT_TRUE (temp.folder.getChildFile ("nothing").createSymbolicLink (unreadable, true));

        EXPECT_EQ (settingsFor (failing != 0, failing != 1, failing != 2), openAndClose());
        EXPECT_TRUE (user (juce::String (failing) + ".tzrp").existsAsFile());

        unreadable.deleteFile();
        put (sources[failing].getChildFile ("later.tzrp"));
        EXPECT_EQ (settingsFor (true, true, true), openAndClose());
        EXPECT_TRUE (user ("later.tzrp").existsAsFile());
    }
}

TEST_F (FirstRun, SettingsFilesAreReadAsWrittenAndOddOnesCountAsAFirstRun)
{
    const juce::String large = "<tervixPluginProperty><PresetProperties v100Copied=\"true\"/><!--"
                               + juce::String::repeatedString ("x", 70000) + "--></tervixPluginProperty>";
    const std::pair<juce::String, bool> cases[] = {
        { "<other><PresetProperties v100Copied=\"yes\"/></other>", true },
        { "<tervixPluginProperty><presetproperties v100Copied=\"1\"/></tervixPluginProperty>", true },
        { "<tervixPluginProperty><PresetProperties V100Copied=\"true\"/></tervixPluginProperty>", false },
        { "<tervixPluginProperty><Other v100Copied=\"true\"/></tervixPluginProperty>", false },
        { "not XML", false },
        { large, false },
        { "fifo", false },
        { "folder", false },
    };

    for (const auto& [contents, read] : cases)
    {
        SCOPED_TRACE (contents.substring (0, 80));
        startOver();
        put (factory ("Ver.1.0.0/a.tzrp"));
        const auto settings = getSettingsFile();
        settings.getParentDirectory().createDirectory();

        if (contents == "fifo")
            ASSERT_EQ (0, mkfifo (settings.getFullPathName().toRawUTF8(), 0600));
        else if (contents == "folder")
            settings.createDirectory();
        else
            settings.replaceWithText (contents);

        EXPECT_EQ (settingsFor (true, true, false), openAndClose());
        EXPECT_EQ (! read, user ("a.tzrp").existsAsFile());
    }
}

TEST_F (FirstRun, AFreshInstanceShowsTheShippedInitUnmarked)
{
    ASSERT_TRUE (juce::File (VOSTREL_FACTORY_PRESETS).copyDirectoryTo (getFactoryPresetFolder()));
    open();
    tick (3);
    EXPECT_EQ (juce::String ("Init"), menu().getText());
    EXPECT_TRUE (user ("Flat.tzrp").existsAsFile());
}
