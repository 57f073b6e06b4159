/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#include "ComponentTestSupport.h"
#include "TestSupport.h"

#include "Tervix2StateButton.h"
#include "Tervix2StateKickButton.h"
#include "Tervix4StateButton.h"

#include <gtest/gtest.h>

using namespace vostrel::test;

namespace
{
    // Which frame of a solid-colour strip the button shows in a given state.
    int shownFrame (juce::Button& button, juce::Button::ButtonState state, bool on)
    {
        button.setToggleState (on, juce::dontSendNotification);
        button.setState (state);
        const auto colour = pixelAt (button, button.getWidth() / 2, button.getHeight() / 2);

        for (size_t i = 0; i < frameColours.size(); ++i)
            if (colour == frameColours[i])
                return (int) i;

        return colour.isTransparent() ? -1 : -2;
    }

    template <typename ButtonType>
    std::unique_ptr<ButtonType> makeButton (int frames)
    {
        auto button = std::make_unique<ButtonType> ("button");
        button->setImage (solidStrip (10, 10, { frameColours.begin(), frameColours.begin() + frames }));
        button->setBounds (0, 0, 20, 16);
        return button;
    }

    using State = juce::Button::ButtonState;
}

TEST (ImageButtons, TwoStateButtonShowsFrameOneWhileOnOrWhilePressedWithoutToggling)
{
    auto button = makeButton<Tervix2StateButton> (2);
    EXPECT_TRUE (button->getClickingTogglesState());
    EXPECT_EQ (0, shownFrame (*button, State::buttonNormal, false));
    EXPECT_EQ (0, shownFrame (*button, State::buttonDown, false));
    EXPECT_EQ (1, shownFrame (*button, State::buttonOver, true));

    button->setClickingTogglesState (false);
    EXPECT_EQ (0, shownFrame (*button, State::buttonOver, true));
    EXPECT_EQ (1, shownFrame (*button, State::buttonDown, false));
}

TEST (ImageButtons, KickButtonFollowsThePressOnlyAndCanUseTwoPictures)
{
    auto button = makeButton<Tervix2StateKickButton> (2);
    EXPECT_FALSE (button->getClickingTogglesState());
    EXPECT_EQ (0, shownFrame (*button, State::buttonOver, true));
    EXPECT_EQ (1, shownFrame (*button, State::buttonDown, false));

    button->downImage = solidStrip (10, 10, { frameColours[2] });
    button->image = solidStrip (10, 10, { frameColours[3] });
    button->useTwoImages = true;
    EXPECT_EQ (3, shownFrame (*button, State::buttonNormal, false));
    EXPECT_EQ (2, shownFrame (*button, State::buttonDown, false));

    button->downImage = {};
    EXPECT_EQ (-1, shownFrame (*button, State::buttonNormal, false));

    button->setImage (solidStrip (10, 10, { frameColours[0], frameColours[1] }));
    EXPECT_FALSE (button->useTwoImages);
    EXPECT_EQ (1, shownFrame (*button, State::buttonDown, false));
}

TEST (ImageButtons, FourStateButtonFramesForEveryState)
{
    auto button = makeButton<Tervix4StateButton> (4);
    EXPECT_EQ (0, shownFrame (*button, State::buttonNormal, false));
    EXPECT_EQ (1, shownFrame (*button, State::buttonOver, false));
    EXPECT_EQ (1, shownFrame (*button, State::buttonDown, false));
    EXPECT_EQ (3, shownFrame (*button, State::buttonNormal, true));
    EXPECT_EQ (2, shownFrame (*button, State::buttonOver, true));
    EXPECT_EQ (2, shownFrame (*button, State::buttonDown, true)); // pressing keeps the hover frame

    button->setClickingTogglesState (false);
    EXPECT_EQ (0, shownFrame (*button, State::buttonNormal, true));
    EXPECT_EQ (1, shownFrame (*button, State::buttonOver, true));
    EXPECT_EQ (2, shownFrame (*button, State::buttonDown, false));

    EXPECT_EQ (10, button->getImageHeight());
    EXPECT_EQ (10, button->getImageWidth());
    button->image = {};
    EXPECT_EQ (0, button->getImageHeight());
    EXPECT_EQ (0, button->getImageWidth());
}

