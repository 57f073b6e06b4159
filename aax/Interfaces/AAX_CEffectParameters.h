/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#pragma once

#include "AAX_CChunkDataParser.h"
#include "AAX_CMutex.h"
#include "AAX_CPacketDispatcher.h"
#include "AAX_CParameter.h"
#include "AAX_CParameterManager.h"
#include "AAX_IAutomationDelegate.h"
#include "AAX_IController.h"
#include "AAX_IEffectParameters.h"
#include "AAX_IPageTable.h"
#include "AAX_ITransport.h"

#include <set>
#include <string>

/** The identifier of the "Complete Controls State" chunk: 'elck'. */
constexpr AAX_CTypeID kAAX_ControlsStateChunkID = 0x656C636B;
/** The AudioSuite preview notification: 'ASPv'. */
constexpr AAX_CTypeID kAAX_PreviewNotification = 0x41535076;

/** The base of the plug-in's data model object: parameters, the controls-state
    chunk, packets to the algorithm and a default for every host operation. No
    exception leaves an operation the host calls: one that reaches it is traced
    and gives -20042. A null out pointer gives -20044 and writes nothing. */
class AAX_CEffectParameters : public AAX_IEffectParameters
{
public:
    AAX_CEffectParameters();
    /** Also cleans up after an instance that was never uninitialised. */
    ~AAX_CEffectParameters() override;

    AAX_Result Initialize (IACFUnknown* controller) override;
    AAX_Result Uninitialize() override;
    /** Acts on the AudioSuite preview notification only; 0. */
    AAX_Result NotificationReceived (AAX_CTypeID type, const void* data, uint32_t size) override;
    AAX_Result GetNumberOfParameters (int32_t* count) const override;
    AAX_Result GetMasterBypassParameter (AAX_IString* id) const override;
    AAX_Result GetParameterIsAutomatable (AAX_CParamID id, AAX_CBoolean* automatable) const override;
    AAX_Result GetParameterNumberOfSteps (AAX_CParamID id, int32_t* steps) const override;
    AAX_Result GetParameterName (AAX_CParamID id, AAX_IString* name) const override;
    AAX_Result GetParameterNameOfLength (AAX_CParamID id, AAX_IString* name, int32_t length) const override;
    AAX_Result GetParameterDefaultNormalizedValue (AAX_CParamID id, double* value) const override;
    AAX_Result SetParameterDefaultNormalizedValue (AAX_CParamID id, double value) override;
    AAX_Result GetParameterType (AAX_CParamID id, AAX_EParameterType* type) const override;
    AAX_Result GetParameterOrientation (AAX_CParamID id, int32_t* orientation) const override;
    AAX_Result GetParameter (AAX_CParamID id, AAX_IParameter** parameter) override;
    AAX_Result GetParameterIndex (AAX_CParamID id, int32_t* index) const override;
    AAX_Result GetParameterIDFromIndex (int32_t index, AAX_IString* id) const override;
    AAX_Result GetParameterValueInfo (AAX_CParamID id, int32_t selector, int32_t* value) const override;
    AAX_Result GetParameterValueFromString (AAX_CParamID id, double* value, const AAX_IString& text) const override;
    AAX_Result GetParameterStringFromValue (AAX_CParamID id, double value, AAX_IString* text,
                                            int32_t maxLength) const override;
    AAX_Result GetParameterValueString (AAX_CParamID id, AAX_IString* text, int32_t maxLength) const override;
    AAX_Result GetParameterNormalizedValue (AAX_CParamID id, double* value) const override;
    AAX_Result SetParameterNormalizedValue (AAX_CParamID id, double value) override;
    AAX_Result SetParameterNormalizedRelative (AAX_CParamID id, double delta) override;
    AAX_Result TouchParameter (AAX_CParamID id) override;
    AAX_Result ReleaseParameter (AAX_CParamID id) override;
    AAX_Result UpdateParameterTouch (AAX_CParamID id, AAX_CBoolean touched) override;
    /** The host's automation update: non-finite values are refused with -20043,
        others limited to 0..1. */
    AAX_Result UpdateParameterNormalizedValue (AAX_CParamID id, double value, AAX_EUpdateSource source) override;
    AAX_Result UpdateParameterNormalizedRelative (AAX_CParamID id, double delta) override;
    AAX_Result GenerateCoefficients() override;
    AAX_Result ResetFieldData (AAX_CFieldIndex field, void* data, uint32_t size) const override;
    AAX_Result GetNumberOfChunks (int32_t* count) const override;
    AAX_Result GetChunkIDFromIndex (int32_t index, AAX_CTypeID* chunkID) const override;
    AAX_Result GetChunkSize (AAX_CTypeID chunkID, uint32_t* size) const override;
    AAX_Result GetChunk (AAX_CTypeID chunkID, AAX_SPlugInChunk* chunk) const override;
    /** -20026 for a malformed controls-state chunk; missing values are no fault. */
    AAX_Result SetChunk (AAX_CTypeID chunkID, const AAX_SPlugInChunk* chunk) override;
    /** Chunks other than the controls state always compare equal. */
    AAX_Result CompareActiveChunk (const AAX_SPlugInChunk* chunk, AAX_CBoolean* isEqual) const override;
    AAX_Result GetNumberOfChanges (int32_t* count) const override;
    AAX_Result TimerWakeup() override;
    AAX_Result GetCurveData (AAX_CTypeID curveType, const float* values, uint32_t count, float* results) const override;
    AAX_Result GetCustomData (AAX_CTypeID dataType, uint32_t size, void* data, uint32_t* written) const override;
    AAX_Result SetCustomData (AAX_CTypeID dataType, uint32_t size, const void* data) override;
    AAX_Result DoMIDITransfers() override;
    AAX_Result RenderAudio_Hybrid (AAX_SHybridRenderInfo* info) override;
    AAX_Result UpdateMIDINodes (AAX_CFieldIndex field, AAX_CMidiPacket& packet) override;
    AAX_Result UpdateControlMIDINodes (AAX_CTypeID nodeID, AAX_CMidiPacket& packet) override;
    AAX_Result GetCurveDataMeterIds (AAX_CTypeID curveType, uint32_t* xMeterID, uint32_t* yMeterID) const override;
    AAX_Result GetCurveDataDisplayRange (AAX_CTypeID curveType, float* xMin, float* xMax, float* yMin,
                                         float* yMax) const override;
    AAX_Result UpdatePageTable (uint32_t tableType, int32_t tablePageSize, IACFUnknown* host,
                                IACFUnknown* pageTable) override;

