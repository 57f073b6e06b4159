/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/** A vertical 0..1 slider without text box that draws a background picture and,
    optionally, a thumb picture that moves down as the value rises. */
class TervixVerticalSlider : public juce::Slider
{
public:
    /** Creates the slider: no text box, range 0..1 in steps of 0.00001, linear vertical. */
    explicit TervixVerticalSlider (const juce::String& name);
    ~TervixVerticalSlider() override;

    /** Draws the background picture at its own size, then the thumb. */
    void paint (juce::Graphics&) override;

    juce::Image thumbImage;
    juce::Image backgroundImage;
    int32_t thumbHeight = 0;
    int32_t thumbWidth = 0;

protected:
    /** Draws the thumb picture, if there is one, at the position of the value. */
    void paintThumb (juce::Graphics&);

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (TervixVerticalSlider)
};

//==============================================================================
/** The fader's own look-and-feel: it fixes the track to the fader's travel, 12
    pixels below the top and 24 above the bottom of the component. */
class LookAndFeel_TervixTMBVS : public juce::LookAndFeel_V3
{
public:
    LookAndFeel_TervixTMBVS();
    ~LookAndFeel_TervixTMBVS() override;

    /** Always 11. */
    int getSliderThumbRadius (juce::Slider&) override;
    /** The track: the local bounds less 12 pixels at the top and 24 at the bottom; no text box. */
    juce::Slider::SliderLayout getSliderLayout (juce::Slider&) override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (LookAndFeel_TervixTMBVS)
};

//==============================================================================
/** The fader: its whole picture is one frame of a long film strip, chosen by the
    value (frame 0 at value 0) and scaled to the component's bounds. */
class TervixMovingBackgroundVerticalSlider : public TervixVerticalSlider
{
public:
    /** Creates the fader and installs its own look-and-feel on it. */
    explicit TervixMovingBackgroundVerticalSlider (const juce::String& name);
    ~TervixMovingBackgroundVerticalSlider() override;

    /** Sets the strip and its frame count. A null picture, or a count below 1,
        leaves the fader without frames, so that it draws nothing. */
    void setImage (const juce::Image& strip, int frameCount);

    /** Draws the frame of the current value, then the thumb. */
    void paint (juce::Graphics&) override;

    LookAndFeel_TervixTMBVS lookAndFeel;
    int32_t numFrames = 0;
    int32_t frameWidth = 0;
    int32_t frameHeight = 0;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (TervixMovingBackgroundVerticalSlider)
};
