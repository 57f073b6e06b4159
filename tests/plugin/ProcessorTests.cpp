/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#include <gtest/gtest.h>

#include "ProcessorTestHelpers.h"

#include <limits>

using namespace vostrel::test;

namespace
{
    void clearFlags (VostrelZR2814AudioProcessor& p)
    {
        p.presetChanged = p.parametersChanged = p.channelChanged = false;
    }

    /** True when a section's coefficients in use are its design, i.e. it is not ramping. */
    bool settled (const BiquadPeakEQ& section)
    {
        return std::equal (section.coeffs, section.coeffs + 5, section.targetCoeffs);
    }

    bool anyFlag (const VostrelZR2814AudioProcessor& p)
    {
        return p.presetChanged || p.parametersChanged || p.channelChanged;
    }
}

TEST (Processor, FreshInstance)
{
    VostrelZR2814AudioProcessor p;

    EXPECT_EQ (p.getName(), "Vostrel ZR2814");
    EXPECT_EQ (p.getNumPrograms(), 12);
    EXPECT_EQ (p.getCurrentProgram(), 0);

    for (int i = 0; i < 12; ++i)
        EXPECT_EQ (p.getProgramName (i), "Init") << i;

    const auto& params = p.getParameters();
    ASSERT_EQ (params.size(), 10);
    const char* ids[] = { "Vzr7_000000", "Vzr7_000010", "Vzr7_000100", "Vzr7_000200", "Vzr7_000300",
                          "Vzr7_000400", "Vzr7_000500", "Vzr7_000600", "Vzr7_000700", "Vzr7_001000" };

    for (int i = 0; i < 10; ++i)
    {
        auto* withId = dynamic_cast<juce::AudioProcessorParameterWithID*> (params[i]);
        ASSERT_NE (withId, nullptr);
        EXPECT_EQ (withId->getParameterID(), ids[i]);
        EXPECT_EQ (p.paramInfos[i]->name, withId->getName (100));
        EXPECT_EQ (p.paramInfos[i]->index, i);
    }

    // On, "Guitar", every band and the level at -15 dB.
    EXPECT_TRUE (p.onBypassParam->get());
    EXPECT_EQ (p.equalizerTypeParam->getIndex(), typeGuitar);
    EXPECT_EQ (p.equalizerTypeParam->getCurrentChoiceName(), "Guitar");

    for (auto* band : p.freqLevelParams)
        EXPECT_EQ (band->get(), 0.0f);

    EXPECT_EQ (p.levelParam->get(), 0.0f);

    EXPECT_EQ (p.paramInfos[paramOnBypass]->steps, 0);
    EXPECT_EQ (p.paramInfos[paramEqualizerType]->steps, 2);
    EXPECT_TRUE (p.paramInfos[paramEqualizerType]->isInt);
    EXPECT_EQ (p.paramInfos[paramLevel]->steps, 1);

    for (const auto& slot : p.programs)
    {
        EXPECT_EQ (slot.activeChannel, channelA);

        for (int c = 0; c < 2; ++c)
        {
            EXPECT_EQ (slot.presetPath[c], "Init.tzrp");
            EXPECT_EQ (slot.values[c][paramOnBypass], 1.0f);

            for (int i = paramEqualizerType; i < numParameters; ++i)
                EXPECT_EQ (slot.values[c][i], 0.0f);
        }
    }

    EXPECT_FALSE (p.prepared);
    EXPECT_FALSE (p.modelsInSync);
    EXPECT_FALSE (anyFlag (p));
}

TEST (Processor, PluginIdentifiersPerChannelConfiguration)
{
    VostrelZR2814AudioProcessor p;
    const auto mono = juce::AudioChannelSet::mono();
    const auto stereo = juce::AudioChannelSet::stereo();

    EXPECT_EQ (p.getAAXPluginIDForMainBusConfig (mono, mono, false), 0x6A636161 + 1);
    EXPECT_EQ (p.getAAXPluginIDForMainBusConfig (stereo, stereo, false), 0x6A636161);
    EXPECT_EQ (p.getAAXPluginIDForMainBusConfig (mono, stereo, false), 0x6A636161);
    EXPECT_EQ (p.getAAXPluginIDForMainBusConfig (mono, mono, true), 0x6A796161 + 1);
    EXPECT_EQ (p.getAAXPluginIDForMainBusConfig (stereo, stereo, true), 0x6A796161);
}

