/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#include "MenuSupport.h"
#include "PresetTestSupport.h"

#include "LookAndFeel_TervixJ5.h"

#include <gtest/gtest.h>

using namespace vostrel::test;

TEST (LookAndFeelMenus, RealPopupMenusDrawWithTheDarkScheme)
{
    LookAndFeel_TervixJ5 lookAndFeel;
    juce::LookAndFeel::setDefaultLookAndFeel (&lookAndFeel);

    {
        juce::Label target ("presetMenu_", "Init");
        OnScreen screen (target);

        juce::PopupMenu menu;
        menu.addItem (1, "Save Preset");
        menu.addItem (2, "Save Preset As...");
        int result = -1;
        menu.showMenuAsync (juce::PopupMenu::Options().withTargetComponent (&target).withStandardItemHeight (20),
                            [&] (int r) { result = r; });

        ASSERT_TRUE (waitForMenus (1));
        auto* window = openMenus().getFirst();
        EXPECT_EQ (juce::StringArray ({ "Save Preset", "Save Preset As..." }), menuItemTitles (*window));

        const auto image = window->createComponentSnapshot (window->getLocalBounds());
        // Without a compositor the menu window is opaque and the framework lays
        // the translucent menu colour over white.
        const juce::Colour menuColour (0xe6232323);
        const auto expected = window->isOpaque() ? juce::Colours::white.overlaidWith (menuColour) : menuColour;
        const auto background = image.getPixelAt (image.getWidth() - 3, image.getHeight() / 2);
        EXPECT_NEAR (expected.getRed(), background.getRed(), 2);
        EXPECT_NEAR (expected.getGreen(), background.getGreen(), 2);
        EXPECT_NEAR (expected.getAlpha(), background.getAlpha(), 2);

        bool whiteText = false;

        for (int y = 0; y < image.getHeight(); ++y)
            for (int x = 0; x < image.getWidth(); ++x)
                whiteText |= image.getPixelAt (x, y).getBrightness() > 0.95f;

        EXPECT_TRUE (whiteText);

        ASSERT_TRUE (pressMenuItem ("Save Preset As..."));
        ASSERT_TRUE (waitForMenus (0));
        pumpMessages (50);
        EXPECT_EQ (2, result);
    }

    juce::LookAndFeel::setDefaultLookAndFeel (nullptr);
}

//==============================================================================
namespace
{
    struct PresetPopup : PresetFolderTest
    {
        PresetPopup()
        {
            touch ("A/a1.tzrp");
            touch ("r1.tzrp");
            menu.onTextChange = [this]
            {
                heard.add (menu.getSelectedFilePath() + " while showing " + menu.getText());
            };
        }

        bool open() { return clickToOpenMenu (menu); }
        bool pick (const juce::StringArray& route) { return pickMenuItem (route); }

        OnScreen screen { menu };
        juce::StringArray heard;
    };
}

TEST_F (PresetPopup, PickingAnotherFileTellsTheListenersBeforeTheTextChanges)
{
    menu.setSelectedFilePath ("r1.tzrp");
    ASSERT_TRUE (open());
    EXPECT_EQ (juce::StringArray ({ "A", "r1.tzrp" }), menuItemTitles (*openMenus().getFirst()));

    ASSERT_TRUE (pick ({ "A", "a1.tzrp" }));
    EXPECT_EQ (juce::StringArray ({ "A/a1.tzrp while showing r1" }), heard);
    EXPECT_EQ (juce::String ("a1"), menu.getText());
    EXPECT_EQ (1, menu.getSelectedFileIndex());
    EXPECT_EQ (juce::String ("A/a1.tzrp"), menu.previousFilePath);

    // The same file again: nothing is reloaded while its plain name is shown...
    ASSERT_TRUE (open());
    ASSERT_TRUE (pick ({ "A", "a1.tzrp" }));
    EXPECT_EQ (1, heard.size());

    // ...and it is reloaded once, with the mark cleared, while the name is marked.
    menu.setPresetHasChanged();
    ASSERT_TRUE (open());
    ASSERT_TRUE (pick ({ "A", "a1.tzrp" }));
    EXPECT_EQ (2, heard.size());
    EXPECT_EQ (juce::String ("a1"), menu.getText());
    EXPECT_FALSE (menu.markedAsChanged);

    // Dismissing picks nothing.
    ASSERT_TRUE (open());
    juce::PopupMenu::dismissAllActiveMenus();
    ASSERT_TRUE (waitForMenus (0));
    pumpMessages (50);
    EXPECT_EQ (2, heard.size());
}

TEST_F (PresetPopup, APickIsResolvedAgainstTheListThatBuiltTheMenu)
{
    ASSERT_TRUE (open());

    // A rebuild while the menu is open renumbers the items.
    touch ("0 first.tzrp");
    menu.setSelectedFilePath ("0 first.tzrp");

    ASSERT_TRUE (pick ({ "r1.tzrp" }));
    EXPECT_EQ (juce::String ("r1.tzrp"), menu.getSelectedFilePath());
    EXPECT_EQ (juce::String ("r1"), menu.getText());
}

TEST (PresetPopupLifetime, AResultArrivingAfterTheMenuIsGoneIsDropped)
{
    OwnHome home;
    auto folder = getUserPresetFolder();
    folder.getChildFile ("p.tzrp").create();

    auto menu = std::make_unique<TervixPresetMenu> ("presetMenu_");
    menu->setDirectoryPath (folder.getFullPathName());
    menu->setFileExtension ("*.tzrp");
    menu->setBounds (100, 100, 192, 26);
    menu->addToDesktop (juce::ComponentPeer::windowIsTemporary);
    menu->setVisible (true);
    bool heard = false;
    menu->onTextChange = [&] { heard = true; };

    ASSERT_TRUE (clickToOpenMenu (*menu));
    ASSERT_TRUE (pressMenuItem ("p.tzrp"));
    menu.reset();
    pumpMessages (100);
    EXPECT_FALSE (heard);
}
