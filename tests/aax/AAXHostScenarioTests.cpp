/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

// The built AAX binary driven as an AAX host drives it: loading, description,
// parameters and automation, rendering, both chunks and teardown.

#include "AAXHostSupport.h"
#include "AAX_CString.h"
#include "PluginProcessor.h"
#include "TestSupport.h"

#include <algorithm>
#include <cmath>
#include <cstring>

using namespace vostrel::aaxhost;
using namespace vostrel::aaxhost::test;

namespace
{
    constexpr int jcaa = 0x6A636161, jyaa = 0x6A796161;

    /** The processor run directly, as the framework's client runs it. */
    struct DirectProcessor
    {
        DirectProcessor() { processor.prepareToPlay (48000.0, 1024); }

        std::vector<std::vector<float>> render (int numSamples, int offset)
        {
            if (numSamples > prepared)
                processor.prepareToPlay (48000.0, prepared = numSamples);

            auto channels = testSignal (numSamples, offset);
            float* pointers[] = { channels[0].data(), channels[1].data() };
            juce::AudioBuffer<float> buffer (pointers, 2, numSamples);
            juce::MidiBuffer midi;
            processor.processBlock (buffer, midi);
            return channels;
        }

        void setParameter (int index, float value)
        {
            processor.getParameters()[index]->setValueNotifyingHost (value);
        }

        VostrelZR2814AudioProcessor processor;
        int prepared = 1024;
    };

    void expectSameAudio (const std::vector<std::vector<float>>& a, const std::vector<std::vector<float>>& b)
    {
        ASSERT_EQ (a.size(), b.size());

        for (size_t channel = 0; channel < a.size(); ++channel)
            for (size_t i = 0; i < a[channel].size(); ++i)
                ASSERT_NEAR (a[channel][i], b[channel][i], 1.0e-6f) << "channel " << channel << " sample " << i;
    }
}

TEST (AAXHost, LoadsAndDescribesThePlugIn)
{
    const auto exports = PlugInModule::exportedFunctions (VOSTREL_AAX_BINARY);
    std::vector<std::string> sorted (exports);
    std::sort (sorted.begin(), sorted.end());
    EXPECT_EQ (sorted, (std::vector<std::string> { "ACFCanUnloadNow", "ACFGetClassFactory", "ACFGetSDKVersion",
                                                   "ACFRegisterComponent", "ACFRegisterPlugin", "ACFShutdown",
                                                   "ACFStartup" }));

    LoadedPlugIn plugIn;
    ASSERT_TRUE (plugIn.module->isLoaded());
    ASSERT_NE (plugIn.effect, nullptr);

    unsigned long long version = 0;
    EXPECT_EQ (plugIn.module->getSDKVersion (&version), 0);
    EXPECT_EQ (version, 0x00000204013449E0ull);
    EXPECT_EQ (plugIn.module->getSDKVersion (nullptr), AAX_ERROR_NULL_ARGUMENT);

    void* factory = &plugIn;
    EXPECT_EQ (plugIn.module->getClassFactory (&plugIn.root, IID_IACFUnknown, IID_IACFUnknown, &factory), AAX_ERROR_UNIMPLEMENTED);
    EXPECT_EQ (factory, nullptr);
    IACFComponentDefinition* component = reinterpret_cast<IACFComponentDefinition*> (&plugIn);
    EXPECT_EQ (plugIn.module->registerComponent (&plugIn.root, 3, &component), 0);
    EXPECT_EQ (component, nullptr);

    auto& collection = *plugIn.collection;
    ASSERT_EQ (collection.effects.size(), 1u);
    EXPECT_EQ (collection.effects[0].first, "com.tervix.VostrelZR2814");
    EXPECT_EQ (collection.manufacturer, "Tervix");
    EXPECT_EQ (collection.packageNames, (std::vector<std::string> { "ZR2814", "Vostrel ZR2814" }));
    EXPECT_EQ (collection.packageVersion, 0x10200u);

    auto& effect = *plugIn.effect;
    EXPECT_EQ (effect.names, std::vector<std::string> { "Vostrel ZR2814" });
    EXPECT_EQ (effect.categories, std::vector<uint32_t> { 1u });
    EXPECT_NE (effect.procs.at (kAAX_ProcPtrID_Create_EffectParameters), nullptr);
    EXPECT_NE (effect.procs.at (kAAX_ProcPtrID_Create_EffectGUI), nullptr);
    ASSERT_EQ (effect.components.size(), 3u);

    const struct { AAX_EStemFormat in, out; int native, audioSuite; } pairs[] = {
        { AAX_eStemFormat_Mono, AAX_eStemFormat_Mono, jcaa + 1, jyaa + 1 },
        { AAX_eStemFormat_Mono, AAX_eStemFormat_Stereo, jcaa, jyaa },
        { AAX_eStemFormat_Stereo, AAX_eStemFormat_Stereo, jcaa, jyaa } };

    for (auto& pair : pairs)
    {
        auto* descriptor = plugIn.componentFor (pair.in, pair.out);
        ASSERT_NE (descriptor, nullptr);
        const auto& properties = descriptor->nativeProcs.front().properties;
        EXPECT_EQ (properties.at (AAX_eProperty_ManufacturerID), 0x5456585F);
        EXPECT_EQ (properties.at (AAX_eProperty_ProductID), 0x547A7237);
        EXPECT_EQ (properties.at (AAX_eProperty_PlugInID_Native), pair.native);
        EXPECT_EQ (properties.at (AAX_eProperty_PlugInID_AudioSuite), pair.audioSuite);
        EXPECT_EQ (descriptor->fields.at (3).first, "dataInPort");
        EXPECT_NE (descriptor->nativeProcs.front().process, nullptr);
    }
}

