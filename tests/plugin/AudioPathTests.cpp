/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#include <gtest/gtest.h>

#include "ProcessorTestHelpers.h"

#include <limits>

using namespace vostrel::test;

namespace
{
    constexpr double rate = 44100.0;
    constexpr int fadeLength = 2048; // every crossfade at 44100 Hz

    /** Feeds consecutive blocks of a stereo sine, keeping the input of the last one
        and what each model run alongside the processor made of it. */
    struct Feeder
    {
        VostrelZR2814AudioProcessor& p;
        int position = 0;
        juce::AudioBuffer<float> input {}, output {};
        std::vector<std::unique_ptr<SevenBandModel>> models {};
        std::vector<juce::AudioBuffer<float>> modelOutputs {};

        /** Runs from now on a model as a bulk load leaves it with the parameters. */
        void addModelOfTheParameters() { models.push_back (modelOfTheParameters (p, rate)); }

        void run (int numSamples)
        {
            input = sineBlock (2, numSamples, rate, position);
            output = input;
            process (p, output);
            position += numSamples;
            modelOutputs.assign (models.size(), input);

            for (size_t m = 0; m < models.size(); ++m)
                models[m]->process (modelOutputs[m].getWritePointer (0), modelOutputs[m].getWritePointer (1), numSamples);
        }

        /** Succeeds when every output sample is wx * x + wy * y, summed in float, of
            the same samples of x and y, with { wx, wy } = weights (i) for sample i. */
        template <typename Weights>
        ::testing::AssertionResult outputMixes (const juce::AudioBuffer<float>& x, const juce::AudioBuffer<float>& y,
                                                Weights weights) const
        {
            for (int i = 0; i < output.getNumSamples(); ++i)
            {
                const auto [wx, wy] = weights (i);

                for (int ch = 0; ch < 2; ++ch)
                {
                    const float expected = wx * x.getSample (ch, i) + wy * y.getSample (ch, i);

                    if (output.getSample (ch, i) != expected)
                        return ::testing::AssertionFailure() << "sample " << i << " of the block, channel " << ch << ": "
                                                             << output.getSample (ch, i) << ", not " << expected;
                }
            }

            return ::testing::AssertionSuccess();
        }

        ::testing::AssertionResult outputEquals (const juce::AudioBuffer<float>& expected) const
        {
            return outputMixes (expected, expected, [] (int) { return std::pair { 1.0f, 0.0f }; });
        }

        /** Largest step between neighbouring output samples, across blocks. */
        float largestJump (float& last) const
        {
            float jump = 0.0f;

            for (int i = 0; i < output.getNumSamples(); ++i)
            {
                jump = juce::jmax (jump, std::abs (output.getSample (0, i) - last));
                last = output.getSample (0, i);
            }

            return jump;
        }
    };
}

TEST (AudioPath, CrossfadeLengthFollowsTheSampleRate)
{
    struct Case { double rate; int length; };

    for (auto c : { Case { 34049.0, 1024 }, Case { 34050.0, 2048 }, Case { 44100.0, 2048 }, Case { 48000.0, 2048 },
                    Case { 68000.0, 4096 }, Case { 96000.0, 4096 }, Case { 136000.0, 8192 }, Case { 192000.0, 8192 },
                    Case { std::numeric_limits<double>::quiet_NaN(), 2048 }, Case { 0.0, 2048 } })
    {
        VostrelZR2814AudioProcessor p;
        EXPECT_EQ (p.getCrossfadeLength(), 2048); // valid before any prepare
        p.prepareToPlay (c.rate, 512);
        EXPECT_EQ (p.getCrossfadeLength(), c.length) << c.rate;
    }
}

TEST (AudioPath, UnpreparedSuspendedAndEmptyBuffers)
{
    VostrelZR2814AudioProcessor p;
    Feeder f { p };

    f.run (256);
    EXPECT_TRUE (f.outputEquals (f.input));

    prepareNeutral (p);
    p.suspendProcessing (true);
    f.run (256);
    EXPECT_EQ (f.output.getMagnitude (0, 256), 0.0f);
    p.suspendProcessing (false);

    juce::AudioBuffer<float> noChannels (0, 256);
    process (p, noChannels);
    juce::AudioBuffer<float> noSamples (2, 0);
    process (p, noSamples);

    // A block size of zero or less is prepared as one sample; longer blocks still work.
    p.prepareToPlay (rate, 0);
    EXPECT_EQ (p.expectedBlockSize, 1);
    f.run (300);
    EXPECT_EQ (p.expectedBlockSize, 300);
}

