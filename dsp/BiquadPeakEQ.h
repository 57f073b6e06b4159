/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#pragma once

#include "DoublePair.h"
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
        stepRamp (rampCount, rampLength, coeffs, coeffSteps);
        sample = filter (coeffs, sample, xHistory[0][0], xHistory[1][0], yHistory[0][0], yHistory[1][0]);
    }

    /** Filters one stereo pair in place with one ramp step for both channels. */
    virtual void process (double& left, double& right) noexcept
    {
        const double pair[] { left, right };
        DoublePair frame[] { DoublePair::load (pair) };
        StereoRun (*this).process<true> (frame);
        left = frame[0].getLeft();
        right = frame[0].getRight();
    }

    /** The section's stereo filtering over a block, both channels in one DoublePair.
        It takes over the coefficients, the ramp and the history when made, holding
        every coefficient in both lanes so that no sample spreads it again, and
        hands them back when destroyed; meanwhile nothing else may use the section. */
    class StereoRun
    {
    public:
        StereoRun (BiquadPeakEQ& s) noexcept
            : section (s), rampCount (s.rampCount), rampLength (s.rampLength)
        {
            for (int k = 0; k < 5; ++k)
            {
                inUse[k] = DoublePair::broadcast (s.coeffs[k]);
                steps[k] = DoublePair::broadcast (s.coeffSteps[k]);
            }

            x1 = DoublePair::load (s.xHistory[0]);
            x2 = DoublePair::load (s.xHistory[1]);
            y1 = DoublePair::load (s.yHistory[0]);
            y2 = DoublePair::load (s.yHistory[1]);
        }

        ~StereoRun()
        {
            // Both lanes of a coefficient went through the same steps.
            for (int k = 0; k < 5; ++k)
                section.coeffs[k] = inUse[k].getLeft();

            section.rampCount = rampCount;
            x1.store (section.xHistory[0]);
            x2.store (section.xHistory[1]);
            y1.store (section.yHistory[0]);
            y2.store (section.yHistory[1]);
        }

        StereoRun (const StereoRun&) = delete;
        StereoRun& operator= (const StereoRun&) = delete;

        /** Filters consecutive stereo pairs in place, each after one ramp step; a
            run made while the section was not ramping may leave the steps out. */
        template <bool mayRamp, size_t numFrames>
        void process (DoublePair (&frames)[numFrames]) noexcept
        {
            // Sorting the frames by ramp state once keeps the test off each frame.
            if constexpr (mayRamp)
            {
                if (rampLength - rampCount >= (int) numFrames)
                    return filterFrames<RampSteps::every> (frames);

                if (rampCount < rampLength)
                    return filterFrames<RampSteps::whileRamping> (frames);
            }

            filterFrames<RampSteps::none> (frames);
        }

    private:
        /** Steps on none of the frames, on every one, or on those before the ramp ends. */
        enum class RampSteps { none, every, whileRamping };

        template <RampSteps rampSteps, size_t numFrames>
        void filterFrames (DoublePair (&frames)[numFrames]) noexcept
        {
            for (auto& x : frames)
            {
                if constexpr (rampSteps == RampSteps::every)
                    addSteps (inUse, steps);
                else if constexpr (rampSteps == RampSteps::whileRamping)
                    stepRamp (rampCount, rampLength, inUse, steps);

                x = filter (inUse, x, x1, x2, y1, y2);
            }

            if constexpr (rampSteps == RampSteps::every)
                rampCount = (int16_t) (rampCount + (int) numFrames);
        }

        BiquadPeakEQ& section;
        DoublePair inUse[5], steps[5];
        DoublePair x1, x2, y1, y2;
        int16_t rampCount, rampLength;
    };

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

    // [x1, x2][channel]: each row is a left/right pair, read as one vector.
    double xHistory[2][2];
    double yHistory[2][2];
    int16_t rampCount = 0;
    bool firstCalc = true;
    int16_t rampLength;
    double rampLengthDouble;

private:
    // The mono and the stereo path share these, on doubles and on pairs, so that
    // both run the same operations in the same order.
    template <typename Value>
    static void stepRamp (int16_t& count, int16_t length, Value (&inUse)[5], const Value (&steps)[5]) noexcept
    {
        if (count < length)
        {
            ++count;
            addSteps (inUse, steps);
        }
    }

    template <typename Value>
    static void addSteps (Value (&inUse)[5], const Value (&steps)[5]) noexcept
    {
        for (int k = 0; k < 5; ++k)
            inUse[k] = inUse[k] + steps[k];
    }

    /** Direct Form I. */
    template <typename Value>
    static Value filter (const Value (&c)[5], Value x, Value& x1, Value& x2, Value& y1, Value& y2) noexcept
    {
        const Value y = ((c[b0] * x + c[b1] * x1) + c[b2] * x2) - c[a1] * y1 - c[a2] * y2;
        x2 = x1;
        x1 = x;
        y2 = y1;
        y1 = y;
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
