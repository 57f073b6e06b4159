/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#include "AAX_CEffectParameters.h"
#include "AAX_CHostServices.h"
#include "AAX_Exception.h"
#include "AAX_VRuntime.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <exception>
#include <sstream>

namespace
{
    constexpr const char* controlsStateName = "Complete Controls State";

    /** The change counter counts on past the largest value instead of overflowing. */
    int32_t nextCount (int32_t count) noexcept
    {
        return (int32_t) ((uint32_t) count + 1u);
    }

    /** The first value kind a parameter gives. */
    enum class ValueKind { none, floatValue, int32Value, boolValue, doubleValue, stringValue };

    ValueKind kindOf (const AAX_IParameter& parameter)
    {
        float f; int32_t i; bool b; double d; AAX_CString s;

        if (parameter.GetValueAsFloat (&f))  return ValueKind::floatValue;
        if (parameter.GetValueAsInt32 (&i))  return ValueKind::int32Value;
        if (parameter.GetValueAsBool (&b))   return ValueKind::boolValue;
        if (parameter.GetValueAsDouble (&d)) return ValueKind::doubleValue;
        if (parameter.GetValueAsString (&s)) return ValueKind::stringValue;
        return ValueKind::none;
    }

    /** Applies a change to a parameter; -20001 when the identifier names none. */
    template <typename Change>
    AAX_Result changeParameter (AAX_CParameterManager& manager, AAX_CParamID id, Change&& change)
    {
        auto* parameter = manager.GetParameterByID (id);

        if (parameter == nullptr)
            return AAX_ERROR_INVALID_PARAMETER_ID;

        change (*parameter);
        return AAX_SUCCESS;
    }

    void splitLines (const std::string& text, std::vector<std::string>& lines)
    {
        std::istringstream stream (text);

        for (std::string line; std::getline (stream, line);)
            lines.push_back (line);
    }
}

template <typename Operation>
AAX_Result AAX_CEffectParameters::Guarded (const char* operationName, Operation&& operation) const noexcept
{
    const char* what = "unknown";
    std::string text;

    try
    {
        return operation();
    }
    catch (const AAX::Exception::Any& error)  { text = error.What(); what = text.c_str(); }
    catch (const std::exception& error)       { text = error.what(); what = text.c_str(); }
    catch (...) {}

    try
    {
        AAX_CHostServices::Trace (AAX_eTracePriorityHost_Critical, "AAX_CEffectParameters::%s exception caught: %s",
                                  operationName, what);
    }
    catch (...) {}

    return AAX_ERROR_UNKNOWN_EXCEPTION;
}

//==============================================================================
AAX_CEffectParameters::AAX_CEffectParameters() = default;

AAX_CEffectParameters::~AAX_CEffectParameters()
{
    ReleaseHostObjects();
}

void AAX_CEffectParameters::ReleaseHostObjects()
{
    // Parameters unregister from the automation delegate as they go, so they go first.
    mParameterManager.RemoveAllParameters();
    mParameterManager.Initialize (nullptr);
    mPacketDispatcher.Initialize (nullptr, nullptr);

    delete std::exchange (mController, nullptr);
    delete std::exchange (mAutomationDelegate, nullptr);
    delete std::exchange (mTransport, nullptr);
}

