/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

// The host calls the plug-in's objects, and the plug-in the host's, by slot
// number: a reordered or inserted declaration breaks every call after it. On
// x86-64 with GCC a pointer to a virtual member holds 1 + its byte offset in the
// table of virtual operations, which pins each slot without a host.

#include <gtest/gtest.h>

#include "AAX_IACFDescription.h"
#include "AAX_IACFEffectGUI.h"
#include "AAX_IACFEffectParameters.h"
#include "AAX_IACFHostServices.h"
#include "AAX_IACFRuntime.h"
#include "AAX_CString.h"

#include <cstring>

namespace
{
    template <typename Member>
    int slotOf (Member member)
    {
        static_assert (sizeof (Member) == 2 * sizeof (void*), "the Itanium layout of a member pointer");
        uintptr_t raw[2];
        std::memcpy (raw, &member, sizeof (raw));
        return (int) ((raw[0] - 1) / sizeof (void*));
    }

    struct SlotRow
    {
        int actual, expected;
        const char* name;
    };

    void expectSlots (std::initializer_list<SlotRow> rows)
    {
        for (auto& row : rows)
            EXPECT_EQ (row.actual, row.expected) << row.name;
    }
}

TEST (AAXInterfaceSlots, IACFUnknownAndFactory)
{
    expectSlots ({
        { slotOf (&IACFUnknown::QueryInterface), 0, "QueryInterface" },
        { slotOf (&IACFUnknown::AddRef), 1, "AddRef" },
        { slotOf (&IACFUnknown::Release), 2, "Release" },
        { slotOf (&IACFComponentFactory::CreateInstance), 3, "CreateInstance" }
    });
}

TEST (AAXInterfaceSlots, AAX_IString)
{
    // Slots 0 and 1 are the two destructors.
    expectSlots ({
        { slotOf (&AAX_IString::Length), 2, "Length" },
        { slotOf (&AAX_IString::MaxLength), 3, "MaxLength" },
        { slotOf (&AAX_IString::Get), 4, "Get" },
        { slotOf (&AAX_IString::Set), 5, "Set" },
        { slotOf (static_cast<AAX_IString& (AAX_IString::*) (const AAX_IString&)> (&AAX_IString::operator=)), 6, "operator= (string)" },
        { slotOf (static_cast<AAX_IString& (AAX_IString::*) (const char*)> (&AAX_IString::operator=)), 7, "operator= (text)" }
    });
}

TEST (AAXInterfaceSlots, IAAXCollectionV1)
{
    expectSlots ({
        { slotOf (&IAAXCollectionV1::Reserved3), 3, "Reserved3" },
        { slotOf (&IAAXCollectionV1::Reserved4), 4, "Reserved4" },
        { slotOf (&IAAXCollectionV1::Reserved5), 5, "Reserved5" },
        { slotOf (&IAAXCollectionV1::Reserved6), 6, "Reserved6" },
        { slotOf (&IAAXCollectionV1::AddEffect), 7, "AddEffect" },
        { slotOf (&IAAXCollectionV1::SetManufacturerName), 8, "SetManufacturerName" },
        { slotOf (&IAAXCollectionV1::AddPackageName), 9, "AddPackageName" },
        { slotOf (&IAAXCollectionV1::SetPackageVersion), 10, "SetPackageVersion" },
        { slotOf (&IAAXCollectionV1::SetProperties), 11, "SetProperties" }
    });
}

TEST (AAXInterfaceSlots, IAAXEffectDescriptorV1)
{
    expectSlots ({
        { slotOf (&IAAXEffectDescriptorV1::AddComponent), 3, "AddComponent" },
        { slotOf (&IAAXEffectDescriptorV1::AddName), 4, "AddName" },
        { slotOf (&IAAXEffectDescriptorV1::AddCategory), 5, "AddCategory" },
        { slotOf (&IAAXEffectDescriptorV1::AddCategoryBypassParameter), 6, "AddCategoryBypassParameter" },
        { slotOf (&IAAXEffectDescriptorV1::AddProcPtr), 7, "AddProcPtr" },
        { slotOf (&IAAXEffectDescriptorV1::SetProperties), 8, "SetProperties" },
        { slotOf (&IAAXEffectDescriptorV1::AddResourceInfo), 9, "AddResourceInfo" },
        { slotOf (&IAAXEffectDescriptorV1::AddMeterDescription), 10, "AddMeterDescription" }
    });
}

