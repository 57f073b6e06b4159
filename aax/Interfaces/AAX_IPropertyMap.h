/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#pragma once

#include "AAX_Enums.h"

/** A property map: numbered integer and pointer properties of a descriptor. */
class AAX_IPropertyMap
{
public:
    virtual ~AAX_IPropertyMap() = default;

    /** True and the value when the property is set. */
    virtual AAX_CBoolean GetProperty (AAX_EProperty property, AAX_CPropertyValue* value) const = 0;
    virtual AAX_CBoolean GetPointerProperty (AAX_EProperty property, const void** value) const = 0;
    virtual AAX_Result AddProperty (AAX_EProperty property, AAX_CPropertyValue value) = 0;
    virtual AAX_Result AddPointerProperty (AAX_EProperty property, const void* value) = 0;
    /** The text form: stores the pointer to the text. */
    virtual AAX_Result AddPointerProperty (AAX_EProperty property, const char* value) = 0;
    virtual AAX_Result RemoveProperty (AAX_EProperty property) = 0;
    virtual AAX_Result AddPropertyWithIDArray (AAX_EProperty property, const AAX_SPlugInIdentifierTriad* ids,
                                               uint32_t count) = 0;
    virtual AAX_CBoolean GetPropertyWithIDArray (AAX_EProperty property, const AAX_SPlugInIdentifierTriad** ids,
                                                 uint32_t* count) const = 0;
    /** The host object behind the map, or null. */
    virtual IACFUnknown* GetIUnknown() const = 0;
};
