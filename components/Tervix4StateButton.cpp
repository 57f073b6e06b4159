/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#include "Tervix4StateButton.h"

#include "TervixSkin.h"

Tervix4StateButton::Tervix4StateButton (const juce::String& name)
    : juce::Button (name)
{
    setClickingTogglesState (true);
}

Tervix4StateButton::~Tervix4StateButton() = default;

void Tervix4StateButton::setImage (const juce::Image& newImage)
{
    TervixSkin::setFilmStrip (image, frameWidth, frameHeight, newImage, 4);
    repaint();
}

int Tervix4StateButton::getImageHeight()
{
    return image.isValid() ? image.getHeight() / 4 : 0;
}

int Tervix4StateButton::getImageWidth()
{
    return image.isValid() ? image.getWidth() : 0;
}

void Tervix4StateButton::drawFrame (juce::Graphics& g, int frame)
{
    g.setOpacity (isEnabled() ? 1.0f : 0.4f);
    TervixSkin::drawFilmStripFrame (g, image, frame, frameWidth, frameHeight, getLocalBounds());
}

void Tervix4StateButton::paintButton (juce::Graphics& g, bool shouldDrawButtonAsHighlighted, bool shouldDrawButtonAsDown)
{
    int frame;

    if (! getClickingTogglesState())
        frame = shouldDrawButtonAsDown ? 2 : (shouldDrawButtonAsHighlighted ? 1 : 0);
    else if (getToggleState())
        frame = shouldDrawButtonAsHighlighted ? 2 : 3;
    else
        frame = shouldDrawButtonAsHighlighted ? 1 : 0;

    drawFrame (g, frame);
}

//==============================================================================
Tervix4StateButton3PDT::Tervix4StateButton3PDT (const juce::String& name)
    : Tervix4StateButton (name)
{
}

Tervix4StateButton3PDT::~Tervix4StateButton3PDT() = default;

void Tervix4StateButton3PDT::paintButton (juce::Graphics& g, bool, bool shouldDrawButtonAsDown)
{
    const int frame = getClickingTogglesState() ? (getToggleState() ? 2 : 0) + (shouldDrawButtonAsDown ? 1 : 0)
                                                : 0;
    drawFrame (g, frame);
}
