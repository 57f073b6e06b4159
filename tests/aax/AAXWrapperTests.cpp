/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#include <gtest/gtest.h>

#include "AAXHostObjects.h"
#include "AAX_CHostServices.h"
#include "AAX_VDescription.h"
#include "AAX_CString.h"
#include "AAX_VRuntime.h"

#include <memory>

using namespace vostrel::aaxhost;

namespace
{
    /** True when every object the host made, and the host's own, is back to the
        host's single reference. */
    void expectBalanced (const HostRoot& root)
    {
        EXPECT_EQ (root.references(), 1);
        EXPECT_EQ (root.factory.references(), 1);
        EXPECT_EQ (root.descriptionHost.references(), 1);
        EXPECT_EQ (root.descriptionHost.stemFormats.references(), 1);
        EXPECT_EQ (root.descriptionHost.stemFormats.properties.references(), 1);

        for (auto& object : root.factory.made)
            EXPECT_EQ (object->references(), 1) << typeid (*object).name();
    }

    void processProc (void* const[], const void* const) {}
}

TEST (AAXDescriptionWrappers, ForwardToTheHostAndGiveEveryReferenceBack)
{
    HostRoot root;

    {
        AAX_VCollection collection (&root);
        auto* effect = collection.NewDescriptor();
        auto* component = effect->NewComponentDescriptor();
        auto* map = component->NewPropertyMap();

        EXPECT_EQ (effect->AddName ("Vostrel ZR2814"), 0);
        EXPECT_EQ (component->AddAudioIn (0), 0);
        EXPECT_EQ (component->AddPrivateData (4, 8), 0);
        EXPECT_EQ (map->AddProperty (AAX_eProperty_PlugInID_Native, 42), 0);
        EXPECT_EQ (component->AddProcessProc_Native (processProc, map), 0);
        EXPECT_EQ (effect->AddComponent (component), 0);
        EXPECT_EQ (collection.AddEffect ("com.example.effect", effect), 0);
        EXPECT_EQ (collection.AddEffect ("not ours", nullptr), AAX_ERROR_NULL_OBJECT);
        EXPECT_EQ (collection.AddPackageName ("ZR2814"), 0);
        ASSERT_NE (collection.DescriptionHost(), nullptr);
        EXPECT_NE (collection.HostDefinition(), nullptr);

        auto collections = root.factory.madeOf<HostCollection>();
        ASSERT_EQ (collections.size(), 1u);
        ASSERT_EQ (collections[0]->effects.size(), 1u);
        auto* hostEffect = collections[0]->effects[0].second;
        EXPECT_EQ (hostEffect->names, std::vector<std::string> { "Vostrel ZR2814" });
        ASSERT_EQ (hostEffect->components.size(), 1u);
        EXPECT_EQ (hostEffect->components[0]->fields.at (4).second, 8);
        EXPECT_EQ (hostEffect->components[0]->nativeProcs.at (0).properties.at (AAX_eProperty_PlugInID_Native), 42);
    }

    expectBalanced (root);
}