TEST (AAXInterfaceSlots, IAAXEffectDescriptorV2)
{
    expectSlots ({
        { slotOf (&IAAXEffectDescriptorV2::AddControlMIDINode), 11, "AddControlMIDINode" }
    });
}

TEST (AAXInterfaceSlots, IAAXComponentDescriptorV1)
{
    expectSlots ({
        { slotOf (&IAAXComponentDescriptorV1::Clear), 3, "Clear" },
        { slotOf (&IAAXComponentDescriptorV1::AddReservedField), 4, "AddReservedField" },
        { slotOf (&IAAXComponentDescriptorV1::AddAudioIn), 5, "AddAudioIn" },
        { slotOf (&IAAXComponentDescriptorV1::AddAudioOut), 6, "AddAudioOut" },
        { slotOf (&IAAXComponentDescriptorV1::AddAudioBufferLength), 7, "AddAudioBufferLength" },
        { slotOf (&IAAXComponentDescriptorV1::AddSampleRate), 8, "AddSampleRate" },
        { slotOf (&IAAXComponentDescriptorV1::AddClock), 9, "AddClock" },
        { slotOf (&IAAXComponentDescriptorV1::AddSideChainIn), 10, "AddSideChainIn" },
        { slotOf (&IAAXComponentDescriptorV1::AddDataInPort), 11, "AddDataInPort" },
        { slotOf (&IAAXComponentDescriptorV1::AddAuxOutputStem), 12, "AddAuxOutputStem" },
        { slotOf (&IAAXComponentDescriptorV1::AddPrivateData), 13, "AddPrivateData" },
        { slotOf (&IAAXComponentDescriptorV1::AddDmaInstance), 14, "AddDmaInstance" },
        { slotOf (&IAAXComponentDescriptorV1::AddMIDINode), 15, "AddMIDINode" },
        { slotOf (&IAAXComponentDescriptorV1::AddProcessProc_Native), 16, "AddProcessProc_Native" },
        { slotOf (&IAAXComponentDescriptorV1::AddProcessProc_TI), 17, "AddProcessProc_TI" },
        { slotOf (&IAAXComponentDescriptorV1::AddMeters), 18, "AddMeters" }
    });
}

TEST (AAXInterfaceSlots, IAAXComponentDescriptorV2)
{
    expectSlots ({
        { slotOf (&IAAXComponentDescriptorV2::AddTemporaryData), 19, "AddTemporaryData" }
    });
}

TEST (AAXInterfaceSlots, IAAXComponentDescriptorV3)
{
    expectSlots ({
        { slotOf (&IAAXComponentDescriptorV3::AddProcessProc), 20, "AddProcessProc" }
    });
}

TEST (AAXInterfaceSlots, IAAXPropertyMapV1)
{
    expectSlots ({
        { slotOf (&IAAXPropertyMapV1::GetProperty), 3, "GetProperty" },
        { slotOf (&IAAXPropertyMapV1::AddProperty), 4, "AddProperty" },
        { slotOf (&IAAXPropertyMapV1::RemoveProperty), 5, "RemoveProperty" }
    });
}

TEST (AAXInterfaceSlots, IAAXPropertyMapV2)
{
    expectSlots ({
        { slotOf (&IAAXPropertyMapV2::AddPropertyWithIDArray), 6, "AddPropertyWithIDArray" },
        { slotOf (&IAAXPropertyMapV2::GetPropertyWithIDArray), 7, "GetPropertyWithIDArray" }
    });
}

