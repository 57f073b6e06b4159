/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#include "TervixVerticalSwitchJ5.h"

#include "TervixSkin.h"

#include <cmath>

TervixVerticalSwitchJ5::TervixVerticalSwitchJ5 (const juce::String& name)
    : juce::Slider (name)
{
    setSliderStyle (juce::Slider::LinearVertical);
    setTextBoxStyle (juce::Slider::NoTextBox, false, 0, 0);
    setRange (0.0, 1.0, 0.0);
}

TervixVerticalSwitchJ5::~TervixVerticalSwitchJ5() = default;

void TervixVerticalSwitchJ5::setImage (const juce::Image& strip, int positions)
{
    image = strip;

    if (strip.isValid() && positions >= 2)
    {
        setRange (0.0, 1.0, 1.0 / (double) (positions - 1));
        numFrames = positions;
        frameHeight = strip.getHeight() / positions;
        frameWidth = strip.getWidth();
    }
    else
    {
        numFrames = 0;
    }

    repaint();
}

void TervixVerticalSwitchJ5::paint (juce::Graphics& g)
{
    const auto span = getMaximum() - getMinimum();

    if (! image.isValid() || numFrames < 1 || span <= 0.0)
        return;

    auto proportion = (getValue() - getMinimum()) / span;

    if (! framesAscending)
        proportion = 1.0 - proportion;

    const int frame = juce::jlimit (0, numFrames - 1, juce::roundToInt ((double) (numFrames - 1) * proportion));
    TervixSkin::drawFilmStripFrame (g, image, frame, frameWidth, frameHeight, { 0, 0, frameWidth, frameHeight });
}

double TervixVerticalSwitchJ5::getDragScale() const
{
    const double scale = (double) getHeight() / dragLength;
    return std::isfinite (scale) && scale > 0.0 ? scale : 1.0;
}

double TervixVerticalSwitchJ5::proportionOfLengthToValue (double proportion)
{
    const double scale = getDragScale();
    const double scaled = invertDrag ? (1.0 - proportion) * scale : proportion * scale;
    return juce::Slider::proportionOfLengthToValue (juce::jlimit (0.0, 1.0, scaled));
}

double TervixVerticalSwitchJ5::valueToProportionOfLength (double value)
{
    const double proportion = juce::Slider::valueToProportionOfLength (value) / getDragScale();
    return invertDrag ? 1.0 - proportion : proportion;
}