TEST (AAXHost, ParametersAndAutomation)
{
    LoadedPlugIn plugIn;
    ASSERT_NE (plugIn.effect, nullptr);
    Instance instance (plugIn);
    auto& effect = *instance.effect;

    int32_t count = 0;
    EXPECT_EQ (effect.GetNumberOfParameters (&count), 0);
    EXPECT_EQ (count, 11);
    EXPECT_EQ (instance.context.automation.registered.size(), 11u);

    AAX_CString bypass;
    EXPECT_EQ (effect.GetMasterBypassParameter (&bypass), 0);
    EXPECT_STREQ (bypass.Get(), "MasterBypassID");

    AAX_CString id;
    EXPECT_EQ (effect.GetParameterIDFromIndex (4, &id), 0);
    EXPECT_STREQ (id.Get(), "Vzr7_000300");

    EXPECT_EQ (effect.SetParameterNormalizedValue ("Vzr7_000300", 0.75), 0);
    ASSERT_FALSE (instance.context.automation.setRequests.empty());
    EXPECT_EQ (instance.context.automation.setRequests.back(), (std::pair<std::string, double> { "Vzr7_000300", 0.75 }));
    EXPECT_EQ (instance.context.automation.currentValues.back().first, "Vzr7_000300");
    EXPECT_NEAR (instance.context.automation.currentValues.back().second, 0.75, 1.0e-7);

    double value = 0;
    EXPECT_EQ (effect.GetParameterNormalizedValue ("Vzr7_000300", &value), 0);
    EXPECT_NEAR (value, 0.75, 1.0e-7);

    // A host update that is not a number leaves the value alone.
    EXPECT_EQ (effect.UpdateParameterNormalizedValue ("Vzr7_000300", std::nan (""), AAX_eUpdateSource_Unspecified),
               AAX_ERROR_INVALID_ARGUMENT);
    EXPECT_EQ (effect.GetParameterNormalizedValue ("Vzr7_000300", &value), 0);
    EXPECT_NEAR (value, 0.75, 1.0e-7);

    EXPECT_EQ (effect.GetNumberOfParameters (nullptr), AAX_ERROR_NULL_ARGUMENT);
    EXPECT_EQ (effect.GetParameterIsAutomatable ("nope", nullptr), AAX_ERROR_NULL_ARGUMENT);
}