AAX_Result AAX_CEffectParameters::Initialize (IACFUnknown* controller)
{
    return Guarded (__func__, [&]
    {
        if (controller == nullptr)
            return (AAX_Result) AAX_ERROR_NULL_ARGUMENT;

        ReleaseHostObjects();
        mController = new AAX_VController (controller);
        mAutomationDelegate = new AAX_VAutomationDelegate (controller);
        mTransport = new AAX_VTransport (controller);

        mParameterManager.Initialize (mAutomationDelegate);
        mPacketDispatcher.Initialize (mController, this);

        if (const auto result = EffectInit(); result != AAX_SUCCESS)
            return result;

        AAX_CString bypassID;

        if (GetMasterBypassParameter (&bypassID) == AAX_SUCCESS && bypassID.Length() > 0)
            FilterParameterIDOnSave (bypassID.Get());

        int32_t count = 0;

        if (GetNumberOfParameters (&count) == AAX_SUCCESS && count > 0)
        {
            mNumChunkedParameters = count - (int32_t) mFilteredParameterIDs.size();

            if (mNumChunkedParameters < 0)
                AAX_REPORT_ASSERT_FAILURE ("mNumChunkedParameters >= 0");
        }

        return (AAX_Result) AAX_SUCCESS;
    });
}

AAX_Result AAX_CEffectParameters::Uninitialize()
{
    return Guarded (__func__, [&]
    {
        ReleaseHostObjects();
        return (AAX_Result) AAX_SUCCESS;
    });
}

AAX_Result AAX_CEffectParameters::NotificationReceived (AAX_CTypeID type, const void* data, uint32_t)
{
    return Guarded (__func__, [&]
    {
        if (type == kAAX_PreviewNotification && data != nullptr)
        {
            if (auto* preview = mParameterManager.GetParameterByID (cPreviewID))
            {
                int32_t firstWord = 0;
                std::memcpy (&firstWord, data, sizeof (firstWord));
                preview->SetValueWithBool (firstWord != 0);
            }
        }

        return (AAX_Result) AAX_SUCCESS;
    });
}

