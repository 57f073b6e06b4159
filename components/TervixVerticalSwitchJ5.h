/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/** A stepped vertical switch drawn from a film strip with one frame per position,
    whose drag covers the whole range over a fixed travel of the mouse. */
class TervixVerticalSwitchJ5 : public juce::Slider
{
public:
    /** Creates the switch: linear vertical, no text box, range 0..1 without steps. */
    explicit TervixVerticalSwitchJ5 (const juce::String& name);
    ~TervixVerticalSwitchJ5() override;

    /** Sets the strip and its number of positions, which gives the range one step
        per position. A null picture, or fewer than two positions, leaves the switch
        without frames (so that it draws nothing) and keeps its range. */
    void setImage (const juce::Image& strip, int positions);

    /** Draws the frame of the current position at its own size. */
    void paint (juce::Graphics&) override;

    /** Maps the track proportion through the drag scaling before the framework's mapping. */
    double proportionOfLengthToValue (double proportion) override;
    /** The inverse of proportionOfLengthToValue inside the range. */
    double valueToProportionOfLength (double value) override;

    juce::Image image;
    int32_t numFrames = 0;
    int32_t frameWidth = 0;
    int32_t frameHeight = 0;
    /** Mouse travel, in pixels, that the drag scaling is based on. */
    double dragLength = 1.0;
    /** Whether the frame index grows with the value. */
    bool framesAscending = true;
    /** Whether the drag proportion is mirrored, so that the value grows downwards. */
    bool invertDrag = true;

private:
    /** Component height over drag length; 1 while either is not yet a usable size. */
    double getDragScale() const;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (TervixVerticalSwitchJ5)
};