TEST (AAXInterfaceSlots, IAAXPropertyMapV3)
{
    expectSlots ({
        { slotOf (&IAAXPropertyMapV3::GetPointerProperty), 8, "GetPointerProperty" },
        { slotOf (&IAAXPropertyMapV3::AddPointerProperty), 9, "AddPointerProperty" }
    });
}

TEST (AAXInterfaceSlots, IAAXDescriptionHostV1)
{
    expectSlots ({
        { slotOf (&IAAXDescriptionHostV1::AcquireFeatureProperties), 3, "AcquireFeatureProperties" }
    });
}

TEST (AAXInterfaceSlots, IAAXFeatureInfoV1)
{
    expectSlots ({
        { slotOf (&IAAXFeatureInfoV1::SupportLevel), 3, "SupportLevel" },
        { slotOf (&IAAXFeatureInfoV1::AcquireProperties), 4, "AcquireProperties" }
    });
}

TEST (AAXInterfaceSlots, IAAXControllerV1)
{
    expectSlots ({
        { slotOf (&IAAXControllerV1::GetEffectID), 3, "GetEffectID" },
        { slotOf (&IAAXControllerV1::GetSampleRate), 4, "GetSampleRate" },
        { slotOf (&IAAXControllerV1::GetInputStemFormat), 5, "GetInputStemFormat" },
        { slotOf (&IAAXControllerV1::GetOutputStemFormat), 6, "GetOutputStemFormat" },
        { slotOf (&IAAXControllerV1::GetSignalLatency), 7, "GetSignalLatency" },
        { slotOf (&IAAXControllerV1::GetCycleCount), 8, "GetCycleCount" },
        { slotOf (&IAAXControllerV1::GetTODLocation), 9, "GetTODLocation" },
        { slotOf (&IAAXControllerV1::SetSignalLatency), 10, "SetSignalLatency" },
        { slotOf (&IAAXControllerV1::SetCycleCount), 11, "SetCycleCount" },
        { slotOf (&IAAXControllerV1::PostPacket), 12, "PostPacket" },
        { slotOf (&IAAXControllerV1::GetCurrentMeterValue), 13, "GetCurrentMeterValue" },
        { slotOf (&IAAXControllerV1::GetMeterPeakValue), 14, "GetMeterPeakValue" },
        { slotOf (&IAAXControllerV1::ClearMeterPeakValue), 15, "ClearMeterPeakValue" },
        { slotOf (&IAAXControllerV1::GetMeterClipped), 16, "GetMeterClipped" },
        { slotOf (&IAAXControllerV1::ClearMeterClipped), 17, "ClearMeterClipped" },
        { slotOf (&IAAXControllerV1::GetMeterCount), 18, "GetMeterCount" },
        { slotOf (&IAAXControllerV1::GetNextMIDIPacket), 19, "GetNextMIDIPacket" }
    });
}

TEST (AAXInterfaceSlots, IAAXControllerV2)
{
    expectSlots ({
        { slotOf (&IAAXControllerV2::SendNotification), 20, "SendNotification" },
        { slotOf (&IAAXControllerV2::GetHybridSignalLatency), 21, "GetHybridSignalLatency" },
        { slotOf (&IAAXControllerV2::GetCurrentAutomationTimestamp), 22, "GetCurrentAutomationTimestamp" },
        { slotOf (&IAAXControllerV2::GetHostName), 23, "GetHostName" }
    });
}

TEST (AAXInterfaceSlots, IAAXControllerV3)
{
    expectSlots ({
        { slotOf (&IAAXControllerV3::GetPlugInTargetPlatform), 24, "GetPlugInTargetPlatform" },
        { slotOf (&IAAXControllerV3::GetIsAudioSuite), 25, "GetIsAudioSuite" }
    });
}

TEST (AAXInterfaceSlots, IAAXPageTableController)
{
    expectSlots ({
        { slotOf (&IAAXPageTableController::CreateTableCopyForEffect), 3, "CreateTableCopyForEffect" },
        { slotOf (&IAAXPageTableController::CreateTableCopyForLayout), 4, "CreateTableCopyForLayout" }
    });
}

