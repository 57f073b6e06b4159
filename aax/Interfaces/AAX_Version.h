/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#pragma once

/** The interface version the library reports to the host: 2.4 in the upper half,
    the revision in the lower half. */
#define AAX_SDK_VERSION 0x0204
#define AAX_SDK_CURRENT_REVISION 0x013449E0
#define AAX_SDK_VERSION_CODE 0x00000204013449E0ull

/*  Clients compare revisions against named ones to select features. These
    headers implement one revision only, which covers the 2.3.0 feature set. */
#define AAX_SDK_2p3p0_REVISION AAX_SDK_CURRENT_REVISION
