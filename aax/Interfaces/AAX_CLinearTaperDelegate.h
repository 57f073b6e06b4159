/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#pragma once

#include "AAX_ITaperDelegate.h"

/** A straight line from the minimum (normalized 0) to the maximum (normalized 1);
    RealPrecision 0 keeps values unrounded. */
template <typename T, int32_t RealPrecision = 0>
class AAX_CLinearTaperDelegate : public AAX_ITaperDelegate<T>
{
public:
    AAX_CLinearTaperDelegate (T minValue = 0, T maxValue = 1) : mMinValue (minValue), mMaxValue (maxValue) {}

    AAX_CLinearTaperDelegate* Clone() const override;
    T GetMaximumValue() const override { return mMaxValue; }
    T GetMinimumValue() const override { return mMinValue; }
    /** The value limited to the range; NaN stays NaN so that callers can refuse it. */
    T ConstrainRealValue (T value) const override;
    T NormalizedToReal (double normalizedValue) const override;
    /** 0.5 when the range is a single value. */
    double RealToNormalized (T realValue) const override;

private:
    T mMinValue, mMaxValue;
};

extern template class AAX_CLinearTaperDelegate<float, 0>;