TEST (AAXInterfaceSlots, IAAXPageTableControllerV2)
{
    expectSlots ({
        { slotOf (&IAAXPageTableControllerV2::CreateTableCopyForEffectFromFile), 5, "CreateTableCopyForEffectFromFile" },
        { slotOf (&IAAXPageTableControllerV2::CreateTableCopyForLayoutFromFile), 6, "CreateTableCopyForLayoutFromFile" }
    });
}

TEST (AAXInterfaceSlots, IAAXAutomationDelegateV1)
{
    expectSlots ({
        { slotOf (&IAAXAutomationDelegateV1::RegisterParameter), 3, "RegisterParameter" },
        { slotOf (&IAAXAutomationDelegateV1::UnregisterParameter), 4, "UnregisterParameter" },
        { slotOf (&IAAXAutomationDelegateV1::PostSetValueRequest), 5, "PostSetValueRequest" },
        { slotOf (&IAAXAutomationDelegateV1::PostCurrentValue), 6, "PostCurrentValue" },
        { slotOf (&IAAXAutomationDelegateV1::PostTouchRequest), 7, "PostTouchRequest" },
        { slotOf (&IAAXAutomationDelegateV1::PostReleaseRequest), 8, "PostReleaseRequest" },
        { slotOf (&IAAXAutomationDelegateV1::GetTouchState), 9, "GetTouchState" }
    });
}

TEST (AAXInterfaceSlots, IAAXTransportV1)
{
    expectSlots ({
        { slotOf (&IAAXTransportV1::GetCurrentTempo), 3, "GetCurrentTempo" },
        { slotOf (&IAAXTransportV1::GetCurrentMeter), 4, "GetCurrentMeter" },
        { slotOf (&IAAXTransportV1::IsTransportPlaying), 5, "IsTransportPlaying" },
        { slotOf (&IAAXTransportV1::GetCurrentTickPosition), 6, "GetCurrentTickPosition" },
        { slotOf (&IAAXTransportV1::GetCurrentLoopPosition), 7, "GetCurrentLoopPosition" },
        { slotOf (&IAAXTransportV1::GetCurrentNativeSampleLocation), 8, "GetCurrentNativeSampleLocation" },
        { slotOf (&IAAXTransportV1::GetCustomTickPosition), 9, "GetCustomTickPosition" },
        { slotOf (&IAAXTransportV1::GetBarBeatPosition), 10, "GetBarBeatPosition" },
        { slotOf (&IAAXTransportV1::GetTicksPerQuarter), 11, "GetTicksPerQuarter" },
        { slotOf (&IAAXTransportV1::GetCurrentTicksPerBeat), 12, "GetCurrentTicksPerBeat" }
    });
}

TEST (AAXInterfaceSlots, IAAXTransportV2)
{
    expectSlots ({
        { slotOf (&IAAXTransportV2::GetTimelineSelectionStartPosition), 13, "GetTimelineSelectionStartPosition" },
        { slotOf (&IAAXTransportV2::GetTimeCodeInfo), 14, "GetTimeCodeInfo" },
        { slotOf (&IAAXTransportV2::GetFeetFramesInfo), 15, "GetFeetFramesInfo" },
        { slotOf (&IAAXTransportV2::IsMetronomeEnabled), 16, "IsMetronomeEnabled" }
    });
}

TEST (AAXInterfaceSlots, IAAXTransportV3)
{
    expectSlots ({
        { slotOf (&IAAXTransportV3::GetHDTimeCodeInfo), 17, "GetHDTimeCodeInfo" }
    });
}

