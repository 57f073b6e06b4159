/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#pragma once

#include "AAX_IString.h"

#include <string>

/** The library's own string: an owned, growable byte string. Numbers are
    formatted and parsed in the classic locale whatever the process locale is. */
class AAX_CString : public AAX_IString
{
public:
    AAX_CString() = default;
    /** A copy of the text; a null pointer gives the empty text. */
    AAX_CString (const char* text);
    AAX_CString (const AAX_CString& other) = default;
    /** A copy of the other string's text. */
    explicit AAX_CString (const AAX_IString& other);
    ~AAX_CString() override = default;

    uint32_t Length() const override;
    /** Always 0xFFFFFFFE. */
    uint32_t MaxLength() const override;
    const char* Get() const override;
    /** A null text gives the empty text. */
    void Set (const char* text) override;
    AAX_IString& operator= (const AAX_IString& other) override;
    AAX_IString& operator= (const char* text) override;
    AAX_CString& operator= (const AAX_CString& other);

    /** The same pointer Get gives. */
    const char* CString() const;
    /** Empties the text; the storage stays. */
    void Clear();
    /** Removes up to count bytes from start, never past the end; a start beyond
        the end removes nothing. */
    AAX_CString& Erase (uint32_t start, uint32_t count);
    /** Appends the value in fixed notation with precision decimals. */
    AAX_CString& AppendNumber (double value, int32_t precision);
    /** Reads a number from the start (leading blanks skipped): true and the number,
        or false and 0.0. */
    bool ToDouble (double* out) const;
    /** Sets up to count bytes from start into out; a start beyond the end gives
        the empty text. */
    void SubString (uint32_t start, uint32_t count, AAX_IString* out) const;

    /** C string comparison: equal up to the first NUL. */
    bool operator== (const AAX_CString& other) const;
    bool operator!= (const AAX_CString& other) const;
    bool operator!= (const char* text) const;
    /** The byte at index, writable; no bounds check. */
    char& operator[] (uint32_t index);

private:
    std::string text;
};
