/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#include "BiquadPeakEQ.h"

#include <algorithm>
#include <cmath>
#include <math.h>

namespace
{
    // 2 pi rounded to float; the designs multiply by it before dividing by the rate.
    constexpr float twoPi = 6.2831855f;

    // A band above this fraction of the rate would put the section's poles outside
    // the unit circle; every band of every model lies below it from 22050 Hz up.
    constexpr float maxFrequencyRatio = 0.49f;

    struct DesignBasics
    {
        float A, s, c;
    };

    DesignBasics designBasics (float gain, float frequency, float sampleRate) noexcept
    {
        const float dB = gain * 30.0f - 15.0f;
        DesignBasics d;
        d.A = powf (10.0f, dB / 40.0f);
        const float w0 = frequency * twoPi / sampleRate;
        ::sincosf (w0, &d.s, &d.c);
        return d;
    }
}

BiquadPeakEQ::BiquadPeakEQ() noexcept
    : rampLength ((int16_t) rampLengthForSampleRate (defaultSampleRate)),
      rampLengthDouble (rampLength)
{
    name = "BiquadPeakEQ";
    std::fill (std::begin (targetCoeffs), std::end (targetCoeffs), 0.0);
    std::fill (std::begin (coeffs), std::end (coeffs), 0.0);
    std::fill (std::begin (coeffSteps), std::end (coeffSteps), 0.0);
    resetBuffer();
}

void BiquadPeakEQ::setSampleRate (float newSampleRate)
{
    DspBase::setSampleRate (newSampleRate);
    rampLength = (int16_t) rampLengthForSampleRate (sampleRate);
    rampLengthDouble = rampLength;
}

void BiquadPeakEQ::resetBuffer() noexcept
{
    for (auto* history : { &xHistory, &yHistory })
        for (auto& pair : *history)
            pair[0] = pair[1] = 0.0;
}

void BiquadPeakEQ::resetCoeffs() noexcept
{
    std::fill (std::begin (targetCoeffs), std::end (targetCoeffs), 0.0);
    std::fill (std::begin (coeffs), std::end (coeffs), 0.0);
    std::fill (std::begin (coeffSteps), std::end (coeffSteps), 0.0);
    rampCount = 0;
    firstCalc = true;
}

float BiquadPeakEQ::designFrequency() const noexcept
{
    return std::min (freq, maxFrequencyRatio * sampleRate);
}

void BiquadPeakEQ::calc()
{
    const auto d = designBasics (gain, designFrequency(), sampleRate);
    const float alpha = d.s / (q + q);
    const float a0 = alpha / d.A + 1.0f;

    float designed[5];
    designed[b0] = (d.A * alpha + 1.0f) / a0;
    designed[b1] = (d.c * -2.0f) / a0;
    designed[b2] = (1.0f - d.A * alpha) / a0;
    designed[a1] = designed[b1];
    designed[a2] = (1.0f - alpha / d.A) / a0;
    startRamp (designed);
}

void BiquadHighShelfEQ::calc()
{
    const auto d = designBasics (gain, designFrequency(), sampleRate);
    const float A = d.A, c = d.c;
    const float beta = (sqrtf (A) / q) * d.s;
    const float a0 = (A + 1.0f) - (A - 1.0f) * c + beta;

    float designed[5];
    designed[b0] = A * ((A + 1.0f) + (A - 1.0f) * c + beta) / a0;
    designed[b1] = (-2.0f * A) * ((A - 1.0f) + (A + 1.0f) * c) / a0;
    designed[b2] = A * ((A + 1.0f) + (A - 1.0f) * c - beta) / a0;
    designed[a1] = 2.0f * ((A - 1.0f) - (A + 1.0f) * c) / a0;
    designed[a2] = ((A + 1.0f) - (A - 1.0f) * c - beta) / a0;
    startRamp (designed);
}

void BiquadPeakEQ::startRamp (const float (&designed)[5]) noexcept
{
    for (int k = 0; k < 5; ++k)
        targetCoeffs[k] = designed[k];

    if (firstCalc)
    {
        std::copy (std::begin (targetCoeffs), std::end (targetCoeffs), coeffs);
        firstCalc = false;
    }

    const double inverseLength = 1.0 / rampLengthDouble;

    for (int k = 0; k < 5; ++k)
        coeffSteps[k] = (targetCoeffs[k] - coeffs[k]) * inverseLength;

    rampCount = 0;
}
