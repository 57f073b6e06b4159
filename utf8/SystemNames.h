/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#pragma once

namespace vostrel::utf8
{
    /** An environment value as the C library holds it, byte for byte, or nullptr
        when it is unset. getenv in our binaries reads a value that is not UTF-8,
        and a HOME that is not an absolute path, as unset (SystemNames.cpp); this
        is for code of ours that reads the bytes itself. */
    const char* rawEnvironmentValue (const char* name) noexcept;
}
