/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#pragma once

#include "AAX_IACFRuntime.h"
#include "AAX_IAutomationDelegate.h"
#include "AAX_IController.h"
#include "AAX_IPageTable.h"
#include "AAX_ITransport.h"
#include "AAX_IViewContainer.h"
#include "ACF/ACFPtr.h"

/*  Wrappers of the host's run-time objects, built on the host object an instance
    is initialised with. Each holds one interface per host version it knows, null
    when the host lacks it; an operation whose version is missing calls nothing,
    writes a neutral value into its out values and returns the result its
    documentation gives (-20004 for first-version operations, -20009 for later
    ones, unless said otherwise). */

/** The host's page table of control surfaces. Missing versions give -20009. */
class AAX_VPageTable : public AAX_IPageTable
{
public:
    explicit AAX_VPageTable (IACFUnknown* pageTableObject);
    ~AAX_VPageTable() override;

    AAX_Result Clear() override;
    AAX_Result Empty (AAX_CBoolean* empty) const override;
    AAX_Result GetNumPages (int32_t* pages) const override;
    AAX_Result InsertPage (int32_t page) override;
    AAX_Result RemovePage (int32_t page) override;
    AAX_Result GetNumMappedParameterIDs (int32_t page, int32_t* count) const override;
    AAX_Result ClearMappedParameter (int32_t page, int32_t slot) override;
    AAX_Result GetMappedParameterID (int32_t page, int32_t slot, AAX_IString* id) const override;
    AAX_Result MapParameterID (AAX_CParamID id, int32_t page, int32_t slot) override;
    AAX_Result GetNumParametersWithNameVariations (int32_t* count) const override;
    AAX_Result GetNameVariationParameterIDAtIndex (int32_t index, AAX_IString* id) const override;
    AAX_Result GetNumNameVariationsForParameter (AAX_CParamID id, int32_t* count) const override;
    AAX_Result GetParameterNameVariationAtIndex (AAX_CParamID id, int32_t index, AAX_IString* name,
                                                 int32_t* length) const override;
    AAX_Result GetParameterNameVariationOfLength (AAX_CParamID id, int32_t length, AAX_IString* name) const override;
    AAX_Result ClearParameterNameVariations() override;
    AAX_Result ClearNameVariationsForParameter (AAX_CParamID id) override;
    AAX_Result SetParameterNameVariation (AAX_CParamID id, const AAX_IString& name, int32_t length) override;

    /** True when the host table offers its first version. */
    bool IsValid() const noexcept { return static_cast<bool> (mV1); }
    IAAXPageTableV1* GetIUnknown() const noexcept { return mV1.get(); }

private:
    ACFPtr<IAAXPageTableV1> mV1;
    ACFPtr<IAAXPageTableV2> mV2;
};

//==============================================================================
/** The host's controller of one instance. */
class AAX_VController : public AAX_IController
{
public:
    explicit AAX_VController (IACFUnknown* host);
    ~AAX_VController() override;

    AAX_Result GetEffectID (AAX_IString* effectID) const override;
    AAX_Result GetSampleRate (AAX_CSampleRate* sampleRate) const override;
    AAX_Result GetInputStemFormat (AAX_EStemFormat* format) const override;
    AAX_Result GetOutputStemFormat (AAX_EStemFormat* format) const override;
    AAX_Result GetSignalLatency (int32_t* samples) const override;
    AAX_Result GetCycleCount (AAX_EProperty which, int32_t* count) const override;
    AAX_Result GetTODLocation (int64_t* location) const override;
    AAX_Result SetSignalLatency (int32_t samples) override;
    AAX_Result SetCycleCount (AAX_EProperty* which, int32_t* counts, int32_t count) override;
    AAX_Result PostPacket (AAX_CFieldIndex field, const void* data, uint32_t size) override;
    AAX_Result SendNotification (AAX_CTypeID type, const void* data, uint32_t size) override;
    AAX_Result SendNotification (AAX_CTypeID type) override;
    AAX_Result GetCurrentMeterValue (AAX_CTypeID meter, float* value) const override;
    AAX_Result GetMeterPeakValue (AAX_CTypeID meter, float* value) const override;
    AAX_Result ClearMeterPeakValue (AAX_CTypeID meter) const override;
    AAX_Result GetMeterCount (uint32_t* count) const override;
    AAX_Result GetMeterClipped (AAX_CTypeID meter, AAX_CBoolean* clipped) const override;
    AAX_Result ClearMeterClipped (AAX_CTypeID meter) const override;
    AAX_Result GetNextMIDIPacket (AAX_CFieldIndex* port, AAX_CMidiPacket* packet) override;
    AAX_Result GetHybridSignalLatency (int32_t* samples) const override;
    AAX_Result GetCurrentAutomationTimestamp (int64_t* timestamp) const override;
    AAX_Result GetHostName (AAX_IString* name) const override;
    AAX_Result GetPlugInTargetPlatform (int32_t* platform) const override;
    AAX_Result GetIsAudioSuite (AAX_CBoolean* isAudioSuite) const override;
    AAX_IPageTable* CreateTableCopyForEffect (AAX_CPropertyValue manufacturerID, AAX_CPropertyValue productID,
                                              AAX_CPropertyValue plugInID, uint32_t tableType,
                                              int32_t tablePageSize) const override;
    AAX_IPageTable* CreateTableCopyForLayout (const char* effectID, const char* layoutName, uint32_t tableType,
                                              int32_t tablePageSize) const override;
    AAX_IPageTable* CreateTableCopyForEffectFromFile (const char* path, AAX_ETextEncoding encoding,
                                                      AAX_CPropertyValue manufacturerID, AAX_CPropertyValue productID,
                                                      AAX_CPropertyValue plugInID, uint32_t tableType,
                                                      int32_t tablePageSize) const override;
    AAX_IPageTable* CreateTableCopyForLayoutFromFile (const char* path, AAX_ETextEncoding encoding,
                                                      const char* layoutName, uint32_t tableType,
                                                      int32_t tablePageSize) const override;

private:
    /** Makes an empty host table, lets copy fill it and wraps the result. */
    template <typename CopyCall>
    AAX_IPageTable* CopyPageTable (bool controllerPresent, CopyCall&& copy) const;

