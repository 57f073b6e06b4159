/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#include "PresetTestSupport.h"

#include <unistd.h>

using namespace vostrel::test;

namespace
{
    // The entries of a menu: sub-menus as "[name]", items as their text with "+"
    // when ticked.
    juce::StringArray entries (const juce::PopupMenu& menu)
    {
        juce::StringArray result;

        for (juce::PopupMenu::MenuItemIterator it (menu); it.next();)
        {
            const auto& item = it.getItem();
            result.add (item.subMenu != nullptr ? "[" + item.text + "]" : item.text + (item.isTicked ? "+" : ""));
        }

        return result;
    }

    const juce::PopupMenu& rootMenu (TervixOptionMenuTree& tree) { return *tree.menus[tree.menuCount - 1]; }

    using MenuTree = PresetFolderTest;
}

TEST_F (MenuTree, SubFoldersComeFirstAndIdsRunDepthFirst)
{
    touch ("A/a1.tzrp");
    touch ("r1.tzrp");
    touch ("notes.txt");
    folder.getChildFile ("Empty").createDirectory();
    touch ("A/Deeper/d1.tzrp");

    menu.setSelectedFilePath ("A/a1.tzrp");
    EXPECT_EQ (juce::StringArray ({ "[A]", "[Empty]", "r1.tzrp" }), entries (rootMenu (menu)));
    EXPECT_EQ (4, menu.menuCount);
    EXPECT_EQ (3, menu.getNumOfFiles());

    // d1 (deepest first), then a1, then the root's own r1.
    EXPECT_EQ (juce::String ("d1"), menu.getFileName (0));
    EXPECT_EQ (juce::String ("a1"), menu.getFileName (1));
    EXPECT_EQ (juce::String ("r1"), menu.getFileName (2));
    EXPECT_EQ (folder.getChildFile ("r1.tzrp").getFullPathName(), menu.getFilePath (2));
    EXPECT_EQ (juce::String(), menu.getFileName (3));
    EXPECT_EQ (juce::String(), menu.getFilePath (-1));

    EXPECT_EQ (2, menu.getSelectedFileIndex());
    EXPECT_EQ (juce::String ("a1"), menu.getText());
    EXPECT_EQ (juce::StringArray ({ "[Deeper]", "a1.tzrp+" }), entries (*menu.menus[1]));
    EXPECT_TRUE (entries (*menu.menus[2]).isEmpty());

    menu.setAsRecursive (false);
    menu.createMenuTree();
    EXPECT_EQ (juce::StringArray ({ "r1.tzrp" }), entries (rootMenu (menu)));
    EXPECT_EQ (1, menu.getNumOfFiles());
}

TEST_F (MenuTree, ListingsSortNaturallyIgnoringCase)
{
    for (auto name : { "Preset 10", "Preset 2", "b", "A" })
        folder.getChildFile (name).createDirectory();

    for (auto name : { "x10.tzrp", "X2.tzrp", "x1.tzrp" })
        touch (name);

    menu.createMenuTree();
    EXPECT_EQ (juce::StringArray ({ "[A]", "[b]", "[Preset 2]", "[Preset 10]", "x1.tzrp", "X2.tzrp", "x10.tzrp" }),
               entries (rootMenu (menu)));
}

TEST_F (MenuTree, SteppingWrapsAroundHundredsOfPresets)
{
    for (int f = 0; f < 3; ++f)
        for (int i = 0; i < 100; ++i)
            touch (("Bank " + juce::String (f) + "/P" + juce::String (i) + ".tzrp").toStdString());

    menu.setSelectedFilePath ("Bank 2/P99.tzrp");
    ASSERT_EQ (300, menu.getNumOfFiles());
    EXPECT_EQ (300, menu.getSelectedFileIndex());

    menu.nextResult();
    EXPECT_EQ (1, menu.getSelectedFileIndex());
    EXPECT_EQ (juce::String ("Bank 0/P0.tzrp"), menu.getSelectedFilePath());
    EXPECT_EQ (juce::String ("P0"), menu.getText());

    menu.previousResult();
    EXPECT_EQ (300, menu.getSelectedFileIndex());
    menu.previousResult();
    EXPECT_EQ (juce::String ("Bank 2/P98.tzrp"), menu.getSelectedFilePath());

    // Out-of-list ids are ignored.
    menu.setSelectedFileIndex (301);
    menu.setSelectedFileIndex (0);
    EXPECT_EQ (299, menu.getSelectedFileIndex());
}

