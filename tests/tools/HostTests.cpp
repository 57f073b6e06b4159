/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

// The built plug-in binaries, loaded from disk by a real host on JUCE's hosting
// classes, must sound exactly like the processor run directly.

#include <gtest/gtest.h>

#include "HostComparison.h"
#include "PluginProcessor.h"
#include "TestSupport.h"

using namespace vostrel::test;

namespace
{
    constexpr double rate = 44100.0;
    constexpr int blockSize = 512;
    constexpr int length = 3 * 44100;
    constexpr int settled = 44100; // every ramp is long over after a second

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

            const auto host = runCommand (command);
            EXPECT_EQ (host.exitCode, 0) << host.output;
            return readWav (output);
        }

        TemporaryFolder temp;
    };
}

TEST_P (Host, BandGainMatchesTheProcessor)
{
    const auto input = stereoSine (800.0, rate, length);
    const auto inputFile = temp.folder.getChildFile ("in.wav");
    writeWav (inputFile, input, rate);

    const auto hosted = runHost (inputFile, fourthBandUp);
    ASSERT_EQ (hosted.getNumSamples(), length);
    ASSERT_EQ (hosted.getNumChannels(), 2);

    for (int ch = 0; ch < 2; ++ch)
        for (int i = 0; i < length; ++i)
            ASSERT_TRUE (std::isfinite (hosted.getSample (ch, i)));

    EXPECT_NEAR (gainDbFrom (hosted, input, settled), 15.0, 0.01);
    EXPECT_LT (largestDifferenceFrom (hosted, runDirectly (input, fourthBandUp, rate, blockSize), settled), 1e-6f);
}

TEST_P (Host, SavedStateSoundsTheSameInAFreshInstance)
{
    const Settings settings { { "equalizerType", 1.0f }, { "freqLevel1", 0.8f }, { "freqLevel2", 0.3f },
                              { "freqLevel3", 0.6f }, { "freqLevel4", 0.4f }, { "freqLevel5", 0.7f },
                              { "freqLevel6", 0.2f }, { "freqLevel7", 0.9f }, { "level", 0.55f } };
    const auto inputFile = temp.folder.getChildFile ("in.wav");
    writeWav (inputFile, stereoSine (3000.0, rate, length), rate);
    const auto state = temp.folder.getChildFile ("state.bin");

    const auto first = runHost (inputFile, settings, { "--save-state", state.getFullPathName() });
    ASSERT_EQ (first.getNumSamples(), length);
    ASSERT_TRUE (state.existsAsFile());
    const auto restored = runHost (inputFile, {}, { "--load-state", state.getFullPathName() });

    ASSERT_EQ (restored.getNumSamples(), length);
    EXPECT_LT (largestDifferenceFrom (first, restored, settled), 1e-6f);
    EXPECT_GT (first.getRMSLevel (0, settled, length - settled), 0.001f);
}

// Ardour reopens a session by picking the session's program from a thread of its
// own, then restoring the state, and sends every change the plug-in then reports
// back as its own: what was saved must be what plays and what is saved again.
TEST (Vst3Session, ReopenedAfterAProgramPickKeepsTheSavedState)
{
    TemporaryFolder temp;
    const auto state = stateWithSlotSide (2, channelB, fourthBandUp);
    const auto stateFile = temp.folder.getChildFile ("state.bin");
    ASSERT_TRUE (stateFile.replaceWithData (state.getData(), state.getSize()));

    const auto input = stereoSine (800.0, rate, length);
    const auto inputFile = temp.folder.getChildFile ("in.wav"), outputFile = temp.folder.getChildFile ("out.wav");
    const auto savedAgain = temp.folder.getChildFile ("saved-again.bin");
    writeWav (inputFile, input, rate);
    const auto bundle = juce::File (VOSTREL_VST3_BINARY).getParentDirectory().getParentDirectory().getParentDirectory();
    const auto host = runCommand ({ VOSTREL_VST3_RELOAD, "--plugin", bundle.getFullPathName(), "--program", "2",
                                    "--state", stateFile.getFullPathName(), "--in", inputFile.getFullPathName(),
                                    "--out", outputFile.getFullPathName(), "--save-state", savedAgain.getFullPathName() });
    ASSERT_EQ (host.exitCode, 0) << host.output;

    // The component's state is the processor's followed by the framework's own data.
    VostrelZR2814AudioProcessor reopened;
    juce::MemoryBlock reopenedState;
    ASSERT_TRUE (savedAgain.loadFileAsData (reopenedState));
    reopened.setStateInformation (reopenedState.getData(), (int) reopenedState.getSize());
    reopened.getStateInformation (reopenedState);
    EXPECT_TRUE (reopenedState == state) << "the state saved again differs from the one restored";
    EXPECT_NEAR (gainDbFrom (readWav (outputFile), input, settled), 15.0, 0.01);
}

std::string formatName (const ::testing::TestParamInfo<const char*>& info)
{
    return info.param;
}

INSTANTIATE_TEST_SUITE_P (Formats, Host, ::testing::Values ("VST3", "LV2"), formatName);