TEST (AAXDescriptionWrappers, MissingVersionsGiveTheirResults)
{
    HostRoot root;
    root.factory.omitFor (AAXCompID_AAXEffectDescriptor, IID_IAAXEffectDescriptorV2);
    root.factory.omitFor (AAXCompID_AAXComponentDescriptor, IID_IAAXComponentDescriptorV2);
    root.factory.omitFor (AAXCompID_AAXPropertyMap, IID_IAAXPropertyMapV1);

    {
        AAX_VEffectDescriptor effect (&root);
        EXPECT_EQ (effect.AddControlMIDINode (1, AAX_eMIDINodeType_LocalInput, "x", 1), AAX_ERROR_UNIMPLEMENTED);
        EXPECT_EQ (effect.AddName ("still the first version"), 0);

        AAX_VComponentDescriptor component (&root);
        EXPECT_EQ (component.AddTemporaryData (1, 4), AAX_ERROR_UNIMPLEMENTED);
        EXPECT_EQ (component.AddAudioOut (1), 0);

        std::unique_ptr<AAX_VPropertyMap> map (AAX_VPropertyMap::Create (&root));
        AAX_CPropertyValue value = 99;
        EXPECT_FALSE (map->GetProperty (AAX_eProperty_ProductID, &value));
        EXPECT_EQ (value, 0);
        EXPECT_EQ (map->AddProperty (AAX_eProperty_ProductID, 1), AAX_ERROR_NULL_OBJECT);
    }

    HostRoot noCollection;
    noCollection.factory.omitFor (AAXCompID_AAXCollection, IID_IAAXCollectionV1);
    noCollection.omit (IID_IAAXDescriptionHostV1);

    {
        AAX_VCollection collection (&noCollection);
        EXPECT_EQ (collection.SetManufacturerName ("Tervix"), AAX_ERROR_NULL_OBJECT);
        EXPECT_EQ (collection.SetPackageVersion (0x10200), AAX_ERROR_NULL_OBJECT);
        EXPECT_EQ (collection.AddEffect ("id", collection.NewDescriptor()), AAX_ERROR_NULL_OBJECT);
        EXPECT_EQ (collection.DescriptionHost(), nullptr);
        EXPECT_EQ (collection.GetIUnknown(), nullptr);
    }

    expectBalanced (root);
    expectBalanced (noCollection);
}

TEST (AAXDescriptionWrappers, ANullFactoryThrowsWithoutKeepingReferences)
{
    HostRoot root;
    root.answerNull (IID_IACFComponentFactory);

    try
    {
        AAX_VCollection collection (&root);
        FAIL() << "no exception";
    }
    catch (ACFRESULT code)
    {
        EXPECT_EQ (code, ACF_E_POINTER);
    }

    EXPECT_THROW (AAX_VComponentDescriptor component (&root), ACFRESULT);
    EXPECT_EQ (AAX_VPropertyMap::Create (&root), nullptr);
    expectBalanced (root);
}

TEST (AAXDescriptionWrappers, StemFormatsTheHostMayNotKnowNeedItsDescriptionInterface)
{
    HostRoot root;
    root.omit (IID_IAAXDescriptionHostV1);
    std::unique_ptr<AAX_VPropertyMap> map (AAX_VPropertyMap::Create (&root));

    EXPECT_EQ (map->AddProperty (AAX_eProperty_InputStemFormat, 0xD0001), AAX_ERROR_PROPERTY_UNDEFINED);
    EXPECT_EQ (map->AddProperty (AAX_eProperty_InputStemFormat, AAX_eStemFormat_Any), 0);
    EXPECT_EQ (map->AddProperty (AAX_eProperty_OutputStemFormat, AAX_eStemFormat_None), 0);
    EXPECT_EQ (map->AddProperty (AAX_eProperty_SideChainStemFormat, 0xD0001), 0);
    EXPECT_EQ (map->AddProperty (AAX_eProperty_InputStemFormat, 0xCFFFF), 0);

    HostRoot described;
    std::unique_ptr<AAX_VPropertyMap> describedMap (AAX_VPropertyMap::Create (&described));
    EXPECT_EQ (describedMap->AddProperty (AAX_eProperty_OutputStemFormat, AAX_eStemFormat_7_1_2), 0);
}

TEST (AAXDescriptionWrappers, PointerPropertiesWithoutTheThirdVersionStayLocal)
{
    HostRoot root;
    root.factory.omitFor (AAXCompID_AAXPropertyMap, IID_IAAXPropertyMapV3);
    std::unique_ptr<AAX_VPropertyMap> map (AAX_VPropertyMap::Create (&root));
    int target = 0;

    EXPECT_EQ (map->AddPointerProperty (AAX_eProperty_NativeProcessProc, &target), 0);
    const void* read = nullptr;
    EXPECT_TRUE (map->GetPointerProperty (AAX_eProperty_NativeProcessProc, &read));
    EXPECT_EQ (read, &target);

    EXPECT_EQ (map->AddPointerProperty ((AAX_EProperty) 35, &target), AAX_ERROR_UNIMPLEMENTED);
    EXPECT_FALSE (map->GetPointerProperty ((AAX_EProperty) 35, &read));
    EXPECT_EQ (read, nullptr);
}

