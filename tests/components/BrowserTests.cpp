/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#include "PresetTestSupport.h"

#include "TervixPresetBrowser.h"

#include <vector>

using namespace vostrel::test;

namespace
{
    struct HostCounter : juce::AudioProcessorListener
    {
        void audioProcessorParameterChanged (juce::AudioProcessor*, int, float) override {}
        void audioProcessorChanged (juce::AudioProcessor*, const ChangeDetails&) override { ++changes; }
        int changes = 0;
    };

    // The save dialog inside a window, as the editor holds it.
    struct SaveDialog : PresetFolderTest
    {
        SaveDialog()
        {
            window.setBounds (0, 0, 325, 454);
            window.addChildComponent (dialog);
            processor.addListener (&host);
            dialog.show();
        }

        ~SaveDialog() override { processor.removeListener (&host); }

        // Types a name, lets the timer judge it, and presses OK.
        void save (const juce::String& name)
        {
            dialog.fileBrowser->setFileName (name);
            dialog.timerCallback();
            dialog.okButtonClicked();
        }

        bool okUsable() { return dialog.okButton_->isEnabled() && dialog.okButton_->getAlpha() == 1.0f; }

        juce::Component window;
        TervixPresetBrowser dialog { "savePresetBrowser_", "Save", folder, "*.tzrp", &processor, &menu };
        HostCounter host;
    };

    using NewFolderPanel = SaveDialog;
}

TEST_F (SaveDialog, SavesANewPresetAndRecordsItInTheLiveProgram)
{
    EXPECT_TRUE (dialog.isCurrentlyModal (true));
    EXPECT_FALSE (okUsable()); // no name yet

    live()[paramFreqLevel4] = 0.6f;
    save ("My Preset");

    EXPECT_TRUE (folder.getChildFile ("My Preset.tzrp").existsAsFile());
    EXPECT_EQ (juce::String ("My Preset.tzrp"), *TervixPresets::getLivePresetPath (processor));
    EXPECT_EQ (juce::String ("My Preset"), menu.getText());
    EXPECT_FALSE (menu.markedAsChanged);
    EXPECT_FALSE (dialog.isVisible());
    EXPECT_FALSE (dialog.isCurrentlyModal (false));
    EXPECT_EQ (1, host.changes);
}

TEST_F (SaveDialog, ForcesTheExtensionExactly)
{
    save ("Has.tzrp");
    EXPECT_TRUE (folder.getChildFile ("Has.tzrp").existsAsFile());

    dialog.show();
    save ("Caps.TZRP");
    EXPECT_TRUE (folder.getChildFile ("Caps.TZRP.tzrp").existsAsFile());
    EXPECT_FALSE (folder.getChildFile ("Caps.TZRP").exists());
}

TEST_F (SaveDialog, AsksBeforeOverwritingAndCancelReturnsToTheDialog)
{
    touch ("Sub/Old.tzrp", "old");
    dialog.fileBrowser->setRoot (folder.getChildFile ("Sub"));
    save ("Old");

    auto& question = *dialog.overwriteComponent_;
    EXPECT_TRUE (question.isVisible());
    EXPECT_TRUE (question.isCurrentlyModal (true));
    EXPECT_FALSE (dialog.isCurrentlyModal (false));
    EXPECT_EQ (juce::String ("Are you sure you want to overwrite this preset?\n\n\"Sub/Old.tzrp\""),
               question.titleText_->getText());
    EXPECT_EQ (juce::String ("old"), folder.getChildFile ("Sub/Old.tzrp").loadFileAsString());

    question.cancelButtonClicked();
    EXPECT_TRUE (dialog.isCurrentlyModal (true));
    EXPECT_TRUE (dialog.isVisible());
    EXPECT_EQ (juce::String ("old"), folder.getChildFile ("Sub/Old.tzrp").loadFileAsString());

    save ("Old.tzrp");
    question.okButtonClicked();
    EXPECT_TRUE (folder.getChildFile ("Sub/Old.tzrp").loadFileAsString().contains ("tervixPatch"));
    EXPECT_FALSE (question.isVisible());
    EXPECT_FALSE (dialog.isVisible());
    EXPECT_EQ (0, juce::ModalComponentManager::getInstance()->getNumModalComponents());
    EXPECT_EQ (juce::String ("Sub/Old.tzrp"), *TervixPresets::getLivePresetPath (processor));
}

