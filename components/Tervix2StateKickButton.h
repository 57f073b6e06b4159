/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/** A momentary button drawn from a 2-frame strip (frame 0 released, frame 1
    pressed), or from two separate pictures in two-image mode. Without a picture
    it draws nothing and is an invisible click area. */
class Tervix2StateKickButton : public juce::Button
{
public:
    /** Creates the button with click-toggling off and no picture. */
    explicit Tervix2StateKickButton (const juce::String& name);
    ~Tervix2StateKickButton() override;

    /** Sets the 2-frame strip and leaves two-image mode; a null picture keeps the
        old frame size. */
    void setImage (const juce::Image& newImage);

    /** Draws the released or pressed look, scaled to the button's bounds. */
    void paintButton (juce::Graphics&, bool shouldDrawButtonAsHighlighted, bool shouldDrawButtonAsDown) override;

    /** The strip, or in two-image mode the released picture. */
    juce::Image image;
    /** In two-image mode, the pressed picture. */
    juce::Image downImage;
    bool useTwoImages = false;
    int32_t frameWidth = 0;
    int32_t frameHeight = 0;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (Tervix2StateKickButton)
};
