/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#include <gtest/gtest.h>

#include "AAXHostObjects.h"
#include "AAX_CEffectGUI.h"
#include "AAX_CEffectParameters.h"
#include "AAX_CHostServices.h"
#include "AAX_CLinearTaperDelegate.h"
#include "AAX_CNumberDisplayDelegate.h"
#include "AAX_ICollection.h"
#include "AAX_Init.h"

#include <atomic>
#include <climits>
#include <cmath>
#include <cstring>
#include <functional>
#include <stdexcept>
#include <thread>

using namespace vostrel::aaxhost;

namespace
{
    std::function<AAX_Result (AAX_ICollection*)> describe = [] (AAX_ICollection*) { return AAX_SUCCESS; };

    /** A chunk record with room for size data bytes. */
    struct ChunkRecord
    {
        explicit ChunkRecord (size_t size) : bytes (sizeof (AAX_SPlugInChunk) + size) {}
        AAX_SPlugInChunk* get() { return reinterpret_cast<AAX_SPlugInChunk*> (bytes.data()); }
        uint8_t* data() { return reinterpret_cast<uint8_t*> (get()->fData); }

        std::vector<uint8_t> bytes;
    };

    std::unique_ptr<ChunkRecord> write (const AAX_CChunkDataParser& parser)
    {
        auto record = std::make_unique<ChunkRecord> ((size_t) parser.GetChunkDataSize());
        EXPECT_EQ (parser.GetChunkData (record->get()), 0);
        return record;
    }

    /** An effect with two float parameters, a two-state master bypass on field 3
        and a hook to make its initialisation fail. */
    struct TestEffect : AAX_CEffectParameters
    {
        AAX_Result EffectInit() override
        {
            if (failInit)
                throw std::runtime_error ("init failed: %s");

            for (auto* id : { "gain_one", "gain_two" })
                mParameterManager.AddParameter (new AAX_CParameter<float> (id, AAX_CString (id), 0.5f,
                                                                           AAX_CLinearTaperDelegate<float, 0>(),
                                                                           AAX_CNumberDisplayDelegate<float, 3>(), true));

            auto* bypass = new AAX_CParameter<float> (cDefaultMasterBypassID, AAX_CString ("Master Bypass"), 0.0f,
                                                      AAX_CLinearTaperDelegate<float, 0>(),
                                                      AAX_CNumberDisplayDelegate<float, 3>(), true);
            bypass->SetNumberOfSteps (2);
            mParameterManager.AddParameter (bypass);
            mPacketDispatcher.RegisterPacket (cDefaultMasterBypassID, 3);
            return AAX_SUCCESS;
        }

        int32_t& changes() { return mNumChanges; }

        bool failInit = false;
    };

    /** A host and an initialised test effect held through its host interface. */
    struct HostedEffect
    {
        HostedEffect()
        {
            context.automation.answerSetRequest = [this] (const char* id, double value)
            {
                effect->UpdateParameterNormalizedValue (id, value, AAX_eUpdateSource_Unspecified);
            };

            effect->AddRef();
        }

        ~HostedEffect() { effect->Release(); }

        float bypassPacket() const
        {
            float value = -1.0f;
            std::memcpy (&value, context.controller.fieldData.at (3).data(), sizeof (value));
            return value;
        }

        HostFactory factory;
        HostInstanceContext context { factory };
        TestEffect* effect = new TestEffect();
    };

    std::unique_ptr<ChunkRecord> controlsState (AAX_IACFEffectParameters& effect)
    {
        uint32_t size = 0;
        EXPECT_EQ (effect.GetChunkSize (kAAX_ControlsStateChunkID, &size), 0);
        auto record = std::make_unique<ChunkRecord> (size);
        record->get()->fChunkID = kAAX_ControlsStateChunkID;
        EXPECT_EQ (effect.GetChunk (kAAX_ControlsStateChunkID, record->get()), 0);
        return record;
    }
}

AAX_Result GetEffectDescriptions (AAX_ICollection* collection)
{
    return describe (collection);
}

