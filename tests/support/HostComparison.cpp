/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#include "HostComparison.h"

#include "PluginProcessor.h"

#include <gtest/gtest.h>

namespace vostrel::test
{
    const Settings fourthBandUp { { "freqLevel1", 0.5f }, { "freqLevel2", 0.5f }, { "freqLevel3", 0.5f },
                                  { "freqLevel4", 1.0f }, { "freqLevel5", 0.5f }, { "freqLevel6", 0.5f },
                                  { "freqLevel7", 0.5f }, { "level", 0.5f } };

    void applySettings (juce::AudioProcessor& processor, const Settings& settings)
    {
        for (const auto& [name, value] : settings)
            for (auto* parameter : processor.getParameters())
                if (parameter->getName (100) == name)
                    parameter->setValueNotifyingHost (value);
    }

    juce::MemoryBlock stateWithSlotSide (int program, int side, const Settings& settings)
    {
        VostrelZR2814AudioProcessor p;
        p.setCurrentProgram (program);
        p.setLiveSide (side);
        applySettings (p, settings);

        juce::MemoryBlock state;
        p.getStateInformation (state);
        return state;
    }

    juce::AudioBuffer<float> stereoSine (double frequency, double rate, int length)
    {
        juce::AudioBuffer<float> b (2, length);

        for (int ch = 0; ch < 2; ++ch)
            for (int i = 0; i < length; ++i)
                b.setSample (ch, i, (float) (0.05 * std::sin (2.0 * M_PI * frequency * i / rate + ch)));

        return b;
    }

    void writeWav (const juce::File& file, const juce::AudioBuffer<float>& audio, double rate)
    {
        file.deleteFile();
        juce::WavAudioFormat wav;
        auto stream = file.createOutputStream();
        ASSERT_NE (stream, nullptr) << file.getFullPathName();
        std::unique_ptr<juce::AudioFormatWriter> writer (
            wav.createWriterFor (stream.get(), rate, (unsigned) audio.getNumChannels(), 32, {}, 0));
        ASSERT_NE (writer, nullptr);
        stream.release(); // the writer owns it now
        ASSERT_TRUE (writer->writeFromAudioSampleBuffer (audio, 0, audio.getNumSamples()));
    }

    juce::AudioBuffer<float> readWav (const juce::File& file)
    {
        juce::WavAudioFormat wav;
        std::unique_ptr<juce::AudioFormatReader> reader (wav.createReaderFor (file.createInputStream().release(), true));

        if (reader == nullptr)
            return {};

        juce::AudioBuffer<float> b ((int) reader->numChannels, (int) reader->lengthInSamples);
        reader->read (&b, 0, b.getNumSamples(), 0, true, true);
        return b;
    }

    juce::AudioBuffer<float> runDirectly (const juce::AudioBuffer<float>& input, const Settings& settings,
                                          double rate, int blockSize)
    {
        VostrelZR2814AudioProcessor p;
        p.prepareToPlay (rate, blockSize);
        applySettings (p, settings);

        juce::AudioBuffer<float> output (input);
        juce::MidiBuffer midi;
        const int length = output.getNumSamples();

        for (int start = 0; start < length; start += blockSize)
        {
            juce::AudioBuffer<float> block (output.getArrayOfWritePointers(), output.getNumChannels(),
                                            start, juce::jmin (blockSize, length - start));
            p.processBlock (block, midi);
        }

        return output;
    }

    float largestDifferenceFrom (const juce::AudioBuffer<float>& a, const juce::AudioBuffer<float>& b, int from)
    {
        jassert (a.getNumChannels() == b.getNumChannels() && a.getNumSamples() == b.getNumSamples());
        float largest = 0.0f;

        for (int ch = 0; ch < a.getNumChannels(); ++ch)
            for (int i = from; i < a.getNumSamples(); ++i)
                largest = juce::jmax (largest, std::abs (a.getSample (ch, i) - b.getSample (ch, i)));

        return largest;
    }

    double gainDbFrom (const juce::AudioBuffer<float>& out, const juce::AudioBuffer<float>& in, int from, int channel)
    {
        const int n = in.getNumSamples() - from;
        return juce::Decibels::gainToDecibels ((double) out.getRMSLevel (channel, from, n)
                                               / (double) in.getRMSLevel (channel, from, n));
    }
}