TEST (AAXDescriptionWrappers, ProcessProceduresRegisteredByTheWrapperItself)
{
    HostRoot root;
    AAX_CHostServices::Set (&root);
    root.factory.omitFor (AAXCompID_AAXComponentDescriptor, IID_IAAXComponentDescriptorV3);

    {
        AAX_VComponentDescriptor component (&root);
        auto* map = component.NewPropertyMap();
        map->AddProperty (AAX_eProperty_PlugInID_Native, 1);
        map->AddProperty (AAX_eProperty_AudioBufferLength, 9);
        map->AddPointerProperty (AAX_eProperty_NativeProcessProc, reinterpret_cast<const void*> (&processProc));

        AAX_CProcPtrID ids[2] = { 7, 7 };
        EXPECT_EQ (component.AddProcessProc (map, ids, 2), 0);
        EXPECT_EQ (ids[0], 1u);
        EXPECT_EQ (ids[1], 0u);
        EXPECT_EQ (component.AddProcessProc (map, ids, 1), AAX_ERROR_ARGUMENT_BUFFER_OVERFLOW);
        EXPECT_EQ (component.AddProcessProc (map, nullptr, 0), 0);
        EXPECT_EQ (component.AddProcessProc (nullptr, ids, 2), AAX_ERROR_NULL_OBJECT);

        auto* hostComponent = root.factory.madeOf<HostComponentDescriptor>().front();
        ASSERT_EQ (hostComponent->nativeProcs.size(), 3u);
        EXPECT_EQ (hostComponent->nativeProcs[0].process, &processProc);
        EXPECT_EQ (hostComponent->nativeProcs[0].properties.count (AAX_eProperty_AudioBufferLength), 0u);

        AAX_CPropertyValue length = 0;
        EXPECT_TRUE (map->GetProperty (AAX_eProperty_AudioBufferLength, &length));

        auto* withoutProc = component.NewPropertyMap();
        withoutProc->AddProperty (AAX_eProperty_PlugInID_Native, 1);
        EXPECT_EQ (component.AddProcessProc (withoutProc, nullptr, 0), 0);
        EXPECT_EQ (hostComponent->nativeProcs.back().process, nullptr);
    }

    auto& traces = root.factory.services.front()->traces;
    ASSERT_EQ (traces.size(), 1u);
    EXPECT_EQ (traces[0].second, "AAX_VComponentDescriptor: ManuallyAddProcessProcs() - no value found for "
                                 "AAX_eProperty_NativeProcessProc");
    AAX_CHostServices::Set (nullptr);
    expectBalanced (root);
}

