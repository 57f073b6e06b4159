/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/** The window's look-and-feel for everything not drawn from pictures (browser
    lists, text fields, scroll bars, popup menus, toggle buttons): a dark scheme of
    near-black fields, dark grey menus, white text and translucent white outlines. */
class LookAndFeel_TervixJ5 : public juce::LookAndFeel_V3
{
public:
    /** Creates the look-and-feel with its colour scheme. */
    LookAndFeel_TervixJ5();
    ~LookAndFeel_TervixJ5() override;

    /** Draws the thumb only, square, slightly more contrasting under the mouse. */
    void drawScrollbar (juce::Graphics&, juce::ScrollBar&, int x, int y, int width, int height,
                        bool isScrollbarVertical, int thumbStartPosition, int thumbSize,
                        bool isMouseOver, bool isMouseDown) override;

    /** A tick box and the button's text beside it. */
    void drawToggleButton (juce::Graphics&, juce::ToggleButton&,
                           bool shouldDrawButtonAsHighlighted, bool shouldDrawButtonAsDown) override;

    /** A rounded outline with the tick inside when ticked. */
    void drawTickBox (juce::Graphics&, juce::Component&, float x, float y, float w, float h,
                      bool ticked, bool isEnabled, bool shouldDrawButtonAsHighlighted,
                      bool shouldDrawButtonAsDown) override;

    /** A new "up" button showing an arrow in the text button's on-text colour. */
    juce::Button* createFileBrowserGoUpButton() override;

    /** The menu colour with a translucent outline in the menu's text colour. */
    void drawPopupMenuBackground (juce::Graphics&, int width, int height) override;

    /** Seven blocks, lit by the level; the last one red at full level. */
    void drawLevelMeter (juce::Graphics&, int width, int height, float level) override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (LookAndFeel_TervixJ5)
};
