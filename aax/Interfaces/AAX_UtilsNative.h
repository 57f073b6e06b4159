/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#pragma once

/*  Native helpers: the stem-format macros live in AAX.h. */
#include "AAX.h"
