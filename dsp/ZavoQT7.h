/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#pragma once

#include "SevenBandModel.h"

/** The "Guitar" model: peaks at 100 Hz to 3.2 kHz in octaves, shelf at 6.4 kHz. */
class ZavoQT7 : public SevenBandModel
{
public:
    ZavoQT7();
};
