/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#include <gtest/gtest.h>

#include "BiquadPeakEQ.h"
#include "Reference.h"

#include <cmath>
#include <limits>
#include <vector>

namespace
{
    template <typename Section>
    void design (Section& s, float rate, float gain, float q, float freq)
    {
        s.setSampleRate (rate);
        s.gain = gain;
        s.q = q;
        s.freq = freq;
        s.calc();
    }

    bool coefficientsEqual (const double* a, const double* b, double tolerance)
    {
        for (int k = 0; k < 5; ++k)
            if (std::abs (a[k] - b[k]) > tolerance)
                return false;

        return true;
    }

    // Samples a new design needs until the coefficients in use arrive at it.
    int measureRampLength (float rate)
    {
        BiquadPeakEQ s;
        design (s, rate, 0.5f, 1.414f, 1000.0f);
        s.gain = 1.0f;
        s.calc();

        int count = 0;
        double x = 0.0;

        while (! coefficientsEqual (s.coeffs, s.targetCoeffs, 1e-9) && count < 100000)
        {
            s.process (x);
            ++count;
        }

        return count;
    }
}

TEST (FilterSection, NeutralGainDesignsAnIdentitySection)
{
    BiquadPeakEQ peak;
    BiquadHighShelfEQ shelf;
    design (peak, 44100.0f, 0.5f, 1.414f, 800.0f);
    design (shelf, 44100.0f, 0.5f, 0.707f, 6400.0f);

    for (const BiquadPeakEQ* s : std::initializer_list<const BiquadPeakEQ*> { &peak, &shelf })
    {
        EXPECT_NEAR (s->coeffs[0], 1.0, 1e-6);
        EXPECT_NEAR (s->coeffs[1], s->coeffs[3], 1e-6);
        EXPECT_NEAR (s->coeffs[2], s->coeffs[4], 1e-6);
    }
}

TEST (FilterSection, ResetCoefficientsSilencesUntilTheNextDesign)
{
    BiquadPeakEQ s;
    design (s, 48000.0f, 0.9f, 1.414f, 400.0f);
    s.resetCoeffs();

    for (double x : { 1.0, -0.5, 0.25 })
    {
        s.process (x);
        EXPECT_EQ (x, 0.0);
    }

    // The first design after a reset is taken at once, with no ramp.
    s.calc();
    EXPECT_TRUE (coefficientsEqual (s.coeffs, s.targetCoeffs, 0.0));

    double x = 1.0;
    s.process (x);
    EXPECT_TRUE (coefficientsEqual (s.coeffs, s.targetCoeffs, 0.0));
}

TEST (FilterSection, RampLengthFollowsTheSampleRateTable)
{
    EXPECT_EQ (measureRampLength (34049.0f), 1024);
    EXPECT_EQ (measureRampLength (34050.0f), 2048);
    EXPECT_EQ (measureRampLength (44100.0f), 2048);
    EXPECT_EQ (measureRampLength (67999.0f), 2048);
    EXPECT_EQ (measureRampLength (68000.0f), 4096);
    EXPECT_EQ (measureRampLength (96000.0f), 4096);
    EXPECT_EQ (measureRampLength (136000.0f), 8192);
    EXPECT_EQ (measureRampLength (192000.0f), 8192);

    // Rates that are no rate at all count as 44100 Hz.
    EXPECT_EQ (measureRampLength (0.0f), 2048);
    EXPECT_EQ (measureRampLength (-48000.0f), 2048);
    EXPECT_EQ (measureRampLength (std::numeric_limits<float>::quiet_NaN()), 2048);
    EXPECT_EQ (measureRampLength (std::numeric_limits<float>::infinity()), 2048);
}

TEST (FilterSection, RampEndsAfterExactlyItsLengthForMonoAndStereoAlike)
{
    for (bool stereo : { false, true })
    {
        BiquadHighShelfEQ s;
        design (s, 44100.0f, 0.2f, 0.707f, 6400.0f);
        s.gain = 0.95f;
        s.calc();

        double l = 0.0, r = 0.0;

        for (int i = 0; i < 2047; ++i)
            stereo ? s.process (l, r) : s.process (l);

        EXPECT_TRUE (s.isRamping());
        EXPECT_FALSE (coefficientsEqual (s.coeffs, s.targetCoeffs, 1e-9));

        stereo ? s.process (l, r) : s.process (l);
        EXPECT_FALSE (s.isRamping());
        EXPECT_TRUE (coefficientsEqual (s.coeffs, s.targetCoeffs, 1e-12));

        double settled[5];
        std::copy (s.coeffs, s.coeffs + 5, settled);

        for (int i = 0; i < 100; ++i)
            s.process (l);

        EXPECT_TRUE (coefficientsEqual (s.coeffs, settled, 0.0));
    }
}

TEST (FilterSection, DesignDuringARampRestartsFromTheCoefficientsInUse)
{
    BiquadPeakEQ s;
    design (s, 44100.0f, 0.0f, 1.414f, 200.0f);
    s.gain = 1.0f;
    s.calc();

    double x = 0.0;

    for (int i = 0; i < 1000; ++i)
        s.process (x);

    double midway[5];
    std::copy (s.coeffs, s.coeffs + 5, midway);

    s.gain = 0.5f;
    s.calc();
    EXPECT_TRUE (coefficientsEqual (s.coeffs, midway, 0.0));

    // A cleared history does not stop the ramp.
    s.resetBuffer();

    for (int i = 0; i < 2048; ++i)
        s.process (x);

    EXPECT_TRUE (coefficientsEqual (s.coeffs, s.targetCoeffs, 1e-12));
}

