/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#pragma once

#include "AAX_IACFEffectParameters.h"
#include "CACFUnknown.h"

/** The plug-in's data model object: the host's effect-parameters interface on a
    component object, answering the four interface versions. */
class AAX_IEffectParameters : public CACFObject<AAX_IACFEffectParameters_V4,
                                                IID_IAAXEffectParametersV1, IID_IAAXEffectParametersV2,
                                                IID_IAAXEffectParametersV3, IID_IAAXEffectParametersV4>
{
};
