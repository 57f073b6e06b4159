/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#include "Tervix2StateButton.h"

#include "TervixSkin.h"

Tervix2StateButton::Tervix2StateButton (const juce::String& name)
    : juce::Button (name)
{
    setClickingTogglesState (true);
}

Tervix2StateButton::~Tervix2StateButton() = default;

void Tervix2StateButton::setImage (const juce::Image& newImage)
{
    TervixSkin::setFilmStrip (image, frameWidth, frameHeight, newImage, 2);
    repaint();
}

void Tervix2StateButton::paintButton (juce::Graphics& g, bool, bool shouldDrawButtonAsDown)
{
    const bool lit = getClickingTogglesState() ? getToggleState() : shouldDrawButtonAsDown;
    TervixSkin::drawFilmStripFrame (g, image, lit ? 1 : 0, frameWidth, frameHeight, getLocalBounds());
}