    /** The hook in which a derived class adds its parameters and packets; 0. */
    virtual AAX_Result EffectInit();
    /** Fills a control-surface page table; -20009. */
    virtual AAX_Result UpdatePageTable (uint32_t tableType, int32_t tablePageSize, AAX_IPageTable& pageTable);

    AAX_IController* Controller() noexcept { return mController; }
    const AAX_IController* Controller() const noexcept { return mController; }
    AAX_ITransport* Transport() noexcept { return mTransport; }
    const AAX_ITransport* Transport() const noexcept { return mTransport; }
    AAX_IAutomationDelegate* AutomationDelegate() noexcept { return mAutomationDelegate; }

    /** Leaves a parameter out of the controls-state chunk; null is ignored. */
    void FilterParameterIDOnSave (AAX_CParamID id);
    /** Fills the chunk parser with the value of every chunked parameter. */
    void BuildChunkData() const;

protected:
    /** Changes counted through UpdateParameterNormalizedValue; the framework's
        client counts its own changes here too. Wraps instead of overflowing. */
    int32_t mNumPlugInChanges = 0;
    int32_t& mNumChanges = mNumPlugInChanges;
    mutable uint32_t mChunkSize = 0;
    mutable AAX_CChunkDataParser mChunkParser;
    int32_t mNumChunkedParameters = 0;
    AAX_CPacketDispatcher mPacketDispatcher;
    AAX_CParameterManager mParameterManager;
    std::set<std::string> mFilteredParameterIDs;
    AAX_IController* mController = nullptr;
    AAX_ITransport* mTransport = nullptr;
    AAX_IAutomationDelegate* mAutomationDelegate = nullptr;

private:
    /** Runs a host operation so that no exception escapes: one that does is traced
        and gives -20042. */
    template <typename Operation>
    AAX_Result Guarded (const char* operationName, Operation&& operation) const noexcept;
    /** The current value (read through the virtual getter) moved by delta and
        limited to 0..1; -20043 when either is not a number. */
    AAX_Result RelativeTarget (AAX_CParamID id, double delta, double& target) const;
    /** Deletes the parameters, then the host wrappers, and detaches the dispatcher. */
    void ReleaseHostObjects();

    /** Guards the chunk parser and mChunkSize: the host may ask from several threads. */
    mutable AAX_CMutex mChunkLock;
};
