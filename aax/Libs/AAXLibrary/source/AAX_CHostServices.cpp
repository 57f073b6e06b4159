/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#include "AAX_CHostServices.h"
#include "AAX_UIDs.h"

#include <cstdarg>
#include <cstdio>

namespace
{
    AAX_VHostServices* sHostServices = nullptr;

    /** The result of a trace whose format could not be expanded; it has no name. */
    constexpr AAX_Result traceFormatError = -20051;
}

ACFPtr<IACFComponentFactory> ACFFactoryOf (IACFUnknown* host)
{
    ACFPtr<IACFComponentFactory> factory;
    void* answer = nullptr;

    if (host == nullptr || host->QueryInterface (IID_IACFComponentFactory, &answer) < 0)
        return factory;

    if (answer == nullptr)
        throw ACF_E_POINTER;

    factory.reset (static_cast<IACFComponentFactory*> (answer));
    return factory;
}

//==============================================================================
AAX_VHostServices::AAX_VHostServices (IACFUnknown* host)
{
    if (auto factory = ACFFactoryOf (host))
    {
        mV1 = ACFCreate<IAAXHostServicesV1> (factory.get(), AAXCompID_HostServices, IID_IAAXHostServicesV1);
        mV2 = ACFCreate<IAAXHostServicesV2> (factory.get(), AAXCompID_HostServices, IID_IAAXHostServicesV2);
        mV3 = ACFCreate<IAAXHostServicesV3> (factory.get(), AAXCompID_HostServices, IID_IAAXHostServicesV3);
    }
}

AAX_Result AAX_VHostServices::HandleAssertFailure (const char* file, int32_t line, const char* note, int32_t flags) const
{
    return mV3 ? mV3->HandleAssertFailure (file, line, note, flags) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VHostServices::Trace (int32_t priority, const char* message) const
{
    return mV1 ? mV1->Trace (priority, message) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VHostServices::StackTrace (int32_t tracePriority, int32_t stackTracePriority, const char* message) const
{
    return mV2 ? mV2->StackTrace (tracePriority, stackTracePriority, message) : AAX_ERROR_UNIMPLEMENTED;
}

//==============================================================================
void AAX_CHostServices::Set (IACFUnknown* host)
{
    if (host != nullptr && sHostServices == nullptr)
        sHostServices = new AAX_VHostServices (host);
    else if (host == nullptr && sHostServices != nullptr)
        delete std::exchange (sHostServices, nullptr);
}

AAX_VHostServices* AAX_CHostServices::Get() noexcept
{
    return sHostServices;
}

AAX_Result AAX_CHostServices::Trace (int32_t priority, const char* format, ...)
{
    if (sHostServices == nullptr)
        return AAX_SUCCESS;

    char message[512];
    va_list args;
    va_start (args, format);
    const auto length = std::vsnprintf (message, sizeof (message), format, args);
    va_end (args);

    if (length < 0)
        return traceFormatError;

    return sHostServices->Trace (priority, message);
}

AAX_Result AAX_CHostServices::HandleAssertFailure (const char* file, int32_t line, const char* note, int32_t flags)
{
    return sHostServices != nullptr ? sHostServices->HandleAssertFailure (file, line, note, flags) : AAX_SUCCESS;
}