TEST (AudioPath, PowerFadesEndExactlyOnTheirTargetAfterReversals)
{
    // Each sequence toggles onBypass from on, running that many samples after each
    // toggle, all within one crossfade, and toggles once more. Summed steps drift,
    // so only a fade that lands on its target leaves the pure wet or dry path.
    const std::vector<int> sequences[] = { { 300, 200, 700, 10 }, { 300, 200 }, { 333, 777, 100 } };

    for (const auto& runs : sequences)
    {
        VostrelZR2814AudioProcessor p;
        setParameter (p, paramFreqLevel1, 1.0f);
        setParameter (p, paramLevel, 1.0f);
        p.prepareToPlay (rate, 512);

        Feeder f { p };
        f.addModelOfTheParameters();
        f.run (4096);
        EXPECT_TRUE (f.outputEquals (f.modelOutputs[0])); // engaged: the model alone

        bool on = true;

        for (int n : runs)
        {
            on = ! on;
            setParameter (p, paramOnBypass, on ? 1.0f : 0.0f);
            f.run (n);
        }

        // The last reversal takes a full crossfade again.
        on = ! on;
        setParameter (p, paramOnBypass, on ? 1.0f : 0.0f);
        f.run (fadeLength - 1);
        EXPECT_GT (p.getWetGain(), 0.0f);
        EXPECT_LT (p.getWetGain(), 1.0f);
        f.run (1);
        EXPECT_EQ (p.getWetGain(), on ? 1.0f : 0.0f) << runs.size() << " reversals";

        for (int block = 0; block < 3; ++block)
        {
            f.run (333);
            EXPECT_TRUE (f.outputEquals (on ? f.modelOutputs[0] : f.input)) << runs.size() << " reversals";
        }
    }
}

TEST (AudioPath, ChangesWhileFadedOutAreHeardFromTheFirstSampleOn)
{
    // Off and faded out no model runs; a model chosen meanwhile, and the bands and
    // level moved with it, must be in place when the fade-in starts, neither
    // crossfaded nor ramped from the old settings.
    VostrelZR2814AudioProcessor p;
    prepareNeutral (p);
    Feeder f { p };
    setParameter (p, paramOnBypass, 0.0f);
    f.run (fadeLength + 100);

    setParameter (p, paramFreqLevel2, 1.0f);
    setParameter (p, paramFreqLevel7, 0.0f);
    setParameter (p, paramLevel, 0.8f);
    setParameter (p, paramEqualizerType, 0.5f);
    f.run (300);
    EXPECT_TRUE (f.outputEquals (f.input));

    // From the first sample on, the wet weight g = k / L after k samples, up to 1.
    setParameter (p, paramOnBypass, 1.0f);
    f.addModelOfTheParameters();

    for (int done = 0; done < fadeLength + 512; done += 512)
    {
        f.run (512);
        EXPECT_TRUE (f.outputMixes (f.modelOutputs[0], f.input, [done] (int i)
        {
            const float g = juce::jmin (1.0f, (float) (done + i + 1) / (float) fadeLength);
            return std::pair { g, 1.0f - g };
        })) << "from sample " << done;
    }
}

TEST (AudioPath, ModelSwitchCrossfadesLinearlyOverExactlyOneCrossfade)
{
    VostrelZR2814AudioProcessor p;
    setParameter (p, paramFreqLevel6, 1.0f);
    p.prepareToPlay (rate, 512);

    Feeder f { p };
    f.addModelOfTheParameters(); // outgoing
    f.run (4096);

    setParameter (p, paramEqualizerType, 0.5f);
    f.addModelOfTheParameters(); // incoming, designed at once

    // The outgoing model's weight f = 1 - k / L after k samples of the switch,
    // already on its first sample, down to 0; the incoming one has 1 - f.
    int done = 0;

    for (int n : { 1, 1046, 1000, 1, 500 })
    {
        f.run (n);
        EXPECT_TRUE (f.outputMixes (f.modelOutputs[1], f.modelOutputs[0], [done] (int i)
        {
            const float fade = juce::jmax (0.0f, 1.0f - (float) (done + i + 1) / (float) fadeLength);
            return std::pair { 1.0f - fade, fade };
        })) << "from sample " << done;

        done += n;
        EXPECT_EQ (p.isTypeSwitching(), done < fadeLength) << done;
    }

    EXPECT_EQ (p.getCurrentType(), typeBass);
    EXPECT_EQ (p.getSwitchFade(), 0.0f);
}

