/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#pragma once

#include "AAX_IPropertyMap.h"

/** What the host says about one of its features. */
class AAX_IFeatureInfo
{
public:
    virtual ~AAX_IFeatureInfo() = default;

    virtual AAX_Result SupportLevel (AAX_ESupportLevel& level) const = 0;
    /** The feature's details, owned by the caller, or null. */
    virtual const AAX_IPropertyMap* AcquireProperties() const = 0;
    virtual const AAX_Feature_UID& ID() const = 0;
};