//==============================================================================
TEST (AAXChunkParser, WritesTheByteLayout)
{
    AAX_CChunkDataParser parser;
    auto empty = write (parser);
    EXPECT_EQ (empty->get()->fSize, 4);
    EXPECT_EQ (std::vector<uint8_t> (empty->data(), empty->data() + 4), (std::vector<uint8_t> { 1, 1, 1, 1 }));

    parser.AddDouble ("Vzr7_000100", 0.5);
    parser.AddString ("C", "abc");
    parser.AddString ("D", "abcd");
    auto record = write (parser);
    EXPECT_EQ (record->get()->fSize, 4 + 24 + 4 + 4 + 4 + 8);

    const uint8_t expected[] = { 'd', '_', 'V', 'z', 'r', '7', '_', '0', '0', '0', '1', '0', '0', 0, 0, 0,
                                 0x3F, 0xE0, 0, 0, 0, 0, 0, 0,
                                 'r', '_', 'C', 0, 'a', 'b', 'c', 0,
                                 'r', '_', 'D', 0, 'a', 'b', 'c', 'd', 0, 0, 0, 0 };
    EXPECT_EQ (0, std::memcmp (record->data() + 4, expected, sizeof (expected)));
}

TEST (AAXChunkParser, ReadsBackWhatItWroteAndFindsRepeatedly)
{
    AAX_CChunkDataParser writer;
    writer.AddDouble ("A", 1.0);
    writer.AddInt32 ("B", -2);
    writer.AddString ("C", "abcd");
    writer.AddDouble ("D", 3.0);
    auto record = write (writer);

    AAX_CChunkDataParser reader;
    EXPECT_TRUE (reader.LoadChunk (record->get()));
    ASSERT_EQ (reader.GetValues().size(), 4u);

    double d = 0; int32_t i = 0; AAX_CString s;
    EXPECT_TRUE (reader.FindDouble ("D", &d));
    EXPECT_TRUE (reader.FindDouble ("D", &d));
    EXPECT_EQ (d, 3.0);
    EXPECT_TRUE (reader.FindInt32 ("B", &i));
    EXPECT_EQ (i, -2);
    EXPECT_TRUE (reader.FindString ("C", &s));
    EXPECT_STREQ (s.Get(), "abcd");
    EXPECT_FALSE (reader.FindInt32 ("A", &i));
}

TEST (AAXChunkParser, NeverReadsPastTheData)
{
    AAX_CChunkDataParser writer;
    writer.AddDouble ("first", 1.0);
    writer.AddDouble ("second_value", 2.0);
    auto record = write (writer);
    const auto full = record->get()->fSize;
    AAX_CChunkDataParser reader;

    // Cut inside the second name, inside its value, and right after the header.
    for (int32_t cut : { 22, 40, full - 1, 5 })
    {
        ChunkRecord shortRecord ((size_t) cut);
        std::memcpy (shortRecord.get(), record->get(), sizeof (AAX_SPlugInChunk) - 1 + (size_t) cut);
        shortRecord.get()->fSize = cut;
        EXPECT_FALSE (reader.LoadChunk (shortRecord.get())) << cut;
        EXPECT_EQ (reader.GetValues().size(), cut > 20 ? 1u : 0u) << cut;
    }

    for (int32_t size : { 4, -8, 0 })
    {
        record->get()->fSize = size;
        EXPECT_FALSE (reader.LoadChunk (record->get()));
        EXPECT_TRUE (reader.GetValues().empty());
    }

    record->get()->fSize = full;
    record->data()[3] = 0;
    EXPECT_FALSE (reader.LoadChunk (record->get()));
    EXPECT_FALSE (reader.LoadChunk (nullptr));
}

