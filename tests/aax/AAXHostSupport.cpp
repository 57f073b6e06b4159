/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#include "AAXHostSupport.h"

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
}