TEST_F (SaveDialog, RefusesEveryTargetOutsideThePresetFolder)
{
    const auto sibling = folder.getSiblingFile ("VostrelZR2814-old");
    sibling.createDirectory();
    folder.getChildFile ("Sub").createDirectory();
    const auto before = *TervixPresets::getLivePresetPath (processor);

    for (auto name : { juce::String ("../VostrelZR2814-old/Escaped"), sibling.getChildFile ("Escaped").getFullPathName(),
                       juce::String ("/tmp/Escaped"), juce::String ("Sub/../../Escaped"), juce::String(),
                       juce::String ("Sub"), juce::String ("."), juce::String ("Back\\slash") })
    {
        save (name);
        EXPECT_FALSE (okUsable()) << name;
        EXPECT_TRUE (dialog.isVisible()) << name;
    }

    EXPECT_EQ (juce::StringArray(), [&] { juce::StringArray found; for (auto& f : folder.getParentDirectory().findChildFiles (juce::File::findFiles, true, "*")) found.add (f.getFileName()); return found; }());
    EXPECT_EQ (before, *TervixPresets::getLivePresetPath (processor));
    EXPECT_EQ (8, host.changes); // the host still hears of every OK

    // A folder named like the preset with its extension is not replaced either.
    folder.getChildFile ("Dir.tzrp").createDirectory();
    save ("Dir");
    EXPECT_TRUE (folder.getChildFile ("Dir.tzrp").isDirectory());

    // Browsing into the sibling folder dims New Folder too.
    dialog.fileBrowser->setRoot (sibling);
    dialog.timerCallback();
    EXPECT_FALSE (dialog.newFolderButton_->isEnabled());
    EXPECT_NEAR (0.5f, dialog.newFolderButton_->getAlpha(), 0.01f);
    dialog.fileBrowser->setRoot (folder.getChildFile ("Sub"));
    dialog.timerCallback();
    EXPECT_TRUE (dialog.newFolderButton_->isEnabled());
}

TEST_F (SaveDialog, RefusesFoldersWhoseNamesASessionCannotKeep)
{
    // A Latin-1 name would come back from a saved session as another name. It is
    // made and looked for by its bytes: the framework's path functions misread it.
    const std::filesystem::path presets (folder.getFullPathName().toStdString());
    const std::string latin1 = "Alt\xe9 - Warm Guitar Tones";
    ASSERT_TRUE (std::filesystem::create_directory (presets / latin1));
    dialog.fileBrowser->setRoot (juce::File (rawBytes ((presets / latin1).c_str())));
    save ("New");

    EXPECT_FALSE (okUsable());
    EXPECT_TRUE (dialog.isVisible());
    std::vector<std::string> entries; // nothing saved there, nor under another name

    for (const auto& entry : std::filesystem::recursive_directory_iterator (presets))
        entries.push_back (entry.path().lexically_relative (presets).native());

    EXPECT_EQ (std::vector<std::string> { latin1 }, entries);
    EXPECT_EQ (juce::String ("Init.tzrp"), *TervixPresets::getLivePresetPath (processor));
}

TEST_F (SaveDialog, RefusesFoldersWithABackslashInTheirName)
{
    // A stored path reads "\" as a separator: a preset saved in "A\B" would be
    // recorded as one in "A/B", another folder.
    const juce::File lookAlike (juce::String (touch ("A\\B/x.tzrp", "mine").parent_path().string()));
    touch ("A/B/x.tzrp", "other");
    dialog.fileBrowser->setRoot (lookAlike);

    for (auto name : { "New", "x" })
    {
        save (name);
        EXPECT_FALSE (okUsable()) << name;
        EXPECT_FALSE (dialog.overwriteComponent_->isVisible()) << name;
    }

    // Nor does the overwrite question write there, whatever path it is given.
    TervixOverwriteComponent question ("overwritePresetComponent_", &processor, &menu);
    window.addChildComponent (question);
    question.presetFilePath = lookAlike.getChildFile ("x.tzrp").getFullPathName();
    question.okButtonClicked();
    EXPECT_TRUE (question.alertComponent_->isVisible());

    EXPECT_EQ (juce::String ("mine"), lookAlike.getChildFile ("x.tzrp").loadFileAsString());
    EXPECT_EQ (juce::String ("other"), folder.getChildFile ("A/B/x.tzrp").loadFileAsString());
    EXPECT_FALSE (lookAlike.getChildFile ("New.tzrp").exists());
    EXPECT_EQ (juce::String ("Init.tzrp"), *TervixPresets::getLivePresetPath (processor));
}

