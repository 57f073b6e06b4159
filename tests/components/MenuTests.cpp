/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#include "MenuSupport.h"

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
