/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#include "AAX_VRuntime.h"
#include "AAX_UIDs.h"
#include "AAX_WrapperSupport.h"

//==============================================================================
AAX_VPageTable::AAX_VPageTable (IACFUnknown* pageTableObject)
    : mV1 (ACFQuery<IAAXPageTableV1> (pageTableObject, IID_IAAXPageTableV1)),
      mV2 (ACFQuery<IAAXPageTableV2> (pageTableObject, IID_IAAXPageTableV2))
{
}

AAX_VPageTable::~AAX_VPageTable() = default;

AAX_Result AAX_VPageTable::Clear()
{
    return mV1 ? mV1->Clear() : AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_VPageTable::Empty (AAX_CBoolean* empty) const
{
    return mV1 ? mV1->Empty (empty) : AAX_MissingInterface (AAX_ERROR_UNIMPLEMENTED, empty);
}

AAX_Result AAX_VPageTable::GetNumPages (int32_t* pages) const
{
    return mV1 ? mV1->GetNumPages (pages) : AAX_MissingInterface (AAX_ERROR_UNIMPLEMENTED, pages);
}

AAX_Result AAX_VPageTable::InsertPage (int32_t page)
{
    return mV1 ? mV1->InsertPage (page) : AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_VPageTable::RemovePage (int32_t page)
{
    return mV1 ? mV1->RemovePage (page) : AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_VPageTable::GetNumMappedParameterIDs (int32_t page, int32_t* count) const
{
    return mV1 ? mV1->GetNumMappedParameterIDs (page, count) : AAX_MissingInterface (AAX_ERROR_UNIMPLEMENTED, count);
}

AAX_Result AAX_VPageTable::ClearMappedParameter (int32_t page, int32_t slot)
{
    return mV1 ? mV1->ClearMappedParameter (page, slot) : AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_VPageTable::GetMappedParameterID (int32_t page, int32_t slot, AAX_IString* id) const
{
    return mV1 ? mV1->GetMappedParameterID (page, slot, id) : AAX_MissingInterface (AAX_ERROR_UNIMPLEMENTED, id);
}

AAX_Result AAX_VPageTable::MapParameterID (AAX_CParamID id, int32_t page, int32_t slot)
{
    return mV1 ? mV1->MapParameterID (id, page, slot) : AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_VPageTable::GetNumParametersWithNameVariations (int32_t* count) const
{
    return mV2 ? mV2->GetNumParametersWithNameVariations (count) : AAX_MissingInterface (AAX_ERROR_UNIMPLEMENTED, count);
}

AAX_Result AAX_VPageTable::GetNameVariationParameterIDAtIndex (int32_t index, AAX_IString* id) const
{
    return mV2 ? mV2->GetNameVariationParameterIDAtIndex (index, id) : AAX_MissingInterface (AAX_ERROR_UNIMPLEMENTED, id);
}

AAX_Result AAX_VPageTable::GetNumNameVariationsForParameter (AAX_CParamID id, int32_t* count) const
{
    return mV2 ? mV2->GetNumNameVariationsForParameter (id, count) : AAX_MissingInterface (AAX_ERROR_UNIMPLEMENTED, count);
}

AAX_Result AAX_VPageTable::GetParameterNameVariationAtIndex (AAX_CParamID id, int32_t index, AAX_IString* name,
                                                             int32_t* length) const
{
    return mV2 ? mV2->GetParameterNameVariationAtIndex (id, index, name, length)
               : AAX_MissingInterface (AAX_ERROR_UNIMPLEMENTED, name, length);
}

AAX_Result AAX_VPageTable::GetParameterNameVariationOfLength (AAX_CParamID id, int32_t length, AAX_IString* name) const
{
    return mV2 ? mV2->GetParameterNameVariationOfLength (id, length, name) : AAX_MissingInterface (AAX_ERROR_UNIMPLEMENTED, name);
}

AAX_Result AAX_VPageTable::ClearParameterNameVariations()
{
    return mV2 ? mV2->ClearParameterNameVariations() : AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_VPageTable::ClearNameVariationsForParameter (AAX_CParamID id)
{
    return mV2 ? mV2->ClearNameVariationsForParameter (id) : AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_VPageTable::SetParameterNameVariation (AAX_CParamID id, const AAX_IString& name, int32_t length)
{
    return mV2 ? mV2->SetParameterNameVariation (id, name, length) : AAX_ERROR_UNIMPLEMENTED;
}

//==============================================================================
AAX_VController::AAX_VController (IACFUnknown* host)
    : mV1 (ACFQuery<IAAXControllerV1> (host, IID_IAAXControllerV1)),
      mV2 (ACFQuery<IAAXControllerV2> (host, IID_IAAXControllerV2)),
      mV3 (ACFQuery<IAAXControllerV3> (host, IID_IAAXControllerV3)),
      mPageTableController (ACFQuery<IAAXPageTableController> (host, IID_IAAXPageTableController)),
      mPageTableControllerV2 (ACFQuery<IAAXPageTableControllerV2> (host, IID_IAAXPageTableControllerV2)),
      mComponentFactory (ACFQuery<IACFComponentFactory> (host, IID_IACFComponentFactory))
{
}

AAX_VController::~AAX_VController() = default;

AAX_Result AAX_VController::GetEffectID (AAX_IString* effectID) const
{
    return mV1 ? mV1->GetEffectID (effectID) : AAX_MissingInterface (AAX_ERROR_NULL_OBJECT, effectID);
}

AAX_Result AAX_VController::GetSampleRate (AAX_CSampleRate* sampleRate) const
{
    return mV1 ? mV1->GetSampleRate (sampleRate) : AAX_MissingInterface (AAX_ERROR_NULL_OBJECT, sampleRate);
}

AAX_Result AAX_VController::GetInputStemFormat (AAX_EStemFormat* format) const
{
    return mV1 ? mV1->GetInputStemFormat (format) : AAX_MissingInterface (AAX_ERROR_NULL_OBJECT, format);
}

AAX_Result AAX_VController::GetOutputStemFormat (AAX_EStemFormat* format) const
{
    return mV1 ? mV1->GetOutputStemFormat (format) : AAX_MissingInterface (AAX_ERROR_NULL_OBJECT, format);
}

AAX_Result AAX_VController::GetSignalLatency (int32_t* samples) const
{
    return mV1 ? mV1->GetSignalLatency (samples) : AAX_MissingInterface (AAX_ERROR_NULL_OBJECT, samples);
}

AAX_Result AAX_VController::GetCycleCount (AAX_EProperty which, int32_t* count) const
{
    return mV1 ? mV1->GetCycleCount (which, count) : AAX_MissingInterface (AAX_ERROR_NULL_OBJECT, count);
}

AAX_Result AAX_VController::GetTODLocation (int64_t* location) const
{
    return mV1 ? mV1->GetTODLocation (location) : AAX_MissingInterface (AAX_ERROR_NULL_OBJECT, location);
}

AAX_Result AAX_VController::SetSignalLatency (int32_t samples)
{
    return mV1 ? mV1->SetSignalLatency (samples) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VController::SetCycleCount (AAX_EProperty* which, int32_t* counts, int32_t count)
{
    return mV1 ? mV1->SetCycleCount (which, counts, count) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VController::PostPacket (AAX_CFieldIndex field, const void* data, uint32_t size)
{
    return mV1 ? mV1->PostPacket (field, data, size) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VController::SendNotification (AAX_CTypeID type, const void* data, uint32_t size)
{
    return mV2 ? mV2->SendNotification (type, data, size) : AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_VController::SendNotification (AAX_CTypeID type)
{
    return SendNotification (type, nullptr, 0);
}

AAX_Result AAX_VController::GetCurrentMeterValue (AAX_CTypeID meter, float* value) const
{
    return mV1 ? mV1->GetCurrentMeterValue (meter, value) : AAX_MissingInterface (AAX_ERROR_NULL_OBJECT, value);
}

AAX_Result AAX_VController::GetMeterPeakValue (AAX_CTypeID meter, float* value) const
{
    return mV1 ? mV1->GetMeterPeakValue (meter, value) : AAX_MissingInterface (AAX_ERROR_NULL_OBJECT, value);
}

AAX_Result AAX_VController::ClearMeterPeakValue (AAX_CTypeID meter) const
{
    return mV1 ? mV1->ClearMeterPeakValue (meter) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VController::GetMeterCount (uint32_t* count) const
{
    return mV1 ? mV1->GetMeterCount (count) : AAX_MissingInterface (AAX_ERROR_NULL_OBJECT, count);
}

AAX_Result AAX_VController::GetMeterClipped (AAX_CTypeID meter, AAX_CBoolean* clipped) const
{
    return mV1 ? mV1->GetMeterClipped (meter, clipped) : AAX_MissingInterface (AAX_ERROR_NULL_OBJECT, clipped);
}

AAX_Result AAX_VController::ClearMeterClipped (AAX_CTypeID meter) const
{
    return mV1 ? mV1->ClearMeterClipped (meter) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VController::GetNextMIDIPacket (AAX_CFieldIndex* port, AAX_CMidiPacket* packet)
{
    return mV1 ? mV1->GetNextMIDIPacket (port, packet) : AAX_MissingInterface (AAX_ERROR_NULL_OBJECT, port, packet);
}

AAX_Result AAX_VController::GetHybridSignalLatency (int32_t* samples) const
{
    return mV2 ? mV2->GetHybridSignalLatency (samples) : AAX_MissingInterface (AAX_ERROR_UNIMPLEMENTED, samples);
}

AAX_Result AAX_VController::GetCurrentAutomationTimestamp (int64_t* timestamp) const
{
    return mV2 ? mV2->GetCurrentAutomationTimestamp (timestamp) : AAX_MissingInterface (AAX_ERROR_UNIMPLEMENTED, timestamp);
}

AAX_Result AAX_VController::GetHostName (AAX_IString* name) const
{
    return mV2 ? mV2->GetHostName (name) : AAX_MissingInterface (AAX_ERROR_UNIMPLEMENTED, name);
}

AAX_Result AAX_VController::GetPlugInTargetPlatform (int32_t* platform) const
{
    return mV3 ? mV3->GetPlugInTargetPlatform (platform) : AAX_MissingInterface (AAX_ERROR_UNIMPLEMENTED, platform);
}

AAX_Result AAX_VController::GetIsAudioSuite (AAX_CBoolean* isAudioSuite) const
{
    return mV3 ? mV3->GetIsAudioSuite (isAudioSuite) : AAX_MissingInterface (AAX_ERROR_UNIMPLEMENTED, isAudioSuite);
}

template <typename CopyCall>
AAX_IPageTable* AAX_VController::CopyPageTable (bool controllerPresent, CopyCall&& copy) const
{
    if (! controllerPresent)
        return nullptr;

    auto table = ACFCreate<IACFUnknown> (mComponentFactory.get(), AAXCompID_PageTable, IID_IAAXPageTableV2);

    if (copy (table.get()) != AAX_SUCCESS || ! table)
        return nullptr;

    return new AAX_VPageTable (table.get());
}

AAX_IPageTable* AAX_VController::CreateTableCopyForEffect (AAX_CPropertyValue manufacturerID,
                                                           AAX_CPropertyValue productID, AAX_CPropertyValue plugInID,
                                                           uint32_t tableType, int32_t tablePageSize) const
{
    return CopyPageTable (static_cast<bool> (mPageTableController), [&] (IACFUnknown* table)
    {
        return mPageTableController->CreateTableCopyForEffect (manufacturerID, productID, plugInID, tableType,
                                                               tablePageSize, table);
    });
}

AAX_IPageTable* AAX_VController::CreateTableCopyForLayout (const char* effectID, const char* layoutName,
                                                           uint32_t tableType, int32_t tablePageSize) const
{
    return CopyPageTable (static_cast<bool> (mPageTableController), [&] (IACFUnknown* table)
    {
        return mPageTableController->CreateTableCopyForLayout (effectID, layoutName, tableType, tablePageSize, table);
    });
}

AAX_IPageTable* AAX_VController::CreateTableCopyForEffectFromFile (const char* path, AAX_ETextEncoding encoding,
                                                                   AAX_CPropertyValue manufacturerID,
                                                                   AAX_CPropertyValue productID,
                                                                   AAX_CPropertyValue plugInID, uint32_t tableType,
                                                                   int32_t tablePageSize) const
{
    return CopyPageTable (static_cast<bool> (mPageTableControllerV2), [&] (IACFUnknown* table)
    {
        return mPageTableControllerV2->CreateTableCopyForEffectFromFile (path, encoding, manufacturerID, productID,
                                                                         plugInID, tableType, tablePageSize, table);
    });
}

AAX_IPageTable* AAX_VController::CreateTableCopyForLayoutFromFile (const char* path, AAX_ETextEncoding encoding,
                                                                   const char* layoutName, uint32_t tableType,
                                                                   int32_t tablePageSize) const
{
    return CopyPageTable (static_cast<bool> (mPageTableControllerV2), [&] (IACFUnknown* table)
    {
        return mPageTableControllerV2->CreateTableCopyForLayoutFromFile (path, encoding, layoutName, tableType,
                                                                         tablePageSize, table);
    });
}

//==============================================================================
AAX_VAutomationDelegate::AAX_VAutomationDelegate (IACFUnknown* host)
    : mV1 (ACFQuery<IAAXAutomationDelegateV1> (host, IID_IAAXAutomationDelegateV1))
{
}

AAX_VAutomationDelegate::~AAX_VAutomationDelegate() = default;

AAX_Result AAX_VAutomationDelegate::RegisterParameter (AAX_CParamID id)
{
    return mV1 ? mV1->RegisterParameter (id) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VAutomationDelegate::UnregisterParameter (AAX_CParamID id)
{
    return mV1 ? mV1->UnregisterParameter (id) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VAutomationDelegate::PostSetValueRequest (AAX_CParamID id, double normalizedValue) const
{
    return mV1 ? mV1->PostSetValueRequest (id, normalizedValue) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VAutomationDelegate::PostCurrentValue (AAX_CParamID id, double normalizedValue) const
{
    return mV1 ? mV1->PostCurrentValue (id, normalizedValue) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VAutomationDelegate::PostTouchRequest (AAX_CParamID id)
{
    return mV1 ? mV1->PostTouchRequest (id) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VAutomationDelegate::PostReleaseRequest (AAX_CParamID id)
{
    return mV1 ? mV1->PostReleaseRequest (id) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VAutomationDelegate::GetTouchState (AAX_CParamID id, AAX_CBoolean* touched)
{
    return mV1 ? mV1->GetTouchState (id, touched) : AAX_MissingInterface (AAX_ERROR_NULL_OBJECT, touched);
}

//==============================================================================
AAX_VTransport::AAX_VTransport (IACFUnknown* host)
    : mV1 (ACFQuery<IAAXTransportV1> (host, IID_IAAXTransportV1)),
      mV2 (ACFQuery<IAAXTransportV2> (host, IID_IAAXTransportV2)),
      mV3 (ACFQuery<IAAXTransportV3> (host, IID_IAAXTransportV3))
{
}

AAX_VTransport::~AAX_VTransport() = default;

AAX_Result AAX_VTransport::GetCurrentTempo (double* bpm) const
{
    return mV1 ? mV1->GetCurrentTempo (bpm) : AAX_MissingInterface (AAX_ERROR_NULL_OBJECT, bpm);
}

AAX_Result AAX_VTransport::GetCurrentMeter (int32_t* numerator, int32_t* denominator) const
{
    return mV1 ? mV1->GetCurrentMeter (numerator, denominator)
               : AAX_MissingInterface (AAX_ERROR_NULL_OBJECT, numerator, denominator);
}

AAX_Result AAX_VTransport::IsTransportPlaying (bool* isPlaying) const
{
    return mV1 ? mV1->IsTransportPlaying (isPlaying) : AAX_MissingInterface (AAX_ERROR_NULL_OBJECT, isPlaying);
}

AAX_Result AAX_VTransport::GetCurrentTickPosition (int64_t* ticks) const
{
    return mV1 ? mV1->GetCurrentTickPosition (ticks) : AAX_MissingInterface (AAX_ERROR_NULL_OBJECT, ticks);
}

AAX_Result AAX_VTransport::GetCurrentLoopPosition (bool* looping, int64_t* startTick, int64_t* endTick) const
{
    return mV1 ? mV1->GetCurrentLoopPosition (looping, startTick, endTick)
               : AAX_MissingInterface (AAX_ERROR_NULL_OBJECT, looping, startTick, endTick);
}

AAX_Result AAX_VTransport::GetCurrentNativeSampleLocation (int64_t* sampleLocation) const
{
    return mV1 ? mV1->GetCurrentNativeSampleLocation (sampleLocation)
               : AAX_MissingInterface (AAX_ERROR_NULL_OBJECT, sampleLocation);
}

AAX_Result AAX_VTransport::GetCustomTickPosition (int64_t* ticks, int64_t sampleLocation) const
{
    return mV1 ? mV1->GetCustomTickPosition (ticks, sampleLocation) : AAX_MissingInterface (AAX_ERROR_NULL_OBJECT, ticks);
}

AAX_Result AAX_VTransport::GetBarBeatPosition (int32_t* bars, int32_t* beats, int64_t* displayTicks,
                                               int64_t sampleLocation) const
{
    return mV1 ? mV1->GetBarBeatPosition (bars, beats, displayTicks, sampleLocation)
               : AAX_MissingInterface (AAX_ERROR_NULL_OBJECT, bars, beats, displayTicks);
}

AAX_Result AAX_VTransport::GetTicksPerQuarter (uint32_t* ticks) const
{
    return mV1 ? mV1->GetTicksPerQuarter (ticks) : AAX_MissingInterface (AAX_ERROR_NULL_OBJECT, ticks);
}

AAX_Result AAX_VTransport::GetCurrentTicksPerBeat (uint32_t* ticks) const
{
    return mV1 ? mV1->GetCurrentTicksPerBeat (ticks) : AAX_MissingInterface (AAX_ERROR_NULL_OBJECT, ticks);
}

AAX_Result AAX_VTransport::GetTimelineSelectionStartPosition (int64_t* sampleLocation) const
{
    return mV2 ? mV2->GetTimelineSelectionStartPosition (sampleLocation)
               : AAX_MissingInterface (AAX_ERROR_UNIMPLEMENTED, sampleLocation);
}

AAX_Result AAX_VTransport::GetTimeCodeInfo (AAX_EFrameRate* frameRate, int32_t* offset) const
{
    return mV2 ? mV2->GetTimeCodeInfo (frameRate, offset) : AAX_MissingInterface (AAX_ERROR_UNIMPLEMENTED, frameRate, offset);
}

AAX_Result AAX_VTransport::GetFeetFramesInfo (AAX_EFeetFramesRate* rate, int64_t* offset) const
{
    return mV2 ? mV2->GetFeetFramesInfo (rate, offset) : AAX_MissingInterface (AAX_ERROR_UNIMPLEMENTED, rate, offset);
}

AAX_Result AAX_VTransport::IsMetronomeEnabled (int32_t* enabled) const
{
    return mV2 ? mV2->IsMetronomeEnabled (enabled) : AAX_MissingInterface (AAX_ERROR_UNIMPLEMENTED, enabled);
}

AAX_Result AAX_VTransport::GetHDTimeCodeInfo (AAX_EFrameRate* frameRate, int64_t* offset) const
{
    return mV3 ? mV3->GetHDTimeCodeInfo (frameRate, offset) : AAX_MissingInterface (AAX_ERROR_UNIMPLEMENTED, frameRate, offset);
}

//==============================================================================
AAX_VViewContainer::AAX_VViewContainer (IACFUnknown* viewContainerObject)
    : mV1 (ACFQuery<IAAXViewContainerV1> (viewContainerObject, IID_IAAXViewContainerV1)),
      mV2 (ACFQuery<IAAXViewContainerV2> (viewContainerObject, IID_IAAXViewContainerV2))
{
}

AAX_VViewContainer::~AAX_VViewContainer() = default;

int32_t AAX_VViewContainer::GetType()
{
    return mV1 ? mV1->GetType() : AAX_eViewContainer_Type_NULL;
}

void* AAX_VViewContainer::GetPtr()
{
    return mV1 ? mV1->GetPtr() : nullptr;
}

AAX_Result AAX_VViewContainer::GetModifiers (uint32_t* modifiers)
{
    return mV1 ? mV1->GetModifiers (modifiers) : AAX_MissingInterface (AAX_ERROR_UNIMPLEMENTED, modifiers);
}

AAX_Result AAX_VViewContainer::SetViewSize (AAX_Point& size)
{
    return mV1 ? mV1->SetViewSize (size) : AAX_SUCCESS;
}

AAX_Result AAX_VViewContainer::HandleParameterMouseDown (AAX_CParamID id, uint32_t modifiers)
{
    return mV1 ? mV1->HandleParameterMouseDown (id, modifiers) : AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_VViewContainer::HandleParameterMouseDrag (AAX_CParamID id, uint32_t modifiers)
{
    return mV1 ? mV1->HandleParameterMouseDrag (id, modifiers) : AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_VViewContainer::HandleParameterMouseUp (AAX_CParamID id, uint32_t modifiers)
{
    return mV1 ? mV1->HandleParameterMouseUp (id, modifiers) : AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_VViewContainer::HandleMultipleParametersMouseDown (const AAX_CParamID* ids, uint32_t count, uint32_t modifiers)
{
    return mV2 ? mV2->HandleMultipleParametersMouseDown (ids, count, modifiers) : AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_VViewContainer::HandleMultipleParametersMouseDrag (const AAX_CParamID* ids, uint32_t count, uint32_t modifiers)
{
    return mV2 ? mV2->HandleMultipleParametersMouseDrag (ids, count, modifiers) : AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_VViewContainer::HandleMultipleParametersMouseUp (const AAX_CParamID* ids, uint32_t count, uint32_t modifiers)
{
    return mV2 ? mV2->HandleMultipleParametersMouseUp (ids, count, modifiers) : AAX_ERROR_UNIMPLEMENTED;
}
