/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#include "Utf8.h"

#include <gtest/gtest.h>

#include <string>

TEST (Utf8, AcceptsWellFormedTextOnly)
{
    struct Case { std::string bytes; bool valid; };

    const Case cases[] = {
        { "Warm Guitar Tone", true },
        { "caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80", true },        // é, €, an emoji
        { "\xc2\x80 \xdf\xbf \xe0\xa0\x80 \xf0\x90\x80\x80", true },   // the shortest forms of 2, 3 and 4 bytes
        { "\xef\xbf\xbf \xf4\x8f\xbf\xbf", true },                     // U+FFFF, U+10FFFF
        { "caf\xe9", false },                                          // a Latin-1 é at the end
        { "\xe0 la carte", false },                                    // a lead byte before a space
        { "\x80", false },                                             // a lone continuation byte
        { "\xc0\x80", false },                                         // NUL, overlong
        { "\xc1\xbf", false },                                         // U+007F, overlong
        { "\xe0\x9f\xbf", false },                                     // U+07FF, overlong
        { "\xf0\x8f\xbf\xbf", false },                                 // U+FFFF, overlong
        { "\xed\xa0\x80", false },                                     // a surrogate
        { "\xf4\x90\x80\x80", false },                                 // past U+10FFFF
        { "\xf8\x88\x80\x80\x80", false },                             // a five-byte form
        { "\xe2\x28\xac", false },                                     // a missing continuation
        { std::string ("a\0b", 3), false },                            // NUL
    };

    for (const auto& c : cases)
        EXPECT_EQ (c.valid, vostrel::utf8::isValid (c.bytes.data(), c.bytes.size())) << testing::PrintToString (c.bytes);
}
