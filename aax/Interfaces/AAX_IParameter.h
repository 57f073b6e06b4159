/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#pragma once

#include "AAX_CString.h"
#include "AAX_Enums.h"
#include "AAX_IDisplayDelegate.h"
#include "AAX_ITaperDelegate.h"

class AAX_IAutomationDelegate;

/** A parameter's identifier and value, detached from the parameter. */
class AAX_IParameterValue
{
public:
    virtual ~AAX_IParameterValue() = default;

    virtual AAX_IParameterValue* Clone() const = 0;
    virtual AAX_CParamID Identifier() const = 0;
    virtual bool GetValueAsBool (bool* value) const = 0;
    virtual bool GetValueAsInt32 (int32_t* value) const = 0;
    virtual bool GetValueAsFloat (float* value) const = 0;
    virtual bool GetValueAsDouble (double* value) const = 0;
    virtual bool GetValueAsString (AAX_IString* value) const = 0;
};

/** A parameter as the host sees it: identifier, names, a normalized value from 0
    to 1 and conversions to its real value and text. The value kinds a parameter
    does not hold are refused with false. */
class AAX_IParameter
{
public:
    virtual ~AAX_IParameter() = default;

    virtual AAX_IParameterValue* CloneValue() const = 0;
    virtual AAX_CParamID Identifier() const = 0;
    virtual void SetName (const AAX_CString& name) = 0;
    virtual const AAX_CString& Name() const = 0;
    virtual void AddShortenedName (const AAX_CString& name) = 0;
    /** The full name if it fits, else the longest shortened name that fits, else
        the shortest one. */
    virtual AAX_CString ShortenedName (int32_t maxLength) const = 0;
    virtual void ClearShortenedNames() = 0;
    virtual bool Automatable() const = 0;
    virtual void SetAutomationDelegate (AAX_IAutomationDelegate* delegate) = 0;
    virtual void Touch() = 0;
    virtual void Release() = 0;
    virtual void SetNormalizedValue (double normalizedValue) = 0;
    virtual double GetNormalizedValue() const = 0;
    virtual void SetNormalizedDefaultValue (double normalizedValue) = 0;
    virtual double GetNormalizedDefaultValue() const = 0;
    virtual void SetToDefaultValue() = 0;
    virtual void SetNumberOfSteps (uint32_t steps) = 0;
    virtual uint32_t GetNumberOfSteps() const = 0;
    virtual uint32_t GetStepValue() const = 0;
    virtual double GetNormalizedValueFromStep (uint32_t step) const = 0;
    virtual uint32_t GetStepValueFromNormalizedValue (double normalizedValue) const = 0;
    virtual void SetStepValue (uint32_t step) = 0;
    virtual bool GetValueString (AAX_CString* text) const = 0;
    virtual bool GetValueString (int32_t maxChars, AAX_CString* text) const = 0;
    virtual bool GetNormalizedValueFromBool (bool value, double* normalizedValue) const = 0;
    virtual bool GetNormalizedValueFromInt32 (int32_t value, double* normalizedValue) const = 0;
    virtual bool GetNormalizedValueFromFloat (float value, double* normalizedValue) const = 0;
    virtual bool GetNormalizedValueFromDouble (double value, double* normalizedValue) const = 0;
    virtual bool GetNormalizedValueFromString (const AAX_CString& text, double* normalizedValue) const = 0;
    virtual bool GetBoolFromNormalizedValue (double normalizedValue, bool* value) const = 0;
    virtual bool GetInt32FromNormalizedValue (double normalizedValue, int32_t* value) const = 0;
    virtual bool GetFloatFromNormalizedValue (double normalizedValue, float* value) const = 0;
    virtual bool GetDoubleFromNormalizedValue (double normalizedValue, double* value) const = 0;
    virtual bool GetStringFromNormalizedValue (double normalizedValue, AAX_CString& text) const = 0;
    virtual bool GetStringFromNormalizedValue (double normalizedValue, int32_t maxChars, AAX_CString& text) const = 0;
    virtual bool SetValueFromString (const AAX_CString& text) = 0;
    virtual bool GetValueAsBool (bool* value) const = 0;
    virtual bool GetValueAsInt32 (int32_t* value) const = 0;
    virtual bool GetValueAsFloat (float* value) const = 0;
    virtual bool GetValueAsDouble (double* value) const = 0;
    virtual bool GetValueAsString (AAX_IString* value) const = 0;
    virtual bool SetValueWithBool (bool value) = 0;
    virtual bool SetValueWithInt32 (int32_t value) = 0;
    virtual bool SetValueWithFloat (float value) = 0;
    virtual bool SetValueWithDouble (double value) = 0;
    virtual bool SetValueWithString (const AAX_IString& value) = 0;
    virtual void SetType (AAX_EParameterType type) = 0;
    virtual AAX_EParameterType GetType() const = 0;
    virtual void SetOrientation (int32_t orientation) = 0;
    virtual int32_t GetOrientation() const = 0;
    virtual void SetTaperDelegate (AAX_ITaperDelegateBase& taper, bool preserveValue = true) = 0;
    virtual void SetDisplayDelegate (AAX_IDisplayDelegateBase& display) = 0;
    /** The host's answer to a set-value request, and every direct update. */
    virtual void UpdateNormalizedValue (double normalizedValue) = 0;
};
