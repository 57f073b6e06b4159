/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#include "ComponentTestSupport.h"

#include "TervixVerticalSlider.h"
#include "TervixVerticalSwitchJ5.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace vostrel::test;

namespace
{
    // Faders as the editor builds them: 25 x 165 with a 101-frame strip whose
    // frame i is grey level i, so that the drawn frame reads back from a pixel.
    struct Fader
    {
        Fader()
        {
            fader.setImage (numberedStrip (25, 165, 101), 101);
            fader.setBounds (0, 0, 25, 165);
        }

        int shownFrame() { return pixelAt (fader, 12, 80).getRed(); }

        TervixMovingBackgroundVerticalSlider fader { "slider1Fader_" };
    };

    struct Switch
    {
        Switch()
        {
            typeKnob.setImage (solidStrip (43, 71, { frameColours[0], frameColours[1], frameColours[2] }), 3);
            typeKnob.setBounds (0, 0, 43, 71);
            typeKnob.framesAscending = false;
            typeKnob.dragLength = 45.0;
        }

        int shownFrame()
        {
            const auto colour = pixelAt (typeKnob, 20, 35);

            for (int i = 0; i < 3; ++i)
                if (colour == frameColours[(size_t) i])
                    return i;

            return -1;
        }

        juce::Rectangle<int> track() { return typeKnob.getLookAndFeel().getSliderLayout (typeKnob).sliderBounds; }

        void dragTo (float y)
        {
            typeKnob.mouseDown (mouseAt (typeKnob, { 20.0f, (float) track().getY() }));
            typeKnob.mouseDrag (mouseAt (typeKnob, { 20.0f, y }));
            typeKnob.mouseUp (mouseAt (typeKnob, { 20.0f, y }));
        }

        TervixVerticalSwitchJ5 typeKnob { "typeKnob_" };
    };
}

TEST (Fader, ConstructionSetsTheRangeStyleAndItsOwnLookAndFeel)
{
    Fader f;
    EXPECT_EQ (juce::Slider::LinearVertical, f.fader.getSliderStyle());
    EXPECT_EQ (juce::Slider::NoTextBox, f.fader.getTextBoxPosition());
    EXPECT_DOUBLE_EQ (0.00001, f.fader.getInterval());
    EXPECT_EQ (&f.fader.lookAndFeel, &f.fader.getLookAndFeel());
    EXPECT_EQ (101, f.fader.numFrames);
    EXPECT_EQ (165, f.fader.frameHeight);
    EXPECT_EQ (25, f.fader.frameWidth);
    EXPECT_EQ (juce::Rectangle<int> (0, 12, 25, 129), f.fader.lookAndFeel.getSliderLayout (f.fader).sliderBounds);
}

TEST (Fader, ValueChoosesTheFrameWithHalvesRoundedToEven)
{
    Fader f;
    const std::pair<double, int> cases[] = { { 0.0, 0 }, { 1.0, 100 }, { 0.125, 12 }, { 0.375, 38 },
                                             { 0.5, 50 }, { 0.00499, 0 }, { 0.99501, 100 } };

    for (auto [value, frame] : cases)
    {
        f.fader.setValue (value, juce::dontSendNotification);
        EXPECT_EQ (frame, f.shownFrame()) << "value " << value;
    }
}

TEST (Fader, DragsMapTheTrackFromTopToBottomAndWheelStepsStayInRange)
{
    Fader f;
    auto drag = [&] (float y)
    {
        f.fader.mouseDown (mouseAt (f.fader, { 12.0f, y }));
        f.fader.mouseUp (mouseAt (f.fader, { 12.0f, y }));
        return f.fader.getValue();
    };

    EXPECT_DOUBLE_EQ (1.0, drag (12.0f));
    EXPECT_DOUBLE_EQ (0.0, drag (141.0f));
    EXPECT_NEAR (0.5, drag (76.5f), 1e-5);
    EXPECT_DOUBLE_EQ (1.0, drag (-40.0f));
    EXPECT_DOUBLE_EQ (0.0, drag (164.0f));
    EXPECT_EQ (0, f.shownFrame());

    juce::MouseWheelDetails up { 0.0f, 1.0f, false, false, false };
    double previous = f.fader.getValue();

    for (int i = 0; i < 20; ++i)
    {
        f.fader.mouseWheelMove (mouseAt (f.fader, { 12.0f, 80.0f }, {}, 1, juce::Time (1000 + i)), up);
        EXPECT_GE (f.fader.getValue(), previous);
        previous = f.fader.getValue();
    }

    EXPECT_DOUBLE_EQ (1.0, f.fader.getValue());
    EXPECT_EQ (100, f.shownFrame());
}

TEST (Fader, ThumbMovesDownAsTheValueRises)
{
    TervixVerticalSlider slider ("slider");
    slider.setBounds (0, 0, 10, 100);
    slider.thumbImage = solidStrip (10, 20, { frameColours[1] });
    slider.thumbWidth = 10;
    slider.thumbHeight = 20;

    slider.setValue (0.5, juce::dontSendNotification);  // y = roundToInt (0.5 * 80) = 40
    auto image = snapshot (slider);
    EXPECT_TRUE (image.getPixelAt (5, 39).isTransparent());
    EXPECT_EQ (frameColours[1], image.getPixelAt (5, 40));
    EXPECT_EQ (frameColours[1], image.getPixelAt (5, 59));

    slider.setValue (1.0, juce::dontSendNotification);
    EXPECT_EQ (frameColours[1], pixelAt (slider, 5, 99));
}