TEST (ImageButtons, FootswitchKeepsItsOnFramesWhateverTheMouseDoes)
{
    auto button = makeButton<Tervix4StateButton3PDT> (4);
    EXPECT_EQ (0, shownFrame (*button, State::buttonNormal, false));
    EXPECT_EQ (0, shownFrame (*button, State::buttonOver, false));
    EXPECT_EQ (1, shownFrame (*button, State::buttonDown, false));
    EXPECT_EQ (2, shownFrame (*button, State::buttonNormal, true));
    EXPECT_EQ (2, shownFrame (*button, State::buttonOver, true));
    EXPECT_EQ (3, shownFrame (*button, State::buttonDown, true));

    button->setClickingTogglesState (false);
    EXPECT_EQ (0, shownFrame (*button, State::buttonDown, true));
}

TEST (ImageButtons, DisabledFourStateButtonsAreDrawnAtFortyPercent)
{
    juce::Component parent;
    parent.setBounds (0, 0, 40, 40);
    auto button = makeButton<Tervix4StateButton3PDT> (4);
    parent.addAndMakeVisible (*button);
    button->setToggleState (true, juce::dontSendNotification);

    EXPECT_EQ (0xff, pixelAt (*button, 10, 8).getAlpha());

    parent.setEnabled (false);
    const auto dimmed = pixelAt (*button, 10, 8);
    EXPECT_NEAR (0.4f * 255.0f, (float) dimmed.getAlpha(), 1.5f);
    EXPECT_EQ (0, dimmed.getRed()); // still the blue on frame
    EXPECT_EQ (0, dimmed.getGreen());
    EXPECT_GT (dimmed.getBlue(), 240);

    auto kick = makeButton<Tervix2StateKickButton> (2);
    parent.addAndMakeVisible (*kick);
    EXPECT_EQ (0xff, pixelAt (*kick, 10, 8).getAlpha());
}

TEST (ImageButtons, StripsScaleToTheBoundsAndOddHeightsDropTheLastRow)
{
    // 101 rows in two frames: frames of 50 rows, row 100 never shown.
    juce::Image strip (juce::Image::ARGB, 4, 101, true);
    strip.clear ({ 0, 0, 4, 50 }, frameColours[0]);
    strip.clear ({ 0, 50, 4, 50 }, frameColours[1]);
    strip.clear ({ 0, 100, 4, 1 }, frameColours[3]);

    Tervix2StateKickButton button ("kick");
    button.setImage (strip);
    EXPECT_EQ (50, button.frameHeight);

    for (auto size : { juce::Point<int> (200, 300), juce::Point<int> (2, 3) })
    {
        button.setBounds (0, 0, size.x, size.y);
        button.setState (juce::Button::buttonDown);
        const auto image = snapshot (button);

        // Edge rows blend with transparency, but never with the other frame or the
        // leftover row (both have red in them).
        for (int y = 0; y < size.y; ++y)
        {
            const auto pixel = image.getPixelAt (size.x / 2, y);
            ASSERT_EQ (0, pixel.getRed()) << "row " << y;
            ASSERT_GT (pixel.getGreen(), 0) << "row " << y;
        }

        if (size.y > 100)
        {
            EXPECT_EQ (frameColours[1], image.getPixelAt (size.x / 2, size.y / 2));
        }
    }
}

TEST (ImageButtons, NullPictureKeepsTheFrameSizeAndDrawsNothingButStillClicks)
{
    auto button = makeButton<Tervix2StateKickButton> (2);
    button->setImage ({});
    EXPECT_EQ (10, button->frameWidth);
    EXPECT_EQ (10, button->frameHeight);
    EXPECT_EQ (-1, shownFrame (*button, State::buttonDown, false));

    Tervix2StateKickButton hotSpot ("type1ShortcutButton_");
    hotSpot.setBounds (0, 0, 42, 12);
    int clicks = 0;
    hotSpot.onClick = [&] { ++clicks; };
    hotSpot.triggerClick();
    pumpMessages (20);
    EXPECT_EQ (1, clicks);

    const auto image = snapshot (hotSpot);

    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 42; ++x)
            ASSERT_TRUE (image.getPixelAt (x, y).isTransparent());
}

TEST (ImageButtons, TooShortStripDrawsNothing)
{
    Tervix4StateButton button ("short");
    button.setImage (solidStrip (6, 1, { frameColours[0], frameColours[1] })); // 2 rows for 4 frames
    button.setBounds (0, 0, 10, 10);
    EXPECT_EQ (0, button.frameHeight);
    EXPECT_TRUE (pixelAt (button, 5, 5).isTransparent());
}
