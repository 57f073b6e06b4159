/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#include "PresetTestSupport.h"

#include <map>
#include <set>
#include <vector>
#include <sys/stat.h>
#include <unistd.h>

using namespace vostrel::test;

namespace
{
    using PresetMenu = PresetFolderTest;

    // A preset file of this product with the given "Value" elements.
    juce::String presetText (const juce::String& values)
    {
        return "<?xml version=\"1.0\"?><tervixPatch version=\"1.0\"><DeviceName>Vostrel ZR2814</DeviceName>"
               "<Properties deviceProductID=\"" + juce::String (VostrelZR2814AudioProcessor::productIdentifier)
               + "\" deviceVersion=\"1.2.0\" presetVersion=\"1.0\">" + values + "</Properties></tervixPatch>";
    }

    // A preset file that sets the first band, so that a load shows which file it read.
    juce::String presetWithBand1 (const char* value)
    {
        return presetText ("<Value property=\"freqLevel1\" type=\"number\">" + juce::String (value) + "</Value>");
    }
}

TEST_F (PresetMenu, WrittenPresetIsSelectedUnmarkedAndComparesEqualAfterLoading)
{
    live()[paramFreqLevel3] = 0.7f;
    live()[paramEqualizerType] = 0.5f;

    ASSERT_TRUE (menu.writePreset (&processor, "New/Deeper/My Preset.tzrp"));
    const auto file = folder.getChildFile ("New/Deeper/My Preset.tzrp");
    ASSERT_TRUE (file.existsAsFile());
    EXPECT_TRUE (file.loadFileAsString().contains ("\r\n"));
    EXPECT_EQ (juce::String ("New/Deeper/My Preset.tzrp"), menu.getSelectedFilePath());
    EXPECT_EQ (juce::String ("My Preset"), menu.getText());
    EXPECT_FALSE (menu.markedAsChanged);

    live()[paramFreqLevel3] = 0.0f;
    EXPECT_EQ (presetLoaded, menu.readPreset (&processor, menu.getSelectedFilePath()));
    EXPECT_FLOAT_EQ (0.7f, live()[paramFreqLevel3]);

    menu.compareAndMarkPreset (&processor);
    EXPECT_EQ (juce::String ("My Preset"), menu.getText());

    // An absolute path inside the folder is used as it is.
    EXPECT_EQ (presetLoaded, menu.readPreset (&processor, file.getFullPathName()));
}

TEST_F (PresetMenu, ChangesMarkOnceAndComparisonNeverClearsTheMark)
{
    ASSERT_TRUE (menu.writePreset (&processor, "Base.tzrp"));
    live()[paramLevel] = 0.25f;
    menu.compareAndMarkPreset (&processor);
    EXPECT_EQ (juce::String ("Base*"), menu.getText());
    EXPECT_TRUE (menu.markedAsChanged);

    menu.setPresetHasChanged();
    menu.setPresetHasChanged();
    EXPECT_EQ (juce::String ("Base*"), menu.getText());

    live()[paramLevel] = 0.0f;
    menu.compareAndMarkPreset (&processor);
    EXPECT_EQ (juce::String ("Base*"), menu.getText());

    menu.setSelectedFilePath ("Base.tzrp");
    EXPECT_EQ (juce::String ("Base"), menu.getText());
    EXPECT_FALSE (menu.markedAsChanged);

    menu.setMarkedAsChange (true);
    EXPECT_EQ (juce::String ("Base"), menu.getText());
    menu.setPresetHasChanged();
    EXPECT_EQ (juce::String ("Base"), menu.getText());
}

