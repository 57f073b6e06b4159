/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

// The models' magnitude response, measured from processed impulses: the exact
// gains at each band's frequency, and the whole chain compared with textbook
// biquads evaluated independently on the unit circle.

#include <gtest/gtest.h>

#include "Reference.h"
#include "ZavoQT7.h"
#include "ZavoQT7B.h"
#include "ZavoQTB7.h"

#include <memory>

namespace
{
    // The designs run in single precision, as they always have; near the lowest
    // bands that rounding moves the response by up to about a tenth of a dB from
    // the exact textbook chain, while each band's own peak stays within 0.01 dB.
    constexpr double chainToleranceDb = 0.15;

    enum class Kind { guitar, bass, wide };

    // The band plan each model must have: six peaking centres, then the shelf
    // corner, in Hz. Written here rather than read from the models, so that a
    // wrong entry in a model's own table fails.
    constexpr double bandPlans[3][7] = {
        { 100.0, 200.0, 400.0, 800.0, 1600.0, 3200.0, 6400.0 }, // Guitar
        { 62.5, 125.0, 250.0, 500.0, 1000.0, 2000.0, 4000.0 },  // Bass
        { 50.0, 120.0, 400.0, 500.0, 800.0, 4500.0, 10000.0 },  // Wide
    };
    constexpr double peakQ = 1.414, shelfQ = 0.707;

    struct Setup
    {
        Kind kind;
        double rate;
    };

    std::unique_ptr<SevenBandModel> make (Kind kind)
    {
        switch (kind)
        {
            case Kind::guitar: return std::make_unique<ZavoQT7>();
            case Kind::bass:   return std::make_unique<ZavoQT7B>();
            case Kind::wide:   break;
        }

        return std::make_unique<ZavoQTB7>();
    }

    class Response : public ::testing::TestWithParam<Setup>
    {
    protected:
        /** The impulse response with the given band values (0..1) and level. */
        std::vector<float> impulseResponse (const float (&bands)[7], float level)
        {
            const int length = GetParam().rate > 50000.0 ? 65536 : 32768;
            model->setSampleRate ((float) GetParam().rate);
            model->setExpectedSampleFrame (length, true);

            for (int b = 0; b < 7; ++b)
                model->setParameter (modelFreqLevel1 + b, bands[b]);

            model->setParameter (modelLevel, level);
            model->resetCoeffs();
            model->forceCalcParams();

            std::vector<float> signal ((size_t) length, 0.0f);
            signal[0] = 1.0f;
            model->process (signal.data(), length);
            return signal;
        }

        /** The response the exact textbook sections give for the same settings. */
        double expectedDb (const float (&bands)[7], float level, double frequency) const
        {
            const double rate = GetParam().rate;
            double magnitude = 1.0;

            for (int b = 0; b < 7; ++b)
            {
                const double gainDb = 30.0 * bands[b] - 15.0;
                const double f0 = bandPlan()[b];
                const auto section = b < 6 ? reference::peak (gainDb, peakQ, f0, rate)
                                           : reference::highShelf (gainDb, shelfQ, f0, rate);
                magnitude *= section.magnitudeAt (frequency, rate);
            }

            return reference::toDb (magnitude) + 30.0 * level - 15.0;
        }

        const double* bandPlan() const { return bandPlans[(int) GetParam().kind]; }

        std::vector<double> probeFrequencies() const
        {
            std::vector<double> f (bandPlan(), bandPlan() + 7);
            f.insert (f.end(), { 30.0, 700.0, 2500.0, 15000.0 });
            return f;
        }

        std::unique_ptr<SevenBandModel> model = make (GetParam().kind);
    };
}

TEST_P (Response, NeutralSettingsAreFlat)
{
    const float bands[7] = { 0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f };
    const auto ir = impulseResponse (bands, 0.5f);

    for (double f : probeFrequencies())
        EXPECT_NEAR (reference::spectrumDb (ir, f, GetParam().rate), 0.0, 0.01) << f << " Hz";
}

TEST_P (Response, EachBandReachesItsGainAtItsFrequency)
{
    for (int band = 0; band < 7; ++band)
    {
        for (float value : { 1.0f, 0.0f })
        {
            float bands[7] = { 0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f };
            bands[band] = value;
            const auto ir = impulseResponse (bands, 0.5f);
            const double f0 = bandPlan()[band];
            const double full = value > 0.5f ? 15.0 : -15.0;

            // A peaking band reaches its full gain at its centre; the shelf half of it at its corner.
            EXPECT_NEAR (reference::spectrumDb (ir, f0, GetParam().rate), band < 6 ? full : full / 2, 0.01)
                << "band " << band + 1;

            for (double f : probeFrequencies())
                EXPECT_NEAR (reference::spectrumDb (ir, f, GetParam().rate), expectedDb (bands, 0.5f, f), chainToleranceDb)
                    << "band " << band + 1 << " at " << f << " Hz";
        }
    }
}

TEST_P (Response, LevelAloneShiftsEverything)
{
    const float bands[7] = { 0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f };

    for (auto [level, db] : { std::pair { 0.0f, -15.0 }, { 0.25f, -7.5 }, { 0.75f, 7.5 }, { 1.0f, 15.0 } })
    {
        const auto ir = impulseResponse (bands, level);

        for (double f : probeFrequencies())
            EXPECT_NEAR (reference::spectrumDb (ir, f, GetParam().rate), db, 0.01) << level << " at " << f;
    }
}

TEST_P (Response, MixedSettingsMatchTheTextbookChain)
{
    const float bands[7] = { 0.1f, 0.9f, 0.35f, 0.8f, 0.0f, 1.0f, 0.65f };
    const auto ir = impulseResponse (bands, 0.6f);

    for (double f : probeFrequencies())
        EXPECT_NEAR (reference::spectrumDb (ir, f, GetParam().rate), expectedDb (bands, 0.6f, f), chainToleranceDb) << f;
}

std::string setupName (const ::testing::TestParamInfo<Setup>& info)
{
    const char* kindNames[] = { "Guitar", "Bass", "Wide" };
    return std::string (kindNames[(int) info.param.kind]) + "_" + std::to_string ((int) info.param.rate);
}

INSTANTIATE_TEST_SUITE_P (AllModelsAndRates, Response,
    ::testing::Values (Setup { Kind::guitar, 44100.0 }, Setup { Kind::guitar, 48000.0 }, Setup { Kind::guitar, 96000.0 },
                       Setup { Kind::bass, 44100.0 },   Setup { Kind::bass, 48000.0 },   Setup { Kind::bass, 96000.0 },
                       Setup { Kind::wide, 44100.0 },   Setup { Kind::wide, 48000.0 },   Setup { Kind::wide, 96000.0 }),
    setupName);
