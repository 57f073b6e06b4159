/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#pragma once

#include "AAX_IParameter.h"

#include <map>
#include <memory>

/** Longest identifier a parameter keeps, with its terminating NUL. */
enum { eParemeterDefaultMaxIdentifierSize = 32 };

/** A parameter's identifier and value of type T. Only float values are given. */
template <typename T>
class AAX_CParameterValue : public AAX_IParameterValue
{
public:
    /** Keeps at most the first 31 characters of the identifier. */
    AAX_CParameterValue (AAX_CParamID identifier, T value);

    AAX_CParameterValue* Clone() const override;
    AAX_CParamID Identifier() const override { return mIdentifier; }
    bool GetValueAsBool (bool*) const override          { return false; }
    bool GetValueAsInt32 (int32_t*) const override      { return false; }
    bool GetValueAsFloat (float* value) const override;
    bool GetValueAsDouble (double*) const override      { return false; }
    bool GetValueAsString (AAX_IString*) const override { return false; }

    const T& Get() const noexcept { return mValue; }
    void Set (T newValue) noexcept { mValue = newValue; }

private:
    char mIdentifier[eParemeterDefaultMaxIdentifierSize] = {};
    T mValue;
};

/** A full name with shortened forms, at most one per length. */
struct AAX_CStringAbbreviations
{
    AAX_CString mName;
    std::map<uint32_t, AAX_CString> mShortenedNames;
};

/** A host-visible parameter of value type T, with its own copies of a taper and a
    display delegate. With an automation delegate a value is only requested from
    the host and changes when the host answers through UpdateNormalizedValue;
    without one it changes at once. Non-finite values are refused everywhere: the
    value and what is posted to the host stay finite. */
template <typename T>
class AAX_CParameter : public AAX_IParameter
{
public:
    AAX_CParameter (AAX_CParamID identifier, const AAX_CString& name, T defaultValue,
                    const AAX_ITaperDelegate<T>& taper, const AAX_IDisplayDelegate<T>& display,
                    bool automatable = false);
    /** Unregisters from the automation delegate first. */
    ~AAX_CParameter() override;

    AAX_IParameterValue* CloneValue() const override;
    AAX_CParamID Identifier() const override;
    void SetName (const AAX_CString& name) override;
    const AAX_CString& Name() const override;
    void AddShortenedName (const AAX_CString& name) override;
    AAX_CString ShortenedName (int32_t maxLength) const override;
    void ClearShortenedNames() override;
    bool Automatable() const override;
    void SetAutomationDelegate (AAX_IAutomationDelegate* delegate) override;
    void Touch() override;
    void Release() override;
    void SetNormalizedValue (double normalizedValue) override;
    double GetNormalizedValue() const override;
    void SetNormalizedDefaultValue (double normalizedValue) override;
    double GetNormalizedDefaultValue() const override;
    void SetToDefaultValue() override;
    /** 0 is refused with an assertion report. */
    void SetNumberOfSteps (uint32_t steps) override;
    uint32_t GetNumberOfSteps() const override;
    uint32_t GetStepValue() const override;
    double GetNormalizedValueFromStep (uint32_t step) const override;
    uint32_t GetStepValueFromNormalizedValue (double normalizedValue) const override;
    void SetStepValue (uint32_t step) override;
    bool GetValueString (AAX_CString* text) const override;
    bool GetValueString (int32_t maxChars, AAX_CString* text) const override;
    bool GetNormalizedValueFromBool (bool, double*) const override     { return false; }
    bool GetNormalizedValueFromInt32 (int32_t, double*) const override { return false; }
    bool GetNormalizedValueFromFloat (float value, double* normalizedValue) const override;
    bool GetNormalizedValueFromDouble (double, double*) const override { return false; }
    bool GetNormalizedValueFromString (const AAX_CString& text, double* normalizedValue) const override;
    bool GetBoolFromNormalizedValue (double, bool*) const override     { return false; }
    bool GetInt32FromNormalizedValue (double, int32_t*) const override { return false; }
    bool GetFloatFromNormalizedValue (double normalizedValue, float* value) const override;
    bool GetDoubleFromNormalizedValue (double, double*) const override { return false; }
    bool GetStringFromNormalizedValue (double normalizedValue, AAX_CString& text) const override;
    bool GetStringFromNormalizedValue (double normalizedValue, int32_t maxChars, AAX_CString& text) const override;
    bool SetValueFromString (const AAX_CString& text) override;
    bool GetValueAsBool (bool*) const override     { return false; }
    bool GetValueAsInt32 (int32_t*) const override { return false; }
    bool GetValueAsFloat (float* value) const override;
    bool GetValueAsDouble (double*) const override { return false; }
    bool GetValueAsString (AAX_IString* value) const override;
    bool SetValueWithBool (bool) override     { return false; }
    bool SetValueWithInt32 (int32_t) override { return false; }
    bool SetValueWithFloat (float value) override;
    bool SetValueWithDouble (double) override { return false; }
    bool SetValueWithString (const AAX_IString& value) override;
    void SetType (AAX_EParameterType type) override;
    AAX_EParameterType GetType() const override;
    void SetOrientation (int32_t orientation) override;
    int32_t GetOrientation() const override;
    void SetTaperDelegate (AAX_ITaperDelegateBase& taper, bool preserveValue = true) override;
    void SetDisplayDelegate (AAX_IDisplayDelegateBase& display) override;
    void UpdateNormalizedValue (double normalizedValue) override;

private:
    /** Requests a normalized value from the host, or takes it at once without one. */
    void SetNormalizedTarget (double normalizedValue);

    AAX_CStringAbbreviations mNames;
    bool mAutomatable;
    uint32_t mNumSteps = 0;
    AAX_EParameterType mType = AAX_eParameterType_Continuous;
    int32_t mOrientation = 0;
    std::unique_ptr<AAX_ITaperDelegate<T>> mTaperDelegate;
    std::unique_ptr<AAX_IDisplayDelegate<T>> mDisplayDelegate;
    AAX_IAutomationDelegate* mAutomationDelegate = nullptr;
    bool mNeedNotify = true;
    AAX_CParameterValue<T> mValue;
    T mDefaultValue;
};

extern template class AAX_CParameterValue<float>;
extern template class AAX_CParameter<float>;
