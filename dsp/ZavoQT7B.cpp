/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#include "ZavoQT7B.h"

namespace
{
    const SevenBandModelTable modelTable {
        "ZavoQT7B",
        { 62.5f, 125.0f, 250.0f, 500.0f, 1000.0f, 2000.0f, 4000.0f },
        { "OnBypass", "FreqLevel62", "FreqLevel125", "FreqLevel250", "FreqLevel500",
          "FreqLevel1k", "FreqLevel2k", "FreqLevel4k", "Level" }
    };
}

ZavoQT7B::ZavoQT7B() : SevenBandModel (modelTable) {}
