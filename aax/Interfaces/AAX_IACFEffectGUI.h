/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#pragma once

#include "AAX_Enums.h"
#include "AAX_IString.h"

/** The plug-in's editor object as the host sees it; the slot comments count from
    0 with QueryInterface, AddRef and Release. */
class AAX_IACFEffectGUI : public IACFUnknown
{
public:
    virtual AAX_Result Initialize (IACFUnknown* host) = 0;                                             // 3
    virtual AAX_Result Uninitialize() = 0;                                                             // 4
    virtual AAX_Result NotificationReceived (AAX_CTypeID type, const void* data, uint32_t size) = 0;  // 5
    virtual AAX_Result SetViewContainer (IACFUnknown* viewContainer) = 0;                              // 6
    virtual AAX_Result GetViewSize (AAX_Point* size) const = 0;                                        // 7
    virtual AAX_Result Draw (AAX_Rect* area) = 0;                                                      // 8
    virtual AAX_Result TimerWakeup() = 0;                                                              // 9
    virtual AAX_Result ParameterUpdated (AAX_CParamID id) = 0;                                         // 10
    virtual AAX_Result GetCustomLabel (AAX_EPlugInStrings kind, AAX_IString* label) const = 0;         // 11
    virtual AAX_Result SetControlHighlightInfo (AAX_CParamID id, AAX_CBoolean highlighted,
                                                AAX_EHighlightColor colour) = 0;                       // 12
};
