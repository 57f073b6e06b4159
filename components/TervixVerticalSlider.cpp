/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#include "TervixVerticalSlider.h"

#include "TervixSkin.h"

TervixVerticalSlider::TervixVerticalSlider (const juce::String& name)
    : juce::Slider (name)
{
    setTextBoxStyle (juce::Slider::NoTextBox, true, 0, 0);
    setRange (0.0, 1.0, 0.00001);
    setSliderStyle (juce::Slider::LinearVertical);
}

TervixVerticalSlider::~TervixVerticalSlider() = default;

void TervixVerticalSlider::paint (juce::Graphics& g)
{
    if (backgroundImage.isValid())
        g.drawImageAt (backgroundImage, 0, 0);

    paintThumb (g);
}

void TervixVerticalSlider::paintThumb (juce::Graphics& g)
{
    if (! thumbImage.isValid())
        return;

    const int y = juce::roundToInt (getValue() * (double) (getHeight() - thumbImage.getHeight()));
    g.drawImage (thumbImage, 0, y, thumbWidth, thumbHeight, 0, 0, thumbWidth, thumbHeight);
}

//==============================================================================
LookAndFeel_TervixTMBVS::LookAndFeel_TervixTMBVS() = default;
LookAndFeel_TervixTMBVS::~LookAndFeel_TervixTMBVS() = default;

int LookAndFeel_TervixTMBVS::getSliderThumbRadius (juce::Slider&)
{
    return 11;
}

juce::Slider::SliderLayout LookAndFeel_TervixTMBVS::getSliderLayout (juce::Slider& slider)
{
    juce::Slider::SliderLayout layout;
    const int height = juce::jmax (juce::jmax (slider.getHeight() - 12, 0) - 24, 0);
    layout.sliderBounds = { 0, 12, juce::jmax (slider.getWidth(), 0), height };
    return layout;
}

//==============================================================================
TervixMovingBackgroundVerticalSlider::TervixMovingBackgroundVerticalSlider (const juce::String& name)
    : TervixVerticalSlider (name)
{
    setLookAndFeel (&lookAndFeel);
}

TervixMovingBackgroundVerticalSlider::~TervixMovingBackgroundVerticalSlider()
{
    setLookAndFeel (nullptr);
}

void TervixMovingBackgroundVerticalSlider::setImage (const juce::Image& strip, int frameCount)
{
    backgroundImage = strip;

    if (strip.isValid() && frameCount >= 1)
    {
        numFrames = frameCount;
        frameHeight = strip.getHeight() / frameCount;
        frameWidth = strip.getWidth();
    }
    else
    {
        numFrames = frameHeight = frameWidth = 0;
    }

    repaint();
}

void TervixMovingBackgroundVerticalSlider::paint (juce::Graphics& g)
{
    if (backgroundImage.isValid() && numFrames > 0)
    {
        const int frame = juce::jlimit (0, numFrames - 1, juce::roundToInt (getValue() * (double) (numFrames - 1)));
        TervixSkin::drawFilmStripFrame (g, backgroundImage, frame, frameWidth, frameHeight, getLocalBounds());
    }

    paintThumb (g);
}