TEST (FilterSection, ChannelsKeepSeparateHistories)
{
    // A mono run followed by a stereo sample must continue channel 0 from the mono
    // run and start channel 1 from silence, exactly as a stereo run with a silent
    // right channel would.
    BiquadPeakEQ mono, stereo;
    design (mono, 44100.0f, 0.8f, 1.414f, 1000.0f);
    design (stereo, 44100.0f, 0.8f, 1.414f, 1000.0f);

    for (int i = 0; i < 20; ++i)
    {
        double a = std::sin (i * 0.3), b = a, silent = 0.0;
        mono.process (a);
        stereo.process (b, silent);
        ASSERT_EQ (a, b);
    }

    double l1 = 0.3, r1 = -0.7, l2 = 0.3, r2 = -0.7;
    mono.process (l1, r1);
    stereo.process (l2, r2);
    EXPECT_EQ (l1, l2);
    EXPECT_EQ (r1, r2);
}

TEST (FilterSection, DirectFormOneSumsInItsStatedOrder)
{
    // Another order of the sum changes the last bits of some outputs; mono and
    // stereo filtering must both give the stated order's result exactly.
    BiquadPeakEQ peak;
    BiquadHighShelfEQ shelf;
    design (peak, 44100.0f, 0.9f, 1.414f, 1000.0f);
    design (shelf, 44100.0f, 0.15f, 0.707f, 6400.0f);

    std::vector<double> left, right;

    for (int i = 0; i < 500; ++i)
    {
        left.push_back (std::sin (0.37 * i) + 0.3 * std::sin (2.1 * i));
        right.push_back (0.8 * std::cos (0.05 * i) - 0.2 * std::sin (1.3 * i));
    }

    for (BiquadPeakEQ* s : std::initializer_list<BiquadPeakEQ*> { &peak, &shelf })
    {
        // The first design is taken at once, so these coefficients stay in use.
        double c[5];
        std::copy (s->coeffs, s->coeffs + 5, c);
        const auto expectedLeft = reference::directFormOne (c, left);
        const auto expectedRight = reference::directFormOne (c, right);

        for (size_t i = 0; i < left.size(); ++i)
        {
            double x = left[i];
            s->process (x);
            ASSERT_EQ (x, expectedLeft[i]) << s->getName() << ", mono sample " << i;
        }

        s->resetBuffer();

        for (size_t i = 0; i < left.size(); ++i)
        {
            double l = left[i], r = right[i];
            s->process (l, r);
            ASSERT_EQ (l, expectedLeft[i]) << s->getName() << ", stereo sample " << i;
            ASSERT_EQ (r, expectedRight[i]) << s->getName() << ", stereo sample " << i;
        }
    }
}

TEST (FilterSection, BandsAboveNyquistStayStable)
{
    for (float rate : { 8000.0f, 16000.0f, 19000.0f })
    {
        for (float gain : { 0.0f, 1.0f })
        {
            BiquadPeakEQ peak;
            BiquadHighShelfEQ shelf;
            design (peak, rate, gain, 1.414f, 10000.0f);
            design (shelf, rate, gain, 0.707f, 10000.0f);

            for (BiquadPeakEQ* s : std::initializer_list<BiquadPeakEQ*> { &peak, &shelf })
            {
                double x = 1.0;
                double energyLate = 0.0;

                for (int i = 0; i < 20000; ++i)
                {
                    s->process (x);
                    ASSERT_TRUE (std::isfinite (x)) << rate << " Hz, " << s->getName();

                    if (i >= 19000)
                        energyLate += x * x;

                    x = 0.0;
                }

                EXPECT_LT (energyLate, 1e-12) << rate << " Hz, " << s->getName();
            }
        }
    }
}

TEST (FilterSection, DesignsBelowTheLimitAreUntouched)
{
    // From 22050 Hz up every band of every model lies below the stability limit,
    // so the design must be exactly the unlimited one.
    BiquadHighShelfEQ limited, reference;
    design (limited, 22050.0f, 0.9f, 0.707f, 10000.0f);

    const float A = powf (10.0f, (0.9f * 30.0f - 15.0f) / 40.0f);
    const float w0 = 10000.0f * 6.2831855f / 22050.0f;
    const float s = sinf (w0), c = cosf (w0);
    const float beta = (sqrtf (A) / 0.707f) * s;
    const float a0 = (A + 1.0f) - (A - 1.0f) * c + beta;
    EXPECT_EQ (limited.targetCoeffs[0], (double) (A * ((A + 1.0f) + (A - 1.0f) * c + beta) / a0));
    EXPECT_EQ (limited.targetCoeffs[4], (double) (((A + 1.0f) - (A - 1.0f) * c - beta) / a0));
}

TEST (FilterSection, NamesAreNeverNull)
{
    EXPECT_STREQ (BiquadPeakEQ().getName(), "BiquadPeakEQ");
    EXPECT_STREQ (BiquadHighShelfEQ().getName(), "BiquadHighShelfEQ");
}
