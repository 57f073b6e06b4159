/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#pragma once

#include <cstddef>

namespace vostrel::utf8
{
    /** True when the bytes are well-formed UTF-8 without NUL: shortest forms only,
        no surrogates, nothing above U+10FFFF. */
    bool isValid (const char* text, std::size_t numBytes) noexcept;
}