//==============================================================================
AAX_Result AAX_CEffectParameters::GetNumberOfParameters (int32_t* count) const
{
    if (count == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    *count = mParameterManager.NumParameters();
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetMasterBypassParameter (AAX_IString* id) const
{
    if (id == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    return Guarded (__func__, [&]
    {
        id->Set (mParameterManager.GetParameterByID (cDefaultMasterBypassID) != nullptr ? cDefaultMasterBypassID : "");
        return (AAX_Result) AAX_SUCCESS;
    });
}

/*  The parameter queries below share one shape: a null out value gives -20044, an
    unknown identifier -20001, and a parameter that exists is asked. */
#define AAX_PARAMETER_QUERY(out, body)                                        \
    if (out == nullptr)                                                       \
        return AAX_ERROR_NULL_ARGUMENT;                                       \
                                                                              \
    return Guarded (__func__, [&]                                             \
    {                                                                         \
        const auto* parameter = mParameterManager.GetParameterByID (id);      \
                                                                              \
        if (parameter == nullptr)                                             \
            return (AAX_Result) AAX_ERROR_INVALID_PARAMETER_ID;               \
                                                                              \
        body                                                                  \
        return (AAX_Result) AAX_SUCCESS;                                      \
    })

AAX_Result AAX_CEffectParameters::GetParameterIsAutomatable (AAX_CParamID id, AAX_CBoolean* automatable) const
{
    if (automatable != nullptr)
        *automatable = 0;

    AAX_PARAMETER_QUERY (automatable, *automatable = parameter->Automatable() ? 1 : 0;);
}

AAX_Result AAX_CEffectParameters::GetParameterNumberOfSteps (AAX_CParamID id, int32_t* steps) const
{
    AAX_PARAMETER_QUERY (steps,
        const auto count = (int32_t) parameter->GetNumberOfSteps();

        if (count < 0)
            return (AAX_Result) AAX_ERROR_SIGNED_INT_OVERFLOW;

        *steps = count;);
}

AAX_Result AAX_CEffectParameters::GetParameterName (AAX_CParamID id, AAX_IString* name) const
{
    if (name == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    return Guarded (__func__, [&]
    {
        const auto* parameter = mParameterManager.GetParameterByID (id);
        name->Set (parameter != nullptr ? parameter->Name().Get() : "");
        return (AAX_Result) AAX_SUCCESS;
    });
}

AAX_Result AAX_CEffectParameters::GetParameterNameOfLength (AAX_CParamID id, AAX_IString* name, int32_t length) const
{
    if (name == nullptr)
        return AAX_ERROR_INVALID_STRING_CONVERSION;

    return Guarded (__func__, [&]
    {
        const auto* parameter = mParameterManager.GetParameterByID (id);

        if (parameter == nullptr)
        {
            name->Set ("");
            return (AAX_Result) AAX_SUCCESS;
        }

        const std::string shortened = parameter->ShortenedName (length).Get();

        if (shortened.empty())
            return (AAX_Result) AAX_SUCCESS;

        std::vector<std::string> lines;
        splitLines (shortened.substr (0, 255), lines);

        const std::string* best = nullptr;

        for (auto& line : lines)
            if ((int64_t) line.size() <= length && (best == nullptr || line.size() > best->size()))
                best = &line;

        if (best != nullptr)
            name->Set (best->c_str());
        else
            name->Set (length < 1 ? "" : shortened.substr (0, (size_t) length).c_str());

        return (AAX_Result) AAX_SUCCESS;
    });
}

AAX_Result AAX_CEffectParameters::GetParameterDefaultNormalizedValue (AAX_CParamID id, double* value) const
{
    AAX_PARAMETER_QUERY (value, *value = parameter->GetNormalizedDefaultValue(););
}

AAX_Result AAX_CEffectParameters::SetParameterDefaultNormalizedValue (AAX_CParamID id, double value)
{
    return Guarded (__func__, [&]
    {
        return changeParameter (mParameterManager, id, [&] (AAX_IParameter& parameter) { parameter.SetNormalizedDefaultValue (value); });
    });
}

AAX_Result AAX_CEffectParameters::GetParameterType (AAX_CParamID id, AAX_EParameterType* type) const
{
    AAX_PARAMETER_QUERY (type, *type = parameter->GetType(););
}

AAX_Result AAX_CEffectParameters::GetParameterOrientation (AAX_CParamID id, int32_t* orientation) const
{
    AAX_PARAMETER_QUERY (orientation, *orientation = parameter->GetOrientation(););
}

AAX_Result AAX_CEffectParameters::GetParameter (AAX_CParamID id, AAX_IParameter** parameter)
{
    if (parameter == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    *parameter = mParameterManager.GetParameterByID (id);
    return *parameter != nullptr ? AAX_SUCCESS : AAX_ERROR_INVALID_PARAMETER_ID;
}

AAX_Result AAX_CEffectParameters::GetParameterIndex (AAX_CParamID id, int32_t* index) const
{
    if (index == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    *index = mParameterManager.GetParameterIndex (id);
    return *index >= 0 ? AAX_SUCCESS : AAX_ERROR_INVALID_PARAMETER_ID;
}

AAX_Result AAX_CEffectParameters::GetParameterIDFromIndex (int32_t index, AAX_IString* id) const
{
    if (id == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    return Guarded (__func__, [&]
    {
        const auto* parameter = mParameterManager.GetParameter (index);
        id->Set (parameter != nullptr ? parameter->Identifier() : "");
        return (AAX_Result) (parameter != nullptr ? AAX_SUCCESS : AAX_ERROR_INVALID_PARAMETER_ID);
    });
}

AAX_Result AAX_CEffectParameters::GetParameterValueInfo (AAX_CParamID id, int32_t, int32_t* value) const
{
    AAX_PARAMETER_QUERY (value, *value = 0; return (AAX_Result) AAX_ERROR_UNIMPLEMENTED;);
}

AAX_Result AAX_CEffectParameters::GetParameterValueFromString (AAX_CParamID id, double* value, const AAX_IString& text) const
{
    AAX_PARAMETER_QUERY (value,
        if (! parameter->GetNormalizedValueFromString (AAX_CString (text), value))
            return (AAX_Result) AAX_ERROR_INVALID_STRING_CONVERSION;);
}

AAX_Result AAX_CEffectParameters::GetParameterStringFromValue (AAX_CParamID id, double value, AAX_IString* text,
                                                               int32_t maxLength) const
{
    AAX_PARAMETER_QUERY (text,
        AAX_CString shown;
        const bool ok = parameter->GetStringFromNormalizedValue (value, maxLength, shown);
        text->Set (shown.Get());

        if (! ok)
            return (AAX_Result) AAX_ERROR_INVALID_STRING_CONVERSION;);
}

AAX_Result AAX_CEffectParameters::GetParameterValueString (AAX_CParamID id, AAX_IString* text, int32_t maxLength) const
{
    AAX_PARAMETER_QUERY (text,
        AAX_CString shown;
        parameter->GetValueString (maxLength, &shown);
        text->Set (shown.Get()););
}

AAX_Result AAX_CEffectParameters::GetParameterNormalizedValue (AAX_CParamID id, double* value) const
{
    AAX_PARAMETER_QUERY (value, *value = parameter->GetNormalizedValue(););
}

#undef AAX_PARAMETER_QUERY

AAX_Result AAX_CEffectParameters::SetParameterNormalizedValue (AAX_CParamID id, double value)
{
    return Guarded (__func__, [&]
    {
        return changeParameter (mParameterManager, id, [&] (AAX_IParameter& parameter) { parameter.SetNormalizedValue (value); });
    });
}

AAX_Result AAX_CEffectParameters::SetParameterNormalizedRelative (AAX_CParamID id, double delta)
{
    return Guarded (__func__, [&]
    {
        double target = 0.0;
        const auto result = RelativeTarget (id, delta, target);
        return result != AAX_SUCCESS ? result : SetParameterNormalizedValue (id, target);
    });
}

AAX_Result AAX_CEffectParameters::RelativeTarget (AAX_CParamID id, double delta, double& target) const
{
    double current = 0.0;

    if (const auto result = GetParameterNormalizedValue (id, &current); result != AAX_SUCCESS)
        return result;

    if (! std::isfinite (delta) || ! std::isfinite (current))
        return AAX_ERROR_INVALID_ARGUMENT;

    target = std::clamp (current + delta, 0.0, 1.0);
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::TouchParameter (AAX_CParamID id)
{
    return Guarded (__func__, [&]
    {
        return changeParameter (mParameterManager, id, [&] (AAX_IParameter& parameter) { parameter.Touch(); });
    });
}

AAX_Result AAX_CEffectParameters::ReleaseParameter (AAX_CParamID id)
{
    return Guarded (__func__, [&]
    {
        return changeParameter (mParameterManager, id, [&] (AAX_IParameter& parameter) { parameter.Release(); });
    });
}

AAX_Result AAX_CEffectParameters::UpdateParameterTouch (AAX_CParamID, AAX_CBoolean)
{
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::UpdateParameterNormalizedValue (AAX_CParamID id, double value, AAX_EUpdateSource)
{
    return Guarded (__func__, [&]
    {
        auto* parameter = mParameterManager.GetParameterByID (id);

        if (parameter == nullptr)
            return (AAX_Result) AAX_ERROR_INVALID_PARAMETER_ID;

        if (! std::isfinite (value))
            return (AAX_Result) AAX_ERROR_INVALID_ARGUMENT;

        const auto before = parameter->GetNormalizedValue();
        parameter->UpdateNormalizedValue (std::clamp (value, 0.0, 1.0));
        const auto result = mPacketDispatcher.SetDirty (id, true);

        if (parameter->GetNormalizedValue() != before)
            mNumPlugInChanges = nextCount (mNumPlugInChanges);

        return result;
    });
}

AAX_Result AAX_CEffectParameters::UpdateParameterNormalizedRelative (AAX_CParamID id, double delta)
{
    return Guarded (__func__, [&]
    {
        double target = 0.0;
        const auto result = RelativeTarget (id, delta, target);
        return result != AAX_SUCCESS ? result : UpdateParameterNormalizedValue (id, target, AAX_eUpdateSource_Unspecified);
    });
}

AAX_Result AAX_CEffectParameters::GenerateCoefficients()
{
    return Guarded (__func__, [&] { return mPacketDispatcher.Dispatch(); });
}

AAX_Result AAX_CEffectParameters::ResetFieldData (AAX_CFieldIndex, void* data, uint32_t size) const
{
    if (data == nullptr && size > 0)
        return AAX_ERROR_NULL_ARGUMENT;

    if (size > 0)
        std::memset (data, 0, size);

    return AAX_SUCCESS;
}

//==============================================================================
AAX_Result AAX_CEffectParameters::GetNumberOfChunks (int32_t* count) const
{
    if (count == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    *count = 1;
    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::GetChunkIDFromIndex (int32_t index, AAX_CTypeID* chunkID) const
{
    if (chunkID == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    *chunkID = index == 0 ? kAAX_ControlsStateChunkID : 0;
    return index == 0 ? AAX_SUCCESS : AAX_ERROR_INVALID_CHUNK_INDEX;
}

void AAX_CEffectParameters::BuildChunkData() const
{
    mChunkParser.Clear();

    int32_t count = 0;

    if (GetNumberOfParameters (&count) != AAX_SUCCESS || count < 1)
        return;

    for (int32_t index = 0; index < count; ++index)
    {
        const auto* parameter = mParameterManager.GetParameter (index);

        if (parameter == nullptr)
        {
            AAX_REPORT_ASSERT_FAILURE ("NULL != parameter");
            continue;
        }

        const auto* id = parameter->Identifier();

        if (mFilteredParameterIDs.count (id) != 0)
            continue;

        float f = 0; int32_t i = 0; bool b = false; double d = 0; AAX_CString s;

        if (parameter->GetValueAsFloat (&f))        mChunkParser.AddDouble (id, (double) f);
        else if (parameter->GetValueAsInt32 (&i))   mChunkParser.AddInt32 (id, i);
        else if (parameter->GetValueAsBool (&b))    mChunkParser.AddInt32 (id, b ? 1 : 0);
        else if (parameter->GetValueAsDouble (&d))  mChunkParser.AddDouble (id, d);
        else if (parameter->GetValueAsString (&s))  mChunkParser.AddString (id, s);
    }
}

AAX_Result AAX_CEffectParameters::GetChunkSize (AAX_CTypeID chunkID, uint32_t* size) const
{
    if (size == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    if (chunkID != kAAX_ControlsStateChunkID)
    {
        *size = 0;
        return AAX_ERROR_INVALID_CHUNK_ID;
    }

    return Guarded (__func__, [&]
    {
        const AAX_StLock_Guard guard (mChunkLock);
        BuildChunkData();
        const auto dataSize = mChunkParser.GetChunkDataSize();
        mChunkSize = (uint32_t) dataSize;

        if (dataSize < 0)
            return (AAX_Result) AAX_ERROR_INCORRECT_CHUNK_SIZE;

        *size = (uint32_t) dataSize;
        return (AAX_Result) AAX_SUCCESS;
    });
}

AAX_Result AAX_CEffectParameters::GetChunk (AAX_CTypeID chunkID, AAX_SPlugInChunk* chunk) const
{
    if (chunk == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    if (chunkID != kAAX_ControlsStateChunkID)
        return AAX_ERROR_INVALID_CHUNK_ID;

    return Guarded (__func__, [&]
    {
        const AAX_StLock_Guard guard (mChunkLock);
        BuildChunkData();
        const auto dataSize = mChunkParser.GetChunkDataSize();

        if (dataSize <= 0 || (uint32_t) dataSize != mChunkSize)
            return (AAX_Result) AAX_ERROR_INCORRECT_CHUNK_SIZE;

        chunk->fVersion = mChunkParser.GetChunkVersion();
        std::memset (chunk->fName, 0, sizeof (chunk->fName));
        std::strncpy (reinterpret_cast<char*> (chunk->fName), controlsStateName, sizeof (chunk->fName) - 1);
        return mChunkParser.GetChunkData (chunk);
    });
}

AAX_Result AAX_CEffectParameters::SetChunk (AAX_CTypeID chunkID, const AAX_SPlugInChunk* chunk)
{
    if (chunk == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    if (chunkID != kAAX_ControlsStateChunkID)
        return AAX_ERROR_INVALID_CHUNK_ID;

    return Guarded (__func__, [&]
    {
        const AAX_StLock_Guard guard (mChunkLock);
        const bool wellFormed = mChunkParser.LoadChunk (chunk);

        int32_t count = 0;
        GetNumberOfParameters (&count);

        // What could be read is applied even from a damaged chunk; the host still
        // learns that the chunk was damaged.
        for (int32_t index = 0; index < count; ++index)
        {
            auto* parameter = mParameterManager.GetParameter (index);

            if (parameter == nullptr || mFilteredParameterIDs.count (parameter->Identifier()) != 0)
                continue;

            const auto* id = parameter->Identifier();
            double d = 0; int32_t i = 0; AAX_CString s;

            switch (kindOf (*parameter))
            {
                case ValueKind::floatValue:  if (mChunkParser.FindDouble (id, &d) && std::isfinite (d)) parameter->SetValueWithFloat ((float) d); break;
                case ValueKind::int32Value:  if (mChunkParser.FindInt32 (id, &i)) parameter->SetValueWithInt32 (i); break;
                case ValueKind::boolValue:   if (mChunkParser.FindInt32 (id, &i)) parameter->SetValueWithBool (i != 0); break;
                case ValueKind::doubleValue: if (mChunkParser.FindDouble (id, &d) && std::isfinite (d)) parameter->SetValueWithDouble (d); break;
                case ValueKind::stringValue: if (mChunkParser.FindString (id, &s)) parameter->SetValueWithString (s); break;
                case ValueKind::none:        break;
            }
        }

        return (AAX_Result) (wellFormed ? AAX_SUCCESS : AAX_ERROR_MALFORMED_CHUNK);
    });
}

AAX_Result AAX_CEffectParameters::CompareActiveChunk (const AAX_SPlugInChunk* chunk, AAX_CBoolean* isEqual) const
{
    if (chunk == nullptr || isEqual == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    if (chunk->fChunkID != kAAX_ControlsStateChunkID)
    {
        *isEqual = 1;
        return AAX_SUCCESS;
    }

    return Guarded (__func__, [&]
    {
        const AAX_StLock_Guard guard (mChunkLock);
        *isEqual = 0;
        mChunkParser.LoadChunk (chunk);

        int32_t count = 0;

        if (GetNumberOfParameters (&count) != AAX_SUCCESS || count < 1)
        {
            *isEqual = 1;
            return (AAX_Result) AAX_SUCCESS;
        }

        for (int32_t index = 0; index < count; ++index)
        {
            const auto* parameter = mParameterManager.GetParameter (index);

            if (parameter == nullptr)
            {
                AAX_REPORT_ASSERT_FAILURE ("NULL != parameter");
                continue;
            }

            const auto* id = parameter->Identifier();

            if (mFilteredParameterIDs.count (id) != 0)
                continue;

            double stored = 0, currentDouble = 0; float currentFloat = 0;
            int32_t storedInt = 0, currentInt = 0; bool currentBool = false;
            AAX_CString storedText, currentText;
            bool equal = true;

            switch (kindOf (*parameter))
            {
                case ValueKind::floatValue:
                    equal = mChunkParser.FindDouble (id, &stored) && parameter->GetValueAsFloat (&currentFloat)
                         && (float) stored == currentFloat;
                    break;
                case ValueKind::int32Value:
                    equal = mChunkParser.FindInt32 (id, &storedInt) && parameter->GetValueAsInt32 (&currentInt)
                         && storedInt == currentInt;
                    break;
                case ValueKind::boolValue:
                    equal = mChunkParser.FindInt32 (id, &storedInt) && parameter->GetValueAsBool (&currentBool)
                         && (storedInt != 0) == currentBool;
                    break;
                case ValueKind::doubleValue:
                    equal = mChunkParser.FindDouble (id, &stored) && parameter->GetValueAsDouble (&currentDouble)
                         && (float) stored == (float) currentDouble;
                    break;
                case ValueKind::stringValue:
                    equal = mChunkParser.FindString (id, &storedText) && parameter->GetValueAsString (&currentText)
                         && storedText == currentText;
                    break;
                case ValueKind::none:
                    break;
            }

            if (! equal)
                return (AAX_Result) AAX_SUCCESS;
        }

        *isEqual = 1;
        return (AAX_Result) AAX_SUCCESS;
    });
}

AAX_Result AAX_CEffectParameters::GetNumberOfChanges (int32_t* count) const
{
    if (count == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    *count = mNumPlugInChanges;
    return AAX_SUCCESS;
}

//==============================================================================
AAX_Result AAX_CEffectParameters::TimerWakeup()                                              { return AAX_SUCCESS; }
AAX_Result AAX_CEffectParameters::GetCurveData (AAX_CTypeID, const float*, uint32_t, float*) const { return AAX_ERROR_UNIMPLEMENTED; }

AAX_Result AAX_CEffectParameters::GetCustomData (AAX_CTypeID, uint32_t, void*, uint32_t* written) const
{
    if (written != nullptr)
        *written = 0;

    return AAX_SUCCESS;
}

AAX_Result AAX_CEffectParameters::SetCustomData (AAX_CTypeID, uint32_t, const void*)           { return AAX_SUCCESS; }
AAX_Result AAX_CEffectParameters::DoMIDITransfers()                                            { return AAX_SUCCESS; }
AAX_Result AAX_CEffectParameters::RenderAudio_Hybrid (AAX_SHybridRenderInfo*)                   { return AAX_ERROR_UNIMPLEMENTED; }
AAX_Result AAX_CEffectParameters::UpdateMIDINodes (AAX_CFieldIndex, AAX_CMidiPacket&)           { return AAX_SUCCESS; }
AAX_Result AAX_CEffectParameters::UpdateControlMIDINodes (AAX_CTypeID, AAX_CMidiPacket&)        { return AAX_SUCCESS; }
AAX_Result AAX_CEffectParameters::GetCurveDataMeterIds (AAX_CTypeID, uint32_t*, uint32_t*) const { return AAX_ERROR_UNIMPLEMENTED; }

AAX_Result AAX_CEffectParameters::GetCurveDataDisplayRange (AAX_CTypeID, float*, float*, float*, float*) const
{
    return AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_CEffectParameters::UpdatePageTable (uint32_t tableType, int32_t tablePageSize, IACFUnknown*,
                                                   IACFUnknown* pageTable)
{
    return Guarded (__func__, [&]
    {
        AAX_VPageTable table (pageTable);
        return table.IsValid() ? UpdatePageTable (tableType, tablePageSize, table) : (AAX_Result) AAX_SUCCESS;
    });
}

AAX_Result AAX_CEffectParameters::EffectInit()                                                 { return AAX_SUCCESS; }
AAX_Result AAX_CEffectParameters::UpdatePageTable (uint32_t, int32_t, AAX_IPageTable&)          { return AAX_ERROR_UNIMPLEMENTED; }

void AAX_CEffectParameters::FilterParameterIDOnSave (AAX_CParamID id)
{
    if (id != nullptr)
        mFilteredParameterIDs.insert (id);
}
