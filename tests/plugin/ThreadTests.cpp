/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

// Parameter moves, model switches, program changes and state restores on one
// thread while another processes audio as a host's callback does. The output
// must stay finite, and once the changes stop the processor must play exactly
// what its parameters say. Host automation delivered on another thread while
// the message thread loads programs, sides, states and presets must end in the
// live slot side and nowhere else. The ThreadSanitizer build runs these too.

#include <gtest/gtest.h>

#include "ProcessorTestHelpers.h"

#include <atomic>
#include <chrono>
#include <limits>
#include <set>
#include <thread>
#include <vector>

using namespace vostrel::test;

void pauseInRaceWindow();

namespace
{
    constexpr double rate = 48000.0;

    /** The thread that pauses in the processor's race windows, if any. */
    std::atomic<std::thread::id> pausingThread {};
}

// This program's processor calls this where a parameter change has read the
// live slot side and not yet written what follows from it. A pause there lets
// a load on another thread land in the window in most rounds instead of rarely.
void pauseInRaceWindow()
{
    if (std::this_thread::get_id() == pausingThread.load())
        std::this_thread::sleep_for (std::chrono::microseconds (50));
}

namespace
{

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

    /** Host automation as a plug-in wrapper delivers it on the audio thread: each
        change set on the parameter and then sent to its listeners, outside the
        callback lock. While let run it moves the bands and the level without pause,
        alternating between the two values of the round it was let run in, and
        now and then sends a value that is not a number. In odd rounds it pauses
        in the processor's race windows. */
    class Automation
    {
    public:
        explicit Automation (VostrelZR2814AudioProcessor& processorToMove) : p (processorToMove) {}

        ~Automation()
        {
            quit = true;
            held = false;
            thread.join();
        }

        /** Lets the thread move parameters with the values of a round; returns once it has begun. */
        void run (int round)
        {
            currentRound = round;
            const int before = steps;
            held = false;

            while (steps == before)
                std::this_thread::yield();
        }

        /** Returns once the thread has finished its last change and stands still. */
        void hold()
        {
            const int request = ++holds;
            held = true;

            while (stillAt != request)
                std::this_thread::yield();
        }

        static constexpr float firstValue = 0.26f;
        static constexpr float valueStep = 1.0e-5f; // the parameters' own step

        /** The values sent in a round, two per round, one step apart. */
        static float valueOf (int round, int parity) { return firstValue + (float) (2 * round + parity) * valueStep; }

        /** The round in which a value was sent, or -1 for a value below them all. */
        static int roundOf (float value)
        {
            const int n = juce::roundToInt ((value - firstValue) / valueStep);
            return n >= 0 ? n / 2 : -1;
        }

    private:
        void work()
        {
            juce::Random random (5);

            while (! quit)
            {
                if (held)
                {
                    stillAt = holds.load();
                    std::this_thread::yield();
                    continue;
                }

                pausingThread = (currentRound & 1) != 0 ? std::this_thread::get_id() : std::thread::id();
                auto* parameter = p.getParameters()[paramFreqLevel1 + random.nextInt (8)];
                const float value = steps % 4 == 3 ? std::numeric_limits<float>::quiet_NaN()
                                                   : valueOf (currentRound, steps & 1);
                parameter->setValue (value);
                parameter->sendValueChangedMessageToListeners (value);
                ++steps;
            }
        }