TEST (AudioPath, GoingBackMidSwitchReversesTheCrossfade)
{
    VostrelZR2814AudioProcessor p;
    prepareNeutral (p);
    setParameter (p, paramFreqLevel2, 1.0f);
    setParameter (p, paramFreqLevel5, 0.0f);
    Feeder f { p };
    f.run (8192);

    float last = f.output.getSample (0, 8191);
    setParameter (p, paramEqualizerType, 1.0f); // to "Wide"
    f.run (600);
    const float fadeBefore = p.getSwitchFade();

    setParameter (p, paramEqualizerType, 0.0f); // back to "Guitar", still audible
    f.run (1);
    EXPECT_EQ (p.getCurrentType(), typeWide);
    EXPECT_EQ (p.getSelectedType(), typeGuitar);
    EXPECT_NEAR (p.getSwitchFade(), 1.0f - fadeBefore - 1.0f / fadeLength, 1e-5f);

    // The audible model was not reset: the output goes on without a jump, and the
    // reversed fade ends after the samples already crossfaded.
    f.run (599 - 2);
    EXPECT_TRUE (p.isTypeSwitching());
    EXPECT_LT (f.largestJump (last), 0.1f);
    f.run (4);
    EXPECT_FALSE (p.isTypeSwitching());
    EXPECT_EQ (p.getCurrentType(), typeGuitar);
}

TEST (AudioPath, AThirdModelMidSwitchRestartsFromTheCurrentOne)
{
    VostrelZR2814AudioProcessor p;
    prepareNeutral (p);
    Feeder f { p };
    f.run (1024);

    setParameter (p, paramEqualizerType, 0.5f);
    f.run (700);
    setParameter (p, paramEqualizerType, 1.0f);
    f.run (1);
    EXPECT_EQ (p.getCurrentType(), typeGuitar);
    EXPECT_EQ (p.getSelectedType(), typeWide);
    EXPECT_FLOAT_EQ (p.getSwitchFade(), 1.0f - 1.0f / fadeLength);
    f.run (fadeLength - 1);
    EXPECT_FALSE (p.isTypeSwitching());
    EXPECT_EQ (p.getCurrentType(), typeWide);
}

TEST (AudioPath, NoBandStaysStaleAfterAnySwitchSequence)
{
    // A step sets a parameter, or with index -1 processes a block.
    struct Step { int index; float value; };
    constexpr Step block { -1, 0.0f };

    const std::pair<const char*, std::vector<Step>> sequences[] = {
        { "a band moved with the choice", { { paramEqualizerType, 0.5f }, { paramFreqLevel4, 0.95f }, block } },
        { "a band moved mid-switch", { { paramEqualizerType, 0.5f }, block, { paramFreqLevel4, 0.95f }, block } },
        { "back to the outgoing model", { { paramEqualizerType, 0.5f }, block, { paramFreqLevel3, 1.0f },
                                          { paramLevel, 0.9f }, block, { paramEqualizerType, 0.0f }, block } },
        { "there and back between blocks", { { paramEqualizerType, 1.0f }, { paramFreqLevel5, 0.1f },
                                             { paramEqualizerType, 0.0f }, block } },
        { "a third model mid-switch", { { paramEqualizerType, 0.5f }, block, { paramFreqLevel6, 0.0f },
                                        { paramEqualizerType, 1.0f }, { paramFreqLevel6, 1.0f }, block,
                                        { paramLevel, 0.2f } } },
        { "reversed twice", { { paramEqualizerType, 1.0f }, block, { paramFreqLevel1, 0.8f },
                              { paramEqualizerType, 0.0f }, block, { paramFreqLevel7, 0.05f },
                              { paramEqualizerType, 1.0f }, block } },
    };

    for (const auto& [name, steps] : sequences)
    {
        VostrelZR2814AudioProcessor p;
        prepareNeutral (p);
        Feeder f { p };
        f.run (512);

        for (auto step : steps)
        {
            if (step.index < 0)
                f.run (256);
            else
                setParameter (p, step.index, step.value);
        }

        // Long enough for every crossfade and ramp to end.
        for (int i = 0; i < 6; ++i)
            f.run (1024);

        EXPECT_TRUE (playsTheParameters (p, rate)) << name;
    }
}

