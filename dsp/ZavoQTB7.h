/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#pragma once

#include "SevenBandModel.h"

/** The "Wide" model: peaks at 50, 120, 400, 500, 800 and 4500 Hz, shelf at 10 kHz. */
class ZavoQTB7 : public SevenBandModel
{
public:
    ZavoQTB7();
};
