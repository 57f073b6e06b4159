/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>

/** libFuzzer's entry point: runs one input; each target defines it. */
extern "C" int LLVMFuzzerTestOneInput (const uint8_t* data, size_t size);

namespace vostrel::fuzz
{
    /** Stops the run (so that libFuzzer keeps the input) unless the condition holds. */
    inline void require (bool condition)
    {
        if (! condition)
            std::abort();
    }
}
