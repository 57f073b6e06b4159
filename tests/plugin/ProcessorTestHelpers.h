/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#pragma once

#include <gtest/gtest.h>

#include "PluginProcessor.h"

#include <cmath>
#include <memory>
#include <vector>

namespace vostrel::test
{
    /** Sets a parameter the way an editor or a host does, with notification. */
    inline void setParameter (VostrelZR2814AudioProcessor& p, int index, float value)
    {
        p.getParameters()[index]->setValueNotifyingHost (value);
    }

    /** A stereo sine block, left and right at different frequencies. */
    inline juce::AudioBuffer<float> sineBlock (int numChannels, int numSamples, double rate,
                                               int startSample = 0, double frequency = 440.0)
    {
        juce::AudioBuffer<float> b (numChannels, numSamples);

        for (int ch = 0; ch < numChannels; ++ch)
            for (int i = 0; i < numSamples; ++i)
                b.setSample (ch, i, (float) (0.5 * std::sin (2.0 * M_PI * frequency * (ch + 1) * (startSample + i) / rate)));

        return b;
    }

    /** Runs one block through the processor in place. */
    inline void process (VostrelZR2814AudioProcessor& p, juce::AudioBuffer<float>& b)
    {
        juce::MidiBuffer midi;
        p.processBlock (b, midi);
    }

    /** A model of the type the parameters select, holding their band and level
        values and designed from them at once, as a bulk load leaves it. */
    inline std::unique_ptr<SevenBandModel> modelOfTheParameters (VostrelZR2814AudioProcessor& p, double rate)
    {
        std::unique_ptr<SevenBandModel> model;

        switch (p.equalizerTypeParam->getIndex())
        {
            case typeGuitar: model = std::make_unique<ZavoQT7>(); break;
            case typeBass:   model = std::make_unique<ZavoQT7B>(); break;
            default:         model = std::make_unique<ZavoQTB7>(); break;
        }

        model->setSampleRate ((float) rate);

        for (int i = paramFreqLevel1; i <= paramLevel; ++i)
            model->setParameter (i - 1, p.getParameters()[i]->getValue());

        model->forceCalcParams();
        return model;
    }

    /** Succeeds when every model holds the parameters' band and level values, and
        the one the processor plays has settled on them: each section designed
        from its value, its coefficients arrived, the level on its target. */
    inline ::testing::AssertionResult playsTheParameters (VostrelZR2814AudioProcessor& p, double rate)
    {
        const int type = p.equalizerTypeParam->getIndex();
        const auto reference = modelOfTheParameters (p, rate);

        for (int i = paramFreqLevel1; i <= paramLevel; ++i)
        {
            const float value = p.getParameters()[i]->getValue();

            for (int t : { typeGuitar, typeBass, typeWide })
                if (p.getModel (t)->getParameter (i - 1) != value)
                    return ::testing::AssertionFailure() << "model " << t << " holds parameter " << i << " at "
                                                         << p.getModel (t)->getParameter (i - 1) << ", not " << value;
        }

        if (p.isTypeSwitching() || p.getCurrentType() != type)
            return ::testing::AssertionFailure() << "model " << p.getCurrentType() << " plays, not " << type;

        auto* model = p.getModel (type);

        for (int band = 1; band <= 7; ++band)
        {
            const auto& section = model->getBand (band);

            for (int k = 0; k < 5; ++k)
                if (section.targetCoeffs[k] != reference->getBand (band).targetCoeffs[k]
                     || std::abs (section.coeffs[k] - section.targetCoeffs[k]) > 1.0e-9)
                    return ::testing::AssertionFailure() << "band " << band << " coefficient " << k << " is "
                                                         << section.coeffs[k] << ", designed "
                                                         << reference->getBand (band).targetCoeffs[k];
        }

        if (model->getLevelCurrent() != reference->getLevelTarget())
            return ::testing::AssertionFailure() << "level " << model->getLevelCurrent() << ", not "
                                                 << reference->getLevelTarget();

        return ::testing::AssertionSuccess();
    }

    /** A prepared processor with every band and the level at 0 dB. */
    inline void prepareNeutral (VostrelZR2814AudioProcessor& p, double rate = 44100.0, int blockSize = 512)
    {
        for (int i = paramFreqLevel1; i <= paramLevel; ++i)
            setParameter (p, i, 0.5f);

        p.prepareToPlay (rate, blockSize);
    }
}
