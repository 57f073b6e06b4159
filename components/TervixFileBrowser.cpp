/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#include "TervixFileBrowser.h"

#include "VostrelDialogBoxBinImg.h"

namespace
{
    std::unique_ptr<juce::Label> makeTitleLabel (juce::Component& parent, const juce::String& text)
    {
        auto label = std::make_unique<juce::Label> ("titleText_", text);
        parent.addAndMakeVisible (*label);
        label->setJustificationType (juce::Justification::centred);
        label->setColour (juce::Label::textColourId, juce::Colours::white);
        return label;
    }

    std::unique_ptr<Tervix2StateKickButton> makePanelButton (juce::Component& parent, const juce::String& name,
                                                             const juce::Image& picture, std::function<void()> action)
    {
        auto button = std::make_unique<Tervix2StateKickButton> (name);
        parent.addAndMakeVisible (*button);
        button->setImage (picture);
        button->onClick = std::move (action);
        return button;
    }

    juce::Image loadDialogBackground()
    {
        return TervixSkin::loadPicture (VostrelDialogBoxBinImg::dialogbackground_png,
                                        VostrelDialogBoxBinImg::dialogbackground_pngSize);
    }
}

//==============================================================================
TervixAlertComponent::TervixAlertComponent (const juce::String& name, int, int, int)
    : juce::Component (name)
{
    backgroundImage = loadDialogBackground();
    setBounds (getX(), getY(), backgroundImage.getWidth(), backgroundImage.getHeight());
    iconImage = TervixSkin::loadAlertIcon (iconType);
    needChangeParentModal (false);

    titleText_ = makeTitleLabel (*this, {});
    okButton_ = makePanelButton (*this, "OK", TervixSkin::loadDialogButtonImage (okButtonType),
                                 [this] { okButtonClicked(); });
    cancelButton_ = makePanelButton (*this, "CANCEL", TervixSkin::loadDialogButtonImage (cancelButtonType),
                                     [this] { cancelButtonClicked(); });
}

TervixAlertComponent::~TervixAlertComponent() = default;

void TervixAlertComponent::setTitle (const juce::String& text)
{
    titleText_->setText (text, juce::dontSendNotification);
}

void TervixAlertComponent::show (int numButtons, int newIconType)
{
    if (numButtons != 1 && numButtons != 2)
        return;

    TervixSkin::takeModalStateFromParent (*this, changeParentModal);
    TervixSkin::enterModalState (*this);

    if (newIconType != iconType)
    {
        iconType = newIconType;
        iconImage = TervixSkin::loadAlertIcon (iconType);
    }

    titleText_->setBounds (32, 136, 261, 181);

    if (numButtons == 2)
    {
        okButton_->setBounds (16, 307, 132, 51);
        cancelButton_->setBounds (179, 307, 132, 51);
        cancelButton_->setVisible (true);
    }
    else
    {
        okButton_->setBounds (97, 307, 132, 51);
        cancelButton_->setVisible (false);
    }

    setVisible (true);
}

void TervixAlertComponent::hide()
{
    exitModalState (1);
    TervixSkin::giveModalStateToParent (*this, changeParentModal);
    setVisible (false);
}

void TervixAlertComponent::okButtonClicked()
{
    hide();
}

void TervixAlertComponent::cancelButtonClicked()
{
    hide();
}

void TervixAlertComponent::needChangeParentModal (bool shouldChange)
{
    changeParentModal = shouldChange;
}

void TervixAlertComponent::paint (juce::Graphics& g)
{
    g.drawImageAt (backgroundImage, 0, 0);
    g.drawImageAt (iconImage, juce::roundToInt ((float) getWidth() * 0.5f) - iconImage.getWidth() / 2, 12);
}
