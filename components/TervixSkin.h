/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/** Icon pictures of the alert panel; any other number shows the asterisk icon. */
enum AlertIcon
{
    iconAsterix = 1,
    iconOk = 2,
    iconSmile = 3,
    iconFrown = 4
};

/** Pictures of the panels' buttons; any number outside 3..10 shows the OK picture. */
enum DialogButtonImage
{
    buttonImageOk = 1,
    buttonImageCancel = 3,
    buttonImageSave = 5,
    buttonImageImport = 7,
    buttonImageNewFolder = 8,
    buttonImageDownload = 9,
    buttonImageOverwrite = 10
};

namespace TervixSkin
{
    /** Decodes a compiled-in PNG; a null image when it cannot be decoded. */
    juce::Image loadPicture (const void* data, int size);

    /** The button strip of a DialogButtonImage number. */
    juce::Image loadDialogButtonImage (int dialogButtonImage);

    /** The icon picture of an AlertIcon number. */
    juce::Image loadAlertIcon (int alertIcon);

    /** Stores a film strip of `numFrames` frames and, when it is a valid picture,
        its frame size; a null picture keeps the old frame size. */
    void setFilmStrip (juce::Image& image, int32_t& frameWidth, int32_t& frameHeight,
                       const juce::Image& strip, int numFrames);

    /** Draws frame `frame` of a film strip (frames stacked vertically) into the
        destination. Draws nothing without a picture or with an empty frame size. */
    void drawFilmStripFrame (juce::Graphics&, const juce::Image& strip, int frame, int frameWidth, int frameHeight,
                             juce::Rectangle<int> destination);

    /** Makes a component modal, unless it already is: entering twice would leave
        a second modal entry behind that one exit does not remove. */
    void enterModalState (juce::Component&);

    /** Before a panel shows itself: with the hand-over on, a parent that is the
        foremost modal component leaves its modal state to the panel. */
    void takeModalStateFromParent (juce::Component& panel, bool changeParentModal);

    /** After a panel has left its modal state: with the hand-over on, the parent
        becomes modal again unless it is the foremost modal component already. */
    void giveModalStateToParent (juce::Component& panel, bool changeParentModal);
}
