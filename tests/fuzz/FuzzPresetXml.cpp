/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

// A file's bytes read as the preset menu reads a preset file, then taken by the
// preset reader: into the live program (VOSTREL_FUZZ_SINGLE_PRESET 1) or, as a
// bank, into the twelve slots.

#include "FuzzSupport.h"
#include "PresetXml.h"

extern "C" int LLVMFuzzerTestOneInput (const uint8_t* data, size_t size)
{
    auto& p = vostrel::fuzz::processor();
    const auto xml = PresetXml::parseFileData (data, size);
    const int result = p.readPreset (xml.get(), VOSTREL_FUZZ_SINGLE_PRESET != 0);

    vostrel::fuzz::require (xml != nullptr || result == presetInvalid);
    vostrel::fuzz::requireValidSlots (p);
    return 0;
}