TEST (AAXInterfaceSlots, IAAXViewContainerV1)
{
    expectSlots ({
        { slotOf (&IAAXViewContainerV1::GetType), 3, "GetType" },
        { slotOf (&IAAXViewContainerV1::GetPtr), 4, "GetPtr" },
        { slotOf (&IAAXViewContainerV1::GetModifiers), 5, "GetModifiers" },
        { slotOf (&IAAXViewContainerV1::SetViewSize), 6, "SetViewSize" },
        { slotOf (&IAAXViewContainerV1::HandleParameterMouseDown), 7, "HandleParameterMouseDown" },
        { slotOf (&IAAXViewContainerV1::HandleParameterMouseDrag), 8, "HandleParameterMouseDrag" },
        { slotOf (&IAAXViewContainerV1::HandleParameterMouseUp), 9, "HandleParameterMouseUp" }
    });
}

TEST (AAXInterfaceSlots, IAAXViewContainerV2)
{
    expectSlots ({
        { slotOf (&IAAXViewContainerV2::HandleMultipleParametersMouseDown), 10, "HandleMultipleParametersMouseDown" },
        { slotOf (&IAAXViewContainerV2::HandleMultipleParametersMouseDrag), 11, "HandleMultipleParametersMouseDrag" },
        { slotOf (&IAAXViewContainerV2::HandleMultipleParametersMouseUp), 12, "HandleMultipleParametersMouseUp" }
    });
}

TEST (AAXInterfaceSlots, IAAXPageTableV1)
{
    expectSlots ({
        { slotOf (&IAAXPageTableV1::Clear), 3, "Clear" },
        { slotOf (&IAAXPageTableV1::Empty), 4, "Empty" },
        { slotOf (&IAAXPageTableV1::GetNumPages), 5, "GetNumPages" },
        { slotOf (&IAAXPageTableV1::InsertPage), 6, "InsertPage" },
        { slotOf (&IAAXPageTableV1::RemovePage), 7, "RemovePage" },
        { slotOf (&IAAXPageTableV1::GetNumMappedParameterIDs), 8, "GetNumMappedParameterIDs" },
        { slotOf (&IAAXPageTableV1::ClearMappedParameter), 9, "ClearMappedParameter" },
        { slotOf (&IAAXPageTableV1::GetMappedParameterID), 10, "GetMappedParameterID" },
        { slotOf (&IAAXPageTableV1::MapParameterID), 11, "MapParameterID" }
    });
}

TEST (AAXInterfaceSlots, IAAXPageTableV2)
{
    expectSlots ({
        { slotOf (&IAAXPageTableV2::GetNumParametersWithNameVariations), 12, "GetNumParametersWithNameVariations" },
        { slotOf (&IAAXPageTableV2::GetNameVariationParameterIDAtIndex), 13, "GetNameVariationParameterIDAtIndex" },
        { slotOf (&IAAXPageTableV2::GetNumNameVariationsForParameter), 14, "GetNumNameVariationsForParameter" },
        { slotOf (&IAAXPageTableV2::GetParameterNameVariationAtIndex), 15, "GetParameterNameVariationAtIndex" },
        { slotOf (&IAAXPageTableV2::GetParameterNameVariationOfLength), 16, "GetParameterNameVariationOfLength" },
        { slotOf (&IAAXPageTableV2::ClearParameterNameVariations), 17, "ClearParameterNameVariations" },
        { slotOf (&IAAXPageTableV2::ClearNameVariationsForParameter), 18, "ClearNameVariationsForParameter" },
        { slotOf (&IAAXPageTableV2::SetParameterNameVariation), 19, "SetParameterNameVariation" }
    });
}

TEST (AAXInterfaceSlots, IAAXHostServicesV1)
{
    expectSlots ({
        { slotOf (&IAAXHostServicesV1::Reserved3), 3, "Reserved3" },
        { slotOf (&IAAXHostServicesV1::Trace), 4, "Trace" }
    });
}

TEST (AAXInterfaceSlots, IAAXHostServicesV2)
{
    expectSlots ({
        { slotOf (&IAAXHostServicesV2::StackTrace), 5, "StackTrace" }
    });
}