//==============================================================================
TEST (AAXParameters, TaperStepsNamesAndDisplay)
{
    const AAX_CLinearTaperDelegate<float, 0> taper (0.0f, 1.0f), flat (2.0f, 2.0f);
    EXPECT_EQ (taper.NormalizedToReal (1.5), 1.0f);
    EXPECT_EQ (taper.RealToNormalized (-0.2f), 0.0);
    EXPECT_EQ (flat.RealToNormalized (7.0f), 0.5);
    EXPECT_EQ (flat.ConstrainRealValue (-3.0f), 2.0f);

    AAX_CParameter<float> parameter ("MasterBypassID", AAX_CString ("Master Bypass"), 0.0f, taper,
                                     AAX_CNumberDisplayDelegate<float, 3>());
    parameter.AddShortenedName (AAX_CString ("Bypa"));
    EXPECT_STREQ (parameter.ShortenedName (3).Get(), "Bypa");
    parameter.AddShortenedName (AAX_CString ("Byp"));
    EXPECT_STREQ (parameter.ShortenedName (3).Get(), "Byp");
    EXPECT_STREQ (parameter.ShortenedName (20).Get(), "Master Bypass");

    parameter.SetNumberOfSteps (2048);
    EXPECT_EQ (parameter.GetStepValueFromNormalizedValue (1.0), 2047u);
    EXPECT_EQ (parameter.GetNormalizedValueFromStep (2047), 1.0);
    parameter.SetNumberOfSteps (0);
    EXPECT_EQ (parameter.GetNumberOfSteps(), 2048u);
    parameter.SetNumberOfSteps (1);
    EXPECT_EQ (parameter.GetStepValueFromNormalizedValue (1.0), 0u);

    AAX_CNumberDisplayDelegate<float, 3> display;
    AAX_CString text;
    for (auto [chars, expected] : std::initializer_list<std::pair<int, const char*>> { { 100, "0.250" }, { 3, "0.2" }, { 2, "0" }, { 0, "" } })
    {
        display.ValueToString (0.25f, chars, &text);
        EXPECT_STREQ (text.Get(), expected) << chars;
    }

    // Without an automation delegate a value is taken at once; non-numbers never.
    parameter.SetNormalizedValue (0.3);
    EXPECT_NEAR (parameter.GetNormalizedValue(), 0.3, 1.0e-7);
    parameter.SetNormalizedValue (std::nan (""));
    parameter.UpdateNormalizedValue (INFINITY);
    parameter.SetValueWithFloat (NAN);
    EXPECT_NEAR (parameter.GetNormalizedValue(), 0.3, 1.0e-7);
}

TEST (AAXParameters, ManagerRefusesRepeatedIdentifiers)
{
    AAX_CParameterManager manager;
    const AAX_CLinearTaperDelegate<float, 0> taper;
    const AAX_CNumberDisplayDelegate<float, 3> display;

    for (auto* id : { "one", "two", "three" })
        manager.AddParameter (new AAX_CParameter<float> (id, AAX_CString (id), 0.0f, taper, display));

    AAX_CParameter<float> repeated ("two", AAX_CString ("two"), 0.0f, taper, display);
    manager.AddParameter (&repeated);
    manager.AddParameter (nullptr);
    EXPECT_EQ (manager.NumParameters(), 3);
    EXPECT_EQ (manager.GetParameterIndex ("three"), 2);
    EXPECT_EQ (manager.GetParameterIndex ("four"), -1);
    EXPECT_EQ (manager.GetParameter (-1), nullptr);
    EXPECT_EQ (manager.GetParameter (3), nullptr);
    EXPECT_EQ (manager.GetParameterByID (nullptr), nullptr);
}

//==============================================================================
TEST (AAXPacketDispatcher, BypassPacketsRetriesAndFirstFailure)
{
    HostedEffect host;
    ASSERT_EQ (host.effect->Initialize (&host.context), 0);

    EXPECT_EQ (host.effect->GenerateCoefficients(), 0);
    EXPECT_EQ (host.context.controller.packetsPosted, 1);
    EXPECT_EQ (host.context.controller.fieldData.at (3).size(), 4u);
    EXPECT_EQ (host.effect->GenerateCoefficients(), 0);
    EXPECT_EQ (host.context.controller.packetsPosted, 1);

    // The framework reads the packet as an integer: only on is non-zero.
    for (auto [value, expected] : std::initializer_list<std::pair<double, float>> { { 0.3, 0.0f }, { -0.0, 0.0f }, { 0.7, 1.0f } })
    {
        host.effect->UpdateParameterNormalizedValue (cDefaultMasterBypassID, value, AAX_eUpdateSource_Unspecified);
        host.effect->GenerateCoefficients();
        int32_t bits = -1;
        std::memcpy (&bits, host.context.controller.fieldData.at (3).data(), 4);
        EXPECT_EQ (host.bypassPacket(), expected) << value;
        EXPECT_EQ (bits == 0, expected == 0.0f) << value;
    }

    host.context.controller.postResult = AAX_ERROR_POST_PACKET_FAILED;
    host.effect->UpdateParameterNormalizedValue (cDefaultMasterBypassID, 0.0, AAX_eUpdateSource_Unspecified);
    EXPECT_EQ (host.effect->GenerateCoefficients(), AAX_ERROR_POST_PACKET_FAILED);
    host.context.controller.postResult = AAX_SUCCESS;
    EXPECT_EQ (host.effect->GenerateCoefficients(), 0);
    EXPECT_EQ (host.bypassPacket(), 0.0f);

    EXPECT_EQ (host.effect->Uninitialize(), 0);
    host.effect->UpdateParameterNormalizedValue (cDefaultMasterBypassID, 1.0, AAX_eUpdateSource_Unspecified);
    EXPECT_EQ (host.effect->GenerateCoefficients(), 0);
}