TEST (AudioPath, ASwitchStillRunningWhenFadedOutCompletesAtOnce)
{
    VostrelZR2814AudioProcessor p;
    prepareNeutral (p, 96000.0); // crossfades of 4096
    Feeder f { p };
    f.run (512);

    setParameter (p, paramOnBypass, 0.0f);
    f.run (2000);
    setParameter (p, paramEqualizerType, 0.5f);
    f.run (2096);
    EXPECT_EQ (p.getWetGain(), 0.0f);
    EXPECT_TRUE (p.isTypeSwitching());

    f.run (16);
    EXPECT_FALSE (p.isTypeSwitching());
    EXPECT_EQ (p.getCurrentType(), typeBass);
    EXPECT_TRUE (f.outputEquals (f.input));
}

TEST (AudioPath, MonoInputFeedsBothOutputsThroughTheMonoPath)
{
    VostrelZR2814AudioProcessor stereoOut, monoOnly;
    using Set = juce::AudioChannelSet;
    ASSERT_TRUE (stereoOut.setChannelLayoutOfBus (true, 0, Set::mono()));
    ASSERT_TRUE (monoOnly.setChannelLayoutOfBus (true, 0, Set::mono()));
    ASSERT_TRUE (monoOnly.setChannelLayoutOfBus (false, 0, Set::mono()));

    for (auto* p : { &stereoOut, &monoOnly })
    {
        prepareNeutral (*p);
        setParameter (*p, paramFreqLevel4, 0.95f);
    }

    for (int block = 0; block < 8; ++block)
    {
        auto in = sineBlock (1, 512, rate, block * 512);
        juce::AudioBuffer<float> two (2, 512), one (1, 512);
        two.copyFrom (0, 0, in, 0, 0, 512);
        two.clear (1, 0, 512);
        one.copyFrom (0, 0, in, 0, 0, 512);

        if (block == 4)
            for (auto* p : { &stereoOut, &monoOnly })
                setParameter (*p, paramOnBypass, 0.0f);

        process (stereoOut, two);
        process (monoOnly, one);

        for (int i = 0; i < 512; ++i)
        {
            ASSERT_EQ (two.getSample (0, i), one.getSample (0, i));
            ASSERT_EQ (two.getSample (1, i), one.getSample (0, i));
        }
    }
}

TEST (AudioPath, BlocksLongerThanPreparedGrowEveryBuffer)
{
    // Runs under the sanitizers too: no sequence of prepare and block sizes may
    // leave a buffer shorter than the block that uses it.
    VostrelZR2814AudioProcessor p;
    Feeder f { p };

    p.prepareToPlay (rate, 4096);
    p.prepareToPlay (rate, 512);
    setParameter (p, paramEqualizerType, 0.5f);
    f.run (1024);
    EXPECT_TRUE (p.isTypeSwitching());
    p.prepareToPlay (rate, 2048);
    setParameter (p, paramEqualizerType, 1.0f);
    setParameter (p, paramOnBypass, 0.0f);
    f.run (2048);
    f.run (4096);
    EXPECT_EQ (p.expectedBlockSize, 4096);

    p.prepareToPlay (rate, 512);
    setParameter (p, paramOnBypass, 1.0f);
    setParameter (p, paramEqualizerType, 0.0f);
    f.run (4096);

    for (int ch = 0; ch < 2; ++ch)
        for (int i = 0; i < 4096; ++i)
            ASSERT_TRUE (std::isfinite (f.output.getSample (ch, i)));
}

