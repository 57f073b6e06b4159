/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#pragma once

#include "Tervix2StateKickButton.h"
#include "TervixSkin.h"

/** The plug-in's message box: a modal panel of the window's size with an icon, a
    centred message and an OK button, or OK and CANCEL. It is added hidden and
    shows itself; with the hand-over on it takes the modal state from a modal
    parent (a browser) and gives it back when it closes. */
class TervixAlertComponent : public juce::Component
{
public:
    /** Creates the hidden panel, sized to its background. The three numbers are
        accepted for callers that pass them, and not used. */
    TervixAlertComponent (const juce::String& name, int, int, int);
    ~TervixAlertComponent() override;

    /** Draws the background and the icon; the message and buttons draw themselves. */
    void paint (juce::Graphics&) override;

    /** Sets the message, which may hold line breaks. */
    virtual void setTitle (const juce::String& text);
    /** Shows the panel modally with 1 (OK) or 2 (OK, CANCEL) buttons and an
        AlertIcon; any other button count does nothing. */
    virtual void show (int numButtons, int newIconType);
    /** Ends the modal state, gives it back to the parent when handed over, hides. */
    virtual void hide();
    /** The OK button's action: hide(). */
    virtual void okButtonClicked();
    /** The CANCEL button's action: hide(). */
    virtual void cancelButtonClicked();
    /** Whether show and hide hand the modal state over from and back to the parent. */
    virtual void needChangeParentModal (bool shouldChange);

    juce::Image backgroundImage;
    juce::Image iconImage;
    bool changeParentModal = false;
    int32_t iconType = iconAsterix;
    int32_t okButtonType = buttonImageOk;
    int32_t cancelButtonType = buttonImageCancel;
    std::unique_ptr<juce::Label> titleText_;
    std::unique_ptr<Tervix2StateKickButton> okButton_;
    std::unique_ptr<Tervix2StateKickButton> cancelButton_;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (TervixAlertComponent)
};
