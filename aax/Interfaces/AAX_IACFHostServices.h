/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#pragma once

#include "AAX.h"

/** The host's diagnostics service. */
class IAAXHostServicesV1 : public IACFUnknown
{
public:
    /** Slot 3 is the host's own; the plug-in never calls it. */
    virtual AAX_Result Reserved3() = 0;
    /** Records a finished message; the text is data, never a format. */
    virtual AAX_Result Trace (int32_t priority, const char* message) = 0;                    // 4
};

class IAAXHostServicesV2 : public IAAXHostServicesV1
{
public:
    virtual AAX_Result StackTrace (int32_t tracePriority, int32_t stackTracePriority,
                                   const char* message) = 0;                                 // 5
};

class IAAXHostServicesV3 : public IAAXHostServicesV2
{
public:
    virtual AAX_Result HandleAssertFailure (const char* file, int32_t line, const char* note,
                                            int32_t flags) = 0;                              // 6
};
