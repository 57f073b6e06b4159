/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

// Host state as a host hands it back: the whole bank, then the current program.

#include "FuzzSupport.h"
#include "PresetXml.h"

extern "C" int LLVMFuzzerTestOneInput (const uint8_t* data, size_t size)
{
    auto& p = vostrel::fuzz::processor();
    const bool refused = PresetXml::parseState (data, (int) size) == nullptr;
    const vostrel::fuzz::SlotsCopy before (p);

    p.setStateInformation (data, (int) size);
    p.setCurrentProgramStateInformation (data, (int) size);

    vostrel::fuzz::require (! refused || vostrel::fuzz::SlotsCopy (p) == before);
    vostrel::fuzz::requireValidSlots (p);
    return 0;
}