TEST_F (PresetMenu, ComparisonFollowsStepsAndTolerance)
{
    touch ("P.tzrp", presetText ("<Value property=\"onBypass\" type=\"boolean\">true</Value>"
                                 "<Value property=\"equalizerType\" type=\"number\">1</Value>"
                                 "<Value property=\"freqLevel1\" type=\"number\">0.50000</Value>"
                                 "<Value property=\"unknown\" type=\"number\">9</Value>"));

    auto marksWith = [&] (std::function<void()> change)
    {
        for (int i = 0; i < numParameters; ++i)
            live()[i] = 0.0f;

        live()[paramOnBypass] = 1.0f;
        live()[paramEqualizerType] = 0.5f;
        live()[paramFreqLevel1] = 0.5f;
        change();
        menu.setSelectedFilePath ("P.tzrp");
        menu.compareAndMarkPreset (&processor);
        return menu.markedAsChanged;
    };

    EXPECT_FALSE (marksWith ([] {}));
    EXPECT_FALSE (marksWith ([&] { live()[paramFreqLevel1] = 0.500009f; }));
    EXPECT_TRUE (marksWith ([&] { live()[paramFreqLevel1] = 0.50001f; }));
    EXPECT_TRUE (marksWith ([&] { live()[paramOnBypass] = 0.0f; }));
    EXPECT_FALSE (marksWith ([&] { live()[paramOnBypass] = 0.2f; }));
    EXPECT_TRUE (marksWith ([&] { live()[paramEqualizerType] = 1.0f; }));
    EXPECT_FALSE (marksWith ([&] { live()[paramLevel] = 0.9f; })); // not in the file

    // The value loading the file produces compares equal too.
    EXPECT_EQ (presetLoaded, menu.readPreset (&processor, "P.tzrp"));
    menu.setSelectedFilePath ("P.tzrp");
    menu.compareAndMarkPreset (&processor);
    EXPECT_FALSE (menu.markedAsChanged);
}

TEST_F (PresetMenu, CorruptForeignOrMissingFilesChangeNothing)
{
    touch ("Corrupt.tzrp", "<tervixPatch><Properties");
    touch ("Foreign.tzrp", "<?xml version=\"1.0\"?><tervixPatch><Properties deviceProductID=\"other\">"
                           "<Value property=\"freqLevel1\">1</Value></Properties></tervixPatch>");
    touch ("Gone.tzrp", presetText ({}));
    live()[paramFreqLevel1] = 0.3f;

    EXPECT_EQ (presetInvalid, menu.readPreset (&processor, "Corrupt.tzrp"));
    EXPECT_EQ (presetOtherProduct, menu.readPreset (&processor, "Foreign.tzrp"));
    EXPECT_EQ (presetInvalid, menu.readPreset (&processor, "Missing.tzrp"));
    EXPECT_EQ (presetInvalid, menu.readPreset (&processor, "Sub"));
    EXPECT_EQ (presetInvalid, menu.readPreset (nullptr, "Gone.tzrp"));
    EXPECT_FLOAT_EQ (0.3f, live()[paramFreqLevel1]);

    for (auto name : { "Corrupt.tzrp", "Gone.tzrp" })
    {
        menu.setSelectedFilePath (name);
        folder.getChildFile ("Gone.tzrp").deleteFile();
        const auto text = menu.getText();
        menu.compareAndMarkPreset (&processor);
        EXPECT_EQ (text, menu.getText()) << name;
    }
}

TEST_F (PresetMenu, OnlyRegularFilesOfBoundedSizeAreRead)
{
    const auto fifo = folder.getChildFile ("Pipe.tzrp");
    ASSERT_EQ (0, mkfifo (fifo.getFullPathName().toRawUTF8(), 0600));
    EXPECT_EQ (presetInvalid, menu.readPreset (&processor, "Pipe.tzrp"));
    menu.setSelectedFilePath ("Pipe.tzrp");
    menu.compareAndMarkPreset (&processor);

    EXPECT_EQ (presetInvalid, menu.readPreset (&processor, "/dev/zero"));

    const auto padding = juce::String::repeatedString (" ", (int) TervixPresets::maxPresetFileBytes);
    touch ("Huge.tzrp", presetText ("<Value property=\"freqLevel1\" type=\"number\">1</Value>") + padding);
    live()[paramFreqLevel1] = 0.0f;
    EXPECT_EQ (presetInvalid, menu.readPreset (&processor, "Huge.tzrp"));
    EXPECT_FLOAT_EQ (0.0f, live()[paramFreqLevel1]);
}

