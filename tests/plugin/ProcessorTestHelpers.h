/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#pragma once

#include "PluginProcessor.h"

#include <cmath>
#include <vector>

namespace vostrel::test
{
    /** Sets a parameter the way an editor or a host does, with notification. */
    inline void setParameter (VostrelZR2814AudioProcessor& p, int index, float value)
    {
        p.getParameters()[index]->setValueNotifyingHost (value);
    }

    /** A stereo sine block, left and right at different frequencies. */
    inline juce::AudioBuffer<float> sineBlock (int numChannels, int numSamples, double rate,
                                               int startSample = 0, double frequency = 440.0)
    {
        juce::AudioBuffer<float> b (numChannels, numSamples);

        for (int ch = 0; ch < numChannels; ++ch)
            for (int i = 0; i < numSamples; ++i)
                b.setSample (ch, i, (float) (0.5 * std::sin (2.0 * M_PI * frequency * (ch + 1) * (startSample + i) / rate)));

        return b;
    }

    /** Runs one block through the processor in place. */
    inline void process (VostrelZR2814AudioProcessor& p, juce::AudioBuffer<float>& b)
    {
        juce::MidiBuffer midi;
        p.processBlock (b, midi);
    }

    /** A prepared processor with every band and the level at 0 dB. */
    inline void prepareNeutral (VostrelZR2814AudioProcessor& p, double rate = 44100.0, int blockSize = 512)
    {
        for (int i = paramFreqLevel1; i <= paramLevel; ++i)
            setParameter (p, i, 0.5f);

        p.prepareToPlay (rate, blockSize);
    }
}
