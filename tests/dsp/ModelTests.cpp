/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#include <gtest/gtest.h>

#include "ZavoQT7.h"
#include "ZavoQT7B.h"
#include "ZavoQTB7.h"

#include <cmath>
#include <vector>

namespace
{
    void prepare (SevenBandModel& m, float rate, int blockSize = 512)
    {
        m.setSampleRate (rate);
        m.setExpectedSampleFrame (blockSize, true);
        m.forceCalcParams();
    }

    std::vector<float> sine (int n, double frequency = 440.0, double rate = 44100.0)
    {
        std::vector<float> v ((size_t) n);

        for (int i = 0; i < n; ++i)
            v[(size_t) i] = (float) (0.5 * std::sin (2.0 * M_PI * frequency * i / rate));

        return v;
    }

    void set (SevenBandModel& m, int index, float value)
    {
        m.setParameter (index, value);
        m.calcParameter (index);
    }
}

TEST (Model, DescribesItselfAndItsParameters)
{
    ZavoQT7 guitar;
    ZavoQT7B bass;
    ZavoQTB7 wide;

    EXPECT_STREQ (guitar.getName(), "ZavoQT7");
    EXPECT_STREQ (bass.getName(), "ZavoQT7B");
    EXPECT_STREQ (wide.getName(), "ZavoQTB7");
    EXPECT_STREQ (guitar.getParameterName (5), "FreqLevel1.6k");
    EXPECT_STREQ (bass.getParameterName (1), "FreqLevel62");
    EXPECT_FLOAT_EQ (bass.getBandFrequencies()[0], 62.5f);
    EXPECT_STREQ (wide.getParameterName (7), "FreqLevel10k");
    EXPECT_STREQ (wide.getParameterName (8), "Level");

    for (SevenBandModel* m : std::initializer_list<SevenBandModel*> { &guitar, &bass, &wide })
    {
        EXPECT_EQ (m->getParameterNum(), 9);
        EXPECT_STREQ (m->getParameterName (9), "");
        EXPECT_STREQ (m->getParameterName (-1), "");
        EXPECT_EQ (m->getDefaultParameter (9), 0.0f);
        EXPECT_EQ (m->getDefaultParameter (-1), 0.0f);
        EXPECT_EQ (m->getParameter (0), 1.0f);
        EXPECT_EQ (m->getParameter (3), 0.5f);
        EXPECT_EQ (m->getParameter (42), 0.0f);
        EXPECT_EQ (m->getLevelTarget(), 1.0f);
        EXPECT_EQ (m->getOnBypassState(), stateEngaged);
        EXPECT_FALSE (m->isContainer());

        // Band numbers outside 1..7 give the nearest band, never memory beside it.
        EXPECT_EQ (&m->getBand (0), &m->getBand (1));
        EXPECT_EQ (&m->getBand (-5), &m->getBand (1));
        EXPECT_EQ (&m->getBand (8), &m->getBand (7));
    }
}

TEST (Model, ProcessBlockRoutesByInputsUsed)
{
    ZavoQT7 m;
    prepare (m, 44100.0f);
    set (m, modelFreqLevel3, 1.0f);

    for (int inputs : { 0, 1, 2, 3 })
    {
        auto l = sine (256), r = sine (256, 1000.0);
        const auto l0 = l, r0 = r;
        m.setInputsUsed (inputs);
        m.processBlock (l.data(), r.data(), 256);

        if (inputs == 1)
        {
            EXPECT_NE (l, l0);
            EXPECT_EQ (l, r);
        }
        else if (inputs == 2)
        {
            EXPECT_NE (l, l0);
            EXPECT_NE (r, r0);
            EXPECT_NE (l, r);
        }
        else
        {
            EXPECT_EQ (l, l0);
            EXPECT_EQ (r, r0);
        }
    }
}

TEST (Model, OnOffCrossfadeLengthsAndTransitions)
{
    struct Case { float rate; int length; };

    for (auto c : { Case { 44100.0f, 198 }, Case { 48000.0f, 215 }, Case { 96000.0f, 431 } })
    {
        ZavoQT7 m;
        prepare (m, c.rate, 1024);

        // Off is strictly not above one half.
        m.setParameter (modelOnBypass, 0.5f);
        m.calcParameter (modelOnBypass);
        EXPECT_EQ (m.getOnBypassState(), stateFadingOut);
        EXPECT_EQ (m.getFadeLength(), c.length);

        // A second calculation without a change starts nothing new.
        auto block = sine (100);
        m.process (block.data(), 100);
        const float wetMidway = m.getWetGain();
        m.calcParameter (modelOnBypass);
        EXPECT_EQ (m.getWetGain(), wetMidway);
        EXPECT_EQ (m.getOnBypassState(), stateFadingOut);

        // The fade ends inside this block: everything after it passes dry.
        auto in = sine (1024, 300.0, c.rate);
        auto out = in;
        m.process (out.data(), 1024);
        EXPECT_EQ (m.getOnBypassState(), stateBypassed);

        for (int i = c.length + 1; i < 1024; ++i)
            ASSERT_EQ (out[(size_t) i], in[(size_t) i]) << i;

        // Nothing runs while bypassed, and the histories were cleared, so turning
        // on again starts from silent filters: a silent block stays silent.
        set (m, modelOnBypass, 1.0f);
        EXPECT_EQ (m.getOnBypassState(), stateFadingIn);
        std::vector<float> silence (64, 0.0f);
        m.process (silence.data(), 64);
        EXPECT_EQ (silence, std::vector<float> (64, 0.0f));
    }
}