TEST_F (PresetMenu, WritesStayInsideThePresetFolderAndNeverReplaceFolders)
{
    const auto outside = folder.getSiblingFile ("VostrelZR2814-old").getChildFile ("Escaped.tzrp");

    EXPECT_FALSE (menu.writePreset (&processor, outside.getFullPathName()));
    EXPECT_FALSE (menu.writePreset (&processor, "../VostrelZR2814-old/Escaped.tzrp"));
    EXPECT_FALSE (menu.writePreset (&processor, "Sub/../../Escaped.tzrp"));
    EXPECT_FALSE (menu.writePreset (&processor, "Sub/.."));

    // Links are followed: neither one to a folder outside nor one that names a
    // file outside yet to be made is written through.
    outside.getParentDirectory().createDirectory();
    ASSERT_TRUE (outside.getParentDirectory().createSymbolicLink (folder.getChildFile ("Out"), true));
    ASSERT_TRUE (outside.createSymbolicLink (folder.getChildFile ("Dangling.tzrp"), true));
    EXPECT_FALSE (menu.writePreset (&processor, "Out/Escaped.tzrp"));
    EXPECT_FALSE (menu.writePreset (&processor, "Dangling.tzrp"));
    EXPECT_FALSE (outside.exists());
    EXPECT_FALSE (folder.getSiblingFile ("Escaped.tzrp").exists());

    // Nor one that leads nowhere in the middle of the path: every name is judged.
    ASSERT_TRUE (outside.getSiblingFile ("Missing").createSymbolicLink (folder.getChildFile ("DanglingDir"), true));
    ASSERT_TRUE (folder.getChildFile ("NotYet").createSymbolicLink (folder.getChildFile ("Later"), true));
    EXPECT_FALSE (TervixPresets::isInsideUserPresetFolder (folder.getChildFile ("DanglingDir/x.tzrp")));
    EXPECT_TRUE (TervixPresets::isInsideUserPresetFolder (folder.getChildFile ("Later/x.tzrp")));

    folder.getChildFile ("Empty.tzrp").createDirectory();
    EXPECT_FALSE (menu.writePreset (&processor, "Empty.tzrp"));
    EXPECT_TRUE (folder.getChildFile ("Empty.tzrp").isDirectory());

    touch ("Blocked", "a file where a folder should be");
    menu.setSelectedFilePath ("Other.tzrp");
    EXPECT_FALSE (menu.writePreset (&processor, "Blocked/New.tzrp"));
    EXPECT_EQ (juce::String ("Other.tzrp"), menu.getSelectedFilePath());

    EXPECT_FALSE (menu.writePreset (nullptr, "Fine.tzrp"));
    EXPECT_FALSE (folder.getChildFile ("Fine.tzrp").exists());
}

