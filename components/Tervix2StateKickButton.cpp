/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#include "Tervix2StateKickButton.h"

#include "TervixSkin.h"

Tervix2StateKickButton::Tervix2StateKickButton (const juce::String& name)
    : juce::Button (name)
{
    setClickingTogglesState (false);
}

Tervix2StateKickButton::~Tervix2StateKickButton() = default;

void Tervix2StateKickButton::setImage (const juce::Image& newImage)
{
    TervixSkin::setFilmStrip (image, frameWidth, frameHeight, newImage, 2);
    useTwoImages = false;
    repaint();
}

void Tervix2StateKickButton::paintButton (juce::Graphics& g, bool, bool shouldDrawButtonAsDown)
{
    if (useTwoImages)
    {
        if (image.isValid() && downImage.isValid())
            TervixSkin::drawFilmStripFrame (g, shouldDrawButtonAsDown ? downImage : image, 0, frameWidth, frameHeight,
                                            getLocalBounds());
        return;
    }

    TervixSkin::drawFilmStripFrame (g, image, shouldDrawButtonAsDown ? 1 : 0, frameWidth, frameHeight, getLocalBounds());
}
