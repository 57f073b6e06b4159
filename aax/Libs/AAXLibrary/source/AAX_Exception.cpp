/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#include "AAX_Exception.h"
#include "AAX_CHostServices.h"

#include <cinttypes>
#include <cstdio>

namespace
{
    // Ordered from -20046 up to -20001.
    const char* const resultNames[] =
    {
        "AAX_ERROR_ARGUMENT_BUFFER_OVERFLOW", "AAX_ERROR_INVALID_INTERNAL_DATA", "AAX_ERROR_NULL_ARGUMENT",
        "AAX_ERROR_INVALID_ARGUMENT", "AAX_ERROR_UNKNOWN_EXCEPTION", "AAX_ERROR_UNKNOWN_ID",
        "AAX_ERROR_INVALID_PATH", "AAX_ERROR_PROPERTY_UNDEFINED", "AAX_ERROR_UNKNOWN_PLUGIN",
        "AAX_ERROR_EMPTY_EFFECT_NAME", "AAX_ERROR_DUPLICATE_TYPE_ID", "AAX_ERROR_DUPLICATE_EFFECT_ID",
        "AAX_ERROR_NO_COMPONENTS", "AAX_ERROR_SIGNED_INT_OVERFLOW", "AAX_ERROR_INVALID_VIEW_SIZE",
        "AAX_ERROR_NOTIFICATION_FAILED", "AAX_ERROR_PLUGIN_NULL_PARAMETER", "AAX_ERROR_PLUGIN_NOT_AUTHORIZED",
        "AAX_RESULT_NEW_PACKET_POSTED", "AAX_ERROR_TOD_BEHIND", "AAX_ERROR_MALFORMED_CHUNK",
        "AAX_ERROR_INVALID_FIELD_INDEX", "AAX_ERROR_MIXER_THREAD_FALLING_BEHIND",
        "AAX_RESULT_ADD_FIELD_UNSUPPORTED_FIELD_TYPE", "AAX_RESULT_PACKET_STREAM_NOT_EMPTY",
        "AAX_ERROR_POST_PACKET_FAILED", "AAX_ERROR_INITIALIZING_PACKET_STREAM_THREAD", "AAX_ERROR_FIFO_FULL",
        "AAX_ERROR_DIRECT_ACCESS_OUT_OF_BOUNDS", "AAX_ERROR_FIELD_TYPE_DOES_NOT_SUPPORT_DIRECT_ACCESS",
        "AAX_ERROR_PORT_ID_OUT_OF_RANGE", "AAX_ERROR_NULL_COMPONENT", "AAX_ERROR_CONTEXT_ALREADY_HAS_METERS",
        "AAX_ERROR_INVALID_METER_TYPE", "AAX_ERROR_ACF_ERROR", "AAX_ERROR_NOT_INITIALIZED",
        "AAX_ERROR_INVALID_PARAMETER_INDEX", "AAX_ERROR_UNIMPLEMENTED", "AAX_ERROR_INCORRECT_CHUNK_SIZE",
        "AAX_ERROR_INVALID_CHUNK_ID", "AAX_ERROR_INVALID_CHUNK_INDEX", "AAX_ERROR_OLDER_VERSION",
        "AAX_ERROR_NULL_OBJECT", "AAX_ERROR_INVALID_METER_INDEX", "AAX_ERROR_INVALID_STRING_CONVERSION",
        "AAX_ERROR_INVALID_PARAMETER_ID"
    };

    static_assert (sizeof (resultNames) / sizeof (resultNames[0]) == 46, "one name per code");
}

std::string AAX::AsStringResult (AAX_Result code)
{
    if (code >= AAX_ERROR_ARGUMENT_BUFFER_OVERFLOW && code <= AAX_ERROR_INVALID_PARAMETER_ID)
        return resultNames[code - AAX_ERROR_ARGUMENT_BUFFER_OVERFLOW];

    if (code == AAX_SUCCESS)
        return "AAX_SUCCESS";

    if (code >= AAX_ERROR_PLUGIN_BEGIN && code <= AAX_ERROR_PLUGIN_END)
        return "plug-in defined error";

    return "<unknown error code>";
}

AAX::Exception::Any::Any (const std::string& description, const std::string& function, const std::string& line)
    : mDescription (description), mFunction (function), mLine (line),
      mWhat (CreateWhat (description, function, line))
{
}

std::string AAX::Exception::Any::CreateWhat (const std::string& description, const std::string& function,
                                             const std::string& line)
{
    auto what = description;

    if (! function.empty())
        what += " func:" + function;

    if (! line.empty())
        what += " line:" + line;

    return what;
}

AAX::Exception::ResultError::ResultError (AAX_Result code)
    : Any (FormatResult (code)), mResult (code)
{
}

std::string AAX::Exception::ResultError::FormatResult (AAX_Result code)
{
    char number[32];
    std::snprintf (number, sizeof (number), " (%" PRId64 ")", (int64_t) code);
    return AsStringResult (code) + number;
}

//==============================================================================
AAX_CheckedResult::AAX_CheckedResult() = default;

AAX_CheckedResult::AAX_CheckedResult (AAX_Result code) : mCurResult (code)
{
    Check();
}

AAX_CheckedResult& AAX_CheckedResult::operator= (AAX_Result code)
{
    mCurResult = code;
    Check();
    return *this;
}

void AAX_CheckedResult::Check()
{
    if (mAcceptedResults.count (mCurResult) != 0)
        return;

    const AAX::Exception::ResultError error (mCurResult);
    mLastError = mCurResult;
    mCurResult = AAX_SUCCESS;
    AAX_CHostServices::Trace (AAX_eTracePriorityHost_Normal, "AAX_CheckedResult - throwing %s", error.What().c_str());
    throw error;
}

void AAX_CheckedResult::ResetAcceptedResults()
{
    mAcceptedResults = { AAX_SUCCESS };
}

void AAX_CheckedResult::AddAcceptedResult (AAX_Result code)
{
    mAcceptedResults.insert (code);
}