TEST (AAXHost, RendersAsTheProcessorDoes)
{
    LoadedPlugIn plugIn;
    ASSERT_NE (plugIn.effect, nullptr);
    Instance instance (plugIn);
    Renderer renderer (plugIn, instance);
    DirectProcessor direct;

    const std::pair<const char*, int> changes[] = { { "Vzr7_000100", 2 }, { "Vzr7_000400", 5 }, { "Vzr7_001000", 9 } };

    for (auto& [id, index] : changes)
    {
        instance.effect->SetParameterNormalizedValue (id, 0.8);
        direct.setParameter (index, 0.8f);
    }

    int offset = 0;

    for (int block : { 512, 512, 256, 2048, 512 })
    {
        expectSameAudio (renderer.render (block, offset), direct.render (block, offset));
        offset += block;
    }

    // The host's master bypass arrives as a packet and passes the input through.
    instance.effect->SetParameterNormalizedValue ("MasterBypassID", 1.0);
    EXPECT_EQ (instance.context.controller.fieldData.count (3), 1u);
    const auto bypassed = renderer.render (512, offset);
    int32_t bypassWord = 0;
    std::memcpy (&bypassWord, instance.context.controller.fieldData.at (3).data(), 4);
    EXPECT_NE (bypassWord, 0);
    expectSameAudio (bypassed, testSignal (512, offset));

    instance.effect->SetParameterNormalizedValue ("MasterBypassID", 0.0);
    renderer.render (64, offset);
    std::memcpy (&bypassWord, instance.context.controller.fieldData.at (3).data(), 4);
    EXPECT_EQ (bypassWord, 0);
}

TEST (AAXHost, BothChunksRestoreAnInstance)
{
    LoadedPlugIn plugIn;
    ASSERT_NE (plugIn.effect, nullptr);
    Instance original (plugIn);
    original.effect->SetParameterNormalizedValue ("Vzr7_000200", 0.9);
    original.effect->SetParameterNormalizedValue ("Vzr7_000010", 1.0);

    int32_t chunks = 0;
    EXPECT_EQ (original.effect->GetNumberOfChunks (&chunks), 0);
    EXPECT_EQ (chunks, 2);
    AAX_CTypeID ids[2] = {};
    original.effect->GetChunkIDFromIndex (0, &ids[0]);
    original.effect->GetChunkIDFromIndex (1, &ids[1]);
    EXPECT_EQ (ids[0], elck);
    EXPECT_EQ (ids[1], juceChunk);

    const auto controls = getChunk (*original.effect, elck);
    EXPECT_EQ (asChunk (controls)->fSize, 244);
    EXPECT_EQ (asChunk (controls)->fVersion, -1);
    EXPECT_STREQ (reinterpret_cast<const char*> (asChunk (controls)->fName), "Complete Controls State");
    const auto state = getChunk (*original.effect, juceChunk);

    Instance fromControls (plugIn);
    AAX_CBoolean equal = 1;
    EXPECT_EQ (fromControls.effect->CompareActiveChunk (asChunk (controls), &equal), 0);
    EXPECT_EQ (equal, 0);
    EXPECT_EQ (fromControls.effect->SetChunk (elck, asChunk (controls)), 0);
    EXPECT_EQ (fromControls.effect->CompareActiveChunk (asChunk (controls), &equal), 0);
    EXPECT_EQ (equal, 1);
    EXPECT_EQ (fromControls.effect->CompareActiveChunk (asChunk (state), &equal), 0);
    EXPECT_EQ (equal, 1);

    Instance fromState (plugIn);
    EXPECT_EQ (fromState.effect->SetChunk (juceChunk, asChunk (state)), 0);
    double value = 0;
    fromState.effect->GetParameterNormalizedValue ("Vzr7_000200", &value);
    EXPECT_NEAR (value, 0.9, 1.0e-6);
    EXPECT_EQ (getChunk (*fromState.effect, juceChunk), state);

    // The original ramped to its values while the restored one took them at once:
    // once the ramps and the filters' memories have settled they sound the same.
    Renderer originalSound (plugIn, original), restoredSound (plugIn, fromState);
    int offset = 0;

    for (; offset < 48000; offset += 1000)
    {
        originalSound.render (1000, offset);
        restoredSound.render (1000, offset);
    }

    expectSameAudio (originalSound.render (1000, offset), restoredSound.render (1000, offset));

    auto damaged = controls;
    reinterpret_cast<AAX_SPlugInChunk*> (damaged.data())->fSize = 30;
    EXPECT_EQ (fromControls.effect->SetChunk (elck, asChunk (damaged)), AAX_ERROR_MALFORMED_CHUNK);
    EXPECT_EQ (fromControls.effect->SetChunk (elck, nullptr), AAX_ERROR_NULL_ARGUMENT);
}