TEST (Fader, BadStripsOrCountsDrawNothing)
{
    Fader f;
    f.fader.setImage (numberedStrip (25, 165, 2), 0);
    EXPECT_EQ (0, f.fader.numFrames);
    EXPECT_TRUE (pixelAt (f.fader, 12, 80).isTransparent());

    f.fader.setImage ({}, 101);
    EXPECT_EQ (0, f.fader.frameHeight);
    EXPECT_TRUE (pixelAt (f.fader, 12, 80).isTransparent());

    f.fader.setImage (numberedStrip (25, 1, 50), 101); // shorter than its count: empty frames
    EXPECT_TRUE (pixelAt (f.fader, 12, 80).isTransparent());

    // Too short for a track: the framework must still handle clicks.
    f.fader.setBounds (0, 0, 25, 36);
    EXPECT_EQ (0, f.fader.lookAndFeel.getSliderLayout (f.fader).sliderBounds.getHeight());
    f.fader.mouseDown (mouseAt (f.fader, { 12.0f, 20.0f }));
    EXPECT_TRUE (std::isfinite (f.fader.getValue()));
}

TEST (TypeSwitch, ThreePositionsShowFramesInTheChosenOrder)
{
    Switch s;
    EXPECT_DOUBLE_EQ (0.5, s.typeKnob.getInterval());
    EXPECT_EQ (3, s.typeKnob.numFrames);
    EXPECT_EQ (71, s.typeKnob.frameHeight);

    const int descending[] = { 2, 1, 0 };

    for (int i = 0; i < 3; ++i)
    {
        s.typeKnob.setValue (0.5 * i, juce::dontSendNotification);
        EXPECT_EQ (descending[i], s.shownFrame());
    }

    s.typeKnob.framesAscending = true;

    for (int i = 0; i < 3; ++i)
    {
        s.typeKnob.setValue (0.5 * i, juce::dontSendNotification);
        EXPECT_EQ (i, s.shownFrame());
    }
}

TEST (TypeSwitch, DragDownCoversTheRangeOverTheScaledTravel)
{
    Switch s;
    const auto track = s.track();
    const float travel = (float) track.getHeight() * 45.0f / 71.0f;

    s.dragTo ((float) track.getY() - 10.0f);
    EXPECT_DOUBLE_EQ (0.0, s.typeKnob.getValue());

    s.dragTo ((float) track.getY() + travel * 0.5f);
    EXPECT_DOUBLE_EQ (0.5, s.typeKnob.getValue());
    EXPECT_EQ (1, s.shownFrame());

    s.dragTo ((float) track.getY() + travel + 1.0f);
    EXPECT_DOUBLE_EQ (1.0, s.typeKnob.getValue());

    s.dragTo ((float) track.getBottom());
    EXPECT_DOUBLE_EQ (1.0, s.typeKnob.getValue());
    EXPECT_EQ (0, s.shownFrame());

    // The two mappings are inverse inside the clamped range, in both drag senses.
    for (bool invert : { true, false })
    {
        s.typeKnob.invertDrag = invert;

        for (double v : { 0.0, 0.5, 1.0 })
            EXPECT_NEAR (v, s.typeKnob.proportionOfLengthToValue (s.typeKnob.valueToProportionOfLength (v)), 1e-12);
    }
}

TEST (TypeSwitch, UnusableSizesFallBackToAScaleOfOne)
{
    Switch s;
    s.typeKnob.setBounds (0, 0, 0, 0); // before layout
    s.typeKnob.dragLength = 45.0;
    EXPECT_DOUBLE_EQ (0.75, s.typeKnob.proportionOfLengthToValue (0.25));
    EXPECT_DOUBLE_EQ (0.25, s.typeKnob.valueToProportionOfLength (0.75));

    s.typeKnob.setBounds (0, 0, 43, 71);
    s.typeKnob.dragLength = 0.0;
    EXPECT_DOUBLE_EQ (0.75, s.typeKnob.proportionOfLengthToValue (0.25));
    EXPECT_TRUE (std::isfinite (s.typeKnob.valueToProportionOfLength (0.5)));
}

TEST (TypeSwitch, MissingPictureOrSinglePositionDrawsNothingAndKeepsTheRange)
{
    Switch s;
    s.typeKnob.setImage ({}, 3);
    EXPECT_EQ (0, s.typeKnob.numFrames);
    EXPECT_EQ (71, s.typeKnob.frameHeight);
    EXPECT_DOUBLE_EQ (0.5, s.typeKnob.getInterval());
    EXPECT_EQ (-1, s.shownFrame());

    s.typeKnob.setImage (solidStrip (43, 71, { frameColours[0] }), 1);
    EXPECT_EQ (0, s.typeKnob.numFrames);
    EXPECT_DOUBLE_EQ (0.5, s.typeKnob.getInterval());
    EXPECT_EQ (-1, s.shownFrame());
}
