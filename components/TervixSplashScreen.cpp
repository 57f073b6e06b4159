/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#include "TervixSplashScreen.h"

#include "BinaryData.h"
#include "TervixSkin.h"

namespace
{
    std::unique_ptr<juce::Label> makeLine (juce::Component& parent, const juce::String& name, juce::Rectangle<int> bounds)
    {
        auto label = std::make_unique<juce::Label> (name, juce::String());
        parent.addAndMakeVisible (*label);
        label->setBounds (bounds);
        label->setJustificationType (juce::Justification::bottomLeft);
        label->setColour (juce::Label::textColourId, juce::Colours::white);
        return label;
    }
}

TervixSplashScreen::TervixSplashScreen (const juce::String& name)
    : juce::Component (name),
      image (TervixSkin::loadPicture (BinaryData::about_png, BinaryData::about_pngSize))
{
    setBounds (getX(), getY(), image.getWidth(), image.getHeight());
    versionLabel_ = makeLine (*this, "versionLabel_", { 150, 112, 100, 16 });
    penggunaLabel_ = makeLine (*this, "penggunaLabel_", { 150, 127, 100, 16 });
    setVisible (false);
}

TervixSplashScreen::~TervixSplashScreen() = default;

void TervixSplashScreen::show()
{
    TervixSkin::enterModalState (*this);
    setVisible (true);
}

void TervixSplashScreen::hide()
{
    exitModalState (1);
    setVisible (false);
}

void TervixSplashScreen::mouseDown (const juce::MouseEvent&)
{
    hide();
}

void TervixSplashScreen::paint (juce::Graphics& g)
{
    g.drawImage (image, 0, 0, getWidth(), getHeight(), 0, 0, image.getWidth(), image.getHeight());
}
