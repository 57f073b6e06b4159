/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#include "AAX_CParameter.h"
#include "AAX_CParameterManager.h"
#include "AAX_CHostServices.h"
#include "AAX_CLinearTaperDelegate.h"
#include "AAX_CNumberDisplayDelegate.h"
#include "AAX_IAutomationDelegate.h"

#include <algorithm>
#include <cmath>
#include <cstring>

//==============================================================================
template <typename T, int32_t RealPrecision>
AAX_CLinearTaperDelegate<T, RealPrecision>* AAX_CLinearTaperDelegate<T, RealPrecision>::Clone() const
{
    return new AAX_CLinearTaperDelegate (*this);
}

template <typename T, int32_t RealPrecision>
T AAX_CLinearTaperDelegate<T, RealPrecision>::ConstrainRealValue (T value) const
{
    if (mMinValue == mMaxValue)
        return mMinValue;

    const auto high = std::max (mMinValue, mMaxValue);
    const auto low = std::min (mMinValue, mMaxValue);
    return value > high ? high : (value < low ? low : value);
}

template <typename T, int32_t RealPrecision>
T AAX_CLinearTaperDelegate<T, RealPrecision>::NormalizedToReal (double normalizedValue) const
{
    const auto real = (double) mMinValue + normalizedValue * ((double) mMaxValue - (double) mMinValue);
    return ConstrainRealValue ((T) real);
}

template <typename T, int32_t RealPrecision>
double AAX_CLinearTaperDelegate<T, RealPrecision>::RealToNormalized (T realValue) const
{
    if (mMinValue == mMaxValue)
        return 0.5;

    return ((double) ConstrainRealValue (realValue) - (double) mMinValue) / ((double) mMaxValue - (double) mMinValue);
}

template class AAX_CLinearTaperDelegate<float, 0>;

//==============================================================================
template <typename T, int32_t Precision, int32_t SpaceAfter>
AAX_CNumberDisplayDelegate<T, Precision, SpaceAfter>* AAX_CNumberDisplayDelegate<T, Precision, SpaceAfter>::Clone() const
{
    return new AAX_CNumberDisplayDelegate (*this);
}

template <typename T, int32_t Precision, int32_t SpaceAfter>
bool AAX_CNumberDisplayDelegate<T, Precision, SpaceAfter>::ValueToString (T value, AAX_CString* text) const
{
    if (text == nullptr)
        return false;

    text->Clear();
    text->AppendNumber ((double) value, Precision);
    return true;
}

template <typename T, int32_t Precision, int32_t SpaceAfter>
bool AAX_CNumberDisplayDelegate<T, Precision, SpaceAfter>::ValueToString (T value, int32_t maxChars, AAX_CString* text) const
{
    if (! ValueToString (value, text))
        return false;

    const auto limit = (uint32_t) std::max (0, maxChars);

    if (text->Length() > limit)
        text->Erase (limit, text->Length() - limit);

    if (maxChars >= 1 && text->Length() == limit && (*text)[limit - 1] == '.')
        text->Erase (limit - 1, 1);

    return true;
}

template <typename T, int32_t Precision, int32_t SpaceAfter>
bool AAX_CNumberDisplayDelegate<T, Precision, SpaceAfter>::StringToValue (const AAX_CString& text, T* value) const
{
    double parsed = 0.0;
    const bool ok = text.ToDouble (&parsed);

    if (value != nullptr)
        *value = ok ? (T) parsed : T();

    return ok;
}

template class AAX_CNumberDisplayDelegate<float, 3, 0>;

//==============================================================================
template <typename T>
AAX_CParameterValue<T>::AAX_CParameterValue (AAX_CParamID identifier, T value) : mValue (value)
{
    const auto length = identifier != nullptr ? std::strlen (identifier) : 0;

    if (length >= eParemeterDefaultMaxIdentifierSize)
        AAX_REPORT_ASSERT_FAILURE ("len < eParemeterDefaultMaxIdentifierSize");

    std::memcpy (mIdentifier, identifier != nullptr ? identifier : "",
                 std::min<size_t> (length, eParemeterDefaultMaxIdentifierSize - 1));
}

template <typename T>
AAX_CParameterValue<T>* AAX_CParameterValue<T>::Clone() const
{
    return new AAX_CParameterValue (*this);
}

template <typename T>
bool AAX_CParameterValue<T>::GetValueAsFloat (float* value) const
{
    if (value == nullptr)
        return false;

    *value = (float) mValue;
    return true;
}

template class AAX_CParameterValue<float>;

