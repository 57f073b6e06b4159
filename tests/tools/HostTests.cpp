/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

// The built plug-in binaries, loaded from disk by a real host on JUCE's hosting
// classes, must sound exactly like the processor run directly.

#include <gtest/gtest.h>

#include "PluginProcessor.h"
#include <juce_audio_formats/juce_audio_formats.h>
#include "TestSupport.h"

namespace
{
    constexpr double rate = 44100.0;
    constexpr int blockSize = 512;
    constexpr int length = 3 * 44100;
    constexpr int settled = 44100; // every ramp is long over after a second

    using Settings = std::vector<std::pair<juce::String, float>>;

    juce::AudioBuffer<float> sine (double frequency)
    {
        juce::AudioBuffer<float> b (2, length);

        for (int ch = 0; ch < 2; ++ch)
            for (int i = 0; i < length; ++i)
                b.setSample (ch, i, (float) (0.05 * std::sin (2.0 * M_PI * frequency * i / rate + ch)));

        return b;
    }

    void writeWav (const juce::File& file, const juce::AudioBuffer<float>& audio)
    {
        file.deleteFile();
        juce::WavAudioFormat wav;
        auto stream = file.createOutputStream();
        std::unique_ptr<juce::AudioFormatWriter> writer (wav.createWriterFor (stream.get(), rate, 2, 32, {}, 0));
        ASSERT_NE (writer, nullptr);
        stream.release();
        writer->writeFromAudioSampleBuffer (audio, 0, audio.getNumSamples());
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

    /** The same run as the host's, on the processor itself. */
    juce::AudioBuffer<float> runDirectly (const juce::AudioBuffer<float>& input, const Settings& settings)
    {
        VostrelZR2814AudioProcessor p;
        p.prepareToPlay (rate, blockSize);

        for (const auto& [name, value] : settings)
            for (auto* parameter : p.getParameters())
                if (parameter->getName (100) == name)
                    parameter->setValueNotifyingHost (value);

        juce::AudioBuffer<float> output (input);
        juce::MidiBuffer midi;

        for (int start = 0; start < length; start += blockSize)
        {
            juce::AudioBuffer<float> block (output.getArrayOfWritePointers(), 2, start, juce::jmin (blockSize, length - start));
            p.processBlock (block, midi);
        }

        return output;
    }

    double gainDb (const juce::AudioBuffer<float>& out, const juce::AudioBuffer<float>& in)
    {
        return juce::Decibels::gainToDecibels ((double) out.getRMSLevel (0, settled, length - settled)
                                               / (double) in.getRMSLevel (0, settled, length - settled));
    }

    float largestDifferenceAfterSettling (const juce::AudioBuffer<float>& a, const juce::AudioBuffer<float>& b)
    {
        float largest = 0.0f;

        for (int ch = 0; ch < 2; ++ch)
            for (int i = settled; i < length; ++i)
                largest = juce::jmax (largest, std::abs (a.getSample (ch, i) - b.getSample (ch, i)));

        return largest;
    }

    class Host : public ::testing::TestWithParam<const char*>
    {
    protected:
        juce::File bundle() const
        {
            if (juce::String (GetParam()) == "VST3")
                return juce::File (VOSTREL_VST3_BINARY).getParentDirectory().getParentDirectory().getParentDirectory();

            return juce::File (VOSTREL_LV2_BUNDLE);
        }

        /** Runs the host program; returns its output audio. */
        juce::AudioBuffer<float> runHost (const juce::File& input, const Settings& settings,
                                          const juce::StringArray& extra = {})
        {
            const auto output = temp.folder.getChildFile ("out.wav");
            juce::StringArray command { VOSTREL_HOST, "--plugin", bundle().getFullPathName(),
                                        "--in", input.getFullPathName(), "--out", output.getFullPathName(),
                                        "--block", juce::String (blockSize) };

            for (const auto& [name, value] : settings)
                command.addArray ({ "--set", name + "=" + juce::String (value) });

            command.addArray (extra);

            juce::ChildProcess host;
            EXPECT_TRUE (host.start (command));
            const auto log = host.readAllProcessOutput();
            EXPECT_EQ (host.getExitCode(), 0u) << log;
            return readWav (output);
        }

        vostrel::test::TemporaryFolder temp;
    };
}

TEST_P (Host, BandGainMatchesTheProcessor)
{
    // 800 Hz is the centre of the "Guitar" model's fourth band.
    const Settings settings { { "freqLevel1", 0.5f }, { "freqLevel2", 0.5f }, { "freqLevel3", 0.5f },
                              { "freqLevel4", 1.0f }, { "freqLevel5", 0.5f }, { "freqLevel6", 0.5f },
                              { "freqLevel7", 0.5f }, { "level", 0.5f } };
    const auto input = sine (800.0);
    const auto inputFile = temp.folder.getChildFile ("in.wav");
    writeWav (inputFile, input);

    const auto hosted = runHost (inputFile, settings);
    ASSERT_EQ (hosted.getNumSamples(), length);
    ASSERT_EQ (hosted.getNumChannels(), 2);

    for (int ch = 0; ch < 2; ++ch)
        for (int i = 0; i < length; ++i)
            ASSERT_TRUE (std::isfinite (hosted.getSample (ch, i)));

    EXPECT_NEAR (gainDb (hosted, input), 15.0, 0.01);
    EXPECT_LT (largestDifferenceAfterSettling (hosted, runDirectly (input, settings)), 1e-6f);
}

TEST_P (Host, SavedStateSoundsTheSameInAFreshInstance)
{
    const Settings settings { { "equalizerType", 1.0f }, { "freqLevel1", 0.8f }, { "freqLevel2", 0.3f },
                              { "freqLevel3", 0.6f }, { "freqLevel4", 0.4f }, { "freqLevel5", 0.7f },
                              { "freqLevel6", 0.2f }, { "freqLevel7", 0.9f }, { "level", 0.55f } };
    const auto inputFile = temp.folder.getChildFile ("in.wav");
    writeWav (inputFile, sine (3000.0));
    const auto state = temp.folder.getChildFile ("state.bin");

    const auto first = runHost (inputFile, settings, { "--save-state", state.getFullPathName() });
    ASSERT_EQ (first.getNumSamples(), length);
    ASSERT_TRUE (state.existsAsFile());
    const auto restored = runHost (inputFile, {}, { "--load-state", state.getFullPathName() });

    ASSERT_EQ (restored.getNumSamples(), length);
    EXPECT_LT (largestDifferenceAfterSettling (first, restored), 1e-6f);
    EXPECT_GT (first.getRMSLevel (0, settled, length - settled), 0.001f);
}

std::string formatName (const ::testing::TestParamInfo<const char*>& info)
{
    return info.param;
}

INSTANTIATE_TEST_SUITE_P (Formats, Host, ::testing::Values ("VST3", "LV2"), formatName);
