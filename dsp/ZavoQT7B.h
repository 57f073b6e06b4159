/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#pragma once

#include "SevenBandModel.h"

/** The "Bass" model: peaks at 62.5 Hz to 2 kHz in octaves, shelf at 4 kHz.
    (Band 1 is named "62" although it sits at 62.5 Hz.) */
class ZavoQT7B : public SevenBandModel
{
public:
    ZavoQT7B();
};
