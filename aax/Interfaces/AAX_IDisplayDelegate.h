/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#pragma once

#include "AAX_CString.h"

/** The untyped root of display delegates. */
class AAX_IDisplayDelegateBase
{
public:
    virtual ~AAX_IDisplayDelegateBase() = default;
};

/** Turns a parameter's real values into text and back. */
template <typename T>
class AAX_IDisplayDelegate : public AAX_IDisplayDelegateBase
{
public:
    virtual AAX_IDisplayDelegate* Clone() const = 0;
    virtual bool ValueToString (T value, AAX_CString* text) const = 0;
    /** The text cut to at most maxChars characters. */
    virtual bool ValueToString (T value, int32_t maxChars, AAX_CString* text) const = 0;
    virtual bool StringToValue (const AAX_CString& text, T* value) const = 0;
};