TEST (AAXPacketDispatcher, MutexLetsItsOwnerThrough)
{
    AAX_CMutex mutex;
    EXPECT_TRUE (mutex.Lock());
    EXPECT_FALSE (mutex.Lock());
    std::thread ([&] { mutex.Unlock(); }).join();

    // Another thread waits until the owner unlocks.
    std::atomic<int> stage { 0 };
    std::thread other ([&] { stage = 1; mutex.Lock(); stage = 2; mutex.Unlock(); });

    while (stage == 0)
        std::this_thread::yield();

    std::this_thread::sleep_for (std::chrono::milliseconds (20));
    EXPECT_EQ (stage, 1);
    mutex.Unlock();
    other.join();
    EXPECT_EQ (stage, 2);
    EXPECT_TRUE (mutex.Lock());
    mutex.Unlock();
}

//==============================================================================
TEST (AAXEffectParameters, ControlsStateChunk)
{
    HostedEffect source, target;
    ASSERT_EQ (source.effect->Initialize (&source.context), 0);
    ASSERT_EQ (target.effect->Initialize (&target.context), 0);

    uint32_t size = 1;
    EXPECT_EQ (source.effect->GetChunkSize (0x6A756365, &size), AAX_ERROR_INVALID_CHUNK_ID);
    EXPECT_EQ (size, 0u);
    ChunkRecord early (64);
    EXPECT_EQ (source.effect->GetChunk (kAAX_ControlsStateChunkID, early.get()), AAX_ERROR_INCORRECT_CHUNK_SIZE);

    source.effect->SetParameterNormalizedValue ("gain_two", 0.25);
    auto state = controlsState (*source.effect);
    EXPECT_EQ (state->get()->fVersion, -1);
    EXPECT_EQ (state->get()->fSize, 4 + 2 * 20);

    AAX_CBoolean equal = 1;
    EXPECT_EQ (target.effect->CompareActiveChunk (state->get(), &equal), 0);
    EXPECT_EQ (equal, 0);
    EXPECT_EQ (target.effect->SetChunk (kAAX_ControlsStateChunkID, state->get()), 0);
    EXPECT_EQ (target.effect->CompareActiveChunk (state->get(), &equal), 0);
    EXPECT_EQ (equal, 1);

    // Values that are not numbers are skipped, others limited to the range.
    AAX_CChunkDataParser odd;
    odd.AddDouble ("gain_one", NAN);
    odd.AddDouble ("gain_two", 7.0);
    auto oddRecord = write (odd);
    oddRecord->get()->fChunkID = kAAX_ControlsStateChunkID;
    EXPECT_EQ (target.effect->SetChunk (kAAX_ControlsStateChunkID, oddRecord->get()), 0);
    double value = 0;
    target.effect->GetParameterNormalizedValue ("gain_one", &value);
    EXPECT_EQ (value, 0.5);
    target.effect->GetParameterNormalizedValue ("gain_two", &value);
    EXPECT_EQ (value, 1.0);

    for (auto& [id, posted] : target.context.automation.currentValues)
        EXPECT_TRUE (posted >= 0.0 && posted <= 1.0) << id;

    state->get()->fSize = 10;
    EXPECT_EQ (target.effect->SetChunk (kAAX_ControlsStateChunkID, state->get()), AAX_ERROR_MALFORMED_CHUNK);
    EXPECT_EQ (target.effect->CompareActiveChunk (nullptr, &equal), AAX_ERROR_NULL_ARGUMENT);
    EXPECT_EQ (target.effect->GetChunkSize (kAAX_ControlsStateChunkID, nullptr), AAX_ERROR_NULL_ARGUMENT);
}