TEST_F (PresetMenu, OffersOnlyNamesThatCanBeStored)
{
    // Names as archives unpack them. The framework turned a name that is not UTF-8
    // into a string too short for it once some bytes follow the odd one (each of
    // these, as a file and as a folder); others would come back from a saved
    // session as another name (Latin-1, Windows-1252, a "\", which a stored path
    // reads as a separator) or as another file (a first name starting with "~",
    // read as a home folder). Control characters come only from pasted text.
    const std::string overrunning[] = {
        "\xe0 la carte - Warm Guitar Tone",     // Latin-1
        "\xc0 la carte - Warm Guitar Tone",
        "\xf0" "dinn Hall - Warm Guitar Tone",
        "\x80 Euro Edition - Warm Guitar",     // Windows-1252
        "notes\xc0\x80 about presets and tones", // an overlong NUL
    };

    struct Case { std::string path; bool listed; };

    std::vector<Case> cases = {
        { "notes\xc0\x80 about presets.txt", false },              // any file, not only presets
        { "caf\xe9.tzrp", false },                                  // Latin-1
        { "\x93Warm\x94.tzrp", false },                             // Windows-1252
        { "Alt\xe9/Inner.tzrp", false },                            // in a Latin-1 folder
        { "Presets\\Lead.tzrp", false },
        { "A\\B/x.tzrp", false },
        { "A/B/x.tzrp", true },
        { "\xed\xa0\x80.tzrp", false },                             // a surrogate: not UTF-8 either
        { "\xf7\xb0\xb1\xb2.tzrp", false },                         // past U+10FFFF
        { "Gr\xc3\xbc\xc3\x9f" "e/\xf0\x9f\x98\x80.tzrp", true },   // UTF-8
        { "~/x.tzrp", false },                                      // the home folder
        { "~root/x.tzrp", false },                                  // root's home folder
        { "~x.tzrp", false },
        { "Sub/~/x.tzrp", true },                                   // only a first name is read so
        { "caf\t .tzrp", false },                                   // C0 controls
        { "w\x1f.tzrp", false },
        { "\x0f\x0e.tzrp", false },
        { "Tab\tFolder/x.tzrp", false },
        { "Del\x7f.tzrp", false },
        { "Next\xc2\x85Line.tzrp", false },                         // C1 (U+0085)
        { "\xc2\xa0Space.tzrp", true },                             // U+00A0, just past C1
    };

    for (const auto& name : overrunning)
    {
        cases.push_back ({ name + ".tzrp", false });
        cases.push_back ({ name + "/x.tzrp", false });
    }

    std::set<std::string> expected;

    for (const auto& c : cases)
    {
        touch (c.path);

        if (c.listed)
            expected.insert (c.path);
    }

    menu.createMenuTree();
    std::set<std::string> listed;

    for (int i = 0; i < menu.getNumOfFiles(); ++i)
        listed.insert (juce::File (menu.getFilePath (i)).getRelativePathFrom (folder).toStdString());

    EXPECT_EQ (expected, listed);
    EXPECT_EQ (6, menu.menuCount); // the root, A, A/B, the UTF-8 folder, Sub and Sub/~: no menu for one left out

    // Each listed file, stepped to and kept in a slot's side B, is the file the
    // restored slot names, and selecting that path (as a program change or an A/B
    // switch does) finds it again.
    for (int id = 1; id <= menu.getNumOfFiles(); ++id)
    {
        menu.nextResult();
        processor.programs[id].presetPath[channelB] = menu.getSelectedFilePath();
    }

    juce::MemoryBlock session;
    processor.getStateInformation (session);
    VostrelZR2814AudioProcessor restored;
    restored.setStateInformation (session.getData(), (int) session.getSize());

    for (int id = 1; id <= menu.getNumOfFiles(); ++id)
    {
        const auto path = restored.programs[id].presetPath[channelB];
        EXPECT_EQ (folder.getChildFile (path).getFullPathName().toStdString(), menu.getFilePath (id - 1).toStdString());

        menu.setSelectedFilePath (path);
        menu.compareAndMarkPreset (&restored);
        EXPECT_EQ (id, menu.getSelectedFileIndex()) << path;
        EXPECT_FALSE (menu.markedAsChanged) << path;
    }
}

TEST_F (PresetMenu, ABackslashNameNeverStandsForItsLookAlike)
{
    // Stored paths read "\" as a separator: "A\B/x.tzrp" would be kept as
    // "A/B/x.tzrp", another preset.
    const auto lookAlike = touch ("A\\B/x.tzrp", presetWithBand1 ("0.1"));
    const std::map<juce::String, float> band1Of { { juce::String (lookAlike.string()), 0.1f },
                                                  { juce::String (touch ("A/B/x.tzrp", presetWithBand1 ("0.9")).string()), 0.9f } };

    // Every pick loads the file it shows, and saving it writes that file only.
    menu.createMenuTree();
    ASSERT_GT (menu.getNumOfFiles(), 0);

    for (int id = 1; id <= menu.getNumOfFiles(); ++id)
    {
        menu.setSelectedFileIndex (id);
        ASSERT_EQ (presetLoaded, menu.readPreset (&processor, menu.getSelectedFilePath()));
        EXPECT_FLOAT_EQ (band1Of.at (menu.getFilePath (id - 1)), live()[paramFreqLevel1]);
        EXPECT_TRUE (menu.writePreset (&processor, menu.getSelectedFilePath()));
    }

    for (const auto& path : { juce::String ("A\\B/x.tzrp"), juce::String ("A\\B/New.tzrp"),
                              juce::String (lookAlike.string()) })
        EXPECT_FALSE (menu.writePreset (&processor, path)) << path;

    EXPECT_EQ (presetWithBand1 ("0.1"), juce::File (juce::String (lookAlike.string())).loadFileAsString());
    EXPECT_FALSE (std::filesystem::exists (lookAlike.parent_path() / "New.tzrp"));
}

