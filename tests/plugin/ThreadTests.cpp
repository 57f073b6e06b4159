/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

// Parameter moves, model switches, program changes and state restores on one
// thread while another processes audio as a host's callback does. The output
// must stay finite, and once the changes stop the processor must play exactly
// what its parameters say. The ThreadSanitizer build runs these too.

#include <gtest/gtest.h>

#include "ProcessorTestHelpers.h"

#include <atomic>
#include <thread>

using namespace vostrel::test;

namespace
{
    constexpr double rate = 48000.0;

    /** Processes blocks of random lengths on a thread of its own, under the
        processor's callback lock and skipping it while suspended, as the
        framework's audio callbacks do. */
    class AudioThread
    {
    public:
        explicit AudioThread (VostrelZR2814AudioProcessor& processorToRun) : p (processorToRun) {}
        ~AudioThread() { stop(); }

        /** Ends the thread after its current block. */
        void stop()
        {
            running = false;

            if (thread.joinable())
                thread.join();
        }

        int blocksProcessed() const noexcept { return blocks; }
        int nonFiniteSamples() const noexcept { return nonFinite; }

    private:
        void run()
        {
            juce::Random random (42);
            juce::AudioBuffer<float> buffer (2, 1024);
            juce::MidiBuffer midi;
            int position = 0;

            while (running)
            {
                // Now and then longer than prepared, so that the buffers grow meanwhile.
                const int n = 1 + random.nextInt (random.nextInt (50) == 0 ? 1024 : 400);
                buffer.setSize (2, n, false, false, true);

                for (int ch = 0; ch < 2; ++ch)
                    for (int i = 0; i < n; ++i)
                        buffer.setSample (ch, i, 0.5f * std::sin (0.03f * (float) ((position + i) * (ch + 1))));

                {
                    const juce::ScopedLock lock (p.getCallbackLock());

                    if (p.isSuspended())
                        buffer.clear();
                    else
                        p.processBlock (buffer, midi);
                }

                for (int ch = 0; ch < 2; ++ch)
                    for (int i = 0; i < n; ++i)
                        if (! std::isfinite (buffer.getSample (ch, i)))
                            ++nonFinite;

                position += n;
                ++blocks;
            }
        }

        VostrelZR2814AudioProcessor& p;
        std::atomic<bool> running { true };
        std::atomic<int> blocks { 0 }, nonFinite { 0 };
        std::thread thread { [this] { run(); } }; // last: starts once the rest exists
    };

    /** Runs changes on this thread while audio runs, at least `count` of them and
        until the audio thread has processed a good number of blocks meanwhile. */
    template <typename Change>
    void whileAudioRuns (VostrelZR2814AudioProcessor& p, int count, Change&& change)
    {
        AudioThread audio (p);

        for (int i = 0; i < count || audio.blocksProcessed() < 200; ++i)
        {
            change (i);

            if (i % 8 == 0)
                std::this_thread::yield();
        }

        audio.stop();
        EXPECT_EQ (audio.nonFiniteSamples(), 0);
    }

    /** Switches the effect on and processes until every crossfade and ramp is over. */
    void settle (VostrelZR2814AudioProcessor& p)
    {
        setParameter (p, paramOnBypass, 1.0f);

        for (int i = 0; i < 8; ++i)
        {
            auto block = sineBlock (2, 1024, rate, i * 1024);
            process (p, block);
        }
    }

    void moveAtRandom (VostrelZR2814AudioProcessor& p, juce::Random& random)
    {
        const int index = random.nextInt (numParameters);

        // The model choice and the power change often, so that switches and
        // crossfades overlap band changes and each other.
        const float value = index == paramEqualizerType ? (float) random.nextInt (3) / 2.0f
                          : index == paramOnBypass      ? (random.nextInt (4) == 0 ? 0.0f : 1.0f)
                                                        : random.nextFloat();
        setParameter (p, index, value);
    }
}

TEST (Threads, ParameterAndModelChangesWhileAudioRuns)
{
    VostrelZR2814AudioProcessor p;
    prepareNeutral (p, rate, 256);
    juce::Random random (7);

    whileAudioRuns (p, 20000, [&] (int) { moveAtRandom (p, random); });

    settle (p);
    EXPECT_TRUE (playsTheParameters (p, rate));
}

TEST (Threads, ProgramChangesAndStateRestoresWhileAudioRuns)
{
    VostrelZR2814AudioProcessor p;
    juce::Random random (11);

    for (auto& slot : p.programs)
    {
        for (auto& side : slot.values)
        {
            for (auto& value : side)
                value = random.nextFloat();

            side[paramEqualizerType] = (float) random.nextInt (3) / 2.0f;
            side[paramOnBypass] = 1.0f;
        }
    }

    prepareNeutral (p, rate, 256);
    juce::MemoryBlock state;
    p.getStateInformation (state);

    whileAudioRuns (p, 3000, [&] (int i)
    {
        if (i % 100 == 99)
            p.setStateInformation (state.getData(), (int) state.getSize());
        else if (i % 10 == 0)
            p.setCurrentProgram (random.nextInt (VostrelZR2814AudioProcessor::numPrograms));
        else
            moveAtRandom (p, random);
    });

    settle (p);
    EXPECT_TRUE (playsTheParameters (p, rate));

    // The live slot side holds what the parameters say (a choice read from the
    // state is stored just below its step).
    const auto& live = p.programs[p.getCurrentProgram()].values[p.getActiveChannel()];

    for (int i = 0; i < numParameters; ++i)
        EXPECT_NEAR (live[i], p.getParameters()[i]->getValue(), 1.0e-5f) << i;
}
