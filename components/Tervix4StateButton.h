/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/** A toggling button drawn from a 4-frame strip: off, off under the mouse, on
    under the mouse, on. Drawn at 40 % opacity while it or a parent is disabled. */
class Tervix4StateButton : public juce::Button
{
public:
    /** Creates the button with click-toggling on and no picture. */
    explicit Tervix4StateButton (const juce::String& name);
    ~Tervix4StateButton() override;

    /** Sets the 4-frame strip; a null picture keeps the old frame size. */
    void setImage (const juce::Image& newImage);

    /** Draws the frame for the button's state, scaled to its bounds. */
    void paintButton (juce::Graphics&, bool shouldDrawButtonAsHighlighted, bool shouldDrawButtonAsDown) override;

    /** The height of one frame, 0 without picture. */
    virtual int getImageHeight();
    /** The strip's width, 0 without picture. */
    virtual int getImageWidth();

    juce::Image image;
    int32_t frameWidth = 0;
    int32_t frameHeight = 0;

protected:
    /** Draws one frame with the opacity of the enabled state. */
    void drawFrame (juce::Graphics&, int frame);

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (Tervix4StateButton)
};

//==============================================================================
/** The footswitch: a 4-state strip ordered off, off pressed, on, on pressed,
    whose on state shows whatever the mouse does over it. */
class Tervix4StateButton3PDT : public Tervix4StateButton
{
public:
    /** Creates the footswitch with click-toggling on and no picture. */
    explicit Tervix4StateButton3PDT (const juce::String& name);
    ~Tervix4StateButton3PDT() override;

    /** Draws the frame for the switch's state, scaled to its bounds. */
    void paintButton (juce::Graphics&, bool shouldDrawButtonAsHighlighted, bool shouldDrawButtonAsDown) override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (Tervix4StateButton3PDT)
};