TEST (AAXEffectParameters, ChunksFromSeveralThreads)
{
    HostedEffect host;
    ASSERT_EQ (host.effect->Initialize (&host.context), 0);
    const auto state = controlsState (*host.effect);

    std::thread writer ([&]
    {
        for (int i = 0; i < 300; ++i)
            host.effect->SetChunk (kAAX_ControlsStateChunkID, state->get());
    });

    for (int i = 0; i < 300; ++i)
    {
        AAX_CBoolean equal = 0;
        EXPECT_EQ (host.effect->CompareActiveChunk (state->get(), &equal), 0);
        uint32_t size = 0;
        EXPECT_EQ (host.effect->GetChunkSize (kAAX_ControlsStateChunkID, &size), 0);
        EXPECT_EQ (size, (uint32_t) state->get()->fSize);
    }

    writer.join();
}

TEST (AAXEffectParameters, ChangesRelativeMovesAndCounter)
{
    HostedEffect host;
    ASSERT_EQ (host.effect->Initialize (&host.context), 0);

    host.effect->SetParameterNormalizedValue ("gain_one", 0.9);
    host.effect->SetParameterNormalizedRelative ("gain_one", 0.3);
    double value = 0;
    host.effect->GetParameterNormalizedValue ("gain_one", &value);
    EXPECT_EQ (value, 1.0);
    host.effect->SetParameterNormalizedRelative ("gain_one", -2.0);
    host.effect->GetParameterNormalizedValue ("gain_one", &value);
    EXPECT_EQ (value, 0.0);
    EXPECT_EQ (host.effect->SetParameterNormalizedRelative ("gain_one", NAN), AAX_ERROR_INVALID_ARGUMENT);
    EXPECT_EQ (host.effect->UpdateParameterNormalizedRelative ("nope", 0.1), AAX_ERROR_INVALID_PARAMETER_ID);

    const auto before = host.effect->changes();
    host.effect->UpdateParameterNormalizedValue ("gain_one", 0.0, AAX_eUpdateSource_Unspecified);
    EXPECT_EQ (host.effect->changes(), before);

    host.effect->changes() = INT_MAX;
    host.effect->UpdateParameterNormalizedValue ("gain_one", 0.5, AAX_eUpdateSource_Unspecified);
    int32_t count = 0;
    EXPECT_EQ (host.effect->GetNumberOfChanges (&count), 0);
    EXPECT_EQ (count, INT_MIN);

    AAX_CString name;
    EXPECT_EQ (host.effect->GetParameterNameOfLength ("gain_one", &name, 4), 0);
    EXPECT_STREQ (name.Get(), "gain");
    EXPECT_EQ (host.effect->GetParameterNameOfLength ("gain_one", nullptr, 4), AAX_ERROR_INVALID_STRING_CONVERSION);
    int32_t index = 5;
    EXPECT_EQ (host.effect->GetParameterIndex ("nope", &index), AAX_ERROR_INVALID_PARAMETER_ID);
    EXPECT_EQ (index, -1);
}

TEST (AAXEffectParameters, FailuresNeverLeaveTheObject)
{
    HostRoot root;
    AAX_CHostServices::Set (&root);

    {
        HostedEffect host;
        host.effect->failInit = true;
        EXPECT_EQ (host.effect->Initialize (&host.context), AAX_ERROR_UNKNOWN_EXCEPTION);
        EXPECT_EQ (host.effect->Initialize (nullptr), AAX_ERROR_NULL_ARGUMENT);
    }

    // Released without Uninitialize: parameters unregister and the wrappers go.
    HostFactory factory;
    HostInstanceContext context (factory);
    auto* effect = new TestEffect();
    effect->AddRef();
    ASSERT_EQ (effect->Initialize (&context), 0);
    EXPECT_EQ (context.automation.registered.size(), 3u);
    effect->Release();
    EXPECT_TRUE (context.automation.registered.empty());
    EXPECT_EQ (context.controller.references(), 1);
    EXPECT_EQ (context.automation.references(), 1);

    const auto& traces = root.factory.services.front()->traces;
    ASSERT_EQ (traces.size(), 1u);
    EXPECT_EQ (traces[0].second, "AAX_CEffectParameters::Initialize exception caught: init failed: %s");
    AAX_CHostServices::Set (nullptr);
}

//==============================================================================
namespace
{
    struct TestGui : AAX_CEffectGUI
    {
        ~TestGui() override { events.push_back ("destroyed"); }

