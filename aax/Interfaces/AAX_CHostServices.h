/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#pragma once

#include "AAX_Enums.h"
#include "AAX_Errors.h"
#include "AAX_IACFHostServices.h"
#include "ACF/ACFPtr.h"

/** The wrapper of the host's diagnostics service. */
class AAX_VHostServices
{
public:
    /** Makes the host's service objects through its factory; empty for a null host. */
    explicit AAX_VHostServices (IACFUnknown* host);
    virtual ~AAX_VHostServices() = default;

    AAX_VHostServices (const AAX_VHostServices&) = delete;
    AAX_VHostServices& operator= (const AAX_VHostServices&) = delete;

    virtual AAX_Result HandleAssertFailure (const char* file, int32_t line, const char* note, int32_t flags) const;
    /** Hands a finished message to the host. */
    virtual AAX_Result Trace (int32_t priority, const char* message) const;
    virtual AAX_Result StackTrace (int32_t tracePriority, int32_t stackTracePriority, const char* message) const;

private:
    ACFPtr<IAAXHostServicesV1> mV1;
    ACFPtr<IAAXHostServicesV2> mV2;
    ACFPtr<IAAXHostServicesV3> mV3;
};

/** Where every trace and assertion report of the library goes: the host's
    service, installed at start-up and removed at shut-down; silent otherwise. */
class AAX_CHostServices
{
public:
    /** Installs a service for a host object (keeping one already installed), or
        removes it for null. */
    static void Set (IACFUnknown* host);
    /** The installed service, or null. */
    static AAX_VHostServices* Get() noexcept;

    /** Formats a message of at most 511 bytes and traces it; 0 when no service is
        installed, -20051 when the format fails. Texts that are data belong in the
        arguments, never in the format. */
    static AAX_Result Trace (int32_t priority, const char* format, ...) __attribute__ ((format (printf, 2, 3)));
    static AAX_Result HandleAssertFailure (const char* file, int32_t line, const char* note, int32_t flags);
};

/** Reports a failed check with its source location; the caller goes on. */
#define AAX_REPORT_ASSERT_FAILURE(conditionText) \
    AAX_CHostServices::HandleAssertFailure (__FILE__, __LINE__, conditionText, 1)