TEST_F (SaveDialog, RefusesNamesHoldingControlCharacters)
{
    // Names as they arrive pasted: a tab, pasted bytes EF EE (not UTF-8) as the
    // name field ends up holding them, DEL, and a C1 control as Latin-1 text
    // brings it.
    struct Case { const char* what; juce::String name; juce::juce_wchar control; };

    const Case cases[] = {
        { "a tab", "caf\t ", '\t' },
        { "a unit separator", "w\x1f", 0x1f },
        { "bytes not UTF-8", "\x0f\x0e", 0x0f },
        { "DEL", "Del\x7f", 0x7f },
        { "a C1 control", "Next" + juce::String::charToString (0x85) + "Line", 0x85 },
    };

    for (const auto& c : cases)
    {
        ASSERT_TRUE (c.name.containsChar (c.control)) << c.what;
        save (c.name);
        EXPECT_FALSE (okUsable()) << c.what;
        EXPECT_TRUE (dialog.isVisible()) << c.what;
        EXPECT_FALSE (menu.writePreset (&processor, c.name + ".tzrp")) << c.what;
    }

    EXPECT_TRUE (folder.findChildFiles (juce::File::findFilesAndDirectories, true).isEmpty());
    EXPECT_EQ (juce::String ("Init.tzrp"), *TervixPresets::getLivePresetPath (processor));
}

TEST_F (SaveDialog, FailedWriteKeepsTheDialogOpenAndSaysSo)
{
    touch ("Blocked", "a file where a folder should be");
    *TervixPresets::getLivePresetPath (processor) = "Kept.tzrp";
    save ("Blocked/New");

    EXPECT_TRUE (dialog.isVisible());
    EXPECT_TRUE (dialog.alertComponent_->isCurrentlyModal (true));
    EXPECT_EQ (juce::String ("Couldn't save the preset! Try different name."), dialog.alertComponent_->titleText_->getText());
    EXPECT_EQ (juce::String ("Kept.tzrp"), *TervixPresets::getLivePresetPath (processor));

    dialog.alertComponent_->okButtonClicked();
    EXPECT_TRUE (dialog.isCurrentlyModal (true));
}

TEST_F (SaveDialog, OverwriteQuestionRefusesPathsFromOutsideTheFolder)
{
    TervixOverwriteComponent question ("overwritePresetComponent_", &processor, &menu);
    window.addChildComponent (question);
    const auto target = folder.getSiblingFile ("Victim.tzrp");
    target.replaceWithText ("keep me");

    question.presetFilePath = folder.getChildFile ("../Victim.tzrp").getFullPathName();
    question.show (2, iconAsterix);
    question.okButtonClicked();

    EXPECT_EQ (juce::String ("keep me"), target.loadFileAsString());
    EXPECT_TRUE (question.isVisible());
    EXPECT_TRUE (question.alertComponent_->isCurrentlyModal (true));
    question.alertComponent_->okButtonClicked();
    question.cancelButtonClicked();
    EXPECT_FALSE (question.isVisible());

    // Without processor or menu nothing is written and the question closes.
    TervixOverwriteComponent empty ("empty", nullptr, nullptr);
    empty.presetFilePath = folder.getChildFile ("X.tzrp").getFullPathName();
    empty.show (2, iconAsterix);
    empty.okButtonClicked();
    EXPECT_FALSE (empty.isVisible());
    EXPECT_FALSE (folder.getChildFile ("X.tzrp").exists());
}

TEST_F (SaveDialog, PlainBrowserTypesFollowTheirOwnRules)
{
    TervixFileBrowser save ("save", "Save", folder, "  ");
    EXPECT_EQ (juce::String ("*"), save.fileWildcard);
    EXPECT_NE (nullptr, save.newFolderButton_);

    touch ("Pick.tzrp");
    TervixFileBrowser open ("open", "Load", folder, "*.tzrp", TervixFileBrowser::openFile, 2, buttonImageOk);
    EXPECT_EQ (nullptr, open.newFolderButton_);
    open.show();
    EXPECT_FALSE (open.okButton_->isEnabled());
    open.fileBrowser->setFileName ("Pick.tzrp");
    open.timerCallback();
    EXPECT_TRUE (open.okButton_->isEnabled());

    open.fileDoubleClicked (folder.getChildFile ("Pick.tzrp"));
    pumpMessages (30);
    EXPECT_FALSE (open.isVisible()); // acted as OK

    TervixFileBrowser none ("none", "x", folder, "*", 6);
    EXPECT_EQ (nullptr, none.fileBrowser);
    none.show();
    EXPECT_FALSE (none.isVisible());
    EXPECT_FALSE (none.isCurrentlyModal (false));
}