TEST (AudioPath, WideModelAtALowRateStaysFinite)
{
    // The 10 kHz shelf lies above Nyquist at 16 kHz.
    VostrelZR2814AudioProcessor p;

    for (int i = paramFreqLevel1; i <= paramLevel; ++i)
        setParameter (p, i, 1.0f);

    setParameter (p, paramEqualizerType, 1.0f);
    p.prepareToPlay (16000.0, 512);
    Feeder f { p };

    for (int block = 0; block < 64; ++block)
    {
        f.run (512);

        for (int i = 0; i < 512; ++i)
            ASSERT_LT (std::abs (f.output.getSample (0, i)), 100.0f);
    }
}

TEST (AudioPath, EachStereoChannelIsExactlyTheMonoPath)
{
    // The stereo path runs both channels in the lanes of one vector; the mono path
    // is the plain scalar code. Through ramps, level changes, switches to every
    // model and power crossfades, in blocks of odd lengths, each channel of a
    // stereo processor must come out bit for bit as a mono processor gives it.
    constexpr int run = -1; // a step that processes this many samples, not a parameter
    struct Step { int index; float value; };
    const Step steps[] = {
        { run, 3000 },
        { paramFreqLevel1, 0.9f }, { paramFreqLevel3, 0.1f }, { paramFreqLevel6, 1.0f }, { paramLevel, 0.8f },
        { run, 1500 },
        { paramEqualizerType, 0.5f }, { paramFreqLevel2, 0.0f }, { paramFreqLevel7, 0.75f },
        { run, 1200 },
        { paramOnBypass, 0.0f },
        { run, 700 },
        { paramOnBypass, 1.0f }, { paramEqualizerType, 1.0f }, { paramLevel, 0.3f },
        { run, 9000 },
        { paramEqualizerType, 0.0f }, { paramFreqLevel4, 0.6f },
        { run, 1000 },
        { paramEqualizerType, 1.0f },
        { run, 9000 },
        { paramFreqLevel7, 0.3f }, // the shelf alone ramps
        { run, 3000 },
    };
    constexpr int blockLengths[] = { 1, 3, 511, 7, 129, 1001, 333 };

    for (double sampleRate : { 44100.0, 48000.0, 96000.0 })
    {
        VostrelZR2814AudioProcessor stereo, monoLeft, monoRight;
        VostrelZR2814AudioProcessor* const all[] = { &stereo, &monoLeft, &monoRight };

        for (auto* mono : { &monoLeft, &monoRight })
            for (bool isInput : { true, false })
                ASSERT_TRUE (mono->setChannelLayoutOfBus (isInput, 0, juce::AudioChannelSet::mono()));

        for (auto* p : all)
        {
            prepareNeutral (*p, sampleRate, 512);
            setParameter (*p, paramFreqLevel5, 0.85f);
        }

        juce::Random random (3);
        size_t blockNumber = 0;

        for (auto step : steps)
        {
            if (step.index != run)
            {
                for (auto* p : all)
                    setParameter (*p, step.index, step.value);

                continue;
            }

            for (int remaining = (int) step.value; remaining > 0;)
            {
                const int n = juce::jmin (remaining, blockLengths[blockNumber++ % std::size (blockLengths)]);
                remaining -= n;

                juce::AudioBuffer<float> both (2, n), left (1, n), right (1, n);

                for (int i = 0; i < n; ++i)
                {
                    both.setSample (0, i, random.nextFloat() - 0.5f);
                    both.setSample (1, i, 0.3f * std::sin (0.05f * (float) i) + 0.1f * random.nextFloat());
                }

                left.copyFrom (0, 0, both, 0, 0, n);
                right.copyFrom (0, 0, both, 1, 0, n);
                process (stereo, both);
                process (monoLeft, left);
                process (monoRight, right);

                for (int ch = 0; ch < 2; ++ch)
                {
                    const auto& mono = ch == 0 ? left : right;

                    for (int i = 0; i < n; ++i)
                        ASSERT_EQ (both.getSample (ch, i), mono.getSample (0, i))
                            << sampleRate << " Hz, block " << blockNumber << ", channel " << ch << ", sample " << i;
                }
            }
        }

        // The last switch has ended, so every model and crossfade has been heard.
        EXPECT_FALSE (stereo.isTypeSwitching());
        EXPECT_EQ (stereo.getCurrentType(), typeWide);
    }
}
