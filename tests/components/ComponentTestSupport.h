/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <vector>

namespace vostrel::test
{
    /** Distinct opaque colours, one per frame of a test strip. */
    inline const std::vector<juce::Colour> frameColours { juce::Colour (0xffff0000), juce::Colour (0xff00ff00),
                                                          juce::Colour (0xff0000ff), juce::Colour (0xffffff00) };

    /** A film strip whose frames are filled with the given colours, frame 0 on top. */
    inline juce::Image solidStrip (int width, int frameHeight, const std::vector<juce::Colour>& colours)
    {
        juce::Image strip (juce::Image::ARGB, width, frameHeight * (int) colours.size(), true);
        juce::Graphics g (strip);

        for (size_t i = 0; i < colours.size(); ++i)
        {
            g.setColour (colours[i]);
            g.fillRect (0, (int) i * frameHeight, width, frameHeight);
        }

        return strip;
    }

    /** A strip of `count` frames, frame i filled with grey level i (0..255, then wrapping). */
    inline juce::Image numberedStrip (int width, int frameHeight, int count)
    {
        juce::Image strip (juce::Image::ARGB, width, frameHeight * count, true);
        juce::Graphics g (strip);

        for (int i = 0; i < count; ++i)
        {
            g.setColour (juce::Colour::greyLevel ((float) (i % 256) / 255.0f).withAlpha (1.0f));
            g.fillRect (0, i * frameHeight, width, frameHeight);
        }

        return strip;
    }

    /** The component as it paints itself, children included. */
    inline juce::Image snapshot (juce::Component& component)
    {
        return component.createComponentSnapshot (component.getLocalBounds());
    }

    inline juce::Colour pixelAt (juce::Component& component, int x, int y)
    {
        return snapshot (component).getPixelAt (x, y);
    }

    /** A left-button mouse event on a component, as its peer would deliver it. */
    inline juce::MouseEvent mouseAt (juce::Component& component, juce::Point<float> position,
                                     juce::ModifierKeys mods = juce::ModifierKeys::leftButtonModifier,
                                     int numClicks = 1, juce::Time now = juce::Time::getCurrentTime())
    {
        return { juce::Desktop::getInstance().getMainMouseSource(), position, mods,
                 juce::MouseInputSource::defaultPressure, juce::MouseInputSource::defaultOrientation,
                 juce::MouseInputSource::defaultRotation, juce::MouseInputSource::defaultTiltX,
                 juce::MouseInputSource::defaultTiltY, &component, &component, now, position, now, numClicks, false };
    }
}
