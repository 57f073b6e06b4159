/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#include "Utf8.h"

namespace vostrel::utf8
{
    bool isValid (const char* text, std::size_t numBytes) noexcept
    {
        const auto* q = reinterpret_cast<const unsigned char*> (text);
        const auto* const end = q + numBytes;

        while (q < end)
        {
            const auto c = *q++;

            if (c == 0)
                return false;

            if (c < 0x80)
                continue;

            int extra;
            unsigned char low = 0x80, high = 0xbf;

            if (c >= 0xc2 && c <= 0xdf)       extra = 1;
            else if (c == 0xe0)               { extra = 2; low = 0xa0; }
            else if (c == 0xed)               { extra = 2; high = 0x9f; }
            else if (c >= 0xe1 && c <= 0xef)  extra = 2;
            else if (c == 0xf0)               { extra = 3; low = 0x90; }
            else if (c == 0xf4)               { extra = 3; high = 0x8f; }
            else if (c >= 0xf1 && c <= 0xf3)  extra = 3;
            else                              return false;

            if (end - q < extra || *q < low || *q > high)
                return false;

            for (int i = 1; i < extra; ++i)
                if ((q[i] & 0xc0) != 0x80)
                    return false;

            q += extra;
        }

        return true;
    }
}