TEST_F (NewFolderPanel, CreatesFoldersAndReportsProblemsInItsOwnWords)
{
    auto& panel = *dialog.newFolderComponent_;
    dialog.createNewFolder();
    EXPECT_TRUE (panel.isCurrentlyModal (true));
    EXPECT_FALSE (dialog.isCurrentlyModal (false));
    EXPECT_FALSE (panel.okButton_->isEnabled());
    EXPECT_NEAR (0.5f, panel.okButton_->getAlpha(), 0.01f);

    auto enter = [&] (const juce::String& text)
    {
        panel.textEditor_->setText (text);
        panel.timerCallback();
        panel.okButton_->triggerClick();
        pumpMessages (30);
    };

    for (auto name : { "/?", "..", "...", "   ", "." })
    {
        enter (name);
        EXPECT_TRUE (panel.isVisible()) << name;
        EXPECT_FALSE (panel.alertComponent_->isVisible()) << name;
    }

    EXPECT_TRUE (folder.findChildFiles (juce::File::findFilesAndDirectories, false, "*").isEmpty());
    EXPECT_EQ (1, folder.getParentDirectory().findChildFiles (juce::File::findFilesAndDirectories, false, "*").size());

    folder.getChildFile ("Taken").createDirectory();
    enter ("Taken");
    EXPECT_TRUE (panel.alertComponent_->isCurrentlyModal (true));
    EXPECT_EQ (juce::String ("The folder name already exist! Try different name."),
               panel.alertComponent_->titleText_->getText());
    panel.alertComponent_->hide();
    EXPECT_TRUE (panel.isCurrentlyModal (true));
    EXPECT_EQ (juce::String ("Taken"), panel.textEditor_->getText());

    touch ("File");
    enter ("File");
    EXPECT_TRUE (panel.alertComponent_->isVisible());
    panel.alertComponent_->hide();

    enter ("Fresh");
    EXPECT_TRUE (folder.getChildFile ("Fresh").isDirectory());
    EXPECT_FALSE (panel.isVisible());
    EXPECT_TRUE (dialog.isVisible());
    EXPECT_FALSE (dialog.isCurrentlyModal (false));
}

TEST_F (NewFolderPanel, KeysActAsTheButtonsAndMissingFoldersOpenNothing)
{
    auto& panel = *dialog.newFolderComponent_;
    dialog.createNewFolder();

    panel.textEditor_->clear();
    panel.timerCallback();
    panel.textEditor_->onReturnKey();
    pumpMessages (30);
    EXPECT_TRUE (panel.isVisible()); // OK disabled: return does nothing

    panel.textEditor_->setText ("ByReturn");
    panel.timerCallback();
    panel.textEditor_->onReturnKey();
    pumpMessages (30);
    EXPECT_TRUE (folder.getChildFile ("ByReturn").isDirectory());

    dialog.createNewFolder();
    panel.textEditor_->setText ("Never");
    panel.textEditor_->onEscapeKey();
    pumpMessages (30);
    EXPECT_FALSE (panel.isVisible());
    EXPECT_FALSE (folder.getChildFile ("Never").exists());

    const auto gone = folder.getChildFile ("Gone");
    gone.createDirectory();
    dialog.fileBrowser->setRoot (gone);
    gone.deleteRecursively();
    dialog.createNewFolder();
    EXPECT_FALSE (panel.isVisible());

    // Outside the preset folder the panel creates nothing, even when opened.
    const auto outside = folder.getSiblingFile ("Elsewhere");
    outside.createDirectory();
    dialog.fileBrowser->setRoot (outside);
    dialog.createNewFolder();
    panel.textEditor_->setText ("Escaped");
    panel.timerCallback();
    panel.okButton_->triggerClick();
    pumpMessages (30);
    EXPECT_FALSE (outside.getChildFile ("Escaped").exists());
    EXPECT_EQ (juce::String ("Couldn't create the folder! Try different name."), panel.alertComponent_->titleText_->getText());
}
