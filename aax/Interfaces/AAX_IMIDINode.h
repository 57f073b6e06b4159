/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#pragma once

/*  Nothing of the host's MIDI nodes is used: the plug-in takes and makes no MIDI. */
#include "AAX.h"
