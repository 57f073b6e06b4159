/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#include "AAXHostSupport.h"

#include <cmath>

namespace vostrel::aaxhost::test
{
    LoadedPlugIn::LoadedPlugIn()
        : module (std::make_unique<PlugInModule> (VOSTREL_AAX_BINARY))
    {
        if (! module->isLoaded() || module->startup (&root) != 0
             || module->registerPlugin (&root, &definition) != 0 || definition == nullptr)
            return;

        collection = root.factory.madeOf<HostCollection>().front();

        if (! collection->effects.empty())
            effect = collection->effects.front().second;
    }

    LoadedPlugIn::~LoadedPlugIn()
    {
        if (definition != nullptr)
            definition->Release();

        if (module->isLoaded())
            module->shutdown (&root);
    }

    HostComponentDescriptor* LoadedPlugIn::componentFor (AAX_EStemFormat input, AAX_EStemFormat output) const
    {
        for (auto* component : effect->components)
        {
            const auto& properties = component->nativeProcs.front().properties;

            if (properties.at (AAX_eProperty_InputStemFormat) == input
                 && properties.at (AAX_eProperty_OutputStemFormat) == output)
                return component;
        }

        return nullptr;
    }

    Instance::Instance (LoadedPlugIn& plugIn) : context (plugIn.root.factory)
    {
        auto create = reinterpret_cast<PlugInModule::CreateProc> (plugIn.effect->procs.at (kAAX_ProcPtrID_Create_EffectParameters));
        effect = queryPlugInObject<AAX_IACFEffectParameters_V4> (create(), IID_IAAXEffectParametersV4);

        context.automation.answerSetRequest = [this] (const char* id, double value)
        {
            effect->UpdateParameterNormalizedValue (id, value, AAX_eUpdateSource_Unspecified);
        };

        EXPECT_EQ (effect->Initialize (&context), 0);
    }

    Instance::~Instance()
    {
        release();
    }

    void Instance::release()
    {
        if (effect == nullptr)
            return;

        EXPECT_EQ (effect->Uninitialize(), 0);
        effect->Release();
        effect = nullptr;
    }

    std::vector<std::vector<float>> testSignal (int numSamples, int offset)
    {
        std::vector<std::vector<float>> channels (2, std::vector<float> ((size_t) numSamples));

        for (int i = 0; i < numSamples; ++i)
        {
            const auto n = (double) (i + offset);
            channels[0][(size_t) i] = (float) (0.5 * std::sin (0.0005 * n * n / 100.0 + 0.01 * n));
            channels[1][(size_t) i] = (float) (0.3 * std::sin (0.37 * n) + 0.2 * std::cos (0.011 * n));
        }

        return channels;
    }

    Renderer::Renderer (LoadedPlugIn& plugIn, Instance& instanceToUse)
        : component (*plugIn.componentFor (AAX_eStemFormat_Stereo, AAX_eStemFormat_Stereo)),
          instance (instanceToUse),
          context (component, *instance.effect, 2, 2)
    {
    }

    std::vector<std::vector<float>> Renderer::render (int numSamples, int offset)
    {
        instance.effect->GenerateCoefficients();
        context.deliverPackets (instance.context.controller);

        const auto input = testSignal (numSamples, offset);
        std::vector<std::vector<float>> output (2, std::vector<float> ((size_t) numSamples, 9.0f));
        context.render (component, { input[0].data(), input[1].data() },
                        { output[0].data(), output[1].data() }, numSamples);
        return output;
    }

    std::vector<uint8_t> getChunk (AAX_IACFEffectParameters_V4& effect, uint32_t id)
    {
        uint32_t size = 0;
        EXPECT_EQ (effect.GetChunkSize (id, &size), 0);
        std::vector<uint8_t> record (sizeof (AAX_SPlugInChunk) + size);
        auto* chunk = reinterpret_cast<AAX_SPlugInChunk*> (record.data());
        chunk->fChunkID = id;
        EXPECT_EQ (effect.GetChunk (id, chunk), 0);
        EXPECT_EQ ((uint32_t) chunk->fSize, size);
        return record;
    }
}
