/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#pragma once

#include "AAX_IACFEffectGUI.h"
#include "CACFUnknown.h"

/** The plug-in's editor object: the host's GUI interface on a component object. */
class AAX_IEffectGUI : public CACFObject<AAX_IACFEffectGUI, IID_IAAXEffectGUIV1>
{
};
