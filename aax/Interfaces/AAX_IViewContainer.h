/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#pragma once

#include "AAX.h"

/** The host's view for the editor. */
class AAX_IViewContainer
{
public:
    virtual ~AAX_IViewContainer() = default;

    /** An AAX_EViewContainer_Type, 0 when unknown. */
    virtual int32_t GetType() = 0;
    /** The host's native parent view, or null. */
    virtual void* GetPtr() = 0;
    virtual AAX_Result GetModifiers (uint32_t* modifiers) = 0;
    /** Asks the host to resize the view. */
    virtual AAX_Result SetViewSize (AAX_Point& size) = 0;
    virtual AAX_Result HandleParameterMouseDown (AAX_CParamID id, uint32_t modifiers) = 0;
    virtual AAX_Result HandleParameterMouseDrag (AAX_CParamID id, uint32_t modifiers) = 0;
    virtual AAX_Result HandleParameterMouseUp (AAX_CParamID id, uint32_t modifiers) = 0;
    virtual AAX_Result HandleMultipleParametersMouseDown (const AAX_CParamID* ids, uint32_t count,
                                                          uint32_t modifiers) = 0;
    virtual AAX_Result HandleMultipleParametersMouseDrag (const AAX_CParamID* ids, uint32_t count,
                                                          uint32_t modifiers) = 0;
    virtual AAX_Result HandleMultipleParametersMouseUp (const AAX_CParamID* ids, uint32_t count,
                                                        uint32_t modifiers) = 0;
};
