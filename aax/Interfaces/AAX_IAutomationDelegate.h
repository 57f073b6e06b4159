/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#pragma once

#include "AAX.h"

/** The host's automation of parameters, named by identifier. */
class AAX_IAutomationDelegate
{
public:
    virtual ~AAX_IAutomationDelegate() = default;

    virtual AAX_Result RegisterParameter (AAX_CParamID id) = 0;
    virtual AAX_Result UnregisterParameter (AAX_CParamID id) = 0;
    /** Asks the host to set a value; the host answers with an update. */
    virtual AAX_Result PostSetValueRequest (AAX_CParamID id, double normalizedValue) const = 0;
    /** Tells the host the value now held. */
    virtual AAX_Result PostCurrentValue (AAX_CParamID id, double normalizedValue) const = 0;
    virtual AAX_Result PostTouchRequest (AAX_CParamID id) = 0;
    virtual AAX_Result PostReleaseRequest (AAX_CParamID id) = 0;
    virtual AAX_Result GetTouchState (AAX_CParamID id, AAX_CBoolean* touched) = 0;
};
