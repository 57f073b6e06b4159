/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#pragma once

#include "AAX_IDisplayDelegate.h"

/** Values as numbers in fixed notation with Precision decimals. */
template <typename T, int32_t Precision = 2, int32_t SpaceAfter = 0>
class AAX_CNumberDisplayDelegate : public AAX_IDisplayDelegate<T>
{
public:
    AAX_CNumberDisplayDelegate* Clone() const override;
    bool ValueToString (T value, AAX_CString* text) const override;
    /** Cut to maxChars; a cut that ends on the decimal point drops the point. */
    bool ValueToString (T value, int32_t maxChars, AAX_CString* text) const override;
    /** False and 0 for a text that does not start with a number. */
    bool StringToValue (const AAX_CString& text, T* value) const override;
};

extern template class AAX_CNumberDisplayDelegate<float, 3, 0>;