        VostrelZR2814AudioProcessor& p;
        std::atomic<bool> held { true }, quit { false };
        std::atomic<int> currentRound { 0 }, steps { 0 }, holds { 0 }, stillAt { 0 };
        std::thread thread { [this] { work(); } }; // last: starts once the rest exists
    };

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

TEST (Threads, AutomationRacingLoadsLandsInTheLiveSlotSideOnly)
{
    // Every slot side starts with values of its own, the preset with others, and
    // automation sends values above both that tell their round.
    const auto ownValue = [] (int side, int index) { return 0.001f * (float) (side * numParameters + index + 1); };
    const auto presetValue = [] (int index) { return 0.25f + 0.0001f * (float) index; };
    const auto sideOf = [] (int program, int channel) { return program * numChannels + channel; };
    const auto same = [] (float a, float b) { return std::abs (a - b) <= 1.0e-6f; };

    VostrelZR2814AudioProcessor p;

    for (int program = 0; program < VostrelZR2814AudioProcessor::numPrograms; ++program)
        for (int c = 0; c < numChannels; ++c)
            for (int i = paramFreqLevel1; i <= paramLevel; ++i)
                p.programs[program].values[c][i] = ownValue (sideOf (program, c), i);

    p.setCurrentProgram (0);
    p.prepareToPlay (rate, 64);
    juce::MemoryBlock state;
    p.getStateInformation (state);

    VostrelZR2814AudioProcessor presetSource;

    for (int i = paramFreqLevel1; i <= paramLevel; ++i)
        setParameter (presetSource, i, presetValue (i));

    const auto preset = presetSource.writePreset (true);

    // What a restore of the state leaves in the slots.
    VostrelZR2814AudioProcessor restored;
    restored.setStateInformation (state.getData(), (int) state.getSize());

    // Which sides were live in each round, before or after its load, and which
    // were live while a preset loaded.
    const int rounds = 1000;
    std::vector<std::set<int>> liveInRound ((size_t) rounds);
    std::set<int> liveForAPreset;
    const auto liveSide = [&] { return sideOf (p.getCurrentProgram(), p.getActiveChannel()); };

    Automation automation (p);
    juce::Random random (13);
    int disagreements = 0, strayValues = 0;

    for (int round = 0; round < rounds && disagreements + strayValues < 10; ++round)
    {
        auto& live = liveInRound[(size_t) round];
        live.insert (liveSide());
        automation.run (round);
        const int load = random.nextInt (4);

        switch (load)
        {
            case 0:
                p.setCurrentProgram (random.nextInt (VostrelZR2814AudioProcessor::numPrograms));
                break;

            case 1: // the editor's A/B switch
                p.setLiveSide (1 - p.getActiveChannel());
                break;

            case 2:
                p.setStateInformation (state.getData(), (int) state.getSize());
                break;

            default:
                liveForAPreset.insert (liveSide());
                p.readPreset (preset.get(), true);
                break;
        }

        automation.hold();
        live.insert (liveSide());

        // What is heard is what the session saves.
        const auto& slot = p.programs[p.getCurrentProgram()].values[p.getActiveChannel()];

        for (int i = 0; i < numParameters; ++i)
        {
            if (! same (slot[i], p.getParameters()[i]->getValue()))
            {
                ++disagreements;
                ADD_FAILURE() << "round " << round << ": parameter " << i << " is " << p.getParameters()[i]->getValue()
                              << ", the live slot side holds " << (float) slot[i];
            }
        }

        // Every side holds its own values, the preset's if it was live while the
        // preset loaded, or values sent in a round in which it was live; after a
        // state restore, every side but the live one holds exactly the state's.
        for (int program = 0; program < VostrelZR2814AudioProcessor::numPrograms; ++program)
        {
            for (int c = 0; c < numChannels; ++c)
            {
                const int side = sideOf (program, c);

                if (load == 2 && side != liveSide())
                {
                    for (int i = 0; i < numParameters; ++i)
                    {
                        const float value = p.programs[program].values[c][i];

                        if (value != restored.programs[program].values[c][i])
                        {
                            ++strayValues;
                            ADD_FAILURE() << "round " << round << ": program " << program << " side " << c
                                          << " parameter " << i << " holds " << value << " after a state restore, not "
                                          << (float) restored.programs[program].values[c][i];
                        }
                    }

                    continue;
                }

                for (int i = paramFreqLevel1; i <= paramLevel; ++i)
                {
                    const float value = p.programs[program].values[c][i];
                    const int sent = Automation::roundOf (value);

                    if (same (value, ownValue (side, i))
                        || (same (value, presetValue (i)) && liveForAPreset.count (side) > 0)
                        || (sent >= 0 && sent <= round && liveInRound[(size_t) sent].count (side) > 0))
                        continue;

                    ++strayValues;
                    ADD_FAILURE() << "round " << round << ": program " << program << " side " << c << " parameter " << i
                                  << " holds " << value << ", a value it never had";
                }
            }
        }
    }
}
