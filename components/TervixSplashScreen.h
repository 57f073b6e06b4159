/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/** The about panel: a picture of the window's size with a version line, shown
    modally and closed by a click on it. It starts hidden. */
class TervixSplashScreen : public juce::Component
{
public:
    /** Creates the hidden panel, sized to the about picture. */
    explicit TervixSplashScreen (const juce::String& name);
    ~TervixSplashScreen() override;

    /** A click on the panel outside its labels closes it. */
    void mouseDown (const juce::MouseEvent&) override;
    /** Draws the picture scaled to the panel. */
    void paint (juce::Graphics&) override;

    /** Makes the panel modal and visible. */
    virtual void show();
    /** Ends the modal state and hides the panel. */
    virtual void hide();

    juce::Image image;
    /** The version text, placed right after the picture's "Version:" caption. */
    std::unique_ptr<juce::Label> versionLabel_;
    /** A second line in the same style, left empty by the plug-in. */
    std::unique_ptr<juce::Label> penggunaLabel_;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (TervixSplashScreen)
};
