/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#pragma once

#include "AAX.h"

/** A text the host and the plug-in hand each other: plain bytes ended by a NUL.
    The host writes into strings the plug-in gives it, so the slot order is fixed. */
class AAX_IString
{
public:
    virtual ~AAX_IString() = default;

    /** Number of bytes without the terminating NUL. */
    virtual uint32_t Length() const = 0;
    /** The longest text the string can hold. */
    virtual uint32_t MaxLength() const = 0;
    /** The NUL-terminated text, valid until the string changes. */
    virtual const char* Get() const = 0;
    /** Replaces the text with a copy of a NUL-terminated text. */
    virtual void Set (const char* text) = 0;
    /** Replaces the text with a copy of another string's text. */
    virtual AAX_IString& operator= (const AAX_IString& other) = 0;
    /** Replaces the text with a copy of a NUL-terminated text. */
    virtual AAX_IString& operator= (const char* text) = 0;

protected:
    AAX_IString() = default;
    AAX_IString (const AAX_IString&) = default;
};