//==============================================================================
template <typename T>
AAX_CParameter<T>::AAX_CParameter (AAX_CParamID identifier, const AAX_CString& name, T defaultValue,
                                   const AAX_ITaperDelegate<T>& taper, const AAX_IDisplayDelegate<T>& display,
                                   bool automatable)
    : mAutomatable (automatable),
      mTaperDelegate (taper.Clone()),
      mDisplayDelegate (display.Clone()),
      mValue (identifier, T()),
      mDefaultValue (defaultValue)
{
    mNames.mName = name;

    if (mType == AAX_eParameterType_Continuous)
        SetNumberOfSteps (128);
    else if (mType == AAX_eParameterType_Discrete)
        SetNumberOfSteps (2);

    SetToDefaultValue();
}

template <typename T>
AAX_CParameter<T>::~AAX_CParameter()
{
    if (mAutomationDelegate != nullptr)
        mAutomationDelegate->UnregisterParameter (Identifier());
}

template <typename T> AAX_IParameterValue* AAX_CParameter<T>::CloneValue() const { return new AAX_CParameterValue<T> (mValue); }
template <typename T> AAX_CParamID AAX_CParameter<T>::Identifier() const      { return mValue.Identifier(); }
template <typename T> void AAX_CParameter<T>::SetName (const AAX_CString& name) { mNames.mName = name; }
template <typename T> const AAX_CString& AAX_CParameter<T>::Name() const      { return mNames.mName; }
template <typename T> void AAX_CParameter<T>::ClearShortenedNames()          { mNames.mShortenedNames.clear(); }
template <typename T> bool AAX_CParameter<T>::Automatable() const            { return mAutomatable; }
template <typename T> uint32_t AAX_CParameter<T>::GetNumberOfSteps() const   { return mNumSteps; }
template <typename T> void AAX_CParameter<T>::SetType (AAX_EParameterType type) { mType = type; }
template <typename T> AAX_EParameterType AAX_CParameter<T>::GetType() const  { return mType; }
template <typename T> void AAX_CParameter<T>::SetOrientation (int32_t orientation) { mOrientation = orientation; }
template <typename T> int32_t AAX_CParameter<T>::GetOrientation() const      { return mOrientation; }

template <typename T>
void AAX_CParameter<T>::AddShortenedName (const AAX_CString& name)
{
    mNames.mShortenedNames[name.Length()] = name;
}

template <typename T>
AAX_CString AAX_CParameter<T>::ShortenedName (int32_t maxLength) const
{
    const auto& shortened = mNames.mShortenedNames;

    if (maxLength < 0 || shortened.empty() || mNames.mName.Length() <= (uint32_t) maxLength)
        return mNames.mName;

    auto fitting = shortened.upper_bound ((uint32_t) maxLength);
    return fitting == shortened.begin() ? fitting->second : std::prev (fitting)->second;
}

template <typename T>
void AAX_CParameter<T>::SetAutomationDelegate (AAX_IAutomationDelegate* delegate)
{
    if (mAutomationDelegate != nullptr)
        mAutomationDelegate->UnregisterParameter (Identifier());

    mAutomationDelegate = delegate;

    if (mAutomationDelegate != nullptr)
        mAutomationDelegate->RegisterParameter (Identifier());
}

template <typename T>
void AAX_CParameter<T>::Touch()
{
    if (mAutomationDelegate != nullptr)
        mAutomationDelegate->PostTouchRequest (Identifier());
}

template <typename T>
void AAX_CParameter<T>::Release()
{
    if (mAutomationDelegate != nullptr)
        mAutomationDelegate->PostReleaseRequest (Identifier());
}

template <typename T>
void AAX_CParameter<T>::SetNormalizedTarget (double normalizedValue)
{
    if (! std::isfinite (normalizedValue))
        return;

    if (mAutomationDelegate != nullptr)
    {
        Touch();
        mAutomationDelegate->PostSetValueRequest (Identifier(), normalizedValue);
        Release();
    }
    else
    {
        mNeedNotify = true;
        UpdateNormalizedValue (normalizedValue);
    }
}

template <typename T>
void AAX_CParameter<T>::SetNormalizedValue (double normalizedValue)
{
    SetNormalizedTarget (mTaperDelegate->RealToNormalized (mTaperDelegate->NormalizedToReal (normalizedValue)));
}

template <typename T>
double AAX_CParameter<T>::GetNormalizedValue() const
{
    return mTaperDelegate->RealToNormalized (mValue.Get());
}

