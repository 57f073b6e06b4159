/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#pragma once

#include "AAX_IParameter.h"

#include <map>
#include <string>
#include <vector>

/** The parameters of one instance in insertion order, found by index or identifier.
    Owns the parameters it accepted. */
class AAX_CParameterManager
{
public:
    AAX_CParameterManager() = default;
    ~AAX_CParameterManager();

    AAX_CParameterManager (const AAX_CParameterManager&) = delete;
    AAX_CParameterManager& operator= (const AAX_CParameterManager&) = delete;

    /** The delegate handed to parameters added from now on (null to stop). */
    void Initialize (AAX_IAutomationDelegate* delegate);
    /** Takes a parameter; null and a repeated identifier are refused and stay the
        caller's. */
    void AddParameter (AAX_IParameter* parameter);
    /** Deletes every parameter. */
    void RemoveAllParameters();

    AAX_IParameter* GetParameterByID (AAX_CParamID id);
    const AAX_IParameter* GetParameterByID (AAX_CParamID id) const;
    /** The position in insertion order, or -1. */
    int32_t GetParameterIndex (AAX_CParamID id) const;
    AAX_IParameter* GetParameter (int32_t index);
    const AAX_IParameter* GetParameter (int32_t index) const;
    int32_t NumParameters() const;

private:
    AAX_IAutomationDelegate* mAutomationDelegate = nullptr;
    std::vector<AAX_IParameter*> mParameters;
    std::map<std::string, AAX_IParameter*> mParametersByID;
};
