/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#pragma once

#include "AAX_IDescriptionHost.h"
#include "AAX_IEffectDescriptor.h"

/** The plug-in's whole description: its effects, maker and package. */
class AAX_ICollection
{
public:
    virtual ~AAX_ICollection() = default;

    /** A new effect descriptor owned by the collection. */
    virtual AAX_IEffectDescriptor* NewDescriptor() = 0;
    virtual AAX_Result AddEffect (const char* effectID, AAX_IEffectDescriptor* descriptor) = 0;
    virtual AAX_Result SetManufacturerName (const char* name) = 0;
    virtual AAX_Result AddPackageName (const char* name) = 0;
    virtual AAX_Result SetPackageVersion (uint32_t version) = 0;
    /** A new property map owned by the collection, or null. */
    virtual AAX_IPropertyMap* NewPropertyMap() = 0;
    virtual AAX_Result SetProperties (AAX_IPropertyMap* properties) = 0;
    /** The host's description interface, or null when it has none. */
    virtual AAX_IDescriptionHost* DescriptionHost() = 0;
    virtual const AAX_IDescriptionHost* DescriptionHost() const = 0;
    virtual IACFDefinition* HostDefinition() const = 0;
};

/** Describes the plug-in: defined by the plug-in, called once per registration. */
AAX_Result GetEffectDescriptions (AAX_ICollection* collection);