TEST (AAXInterfaceSlots, IAAXHostServicesV3)
{
    expectSlots ({
        { slotOf (&IAAXHostServicesV3::HandleAssertFailure), 6, "HandleAssertFailure" }
    });
}

TEST (AAXInterfaceSlots, AAX_IACFEffectParameters)
{
    expectSlots ({
        { slotOf (&AAX_IACFEffectParameters::Initialize), 3, "Initialize" },
        { slotOf (&AAX_IACFEffectParameters::Uninitialize), 4, "Uninitialize" },
        { slotOf (&AAX_IACFEffectParameters::NotificationReceived), 5, "NotificationReceived" },
        { slotOf (&AAX_IACFEffectParameters::GetNumberOfParameters), 6, "GetNumberOfParameters" },
        { slotOf (&AAX_IACFEffectParameters::GetMasterBypassParameter), 7, "GetMasterBypassParameter" },
        { slotOf (&AAX_IACFEffectParameters::GetParameterIsAutomatable), 8, "GetParameterIsAutomatable" },
        { slotOf (&AAX_IACFEffectParameters::GetParameterNumberOfSteps), 9, "GetParameterNumberOfSteps" },
        { slotOf (&AAX_IACFEffectParameters::GetParameterName), 10, "GetParameterName" },
        { slotOf (&AAX_IACFEffectParameters::GetParameterNameOfLength), 11, "GetParameterNameOfLength" },
        { slotOf (&AAX_IACFEffectParameters::GetParameterDefaultNormalizedValue), 12, "GetParameterDefaultNormalizedValue" },
        { slotOf (&AAX_IACFEffectParameters::SetParameterDefaultNormalizedValue), 13, "SetParameterDefaultNormalizedValue" },
        { slotOf (&AAX_IACFEffectParameters::GetParameterType), 14, "GetParameterType" },
        { slotOf (&AAX_IACFEffectParameters::GetParameterOrientation), 15, "GetParameterOrientation" },
        { slotOf (&AAX_IACFEffectParameters::GetParameter), 16, "GetParameter" },
        { slotOf (&AAX_IACFEffectParameters::GetParameterIndex), 17, "GetParameterIndex" },
        { slotOf (&AAX_IACFEffectParameters::GetParameterIDFromIndex), 18, "GetParameterIDFromIndex" },
        { slotOf (&AAX_IACFEffectParameters::GetParameterValueInfo), 19, "GetParameterValueInfo" },
        { slotOf (&AAX_IACFEffectParameters::GetParameterValueFromString), 20, "GetParameterValueFromString" },
        { slotOf (&AAX_IACFEffectParameters::GetParameterStringFromValue), 21, "GetParameterStringFromValue" },
        { slotOf (&AAX_IACFEffectParameters::GetParameterValueString), 22, "GetParameterValueString" },
        { slotOf (&AAX_IACFEffectParameters::GetParameterNormalizedValue), 23, "GetParameterNormalizedValue" },
        { slotOf (&AAX_IACFEffectParameters::SetParameterNormalizedValue), 24, "SetParameterNormalizedValue" },
        { slotOf (&AAX_IACFEffectParameters::SetParameterNormalizedRelative), 25, "SetParameterNormalizedRelative" },
        { slotOf (&AAX_IACFEffectParameters::TouchParameter), 26, "TouchParameter" },
        { slotOf (&AAX_IACFEffectParameters::ReleaseParameter), 27, "ReleaseParameter" },
        { slotOf (&AAX_IACFEffectParameters::UpdateParameterTouch), 28, "UpdateParameterTouch" },
        { slotOf (&AAX_IACFEffectParameters::UpdateParameterNormalizedValue), 29, "UpdateParameterNormalizedValue" },
        { slotOf (&AAX_IACFEffectParameters::UpdateParameterNormalizedRelative), 30, "UpdateParameterNormalizedRelative" },
        { slotOf (&AAX_IACFEffectParameters::GenerateCoefficients), 31, "GenerateCoefficients" },
        { slotOf (&AAX_IACFEffectParameters::ResetFieldData), 32, "ResetFieldData" },
        { slotOf (&AAX_IACFEffectParameters::GetNumberOfChunks), 33, "GetNumberOfChunks" },
        { slotOf (&AAX_IACFEffectParameters::GetChunkIDFromIndex), 34, "GetChunkIDFromIndex" },
        { slotOf (&AAX_IACFEffectParameters::GetChunkSize), 35, "GetChunkSize" },
        { slotOf (&AAX_IACFEffectParameters::GetChunk), 36, "GetChunk" },
        { slotOf (&AAX_IACFEffectParameters::SetChunk), 37, "SetChunk" },
        { slotOf (&AAX_IACFEffectParameters::CompareActiveChunk), 38, "CompareActiveChunk" },
        { slotOf (&AAX_IACFEffectParameters::GetNumberOfChanges), 39, "GetNumberOfChanges" },
        { slotOf (&AAX_IACFEffectParameters::TimerWakeup), 40, "TimerWakeup" },
        { slotOf (&AAX_IACFEffectParameters::GetCurveData), 41, "GetCurveData" },
        { slotOf (&AAX_IACFEffectParameters::GetCustomData), 42, "GetCustomData" },
        { slotOf (&AAX_IACFEffectParameters::SetCustomData), 43, "SetCustomData" },
        { slotOf (&AAX_IACFEffectParameters::DoMIDITransfers), 44, "DoMIDITransfers" }
    });
}