TEST (Model, FadeOutReversedMidwayContinuesFromWhereItStands)
{
    ZavoQT7 m;
    prepare (m, 44100.0f);
    set (m, modelOnBypass, 0.0f);
    auto block = sine (50);
    m.process (block.data(), 50);
    const float wet = m.getWetGain();
    EXPECT_GT (wet, 0.5f);
    EXPECT_LT (wet, 1.0f);

    set (m, modelOnBypass, 1.0f);
    EXPECT_EQ (m.getWetGain(), wet);
    block = sine (60);
    m.process (block.data(), 60);
    EXPECT_EQ (m.getOnBypassState(), stateEngaged);
    EXPECT_EQ (m.getWetGain(), 1.0f);
}

TEST (Model, LevelRampIsLinearAndLandsExactly)
{
    ZavoQT7 m;
    prepare (m, 44100.0f);
    EXPECT_EQ (m.getLevelRampLength(), 2048);

    set (m, modelLevel, 1.0f);
    const float target = m.getLevelTarget();
    EXPECT_NEAR (target, 5.6234f, 1e-4f);

    float sample = 0.0f;
    float previous = m.getLevelCurrent();
    EXPECT_EQ (previous, 1.0f);

    for (int i = 1; i <= 2048; ++i)
    {
        m.process (&sample, 1);
        const float expected = 1.0f + (target - 1.0f) * (float) i / 2048.0f;
        ASSERT_NEAR (m.getLevelCurrent(), expected, 1e-4f) << i;
        ASSERT_GT (m.getLevelCurrent(), previous);
        previous = m.getLevelCurrent();
    }

    EXPECT_EQ (m.getLevelCurrent(), target);
    m.process (&sample, 1);
    EXPECT_EQ (m.getLevelCurrent(), target);

    // A bulk recalculation snaps the level instead of ramping.
    m.setParameter (modelLevel, 0.0f);
    m.forceCalcParams();
    EXPECT_EQ (m.getLevelCurrent(), m.getLevelTarget());
}

TEST (Model, RateChangesNothingUntilRecalculated)
{
    ZavoQT7 m;
    prepare (m, 44100.0f);
    set (m, modelFreqLevel4, 0.9f);

    double before[5];
    std::copy (m.getBand (4).targetCoeffs, m.getBand (4).targetCoeffs + 5, before);
    m.setSampleRate (96000.0f);
    EXPECT_TRUE (std::equal (before, before + 5, m.getBand (4).targetCoeffs));

    // Recalculated without a reset, the bands ramp from the coefficients in use...
    m.forceCalcParams();
    EXPECT_TRUE (m.getBand (4).isRamping());
    EXPECT_FALSE (std::equal (before, before + 5, m.getBand (4).targetCoeffs));

    // ...while after a reset they take the new design at once.
    m.resetCoeffs();
    m.forceCalcParams();

    for (int band = 1; band <= 7; ++band)
        EXPECT_TRUE (std::equal (m.getBand (band).coeffs, m.getBand (band).coeffs + 5,
                                 m.getBand (band).targetCoeffs)) << band;
}

TEST (Model, EmptyBlocksChangeNothingEvenMidFade)
{
    ZavoQT7 m;
    prepare (m, 44100.0f);
    set (m, modelOnBypass, 0.0f);
    set (m, modelLevel, 1.0f);
    const float wet = m.getWetGain(), level = m.getLevelCurrent();

    float dummy = 1.0f;
    m.process (&dummy, 0);
    m.process (&dummy, &dummy, 0);
    m.process (&dummy, -5);

    EXPECT_EQ (m.getWetGain(), wet);
    EXPECT_EQ (m.getLevelCurrent(), level);
    EXPECT_EQ (dummy, 1.0f);
}

TEST (Model, BuffersGrowForEveryBlockAndNeverShrink)
{
    // Sized large, then small with reallocation, then fed longer blocks with and
    // without resizing: every crossfade block needs its full dry copy.
    ZavoQTB7 m;
    m.setSampleRate (48000.0f);
    m.changeBufferSize (4096, true);
    m.forceCalcParams();
    m.changeBufferSize (512, true);
    EXPECT_GE (m.getBufferCapacity(), 4096);

    for (int n : { 1024, 2048, 8192 })
    {
        set (m, modelOnBypass, 0.0f);
        auto l = sine (n), r = sine (n);
        m.process (l.data(), r.data(), n);
        EXPECT_GE (m.getBufferCapacity(), n);
        EXPECT_GE (m.getExpectedSampleFrame(), n);
        set (m, modelOnBypass, 1.0f);
    }

    // An owner that writes the expected length without sizing is covered too.
    m.expectedSampleFrame = 100000;
    set (m, modelOnBypass, 0.0f);
    std::vector<float> big (20000, 0.1f);
    m.process (big.data(), 20000);
    EXPECT_GE (m.getBufferCapacity(), 20000);
}

TEST (Model, UsableBeforeAnyRateIsSet)
{
    ZavoQT7B m;
    m.forceCalcParams();
    set (m, modelLevel, 1.0f);
    set (m, modelFreqLevel2, 0.0f);
    set (m, modelOnBypass, 0.0f);

    auto block = sine (4096);
    m.process (block.data(), 4096);

    for (float v : block)
        ASSERT_TRUE (std::isfinite (v));

    EXPECT_EQ (m.getOnBypassState(), stateBypassed);
}
