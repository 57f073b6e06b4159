/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

// The built AAX binary with its chunk operations and parameter updates on the
// host's main thread while another thread renders audio, as an AAX host runs
// them. The ThreadSanitizer build runs this too.

#include "AAXHostSupport.h"

#include <atomic>
#include <cmath>
#include <thread>

using namespace vostrel::aaxhost;
using namespace vostrel::aaxhost::test;

TEST (AAXHostThreads, ChunksAndParameterUpdatesWhileAudioRuns)
{
    LoadedPlugIn plugIn;
    ASSERT_NE (plugIn.effect, nullptr);

    // Two saved states to restore, each with both chunks.
    Instance source (plugIn);
    source.effect->SetParameterNormalizedValue ("Vzr7_000200", 0.9);
    source.effect->SetParameterNormalizedValue ("Vzr7_000010", 1.0);
    const auto controls = getChunk (*source.effect, elck);
    const auto state = getChunk (*source.effect, juceChunk);

    Instance instance (plugIn);
    Renderer renderer (plugIn, instance);
    std::atomic<bool> running { true };
    std::atomic<int> blocks { 0 }, nonFinite { 0 };

    std::thread audio ([&]
    {
        for (int offset = 0; running; offset += 256)
        {
            for (const auto& channel : renderer.render (256, offset))
                for (float sample : channel)
                    if (! std::isfinite (sample))
                        ++nonFinite;

            ++blocks;
        }
    });

    const char* const ids[] = { "Vzr7_000000", "Vzr7_000010", "Vzr7_000100", "Vzr7_000300",
                                "Vzr7_000500", "Vzr7_000700", "Vzr7_001000" };

    for (int i = 0; i < 600 || blocks < 100; ++i)
    {
        AAX_CBoolean equal = 0;
        uint32_t size = 0;

        switch (i % 6)
        {
            case 0:  instance.effect->SetChunk (elck, asChunk (controls)); break;
            case 1:  instance.effect->SetChunk (juceChunk, asChunk (state)); break;
            case 2:  instance.effect->GetChunkSize (juceChunk, &size); getChunk (*instance.effect, elck); break;
            case 3:  instance.effect->CompareActiveChunk (asChunk (controls), &equal); break;
            default: instance.effect->SetParameterNormalizedValue (ids[i % 7], (double) (i % 11) / 10.0); break;
        }

        if (i % 8 == 0)
            std::this_thread::yield();
    }

    running = false;
    audio.join();
    EXPECT_EQ (nonFinite, 0);

    // Nothing was torn on the way: a restore still gives back the saved state.
    EXPECT_EQ (instance.effect->SetChunk (juceChunk, asChunk (state)), 0);
    EXPECT_EQ (getChunk (*instance.effect, juceChunk), state);
}
