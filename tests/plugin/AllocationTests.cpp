/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

// The audio thread must not allocate once prepared, except to grow for a block
// larger than any before.

#include <gtest/gtest.h>

#include "ProcessorTestHelpers.h"

#include <atomic>
#include <cstdlib>

using namespace vostrel::test;

namespace
{
    std::atomic<bool> counting { false };
    std::atomic<int> allocations { 0 };
}

// Every heap allocation of the program passes through malloc, calloc or realloc,
// which are replaced here by counting versions of glibc's own. The sanitizers
// replace them themselves, so their builds skip these tests.
#if defined (__SANITIZE_ADDRESS__) || defined (__SANITIZE_THREAD__)
 constexpr bool countsAllocations = false;
#else
 constexpr bool countsAllocations = true;

namespace
{
    void count() noexcept
    {
        if (counting.load (std::memory_order_relaxed))
            allocations.fetch_add (1, std::memory_order_relaxed);
    }
}

extern "C"
{
    void* __libc_malloc (size_t);
    void* __libc_calloc (size_t, size_t);
    void* __libc_realloc (void*, size_t);

    void* malloc (size_t size)                 { count(); return __libc_malloc (size); }
    void* calloc (size_t number, size_t size)  { count(); return __libc_calloc (number, size); }
    void* realloc (void* p, size_t size)       { count(); return __libc_realloc (p, size); }
}
#endif

namespace
{
    class Allocation : public ::testing::Test
    {
    protected:
        void SetUp() override
        {
            if (! countsAllocations)
                GTEST_SKIP() << "the sanitizers own the allocator";
        }

        /** Heap allocations made while processing one block. */
        int allocationsDuring (juce::AudioBuffer<float>& block)
        {
            allocations = 0;
            counting = true;
            process (p, block);
            counting = false;
            return allocations;
        }

        VostrelZR2814AudioProcessor p;
    };
}

TEST_F (Allocation, NoneWhileProcessingUnlessABlockGrows)
{
    prepareNeutral (p, 48000.0, 512);
    auto block = sineBlock (2, 512, 48000.0);

    EXPECT_EQ (allocationsDuring (block), 0);

    // Ramps, a model switch and a power crossfade all at once.
    for (int i = paramFreqLevel1; i <= paramLevel; ++i)
        setParameter (p, i, 0.9f);

    setParameter (p, paramEqualizerType, 1.0f);
    EXPECT_EQ (allocationsDuring (block), 0);
    setParameter (p, paramOnBypass, 0.0f);
    EXPECT_EQ (allocationsDuring (block), 0);
    setParameter (p, paramEqualizerType, 0.0f);
    setParameter (p, paramOnBypass, 1.0f);
    EXPECT_EQ (allocationsDuring (block), 0);

    // Shorter blocks reuse what is there; only a longer one grows, once.
    auto shortBlock = sineBlock (2, 100, 48000.0);
    EXPECT_EQ (allocationsDuring (shortBlock), 0);
    auto longBlock = sineBlock (2, 2048, 48000.0);
    setParameter (p, paramEqualizerType, 0.5f);
    EXPECT_GT (allocationsDuring (longBlock), 0);
    EXPECT_EQ (allocationsDuring (longBlock), 0);
    EXPECT_EQ (allocationsDuring (block), 0);
}

TEST_F (Allocation, NoneWhenAModelIdleDuringALongBlockIsSwitchedIn)
{
    prepareNeutral (p, 44100.0, 256);

    // Only "Guitar" runs while the host first uses a long block.
    auto longBlock = sineBlock (2, 4096, 44100.0);
    EXPECT_GT (allocationsDuring (longBlock), 0);

    // Every model and every switch between them, each on long and short blocks,
    // with the power fading on top.
    auto shortBlock = sineBlock (2, 300, 44100.0);

    for (float type : { 0.5f, 1.0f, 0.0f, 1.0f, 0.5f })
    {
        setParameter (p, paramEqualizerType, type);
        setParameter (p, paramOnBypass, type < 0.75f ? 1.0f : 0.0f);
        EXPECT_EQ (allocationsDuring (longBlock), 0) << type;
        EXPECT_EQ (allocationsDuring (shortBlock), 0) << type;
    }
}
