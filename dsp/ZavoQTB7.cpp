/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#include "ZavoQTB7.h"

namespace
{
    const SevenBandModelTable modelTable {
        "ZavoQTB7",
        { 50.0f, 120.0f, 400.0f, 500.0f, 800.0f, 4500.0f, 10000.0f },
        { "OnBypass", "FreqLevel50", "FreqLevel120", "FreqLevel400", "FreqLevel500",
          "FreqLevel800", "FreqLevel4.5k", "FreqLevel10k", "Level" }
    };
}

ZavoQTB7::ZavoQTB7() : SevenBandModel (modelTable) {}
