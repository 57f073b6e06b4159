/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#include "AAX_Init.h"
#include "AAX_CHostServices.h"
#include "AAX_Exception.h"
#include "AAX_VDescription.h"
#include "AAX_Version.h"
#include "CACFUnknown.h"

#include <exception>
#include <memory>

namespace
{
    constexpr const char* registrationFailure = "AAXRegisterPlugin exception caught: %s";

    AAX_Result describe (IACFUnknown* host, IACFPluginDefinition** out)
    {
        // The collection wrapper lives only for this pass: the host keeps the
        // definition it hands out.
        auto collection = std::make_unique<AAX_VCollection> (host);
        AAX_CheckedResult result (GetEffectDescriptions (collection.get()));

        void* definition = nullptr;
        auto* collectionObject = collection->GetIUnknown();

        if (collectionObject == nullptr
             || collectionObject->QueryInterface (IID_IACFPluginDefinition, &definition) < 0
             || definition == nullptr)
            result = AAX_ERROR_NULL_OBJECT;

        *out = static_cast<IACFPluginDefinition*> (definition);
        return AAX_SUCCESS;
    }
}

AAX_Result AAXRegisterPlugin (IACFUnknown* host, IACFPluginDefinition** out)
{
    if (out == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    try
    {
        return describe (host, out);
    }
    catch (const AAX::Exception::ResultError& error)
    {
        AAX_CHostServices::Trace (AAX_eTracePriorityHost_Critical, registrationFailure, error.What().c_str());
        return error.Result();
    }
    catch (const AAX::Exception::Any& error)
    {
        AAX_CHostServices::Trace (AAX_eTracePriorityHost_Critical, registrationFailure, error.What().c_str());
    }
    catch (const std::exception& error)
    {
        AAX_CHostServices::Trace (AAX_eTracePriorityHost_Critical, registrationFailure, error.what());
    }
    catch (...)
    {
        AAX_CHostServices::Trace (AAX_eTracePriorityHost_Critical, registrationFailure, "unknown");
    }

    return AAX_ERROR_UNKNOWN_EXCEPTION;
}

AAX_Result AAXRegisterComponent (IACFUnknown*, uint32_t, IACFComponentDefinition** out)
{
    if (out == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    *out = nullptr;
    return AAX_SUCCESS;
}

AAX_Result AAXGetClassFactory (IACFUnknown*, const acfCLSID&, const acfIID&, void** out)
{
    if (out == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    *out = nullptr;
    return AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAXCanUnloadNow (IACFUnknown*)
{
    return CACFUnknown::GetActiveObjectCount();
}

AAX_Result AAXStartup (IACFUnknown* host)
{
    AAX_CHostServices::Set (host);
    return AAX_SUCCESS;
}

AAX_Result AAXShutdown (IACFUnknown*)
{
    AAX_CHostServices::Set (nullptr);
    return AAX_SUCCESS;
}

AAX_Result AAXGetSDKVersion (uint64_t* version)
{
    if (version == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    *version = AAX_SDK_VERSION_CODE;
    return AAX_SUCCESS;
}