TEST (Processor, AcceptsOnlyMonoAndStereoLayouts)
{
    VostrelZR2814AudioProcessor p;
    using Set = juce::AudioChannelSet;
    auto layout = [] (Set in, Set out)
    {
        juce::AudioProcessor::BusesLayout l;
        l.inputBuses.add (in);
        l.outputBuses.add (out);
        return l;
    };

    EXPECT_TRUE (p.checkBusesLayoutSupported (layout (Set::mono(), Set::mono())));
    EXPECT_TRUE (p.checkBusesLayoutSupported (layout (Set::mono(), Set::stereo())));
    EXPECT_TRUE (p.checkBusesLayoutSupported (layout (Set::stereo(), Set::stereo())));
    EXPECT_FALSE (p.checkBusesLayoutSupported (layout (Set::stereo(), Set::mono())));
    EXPECT_FALSE (p.checkBusesLayoutSupported (layout (Set::disabled(), Set::stereo())));
    EXPECT_FALSE (p.checkBusesLayoutSupported (layout (Set::create5point1(), Set::create5point1())));
}

TEST (Processor, ParameterChangesLandInTheLiveSlotSide)
{
    VostrelZR2814AudioProcessor p;
    p.programs[3].activeChannel = channelB;
    p.setCurrentProgram (3);
    clearFlags (p);

    setParameter (p, paramFreqLevel2, 0.75f);
    EXPECT_FLOAT_EQ (p.programs[3].values[channelB][paramFreqLevel2], 0.75f);
    EXPECT_EQ (p.programs[3].values[channelA][paramFreqLevel2], 0.0f);
    EXPECT_EQ (p.programs[0].values[channelB][paramFreqLevel2], 0.0f);
    EXPECT_TRUE (p.parametersChanged);
    EXPECT_FALSE (p.presetChanged);

    // The on/off and the model choice are stored like any other and raise the flag.
    clearFlags (p);
    setParameter (p, paramEqualizerType, 1.0f);
    setParameter (p, paramOnBypass, 0.0f);
    EXPECT_EQ (p.programs[3].values[channelB][paramEqualizerType], 1.0f);
    EXPECT_EQ (p.programs[3].values[channelB][paramOnBypass], 0.0f);
    EXPECT_TRUE (p.parametersChanged);

    // So are changes after a host state is restored, whole or the current program's.
    juce::MemoryBlock bank, current;
    p.getStateInformation (bank);
    p.getCurrentProgramStateInformation (current);
    p.setStateInformation (bank.getData(), (int) bank.getSize());
    setParameter (p, paramFreqLevel6, 0.4f);
    EXPECT_FLOAT_EQ (p.programs[3].values[channelB][paramFreqLevel6], 0.4f);
    p.setCurrentProgramStateInformation (current.getData(), (int) current.getSize());
    setParameter (p, paramFreqLevel6, 0.6f);
    EXPECT_FLOAT_EQ (p.programs[3].values[channelB][paramFreqLevel6], 0.6f);

    // Indices outside the parameter list change nothing.
    clearFlags (p);
    p.parameterValueChanged (10, 0.3f);
    p.parameterValueChanged (-1, 0.3f);
    p.setParameterFromIndex (10, 0.3f);
    EXPECT_FALSE (anyFlag (p));
}

TEST (Processor, NonFiniteAutomationNeverReachesSlotsOrModels)
{
    VostrelZR2814AudioProcessor p;
    prepareNeutral (p);
    setParameter (p, paramFreqLevel4, 0.8f);
    const float stored = p.programs[0].values[0][paramFreqLevel4];

    for (float bad : { std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity(),
                       -std::numeric_limits<float>::infinity() })
    {
        setParameter (p, paramFreqLevel4, bad);
        EXPECT_EQ (p.programs[0].values[0][paramFreqLevel4], stored);
        EXPECT_TRUE (std::isfinite (p.getParameters()[paramFreqLevel4]->getValue()));
        EXPECT_TRUE (std::isfinite (p.getModel (typeGuitar)->getParameter (modelFreqLevel4)));

        setParameter (p, paramOnBypass, bad);
        EXPECT_TRUE (p.onBypassParam->get());
    }

    // Out-of-range values are stored limited to 0..1.
    p.setParameterFromIndex (paramLevel, 7.0f);
    EXPECT_EQ (p.programs[0].values[0][paramLevel], 1.0f);
    p.setParameterFromIndex (paramLevel, -3.0f);
    EXPECT_EQ (p.programs[0].values[0][paramLevel], 0.0f);

    auto block = sineBlock (2, 512, 44100.0);
    process (p, block);

    for (int ch = 0; ch < 2; ++ch)
        for (int i = 0; i < 512; ++i)
            ASSERT_TRUE (std::isfinite (block.getSample (ch, i)));
}

