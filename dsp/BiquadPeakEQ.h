/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#pragma once

#include "ModuleModel.h"

/** A second-order peaking section. Coefficients are designed in single precision
    and applied in double precision; a new design never jumps but ramps linearly
    from the coefficients in use, except for the first design after resetCoeffs. */
class BiquadPeakEQ : public ModuleBase
{
public:
    BiquadPeakEQ() noexcept;

    /** Stores the rate and takes the ramp length for it; recalculates nothing. */
    void setSampleRate (float newSampleRate) override;
    /** Clears the history of both channels. */
    void resetBuffer() noexcept override;
    /** Zeroes all coefficients; the next calc takes its design at once. */
    void resetCoeffs() noexcept override;
    /** Designs the target coefficients from gain, q, freq and the rate, and starts a ramp. */
    void calc() override;

    /** Filters one mono sample in place, using and updating channel 0's history. */
    virtual void process (double& sample) noexcept
    {
        stepRamp();
        sample = filter (sample, 0);
    }

    /** Filters one stereo pair in place with one ramp step for both channels. */
    virtual void process (double& left, double& right) noexcept
    {
        stepRamp();
        left = filter (left, 0);
        right = filter (right, 1);
    }

    /** True while the coefficients in use are still moving towards the target. */
    bool isRamping() const noexcept { return rampCount < rampLength; }

    float gain = 0.5f; ///< normalised gain: 30 * gain - 15 dB
    float q = 1.0f;    ///< quality factor
    float freq = 1000.0f; ///< centre (peaking) or corner (shelf) frequency in Hz

    double targetCoeffs[5]; ///< b0, b1, b2, a1, a2 of the last design, normalised by a0
    double coeffs[5];       ///< the coefficients in use
    double coeffSteps[5];   ///< per-sample increments of coeffs during a ramp

protected:
    enum { b0, b1, b2, a1, a2 };

    /** Stores a float design and starts the ramp towards it. */
    void startRamp (const float (&designed)[5]) noexcept;

    /** The design frequency: freq, limited below the Nyquist frequency so that a
        band set above it cannot make the section unstable. */
    float designFrequency() const noexcept;

    double xHistory[2][2]; ///< [channel][x1, x2]
    double yHistory[2][2]; ///< [channel][y1, y2]
    int16_t rampCount = 0;
    bool firstCalc = true;
    int16_t rampLength;
    double rampLengthDouble;

private:
    void stepRamp() noexcept
    {
        if (rampCount < rampLength)
        {
            ++rampCount;

            for (int k = 0; k < 5; ++k)
                coeffs[k] += coeffSteps[k];
        }
    }

    double filter (double x, int channel) noexcept
    {
        auto& xh = xHistory[channel];
        auto& yh = yHistory[channel];
        const double y = ((coeffs[b0] * x + coeffs[b1] * xh[0]) + coeffs[b2] * xh[1])
                         - coeffs[a1] * yh[0] - coeffs[a2] * yh[1];
        xh[1] = xh[0];
        xh[0] = x;
        yh[1] = yh[0];
        yh[0] = y;
        return y;
    }
};

/** A second-order high-shelf section; it differs from the peaking section only in
    its design. */
class BiquadHighShelfEQ : public BiquadPeakEQ
{
public:
    BiquadHighShelfEQ() noexcept { name = "BiquadHighShelfEQ"; }

    /** Designs the shelf and starts a ramp. */
    void calc() override;
};