        void CreateViewContents() override   { events.push_back ("contents"); }
        void CreateViewContainer() override  { events.push_back (GetViewContainer() != nullptr ? "attach" : "attach without view"); }
        void DeleteViewContainer() override  { events.push_back (GetViewContainer() != nullptr ? "detach" : "detach without view"); }
        AAX_Result ParameterUpdated (AAX_CParamID id) override { events.push_back (id); return AAX_SUCCESS; }

        static inline std::vector<std::string> events;
    };

    struct GuiHost : HostInstanceContext
    {
        GuiHost (HostFactory& factory, IACFUnknown* effectParameters) : HostInstanceContext (factory)
        {
            expose (IID_IAAXEffectParametersV1, effectParameters);
        }
    };
}

TEST (AAXEffectGUI, HookOrderAndAReleaseWithTheWindowOpen)
{
    HostedEffect host;
    ASSERT_EQ (host.effect->Initialize (&host.context), 0);
    GuiHost guiHost (host.factory, static_cast<AAX_IACFEffectParameters_V4*> (host.effect));
    HostViewContainer view;
    TestGui::events.clear();

    auto* gui = new TestGui();
    gui->AddRef();
    EXPECT_EQ (gui->Initialize (nullptr), AAX_ERROR_NOT_INITIALIZED);
    EXPECT_EQ (gui->GetEffectParameters(), nullptr);
    EXPECT_EQ (gui->Initialize (&guiHost), 0);
    EXPECT_EQ (gui->GetEffectParameters(), static_cast<AAX_IEffectParameters*> (host.effect));
    AAX_CString label;
    EXPECT_EQ (gui->GetCustomLabel (AAX_ePlugInStrings_Analysis, &label), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ (gui->GetViewContainerType(), 0);

    EXPECT_EQ (gui->SetViewContainer (&view), 0);
    EXPECT_EQ (gui->SetViewContainer (nullptr), 0);
    EXPECT_EQ (gui->SetViewContainer (&view), 0);
    EXPECT_EQ (TestGui::events, (std::vector<std::string> { "contents", "attach", "gain_one", "gain_two",
                                                            "MasterBypassID", "detach", "attach", "gain_one",
                                                            "gain_two", "MasterBypassID" }));

    // The host lets go with the window open: no hook runs after the derived part is gone.
    TestGui::events.clear();
    gui->Release();
    EXPECT_EQ (TestGui::events, std::vector<std::string> { "destroyed" });
    EXPECT_EQ (view.references(), 1);
    EXPECT_EQ (guiHost.references(), 1);
    EXPECT_EQ (host.effect->AddRef(), 2u);
    host.effect->Release();
}

//==============================================================================
TEST (AAXRegistration, DescriptionFailuresReachTheHost)
{
    HostRoot root;
    AAXStartup (&root);
    auto& traces = root.factory.services.front()->traces;
    IACFPluginDefinition* definition = reinterpret_cast<IACFPluginDefinition*> (&root);

    describe = [] (AAX_ICollection*) { return (AAX_Result) AAX_ERROR_NULL_OBJECT; };
    EXPECT_EQ (AAXRegisterPlugin (&root, &definition), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ (definition, reinterpret_cast<IACFPluginDefinition*> (&root));
    ASSERT_EQ (traces.size(), 2u);
    EXPECT_EQ (traces[0].second, "AAX_CheckedResult - throwing AAX_ERROR_NULL_OBJECT (-20004)");
    EXPECT_EQ (traces[1].second, "AAXRegisterPlugin exception caught: AAX_ERROR_NULL_OBJECT (-20004)");

    describe = [] (AAX_ICollection*) -> AAX_Result { throw std::runtime_error ("bad description"); };
    EXPECT_EQ (AAXRegisterPlugin (&root, &definition), AAX_ERROR_UNKNOWN_EXCEPTION);
    EXPECT_EQ (traces.back().second, "AAXRegisterPlugin exception caught: bad description");

    describe = [] (AAX_ICollection*) { return (AAX_Result) AAX_SUCCESS; };
    EXPECT_EQ (AAXRegisterPlugin (&root, &definition), 0);
    ASSERT_NE (definition, nullptr);
    definition->Release();
    EXPECT_EQ (AAXRegisterPlugin (&root, nullptr), AAX_ERROR_NULL_ARGUMENT);

    EXPECT_EQ (AAXCanUnloadNow (nullptr), CACFUnknown::GetActiveObjectCount());
    AAXShutdown (nullptr);

    for (auto& object : root.factory.made)
        EXPECT_EQ (object->references(), 1);
}
