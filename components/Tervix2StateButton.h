/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/** A toggling button drawn from a 2-frame film strip: frame 1 while on (or, with
    toggling switched off by its owner, while pressed), frame 0 otherwise. */
class Tervix2StateButton : public juce::Button
{
public:
    /** Creates the button with click-toggling on and no picture. */
    explicit Tervix2StateButton (const juce::String& name);
    ~Tervix2StateButton() override;

    /** Sets the 2-frame strip; a null picture keeps the old frame size. */
    void setImage (const juce::Image& newImage);

    /** Draws the frame for the button's state, scaled to its bounds. */
    void paintButton (juce::Graphics&, bool shouldDrawButtonAsHighlighted, bool shouldDrawButtonAsDown) override;

    juce::Image image;
    int32_t frameWidth = 0;
    int32_t frameHeight = 0;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (Tervix2StateButton)
};
