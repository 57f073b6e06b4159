/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#pragma once

#include "AAX_Errors.h"
#include "AAX_IString.h"

/*  What a wrapper writes into its out values when the host interface it needs is
    missing, so that callers never read them uninitialised. */

template <typename T>
void AAX_WriteNeutral (T* out) noexcept
{
    if (out != nullptr)
        *out = T();
}

inline void AAX_WriteNeutral (AAX_IString* out)
{
    if (out != nullptr)
        out->Set ("");
}

/** MIDI packets are opaque here and left alone. */
inline void AAX_WriteNeutral (AAX_CMidiPacket*) noexcept {}

/** Writes neutral values into the out values and returns result. */
template <typename... Outs>
AAX_Result AAX_MissingInterface (AAX_Result result, Outs*... outs)
{
    (AAX_WriteNeutral (outs), ...);
    return result;
}