TEST_F (PresetMenu, AStoredPathNeverNamesAFileOutsideTheFolder)
{
    // A sub-folder named "~" (a slip of the shell), another x.tzrp in the home
    // folder, which the framework reads "~/x.tzrp" as, and one beside the preset
    // folder, which ".." climbs to.
    const auto home = juce::File::getSpecialLocation (juce::File::userHomeDirectory);
    ASSERT_EQ (ownHome.home.getFullPathName(), home.getFullPathName());
    const auto mine = touch ("~/x.tzrp", presetWithBand1 ("0.1"));
    touch ("In.tzrp", presetWithBand1 ("0.5"));
    const auto theirs = home.getChildFile ("x.tzrp");
    ASSERT_TRUE (theirs.replaceWithText (presetWithBand1 ("0.9")));
    ASSERT_TRUE (folder.getSiblingFile ("x.tzrp").replaceWithText (presetWithBand1 ("0.9")));
    ASSERT_NE (theirs.getFullPathName().toStdString(), mine.string());
    ASSERT_TRUE (std::filesystem::is_regular_file (mine) && theirs.existsAsFile());

    // Picks and steps hand over only listed paths; a program change or a restored
    // session may hand over any. Such a path loads nothing and shows marked, as a
    // missing file does, and no file is read for the comparison, not even one of
    // the folder's own that "~" leads back to.
    const juce::String elsewhere[] = { "~/x.tzrp", "~/" + folder.getChildFile ("In.tzrp").getRelativePathFrom (home),
                                       "../x.tzrp", "Sub/../../x.tzrp", theirs.getFullPathName() };

    for (const auto& path : elsewhere)
    {
        live()[paramFreqLevel1] = 0.3f;
        menu.presetXml.reset();
        EXPECT_EQ (presetInvalid, menu.readPreset (&processor, path)) << path;
        EXPECT_FLOAT_EQ (0.3f, live()[paramFreqLevel1]) << path;

        menu.setSelectedFilePath (path);
        menu.compareAndMarkPreset (&processor);
        EXPECT_TRUE (menu.markedAsChanged) << path;
        EXPECT_EQ (nullptr, menu.presetXml) << path;
    }

    EXPECT_EQ (presetLoaded, menu.readPreset (&processor, "Sub/../In.tzrp"));
    EXPECT_FLOAT_EQ (0.5f, live()[paramFreqLevel1]);
}

TEST_F (PresetMenu, APathLongerThanTheSystemAllowsNamesNoFile)
{
    // The system's limits are in bytes: 4,096 for a path, 255 for a name. Names
    // of two-byte characters ("\xd0\x96") hold fewer characters than bytes.
    const juce::String wide (juce::CharPointer_UTF8 ("\xd0\x96"));
    const auto repeat = [] (const juce::String& s, int times) { return juce::String::repeatedString (s, times); };
    const auto name255 = repeat (wide, 125) + ".tzrp";

    struct Case { const char* what; juce::String path; bool stored; };

    const Case cases[] = {
        { "a name of 255 bytes", name255, true },
        { "a name of 256 bytes", "x" + name255, false },
        { "a folder name of 255 bytes", repeat (wide, 127) + "x/In.tzrp", true },
        { "a folder name of 256 bytes", repeat (wide, 128) + "/In.tzrp", false },
        { "a path of 4,096 bytes", repeat (wide + "/", 1363) + "xy.tzrp", true },
        { "a path of 4,097 bytes", repeat (wide + "/", 1363) + "xyz.tzrp", false },
        { "100,000 separators", repeat ("/", 100000), false },
        { "a name of 100,000 characters", repeat ("A", 100000) + ".tzrp", false },
    };

    for (const auto& c : cases)
    {
        EXPECT_EQ (c.stored, TervixPresets::canBeStored (c.path)) << c.what;

        // A session's path that names no file shows no name, only the mark.
        if (! c.stored)
        {
            menu.setSelectedFilePath (c.path);
            EXPECT_EQ (juce::String ("*"), menu.getText()) << c.what;
        }
    }
}