TEST (AAXDescriptionWrappers, FeatureInformationGivesItsReferencesBack)
{
    HostRoot root;
    root.descriptionHost.stemFormats.properties.AddProperty ((AAX_EProperty) AAX_eStemFormat_7_1_2,
                                                             AAX_eSupportLevel_Supported);
    {
        AAX_VDescriptionHost host (&root);
        std::unique_ptr<const AAX_IFeatureInfo> feature (host.AcquireFeatureProperties (AAXATTR_ClientFeature_StemFormat));
        ASSERT_NE (feature, nullptr);
        EXPECT_TRUE (feature->ID() == AAXATTR_ClientFeature_StemFormat);

        AAX_ESupportLevel level = AAX_eSupportLevel_Uninitialized;
        EXPECT_EQ (feature->SupportLevel (level), 0);
        EXPECT_EQ (level, AAX_eSupportLevel_ByProperty);

        std::unique_ptr<const AAX_IPropertyMap> properties (feature->AcquireProperties());
        ASSERT_NE (properties, nullptr);
        AAX_CPropertyValue support = 0;
        EXPECT_TRUE (properties->GetProperty ((AAX_EProperty) AAX_eStemFormat_7_1_2, &support));
        EXPECT_EQ (support, AAX_eSupportLevel_Supported);

        EXPECT_EQ (host.AcquireFeatureProperties (IID_IACFUnknown), nullptr);
    }

    expectBalanced (root);

    AAX_VFeatureInfo missing (nullptr, AAXATTR_ClientFeature_StemFormat);
    auto level = AAX_eSupportLevel_Supported;
    EXPECT_EQ (missing.SupportLevel (level), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ (level, AAX_eSupportLevel_Uninitialized);
    EXPECT_EQ (missing.AcquireProperties(), nullptr);
}

//==============================================================================
TEST (AAXRuntimeWrappers, WithoutTheHostEveryOutValueIsNeutral)
{
    AAX_VController controller (nullptr);
    AAX_CSampleRate rate = 1.0f;
    EXPECT_EQ (controller.GetSampleRate (&rate), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ (rate, 0.0f);
    AAX_CBoolean audioSuite = 7;
    EXPECT_EQ (controller.GetIsAudioSuite (&audioSuite), AAX_ERROR_UNIMPLEMENTED);
    EXPECT_EQ (audioSuite, 0);
    int64_t timestamp = 5;
    EXPECT_EQ (controller.GetCurrentAutomationTimestamp (&timestamp), AAX_ERROR_UNIMPLEMENTED);
    EXPECT_EQ (timestamp, 0);
    AAX_CString name ("stale");
    EXPECT_EQ (controller.GetHostName (&name), AAX_ERROR_UNIMPLEMENTED);
    EXPECT_STREQ (name.Get(), "");
    EXPECT_EQ (controller.GetSampleRate (nullptr), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ (controller.PostPacket (3, &rate, 4), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ (controller.CreateTableCopyForEffect (1, 2, 3, 4, 5), nullptr);

    AAX_VTransport transport (nullptr);
    auto frameRate = (AAX_EFrameRate) 9;
    int32_t offset = 9;
    EXPECT_EQ (transport.GetTimeCodeInfo (&frameRate, &offset), AAX_ERROR_UNIMPLEMENTED);
    EXPECT_EQ (frameRate, AAX_eFrameRate_Undeclared);
    EXPECT_EQ (offset, 0);
    bool playing = true;
    EXPECT_EQ (transport.IsTransportPlaying (&playing), AAX_ERROR_NULL_OBJECT);
    EXPECT_FALSE (playing);

    AAX_VAutomationDelegate automation (nullptr);
    EXPECT_EQ (automation.PostSetValueRequest ("id", 0.5), AAX_ERROR_NULL_OBJECT);

    AAX_VViewContainer view (nullptr);
    AAX_Point size { 454.0f, 325.0f };
    EXPECT_EQ (view.GetType(), 0);
    EXPECT_EQ (view.GetPtr(), nullptr);
    EXPECT_EQ (view.SetViewSize (size), 0);
    EXPECT_EQ (view.HandleParameterMouseDown ("id", 0), AAX_ERROR_UNIMPLEMENTED);
    uint32_t modifiers = 3;
    EXPECT_EQ (view.GetModifiers (&modifiers), AAX_ERROR_UNIMPLEMENTED);
    EXPECT_EQ (modifiers, 0u);

    AAX_VPageTable table (nullptr);
    int32_t pages = 4;
    EXPECT_EQ (table.GetNumPages (&pages), AAX_ERROR_UNIMPLEMENTED);
    EXPECT_EQ (pages, 0);
}

TEST (AAXRuntimeWrappers, LaterVersionsMissingGiveUnimplemented)
{
    HostFactory factory;
    HostInstanceContext context (factory);
    context.omit (IID_IAAXControllerV2);
    context.omit (IID_IAAXControllerV3);
    context.omit (IID_IAAXTransportV2);

    {
        AAX_VController controller (&context);
        AAX_CSampleRate rate = 0;
        EXPECT_EQ (controller.GetSampleRate (&rate), 0);
        EXPECT_EQ (rate, 48000.0f);
        EXPECT_EQ (controller.SendNotification (0x41535076), AAX_ERROR_UNIMPLEMENTED);
        AAX_CBoolean audioSuite = 1;
        EXPECT_EQ (controller.GetIsAudioSuite (&audioSuite), AAX_ERROR_UNIMPLEMENTED);
        EXPECT_EQ (audioSuite, 0);

        AAX_VTransport transport (&context);
        double tempo = 0;
        EXPECT_EQ (transport.GetCurrentTempo (&tempo), 0);
        EXPECT_EQ (tempo, 120.0);
        int64_t start = 8;
        EXPECT_EQ (transport.GetTimelineSelectionStartPosition (&start), AAX_ERROR_UNIMPLEMENTED);
        EXPECT_EQ (start, 0);
        int64_t hd = 8;
        EXPECT_EQ (transport.GetHDTimeCodeInfo (nullptr, &hd), 0);
    }

    EXPECT_EQ (context.controller.references(), 1);
    EXPECT_EQ (context.transport.references(), 1);
}

TEST (AAXRuntimeWrappers, NotificationsWithoutDataReachTheSecondVersion)
{
    HostFactory factory;
    HostInstanceContext context (factory);
    AAX_VController controller (&context);

    EXPECT_EQ (controller.SendNotification (0x41535076), 0);
    EXPECT_EQ (context.controller.notifications, std::vector<AAX_CTypeID> { 0x41535076 });
}

TEST (AAXRuntimeWrappers, ViewContainerGivesItsReferencesBack)
{
    HostViewContainer hostView;
    hostView.nativeView = &hostView;

    {
        AAX_VViewContainer view (&hostView);
        EXPECT_EQ (hostView.references(), 3);
        EXPECT_EQ (view.GetType(), AAX_eViewContainer_Type_HWND);
        EXPECT_EQ (view.GetPtr(), &hostView);
        AAX_Point size { 454.0f, 325.0f };
        EXPECT_EQ (view.SetViewSize (size), 0);
        EXPECT_EQ (view.HandleParameterMouseUp ("Vzr7_000100", 0), 0);
    }

    EXPECT_EQ (hostView.references(), 1);
    EXPECT_EQ (hostView.mouseEvents, std::vector<std::string> { "up Vzr7_000100" });
}

TEST (AAXRuntimeWrappers, PageTableCopies)
{
    HostFactory factory;
    HostInstanceContext context (factory);

    {
        AAX_VController controller (&context);
        std::unique_ptr<AAX_IPageTable> copy (controller.CreateTableCopyForEffect (1, 2, 3, 4, 5));
        ASSERT_NE (copy, nullptr);
        AAX_CString id;
        EXPECT_EQ (copy->GetMappedParameterID (0, 0, &id), 0);
        EXPECT_STREQ (id.Get(), "Vzr7_000100");

        factory.failTableCopies = true;
        EXPECT_EQ (controller.CreateTableCopyForLayoutFromFile ("p", AAX_eTextEncoding_UTF8, "l", 1, 2), nullptr);
        EXPECT_EQ (factory.madeOf<HostPageTable>().size(), 2u);
    }

    for (auto* table : factory.madeOf<HostPageTable>())
        EXPECT_EQ (table->references(), 1);

    HostFactory otherFactory;
    HostInstanceContext withoutTables (otherFactory);
    withoutTables.omit (IID_IAAXPageTableController);
    AAX_VController controller (&withoutTables);
    EXPECT_EQ (controller.CreateTableCopyForLayout ("e", "l", 1, 2), nullptr);
    EXPECT_TRUE (otherFactory.made.empty());
}
