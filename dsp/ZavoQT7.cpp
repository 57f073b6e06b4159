/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#include "ZavoQT7.h"

namespace
{
    const SevenBandModelTable modelTable {
        "ZavoQT7",
        { 100.0f, 200.0f, 400.0f, 800.0f, 1600.0f, 3200.0f, 6400.0f },
        { "OnBypass", "FreqLevel100", "FreqLevel200", "FreqLevel400", "FreqLevel800",
          "FreqLevel1.6k", "FreqLevel3.2k", "FreqLevel6.4k", "Level" }
    };
}

ZavoQT7::ZavoQT7() : SevenBandModel (modelTable) {}