template <typename T>
void AAX_CParameter<T>::SetNormalizedDefaultValue (double normalizedValue)
{
    if (std::isfinite (normalizedValue))
        mDefaultValue = mTaperDelegate->ConstrainRealValue (mTaperDelegate->NormalizedToReal (normalizedValue));
}

template <typename T>
double AAX_CParameter<T>::GetNormalizedDefaultValue() const
{
    return mTaperDelegate->RealToNormalized (mDefaultValue);
}

template <typename T>
void AAX_CParameter<T>::SetToDefaultValue()
{
    SetNormalizedTarget (mTaperDelegate->RealToNormalized (mDefaultValue));
}

template <typename T>
void AAX_CParameter<T>::SetNumberOfSteps (uint32_t steps)
{
    if (steps == 0)
    {
        AAX_REPORT_ASSERT_FAILURE ("0 < numSteps");
        return;
    }

    mNumSteps = steps;
}

template <typename T>
uint32_t AAX_CParameter<T>::GetStepValue() const
{
    return GetStepValueFromNormalizedValue (GetNormalizedValue());
}

template <typename T>
double AAX_CParameter<T>::GetNormalizedValueFromStep (uint32_t step) const
{
    if (mNumSteps < 2)
        return 0.0;

    return std::clamp (step * (1.0 / (mNumSteps - 1)), 0.0, 1.0);
}

template <typename T>
uint32_t AAX_CParameter<T>::GetStepValueFromNormalizedValue (double normalizedValue) const
{
    if (mNumSteps < 2 || ! std::isfinite (normalizedValue))
        return 0;

    const auto step = normalizedValue / (1.0 / (mNumSteps - 1)) + 0.5;
    return (uint32_t) std::clamp (step, 0.0, (double) (mNumSteps - 1));
}

template <typename T>
void AAX_CParameter<T>::SetStepValue (uint32_t step)
{
    if (mNumSteps >= 2)
        SetNormalizedValue (GetNormalizedValueFromStep (step));
}

template <typename T>
bool AAX_CParameter<T>::GetValueString (AAX_CString* text) const
{
    return mDisplayDelegate->ValueToString (mValue.Get(), text);
}

template <typename T>
bool AAX_CParameter<T>::GetValueString (int32_t maxChars, AAX_CString* text) const
{
    return mDisplayDelegate->ValueToString (mValue.Get(), maxChars, text);
}

template <typename T>
bool AAX_CParameter<T>::GetNormalizedValueFromFloat (float value, double* normalizedValue) const
{
    if (normalizedValue == nullptr)
        return false;

    *normalizedValue = mTaperDelegate->RealToNormalized ((T) value);
    return true;
}

template <typename T>
bool AAX_CParameter<T>::GetNormalizedValueFromString (const AAX_CString& text, double* normalizedValue) const
{
    T value {};

    if (! mDisplayDelegate->StringToValue (text, &value))
        return false;

    if (normalizedValue != nullptr)
        *normalizedValue = mTaperDelegate->RealToNormalized (value);

    return true;
}

template <typename T>
bool AAX_CParameter<T>::GetFloatFromNormalizedValue (double normalizedValue, float* value) const
{
    if (value == nullptr)
        return false;

    *value = (float) mTaperDelegate->NormalizedToReal (normalizedValue);
    return true;
}

template <typename T>
bool AAX_CParameter<T>::GetStringFromNormalizedValue (double normalizedValue, AAX_CString& text) const
{
    const auto real = mTaperDelegate->NormalizedToReal (normalizedValue);
    const bool shown = mDisplayDelegate->ValueToString (real, &text);
    return shown && real >= mTaperDelegate->GetMinimumValue() && real <= mTaperDelegate->GetMaximumValue();
}

template <typename T>
bool AAX_CParameter<T>::GetStringFromNormalizedValue (double normalizedValue, int32_t maxChars, AAX_CString& text) const
{
    const auto real = mTaperDelegate->NormalizedToReal (normalizedValue);
    const bool shown = mDisplayDelegate->ValueToString (real, maxChars, &text);
    return shown && real >= mTaperDelegate->GetMinimumValue() && real <= mTaperDelegate->GetMaximumValue();
}

template <typename T>
bool AAX_CParameter<T>::SetValueFromString (const AAX_CString& text)
{
    T value {};

    if (! mDisplayDelegate->StringToValue (text, &value) || ! std::isfinite ((double) value))
        return false;

    SetNormalizedTarget (mTaperDelegate->RealToNormalized (value));
    return true;
}

template <typename T>
bool AAX_CParameter<T>::GetValueAsFloat (float* value) const
{
    return mValue.GetValueAsFloat (value);
}

