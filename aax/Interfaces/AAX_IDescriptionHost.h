/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#pragma once

#include "AAX_IFeatureInfo.h"

/** The host's answers about itself while the plug-in describes itself. */
class AAX_IDescriptionHost
{
public:
    virtual ~AAX_IDescriptionHost() = default;

    /** Information on a host feature, owned by the caller, or null. */
    virtual const AAX_IFeatureInfo* AcquireFeatureProperties (const AAX_Feature_UID& feature) const = 0;
};
