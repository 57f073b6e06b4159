/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#include "AAX_CString.h"

#include <cstring>
#include <iomanip>
#include <locale>
#include <sstream>

AAX_CString::AAX_CString (const char* textToCopy) : text (textToCopy != nullptr ? textToCopy : "") {}
AAX_CString::AAX_CString (const AAX_IString& other) : text (other.Get()) {}

uint32_t AAX_CString::Length() const        { return (uint32_t) text.size(); }
uint32_t AAX_CString::MaxLength() const     { return 0xFFFFFFFEu; }
const char* AAX_CString::Get() const        { return text.c_str(); }
const char* AAX_CString::CString() const    { return text.c_str(); }
void AAX_CString::Set (const char* newText) { text = (newText != nullptr ? newText : ""); }
void AAX_CString::Clear()                   { text.clear(); }

AAX_IString& AAX_CString::operator= (const AAX_IString& other)  { Set (other.Get()); return *this; }
AAX_IString& AAX_CString::operator= (const char* newText)       { Set (newText); return *this; }
AAX_CString& AAX_CString::operator= (const AAX_CString& other)  { text = other.text; return *this; }

AAX_CString& AAX_CString::Erase (uint32_t start, uint32_t count)
{
    if (start < text.size())
        text.erase (start, count);

    return *this;
}

void AAX_CString::SubString (uint32_t start, uint32_t count, AAX_IString* out) const
{
    if (out != nullptr)
        out->Set (start < text.size() ? text.substr (start, count).c_str() : "");
}

AAX_CString& AAX_CString::AppendNumber (double value, int32_t precision)
{
    std::ostringstream stream;
    stream.imbue (std::locale::classic());
    stream << std::fixed << std::setprecision (precision) << value;
    text += stream.str();
    return *this;
}

bool AAX_CString::ToDouble (double* out) const
{
    std::istringstream stream (text);
    stream.imbue (std::locale::classic());
    double value = 0.0;

    const bool ok = static_cast<bool> (stream >> value);

    if (out != nullptr)
        *out = ok ? value : 0.0;

    return ok;
}

bool AAX_CString::operator== (const AAX_CString& other) const { return std::strcmp (Get(), other.Get()) == 0; }
bool AAX_CString::operator!= (const AAX_CString& other) const { return ! operator== (other); }
bool AAX_CString::operator!= (const char* other) const        { return std::strcmp (Get(), other != nullptr ? other : "") != 0; }
char& AAX_CString::operator[] (uint32_t index)                { return text[index]; }
