/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

// Opening the editor (construction with its settings file and first-run check,
// the first refresh tick and the first paint of the whole window), and one
// refresh tick when nothing has changed. The heap the open editor holds is
// reported as "heap_MB". Every file lives in a temporary folder.

#include <benchmark/benchmark.h>

#include "PluginEditor.h"

#include <malloc.h>

namespace
{
    struct Fixture
    {
        Fixture() { folder.createDirectory(); }
        ~Fixture() { folder.deleteRecursively(); }

        juce::ScopedJuceInitialiser_GUI juce;
        const juce::File folder { juce::File::createTempFile ("vostrel-bench") };
        ScopedLocationRoots roots { folder.getChildFile ("Music"), folder.getChildFile ("opt") };
        VostrelZR2814AudioProcessor processor;
        juce::Image canvas { juce::Image::ARGB, 325, 454, true };
    };
}

static void openEditor (benchmark::State& state)
{
    Fixture f;
    size_t held = 0;

    for (auto _ : state)
    {
        const auto before = mallinfo2().uordblks;
        auto editor = std::make_unique<VostrelZR2814AudioProcessorEditor> (f.processor);
        editor->timerCallback();
        juce::Graphics g (f.canvas);
        editor->paintEntireComponent (g, true);

        state.PauseTiming();
        held = mallinfo2().uordblks - before;
        editor.reset();
        state.ResumeTiming();
    }

    state.counters["heap_MB"] = (double) held / (1024.0 * 1024.0);
}

static void idleTick (benchmark::State& state)
{
    Fixture f;
    VostrelZR2814AudioProcessorEditor editor (f.processor);

    // Past the first tick's preset re-checks, a tick finds nothing to do.
    for (int i = 0; i < 4; ++i)
        editor.timerCallback();

    for (auto _ : state)
        editor.timerCallback();
}

BENCHMARK (openEditor)->Unit (benchmark::kMillisecond);
BENCHMARK (idleTick)->Unit (benchmark::kNanosecond);

BENCHMARK_MAIN();