TEST (Processor, ProgramSelection)
{
    VostrelZR2814AudioProcessor p;
    auto& slot = p.programs[5];
    slot.activeChannel = channelB;
    slot.presetPath[channelB] = "Rock/Crunch Lead.tzrp";
    slot.values[channelB][paramEqualizerType] = 0.5f;
    slot.values[channelB][paramFreqLevel5] = 0.9f;
    slot.values[channelB][paramLevel] = 0.6f;

    // Out-of-range indices change nothing and raise nothing.
    p.setCurrentProgram (12);
    p.setCurrentProgram (-1);
    EXPECT_EQ (p.getCurrentProgram(), 0);
    EXPECT_FALSE (anyFlag (p));
    EXPECT_EQ (p.getProgramName (12), "");
    EXPECT_EQ (p.getProgramName (-1), "");
    EXPECT_EQ (p.getProgramName (5), "Crunch Lead");

    // Before the first prepare the values are stored, but no model is calculated;
    // prepare hands them to every model.
    p.setCurrentProgram (5);
    EXPECT_EQ (p.getCurrentProgram(), 5);
    EXPECT_TRUE (p.presetChanged && p.parametersChanged && p.channelChanged);
    EXPECT_EQ (p.equalizerTypeParam->getIndex(), typeBass);
    EXPECT_FLOAT_EQ (p.freqLevelParams[4]->get(), 0.9f);
    EXPECT_FALSE (p.modelsInSync);
    EXPECT_EQ (p.getModel (typeBass)->getBand (5).coeffs[0], 0.0);
    p.prepareToPlay (48000.0, 256);
    EXPECT_TRUE (p.modelsInSync);
    EXPECT_FLOAT_EQ (p.getModel (typeWide)->getParameter (modelFreqLevel5), 0.9f);

    // A program change recalculates its model at once, without ramps, and ends a
    // running model switch.
    p.setCurrentProgram (0);
    setParameter (p, paramEqualizerType, 1.0f);
    auto block = sineBlock (2, 256, 48000.0);
    process (p, block);
    ASSERT_TRUE (p.isTypeSwitching());

    p.setCurrentProgram (5);
    EXPECT_TRUE (p.modelsInSync);
    EXPECT_FALSE (p.isTypeSwitching());
    EXPECT_EQ (p.getCurrentType(), typeBass);
    auto* bass = p.getModel (typeBass);

    for (int band = 1; band <= 7; ++band)
        EXPECT_TRUE (settled (bass->getBand (band))) << band;

    EXPECT_EQ (bass->getLevelCurrent(), bass->getLevelTarget());
}

TEST (Processor, SingleChangesRecalculateOnlyTheSelectedModel)
{
    VostrelZR2814AudioProcessor p;
    prepareNeutral (p);

    // The change reaches the models with the next block.
    setParameter (p, paramFreqLevel3, 1.0f);
    EXPECT_TRUE (settled (p.getModel (typeGuitar)->getBand (3)));
    auto block = sineBlock (2, 64, 44100.0);
    process (p, block);
    EXPECT_FALSE (settled (p.getModel (typeGuitar)->getBand (3)));
    EXPECT_TRUE (settled (p.getModel (typeWide)->getBand (3)));
    EXPECT_FLOAT_EQ (p.getModel (typeWide)->getParameter (modelFreqLevel3), 1.0f);

    // The other model comes in with the new value at once, not ramping to it.
    setParameter (p, paramEqualizerType, 1.0f);
    process (p, block);
    EXPECT_EQ (p.getSelectedType(), typeWide);
    EXPECT_TRUE (settled (p.getModel (typeWide)->getBand (3)));
    EXPECT_EQ (p.getModel (typeWide)->getBand (3).gain, 1.0f);

    // Choosing the model already selected starts nothing.
    process (p, block);
    const float fade = p.getSwitchFade();
    setParameter (p, paramEqualizerType, 1.0f);
    process (p, block);
    EXPECT_LT (p.getSwitchFade(), fade);
}

TEST (Processor, ModelChoiceWaitsWhileUnpreparedOrOutOfSync)
{
    VostrelZR2814AudioProcessor p;
    setParameter (p, paramEqualizerType, 0.5f);
    EXPECT_FALSE (p.isTypeSwitching());

    p.prepareToPlay (44100.0, 512);
    EXPECT_EQ (p.getCurrentType(), typeBass);
    EXPECT_FALSE (p.isTypeSwitching());

    // During a bulk load the choice is stored only; the load's recalculation selects it.
    p.modelsInSync = false;
    setParameter (p, paramEqualizerType, 1.0f);
    auto block = sineBlock (2, 64, 44100.0);
    process (p, block);
    EXPECT_FALSE (p.isTypeSwitching());
    p.forceCalcParams (false);
    EXPECT_EQ (p.getCurrentType(), typeWide);
}
