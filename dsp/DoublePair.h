/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#pragma once

#if defined (__SSE2__)
 #include <emmintrin.h>
 #define VOSTREL_SSE2_PAIR 1
#else
 #define VOSTREL_SSE2_PAIR 0
#endif

/** Two doubles worked on as one value, the left and right channel of a stereo
    signal in its two lanes. Each operation does to each lane exactly what the same
    scalar operation does to one double, with the same rounding, so a stereo path
    built on pairs gives the same output as the mono path run on each channel.

    This is the plain version, for processors without SSE2; Sse2DoublePair is the
    one in use wherever SSE2 exists, and DoublePair names whichever that is. */
struct ScalarDoublePair
{
    double left, right;

    /** Both lanes the same value. */
    static ScalarDoublePair broadcast (double value) noexcept { return { value, value }; }
    /** The lanes read from two doubles in a row, left first. */
    static ScalarDoublePair load (const double* pair) noexcept { return { pair[0], pair[1] }; }
    /** One sample of each channel, widened to double. */
    static ScalarDoublePair fromFloats (const float* l, const float* r) noexcept { return { *l, *r }; }

    /** Writes the lanes to two doubles in a row, left first. */
    void store (double* pair) const noexcept { pair[0] = left; pair[1] = right; }
    /** Writes each lane, rounded to float, to its channel's sample. */
    void toFloats (float* l, float* r) const noexcept { *l = (float) left; *r = (float) right; }

    double getLeft() const noexcept { return left; }
    double getRight() const noexcept { return right; }

    friend ScalarDoublePair operator+ (ScalarDoublePair a, ScalarDoublePair b) noexcept { return { a.left + b.left, a.right + b.right }; }
    friend ScalarDoublePair operator- (ScalarDoublePair a, ScalarDoublePair b) noexcept { return { a.left - b.left, a.right - b.right }; }
    friend ScalarDoublePair operator* (ScalarDoublePair a, ScalarDoublePair b) noexcept { return { a.left * b.left, a.right * b.right }; }
};

#if VOSTREL_SSE2_PAIR
/** The pair in one 128-bit SSE2 register: one instruction for both lanes. There is
    no fused multiply-add here, and none can be formed without a -march flag. */
struct Sse2DoublePair
{
    __m128d v;

    static Sse2DoublePair broadcast (double value) noexcept { return { _mm_set1_pd (value) }; }
    static Sse2DoublePair load (const double* pair) noexcept { return { _mm_loadu_pd (pair) }; }

    static Sse2DoublePair fromFloats (const float* l, const float* r) noexcept
    {
        return { _mm_cvtps_pd (_mm_unpacklo_ps (_mm_load_ss (l), _mm_load_ss (r))) };
    }

    void store (double* pair) const noexcept { _mm_storeu_pd (pair, v); }

    void toFloats (float* l, float* r) const noexcept
    {
        const __m128 f = _mm_cvtpd_ps (v);
        _mm_store_ss (l, f);
        _mm_store_ss (r, _mm_shuffle_ps (f, f, _MM_SHUFFLE (1, 1, 1, 1)));
    }

    double getLeft() const noexcept { return _mm_cvtsd_f64 (v); }
    double getRight() const noexcept { return _mm_cvtsd_f64 (_mm_unpackhi_pd (v, v)); }

    friend Sse2DoublePair operator+ (Sse2DoublePair a, Sse2DoublePair b) noexcept { return { _mm_add_pd (a.v, b.v) }; }
    friend Sse2DoublePair operator- (Sse2DoublePair a, Sse2DoublePair b) noexcept { return { _mm_sub_pd (a.v, b.v) }; }
    friend Sse2DoublePair operator* (Sse2DoublePair a, Sse2DoublePair b) noexcept { return { _mm_mul_pd (a.v, b.v) }; }
};

using DoublePair = Sse2DoublePair;
#else
using DoublePair = ScalarDoublePair;
#endif