TEST (AAXHost, TheFrameworkChunkRestoresPresetPathsThatAreNotUTF8)
{
    LoadedPlugIn plugIn;
    ASSERT_NE (plugIn.effect, nullptr);
    Instance instance (plugIn);

    // A session whose slot names a file that is not UTF-8: the state spells it
    // with references to a surrogate and to a code point past U+10FFFF.
    VostrelZR2814AudioProcessor saved;
    saved.programs[3].presetPath[channelB] = vostrel::test::rawBytes ("\xed\xa0\x80/\xf7\xb0\xb1\xb2.tzrp");
    saved.programs[3].activeChannel = channelB;
    saved.setCurrentProgram (3);
    saved.getParameters()[paramLevel]->setValueNotifyingHost (0.8f);
    juce::MemoryBlock state;
    saved.getStateInformation (state);

    auto record = getChunk (*instance.effect, juceChunk);
    record.resize (sizeof (AAX_SPlugInChunk) + state.getSize());
    auto* chunk = reinterpret_cast<AAX_SPlugInChunk*> (record.data());
    chunk->fSize = (int32_t) state.getSize();
    std::memcpy (chunk->fData, state.getData(), state.getSize());
    EXPECT_EQ (instance.effect->SetChunk (juceChunk, chunk), 0);

    // Restored whole, the instance hands back the very same chunk.
    const auto restored = getChunk (*instance.effect, juceChunk);
    ASSERT_EQ ((size_t) asChunk (restored)->fSize, state.getSize());
    EXPECT_EQ (std::memcmp (asChunk (restored)->fData, state.getData(), state.getSize()), 0);
}

TEST (AAXHost, TearsDownInEitherOrderAndUnloads)
{
    for (bool guiFirst : { true, false })
    {
        LoadedPlugIn plugIn;
        ASSERT_NE (plugIn.effect, nullptr);

        {
            Instance instance (plugIn);
            auto createGui = reinterpret_cast<PlugInModule::CreateProc> (plugIn.effect->procs.at (kAAX_ProcPtrID_Create_EffectGUI));
            auto* gui = queryPlugInObject<AAX_IACFEffectGUI> (createGui(), IID_IAAXEffectGUIV1);
            ASSERT_NE (gui, nullptr);

            HostInstanceContext guiContext (plugIn.root.factory);
            EXPECT_EQ (gui->Initialize (nullptr), AAX_ERROR_NOT_INITIALIZED);
            EXPECT_EQ (plugIn.module->canUnloadNow (&plugIn.root), 2);

            if (guiFirst)
            {
                EXPECT_EQ (gui->Uninitialize(), 0);
                gui->Release();
                instance.release();
            }
            else
            {
                instance.release();
                gui->Release();
            }

            EXPECT_EQ (plugIn.module->canUnloadNow (&plugIn.root), 0);
            EXPECT_EQ (instance.context.controller.references(), 1);
            EXPECT_EQ (instance.context.automation.references(), 1);
            EXPECT_EQ (instance.context.transport.references(), 1);
            EXPECT_EQ (guiContext.references(), 1);
        }

        plugIn.definition->Release();
        plugIn.definition = nullptr;
        EXPECT_EQ (plugIn.module->shutdown (&plugIn.root), 0);
        EXPECT_EQ (plugIn.module->startup (nullptr), 0);

        EXPECT_EQ (plugIn.root.references(), 1);
        EXPECT_EQ (plugIn.root.factory.references(), 1);

        for (auto& object : plugIn.root.factory.made)
            EXPECT_EQ (object->references(), 1) << typeid (*object).name();
    }
}
