/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#pragma once

#include "FuzzTarget.h"
#include "PluginProcessor.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace vostrel::fuzz
{
    /** One prepared processor for the whole run: building one per input would
        cost more than the reading under test. */
    inline VostrelZR2814AudioProcessor& processor()
    {
        struct PreparedProcessor : VostrelZR2814AudioProcessor
        {
            PreparedProcessor() { prepareToPlay (48000.0, 512); }
        };

        static PreparedProcessor instance;
        return instance;
    }

    /** What any input may do to the processor: every slot stays a valid one. */
    inline void requireValidSlots (VostrelZR2814AudioProcessor& p)
    {
        require (p.getCurrentProgram() >= 0 && p.getCurrentProgram() < VostrelZR2814AudioProcessor::numPrograms);

        for (auto& slot : p.programs)
        {
            require (slot.activeChannel == channelA || slot.activeChannel == channelB);

            for (auto& side : slot.values)
                for (float v : side)
                    require (v >= 0.0f && v <= 1.0f);
        }

        for (auto* parameter : p.getParameters())
            require (std::isfinite (parameter->getValue()));
    }

    /** The slots and the current program, to check that a refused input changed
        nothing. */
    struct SlotsCopy
    {
        explicit SlotsCopy (const VostrelZR2814AudioProcessor& p) : currentProgram (p.currentProgram)
        {
            std::copy (std::begin (p.programs), std::end (p.programs), std::begin (programs));
        }

        bool operator== (const SlotsCopy& other) const
        {
            for (int i = 0; i < VostrelZR2814AudioProcessor::numPrograms; ++i)
            {
                const auto& a = programs[i];
                const auto& b = other.programs[i];

                if (a.activeChannel != b.activeChannel || std::memcmp (a.values, b.values, sizeof (a.values)) != 0
                    || a.presetPath[0] != b.presetPath[0] || a.presetPath[1] != b.presetPath[1])
                    return false;
            }

            return currentProgram == other.currentProgram;
        }

        ProgramSlot programs[VostrelZR2814AudioProcessor::numPrograms];
        int currentProgram;
    };
}