TEST_F (MenuTree, PathsNotInTheTreeShowTheBareNameAndKeepTheIndex)
{
    touch ("Sub/One.tzrp");
    touch ("Two.tzrp");
    menu.setSelectedFilePath ("Sub\\One.tzrp");
    EXPECT_EQ (juce::String ("Sub/One.tzrp"), menu.getSelectedFilePath());
    EXPECT_EQ (1, menu.getSelectedFileIndex());

    menu.setSelectedFilePath ("Gone/Lost.tzrp");
    EXPECT_EQ (juce::String ("Lost*"), menu.getText()); // the preset menu marks it
    EXPECT_TRUE (menu.markedAsChanged);
    EXPECT_EQ (1, menu.getSelectedFileIndex());

    menu.nextResult();
    EXPECT_EQ (juce::String ("Two.tzrp"), menu.getSelectedFilePath());
    EXPECT_FALSE (menu.markedAsChanged);

    TervixOptionMenuTree plain ("tree");
    plain.setDirectoryPath (folder.getFullPathName());
    plain.setSelectedFilePath ("Gone/Lost.tzrp");
    EXPECT_EQ (juce::String ("Lost"), plain.getText());
}

TEST_F (MenuTree, EmptyOrMissingRootListsNothingAndSteppingDoesNothing)
{
    menu.setDirectoryPath (folder.getChildFile ("missing").getFullPathName());
    menu.setSelectedFilePath ("x.tzrp");
    EXPECT_EQ (0, menu.getNumOfFiles());
    EXPECT_EQ (1, menu.menuCount);
    EXPECT_TRUE (entries (rootMenu (menu)).isEmpty());

    menu.nextResult();
    menu.previousResult();
    EXPECT_EQ (0, menu.getSelectedFileIndex());
    EXPECT_EQ (juce::String ("x.tzrp"), menu.getSelectedFilePath());
}

TEST_F (MenuTree, SteppingBackFromBeyondAShrunkenListReachesTheLastFile)
{
    for (int i = 0; i < 5; ++i)
        touch (("P" + juce::String (i) + ".tzrp").toStdString());

    menu.setSelectedFilePath ("P4.tzrp");
    EXPECT_EQ (5, menu.getSelectedFileIndex());

    for (int i = 2; i < 5; ++i)
        folder.getChildFile ("P" + juce::String (i) + ".tzrp").deleteFile();

    menu.setSelectedFilePath ("P4.tzrp"); // gone: the index stays 5
    menu.previousResult();
    EXPECT_EQ (juce::String ("P1.tzrp"), menu.getSelectedFilePath());
}

TEST_F (MenuTree, FolderLinksAreFollowedOnceAndDepthIsCapped)
{
    touch ("Sub/s.tzrp");
    touch ("Outside/o.tzrp");
    folder.getChildFile ("Outside").moveFileTo (folder.getSiblingFile ("Outside"));
    ASSERT_EQ (0, symlink (folder.getFullPathName().toRawUTF8(), folder.getChildFile ("Sub/LoopToRoot").getFullPathName().toRawUTF8()));
    ASSERT_EQ (0, symlink ("..", folder.getChildFile ("Sub/LoopToParent").getFullPathName().toRawUTF8()));
    ASSERT_EQ (0, symlink (folder.getSiblingFile ("Outside").getFullPathName().toRawUTF8(),
                           folder.getChildFile ("Linked").getFullPathName().toRawUTF8()));

    auto deep = folder.getChildFile ("Deep");

    for (int level = 0; level < 40; ++level)
        deep = deep.getChildFile ("L" + juce::String (level));

    deep.createDirectory();
    deep.getChildFile ("bottom.tzrp").create();
    deep.getParentDirectory().getChildFile ("near.tzrp").create();
    folder.getChildFile ("Deep/L0/L1/L2/L3/L4/L5/L6/L7/L8/L9/L10/L11/L12/L13/L14/L15/L16/L17/L18/L19/L20/L21/L22/L23/L24/L25/L26/L27/L28/L29/L30/l30.tzrp").create();

    menu.createMenuTree();
    juce::StringArray names;

    for (int i = 0; i < menu.getNumOfFiles(); ++i)
        names.add (menu.getFileName (i));

    names.sort (false);
    EXPECT_EQ (juce::StringArray ({ "l30", "o", "s" }), names); // 32 levels deep and beyond are not listed
}