TEST_F (PresetMenu, EntriesThatLoadNothingAreNotOfferedAndShowMarked)
{
    // A pick of an entry that loads nothing would look loaded: such entries are
    // not offered, and one that vanishes after the menu was built is marked at
    // the next rebuild, as the editor's next tick does it.
    touch ("Real.tzrp", presetText ({}));
    touch ("Gone.tzrp", presetText ({}));
    ASSERT_EQ (0, symlink ("Nowhere.tzrp", folder.getChildFile ("Dangling.tzrp").getFullPathName().toRawUTF8()));
    ASSERT_EQ (0, mkfifo (folder.getChildFile ("Pipe.tzrp").getFullPathName().toRawUTF8(), 0600));

    menu.createMenuTree();
    ASSERT_EQ (2, menu.getNumOfFiles());
    EXPECT_EQ (juce::String ("Gone"), menu.getFileName (0));
    EXPECT_EQ (juce::String ("Real"), menu.getFileName (1));

    ASSERT_TRUE (folder.getChildFile ("Gone.tzrp").deleteFile());
    menu.setSelectedFileIndex (1);
    ASSERT_EQ (juce::String ("Gone.tzrp"), menu.getSelectedFilePath());

    for (auto name : { "Gone", "Dangling", "Pipe" })
    {
        const auto path = juce::String (name) + ".tzrp";
        EXPECT_EQ (presetInvalid, menu.readPreset (&processor, path)) << name;
        menu.setSelectedFilePath (path);
        menu.compareAndMarkPreset (&processor);
        EXPECT_EQ (juce::String (name) + "*", menu.getText());
        EXPECT_TRUE (menu.markedAsChanged) << name;
    }
}

TEST_F (PresetMenu, ProgramIndexesFromTheProcessorAreChecked)
{
    ASSERT_TRUE (menu.writePreset (&processor, "P.tzrp"));
    live()[paramFreqLevel2] = 0.9f;
    processor.currentProgram = 12;
    menu.compareAndMarkPreset (&processor);
    EXPECT_FALSE (menu.markedAsChanged);
    EXPECT_EQ (nullptr, TervixPresets::getLivePresetPath (processor));

    processor.currentProgram = -1;
    EXPECT_EQ (nullptr, TervixPresets::getLivePresetPath (processor));

    processor.currentProgram = 3;
    processor.programs[3].activeChannel = 7;
    EXPECT_EQ (&processor.programs[3].presetPath[channelA], TervixPresets::getLivePresetPath (processor));
}

TEST_F (PresetMenu, ALongMarkedNameIsShortenedBeforeItsMark)
{
    menu.setBounds (67, 3, 192, 26);
    const auto lastDrawnCharacter = [&]
    {
        const auto area = menu.getBorderSize().subtractedFrom (menu.getLocalBounds()).toFloat();
        juce::GlyphArrangement glyphs;
        glyphs.addFittedText (menu.getLookAndFeel().getLabelFont (menu), menu.getTextToDraw(), area.getX(), area.getY(),
                              area.getWidth(), area.getHeight(), menu.getJustificationType(), 1, 0.0f);
        return glyphs.getGlyph (glyphs.getNumGlyphs() - 1).getCharacter();
    };

    touch ("Short.tzrp");
    menu.setSelectedFilePath ("Short.tzrp");
    menu.setPresetHasChanged();
    EXPECT_EQ (juce::String ("Short*"), menu.getTextToDraw());

    const juce::String name = "A rather long preset name for one very particular guitar sound";
    touch ((name + ".tzrp").toStdString());
    menu.setSelectedFilePath (name + ".tzrp");
    EXPECT_EQ (name, menu.getTextToDraw());

    menu.setPresetHasChanged();
    EXPECT_EQ (name + "*", menu.getText());
    EXPECT_TRUE (menu.getTextToDraw().endsWith (juce::String::charToString (0x2026) + "*"));
    EXPECT_TRUE (name.startsWith (menu.getTextToDraw().dropLastCharacters (2)));
    EXPECT_EQ ((juce::juce_wchar) '*', lastDrawnCharacter());
}