TEST (AAXInterfaceSlots, AAX_IACFEffectParameters_V2)
{
    expectSlots ({
        { slotOf (&AAX_IACFEffectParameters_V2::RenderAudio_Hybrid), 45, "RenderAudio_Hybrid" },
        { slotOf (&AAX_IACFEffectParameters_V2::UpdateMIDINodes), 46, "UpdateMIDINodes" },
        { slotOf (&AAX_IACFEffectParameters_V2::UpdateControlMIDINodes), 47, "UpdateControlMIDINodes" }
    });
}

TEST (AAXInterfaceSlots, AAX_IACFEffectParameters_V3)
{
    expectSlots ({
        { slotOf (&AAX_IACFEffectParameters_V3::GetCurveDataMeterIds), 48, "GetCurveDataMeterIds" },
        { slotOf (&AAX_IACFEffectParameters_V3::GetCurveDataDisplayRange), 49, "GetCurveDataDisplayRange" }
    });
}

TEST (AAXInterfaceSlots, AAX_IACFEffectParameters_V4)
{
    expectSlots ({
        { slotOf (&AAX_IACFEffectParameters_V4::UpdatePageTable), 50, "UpdatePageTable" }
    });
}

TEST (AAXInterfaceSlots, AAX_IACFEffectGUI)
{
    expectSlots ({
        { slotOf (&AAX_IACFEffectGUI::Initialize), 3, "Initialize" },
        { slotOf (&AAX_IACFEffectGUI::Uninitialize), 4, "Uninitialize" },
        { slotOf (&AAX_IACFEffectGUI::NotificationReceived), 5, "NotificationReceived" },
        { slotOf (&AAX_IACFEffectGUI::SetViewContainer), 6, "SetViewContainer" },
        { slotOf (&AAX_IACFEffectGUI::GetViewSize), 7, "GetViewSize" },
        { slotOf (&AAX_IACFEffectGUI::Draw), 8, "Draw" },
        { slotOf (&AAX_IACFEffectGUI::TimerWakeup), 9, "TimerWakeup" },
        { slotOf (&AAX_IACFEffectGUI::ParameterUpdated), 10, "ParameterUpdated" },
        { slotOf (&AAX_IACFEffectGUI::GetCustomLabel), 11, "GetCustomLabel" },
        { slotOf (&AAX_IACFEffectGUI::SetControlHighlightInfo), 12, "SetControlHighlightInfo" }
    });
}