    ACFPtr<IAAXControllerV1> mV1;
    ACFPtr<IAAXControllerV2> mV2;
    ACFPtr<IAAXControllerV3> mV3;
    ACFPtr<IAAXPageTableController> mPageTableController;
    ACFPtr<IAAXPageTableControllerV2> mPageTableControllerV2;
    ACFPtr<IACFComponentFactory> mComponentFactory;
};

//==============================================================================
/** The host's automation of the instance's parameters. */
class AAX_VAutomationDelegate : public AAX_IAutomationDelegate
{
public:
    explicit AAX_VAutomationDelegate (IACFUnknown* host);
    ~AAX_VAutomationDelegate() override;

    AAX_Result RegisterParameter (AAX_CParamID id) override;
    AAX_Result UnregisterParameter (AAX_CParamID id) override;
    AAX_Result PostSetValueRequest (AAX_CParamID id, double normalizedValue) const override;
    AAX_Result PostCurrentValue (AAX_CParamID id, double normalizedValue) const override;
    AAX_Result PostTouchRequest (AAX_CParamID id) override;
    AAX_Result PostReleaseRequest (AAX_CParamID id) override;
    AAX_Result GetTouchState (AAX_CParamID id, AAX_CBoolean* touched) override;

private:
    ACFPtr<IAAXAutomationDelegateV1> mV1;
};

//==============================================================================
/** The host's transport. */
class AAX_VTransport : public AAX_ITransport
{
public:
    explicit AAX_VTransport (IACFUnknown* host);
    ~AAX_VTransport() override;

    AAX_Result GetCurrentTempo (double* bpm) const override;
    AAX_Result GetCurrentMeter (int32_t* numerator, int32_t* denominator) const override;
    AAX_Result IsTransportPlaying (bool* isPlaying) const override;
    AAX_Result GetCurrentTickPosition (int64_t* ticks) const override;
    AAX_Result GetCurrentLoopPosition (bool* looping, int64_t* startTick, int64_t* endTick) const override;
    AAX_Result GetCurrentNativeSampleLocation (int64_t* sampleLocation) const override;
    AAX_Result GetCustomTickPosition (int64_t* ticks, int64_t sampleLocation) const override;
    AAX_Result GetBarBeatPosition (int32_t* bars, int32_t* beats, int64_t* displayTicks,
                                   int64_t sampleLocation) const override;
    AAX_Result GetTicksPerQuarter (uint32_t* ticks) const override;
    AAX_Result GetCurrentTicksPerBeat (uint32_t* ticks) const override;
    AAX_Result GetTimelineSelectionStartPosition (int64_t* sampleLocation) const override;
    AAX_Result GetTimeCodeInfo (AAX_EFrameRate* frameRate, int32_t* offset) const override;
    AAX_Result GetFeetFramesInfo (AAX_EFeetFramesRate* rate, int64_t* offset) const override;
    AAX_Result IsMetronomeEnabled (int32_t* enabled) const override;
    AAX_Result GetHDTimeCodeInfo (AAX_EFrameRate* frameRate, int64_t* offset) const override;

private:
    ACFPtr<IAAXTransportV1> mV1;
    ACFPtr<IAAXTransportV2> mV2;
    ACFPtr<IAAXTransportV3> mV3;
};

//==============================================================================
/** The host's view for the editor. Without the first version the type is 0, the
    view null and a resize request succeeds; mouse operations give -20009. */
class AAX_VViewContainer : public AAX_IViewContainer
{
public:
    explicit AAX_VViewContainer (IACFUnknown* viewContainerObject);
    /** Gives back the references its queries took. */
    ~AAX_VViewContainer() override;

    int32_t GetType() override;
    void* GetPtr() override;
    AAX_Result GetModifiers (uint32_t* modifiers) override;
    AAX_Result SetViewSize (AAX_Point& size) override;
    AAX_Result HandleParameterMouseDown (AAX_CParamID id, uint32_t modifiers) override;
    AAX_Result HandleParameterMouseDrag (AAX_CParamID id, uint32_t modifiers) override;
    AAX_Result HandleParameterMouseUp (AAX_CParamID id, uint32_t modifiers) override;
    AAX_Result HandleMultipleParametersMouseDown (const AAX_CParamID* ids, uint32_t count, uint32_t modifiers) override;
    AAX_Result HandleMultipleParametersMouseDrag (const AAX_CParamID* ids, uint32_t count, uint32_t modifiers) override;
    AAX_Result HandleMultipleParametersMouseUp (const AAX_CParamID* ids, uint32_t count, uint32_t modifiers) override;

private:
    ACFPtr<IAAXViewContainerV1> mV1;
    ACFPtr<IAAXViewContainerV2> mV2;
};
