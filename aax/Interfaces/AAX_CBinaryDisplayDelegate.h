/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#pragma once

/*  The plug-in has no parameter with a binary display; the framework's client
    includes this header for its own include list only. */
#include "AAX_IDisplayDelegate.h"