template <typename T>
bool AAX_CParameter<T>::GetValueAsString (AAX_IString* value) const
{
    AAX_CString text;

    if (value == nullptr || ! GetValueString (&text))
        return false;

    *value = text;
    return true;
}

template <typename T>
bool AAX_CParameter<T>::SetValueWithFloat (float value)
{
    if (std::isfinite (value))
        SetNormalizedTarget (mTaperDelegate->RealToNormalized ((T) value));

    return true;
}

template <typename T>
bool AAX_CParameter<T>::SetValueWithString (const AAX_IString& value)
{
    return SetValueFromString (AAX_CString (value));
}

template <typename T>
void AAX_CParameter<T>::SetTaperDelegate (AAX_ITaperDelegateBase& taper, bool preserveValue)
{
    auto* typed = dynamic_cast<AAX_ITaperDelegate<T>*> (&taper);

    if (typed == nullptr)
        return;

    const auto oldNormalized = GetNormalizedValue();
    mTaperDelegate.reset (typed->Clone());
    mNeedNotify = true;

    if (preserveValue)
        SetNormalizedTarget (mTaperDelegate->RealToNormalized (mValue.Get()));
    else
        UpdateNormalizedValue (oldNormalized);
}

template <typename T>
void AAX_CParameter<T>::SetDisplayDelegate (AAX_IDisplayDelegateBase& display)
{
    auto* typed = dynamic_cast<AAX_IDisplayDelegate<T>*> (&display);

    if (typed == nullptr)
        return;

    mDisplayDelegate.reset (typed->Clone());

    if (mAutomationDelegate != nullptr)
        mAutomationDelegate->PostCurrentValue (Identifier(), GetNormalizedValue());
}

template <typename T>
void AAX_CParameter<T>::UpdateNormalizedValue (double normalizedValue)
{
    if (! std::isfinite (normalizedValue))
        return;

    const auto real = mTaperDelegate->NormalizedToReal (normalizedValue);

    if (! mNeedNotify && real == mValue.Get())
        return;

    mValue.Set (real);

    // The host gets back the position it sent, not one recomputed through the
    // single-precision real value, and never one outside 0..1.
    if (mAutomationDelegate != nullptr)
        mAutomationDelegate->PostCurrentValue (Identifier(), std::clamp (normalizedValue, 0.0, 1.0));

    mNeedNotify = false;
}

template class AAX_CParameter<float>;

//==============================================================================
AAX_CParameterManager::~AAX_CParameterManager()
{
    RemoveAllParameters();
}

void AAX_CParameterManager::Initialize (AAX_IAutomationDelegate* delegate)
{
    mAutomationDelegate = delegate;
}

void AAX_CParameterManager::AddParameter (AAX_IParameter* parameter)
{
    if (parameter == nullptr || mParametersByID.count (parameter->Identifier()) != 0)
        return;

    parameter->SetAutomationDelegate (mAutomationDelegate);
    mParameters.push_back (parameter);
    mParametersByID[parameter->Identifier()] = parameter;
}

void AAX_CParameterManager::RemoveAllParameters()
{
    auto parameters = std::move (mParameters);
    mParameters.clear();
    mParametersByID.clear();

    for (auto* parameter : parameters)
        delete parameter;
}

AAX_IParameter* AAX_CParameterManager::GetParameterByID (AAX_CParamID id)
{
    return const_cast<AAX_IParameter*> (std::as_const (*this).GetParameterByID (id));
}

const AAX_IParameter* AAX_CParameterManager::GetParameterByID (AAX_CParamID id) const
{
    if (id == nullptr)
        return nullptr;

    const auto found = mParametersByID.find (id);
    return found != mParametersByID.end() ? found->second : nullptr;
}

int32_t AAX_CParameterManager::GetParameterIndex (AAX_CParamID id) const
{
    if (id == nullptr)
        return -1;

    for (size_t i = 0; i < mParameters.size(); ++i)
        if (std::strcmp (mParameters[i]->Identifier(), id) == 0)
            return (int32_t) i;

    return -1;
}

AAX_IParameter* AAX_CParameterManager::GetParameter (int32_t index)
{
    return const_cast<AAX_IParameter*> (std::as_const (*this).GetParameter (index));
}

const AAX_IParameter* AAX_CParameterManager::GetParameter (int32_t index) const
{
    return index >= 0 && index < NumParameters() ? mParameters[(size_t) index] : nullptr;
}

int32_t AAX_CParameterManager::NumParameters() const
{
    return (int32_t) mParameters.size();
}
