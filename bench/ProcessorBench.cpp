/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

// Throughput of the processor's audio path, stereo, 512-sample blocks, in stereo
// frames per second (the "items" of each report): steady state, with every
// coefficient ramp running, and the worst case of a model switch on top of all
// ramps and a running power crossfade.

#include <benchmark/benchmark.h>

#include "PluginProcessor.h"

#include <juce_gui_basics/juce_gui_basics.h>

namespace
{
    constexpr int blockSize = 512;
    constexpr double rate = 48000.0;

    struct Fixture
    {
        Fixture()
        {
            for (int i = paramFreqLevel1; i <= paramLevel; ++i)
                set (i, 0.6f);

            processor.prepareToPlay (rate, blockSize);

            for (int ch = 0; ch < 2; ++ch)
                for (int i = 0; i < blockSize; ++i)
                    block.setSample (ch, i, (float) std::sin (0.01 * i * (ch + 1)) * 0.25f);
        }

        void set (int index, float value)
        {
            processor.getParameters()[index]->setValueNotifyingHost (value);
        }

        void process()
        {
            processor.processBlock (block, midi);
        }

        /** Gives every band and the level a new value, so that all their ramps restart. */
        void moveEveryBand (int iteration)
        {
            for (int i = paramFreqLevel1; i <= paramLevel; ++i)
                set (i, (iteration & 1) != 0 ? 0.2f : 0.8f);
        }

        juce::ScopedJuceInitialiser_GUI juce;
        VostrelZR2814AudioProcessor processor;
        juce::AudioBuffer<float> block { 2, blockSize };
        juce::MidiBuffer midi;
    };

    void report (benchmark::State& state)
    {
        state.SetItemsProcessed ((int64_t) state.iterations() * blockSize);
    }
}

static void steadyState (benchmark::State& state)
{
    Fixture f;

    for (auto _ : state)
        f.process();

    report (state);
}

static void allRampsRunning (benchmark::State& state)
{
    Fixture f;
    int iteration = 0;

    for (auto _ : state)
    {
        f.moveEveryBand (iteration++);
        f.process();
    }

    report (state);
}

static void modelSwitchWithRampsAndPowerFade (benchmark::State& state)
{
    Fixture f;
    int iteration = 0;

    for (auto _ : state)
    {
        // A new model every block restarts the switch; toggling the power keeps its
        // crossfade running near full wet, so every stage runs on every sample.
        f.moveEveryBand (iteration);
        f.set (paramEqualizerType, (float) (iteration % 3) / 2.0f);
        f.set (paramOnBypass, (iteration & 1) != 0 ? 0.0f : 1.0f);
        ++iteration;
        f.process();
    }

    report (state);
}

BENCHMARK (steadyState);
BENCHMARK (allRampsRunning);
BENCHMARK (modelSwitchWithRampsAndPowerFade);

BENCHMARK_MAIN();
