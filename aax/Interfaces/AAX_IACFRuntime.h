/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#pragma once

#include "AAX_Enums.h"
#include "AAX_IString.h"

/*  The host's run-time objects. Each version extends the one before it; the slot
    comments count from 0 with QueryInterface, AddRef and Release. */

class IAAXControllerV1 : public IACFUnknown
{
public:
    virtual AAX_Result GetEffectID (AAX_IString* effectID) = 0;                              // 3
    virtual AAX_Result GetSampleRate (AAX_CSampleRate* sampleRate) = 0;                      // 4
    virtual AAX_Result GetInputStemFormat (AAX_EStemFormat* format) = 0;                     // 5
    virtual AAX_Result GetOutputStemFormat (AAX_EStemFormat* format) = 0;                    // 6
    virtual AAX_Result GetSignalLatency (int32_t* samples) = 0;                              // 7
    virtual AAX_Result GetCycleCount (AAX_EProperty which, int32_t* count) = 0;              // 8
    virtual AAX_Result GetTODLocation (int64_t* location) = 0;                               // 9
    virtual AAX_Result SetSignalLatency (int32_t samples) = 0;                               // 10
    virtual AAX_Result SetCycleCount (AAX_EProperty* which, int32_t* counts, int32_t count) = 0; // 11
    virtual AAX_Result PostPacket (AAX_CFieldIndex field, const void* data, uint32_t size) = 0;  // 12
    virtual AAX_Result GetCurrentMeterValue (AAX_CTypeID meter, float* value) = 0;           // 13
    virtual AAX_Result GetMeterPeakValue (AAX_CTypeID meter, float* value) = 0;              // 14
    virtual AAX_Result ClearMeterPeakValue (AAX_CTypeID meter) = 0;                          // 15
    virtual AAX_Result GetMeterClipped (AAX_CTypeID meter, AAX_CBoolean* clipped) = 0;       // 16
    virtual AAX_Result ClearMeterClipped (AAX_CTypeID meter) = 0;                            // 17
    virtual AAX_Result GetMeterCount (uint32_t* count) = 0;                                  // 18
    virtual AAX_Result GetNextMIDIPacket (AAX_CFieldIndex* port, AAX_CMidiPacket* packet) = 0; // 19
};

class IAAXControllerV2 : public IAAXControllerV1
{
public:
    virtual AAX_Result SendNotification (AAX_CTypeID type, const void* data, uint32_t size) = 0; // 20
    virtual AAX_Result GetHybridSignalLatency (int32_t* samples) = 0;                        // 21
    virtual AAX_Result GetCurrentAutomationTimestamp (int64_t* timestamp) = 0;               // 22
    virtual AAX_Result GetHostName (AAX_IString* name) = 0;                                  // 23
};

class IAAXControllerV3 : public IAAXControllerV2
{
public:
    virtual AAX_Result GetPlugInTargetPlatform (int32_t* platform) = 0;                      // 24
    virtual AAX_Result GetIsAudioSuite (AAX_CBoolean* isAudioSuite) = 0;                     // 25
};

/** Copies of the host's control-surface page tables into a table the plug-in made. */
class IAAXPageTableController : public IACFUnknown
{
public:
    virtual AAX_Result CreateTableCopyForEffect (AAX_CPropertyValue manufacturerID,
                                                 AAX_CPropertyValue productID,
                                                 AAX_CPropertyValue plugInID, uint32_t tableType,
                                                 int32_t tablePageSize, IACFUnknown* table) = 0; // 3
    virtual AAX_Result CreateTableCopyForLayout (const char* effectID, const char* layoutName,
                                                 uint32_t tableType, int32_t tablePageSize,
                                                 IACFUnknown* table) = 0;                    // 4
};

class IAAXPageTableControllerV2 : public IAAXPageTableController
{
public:
    virtual AAX_Result CreateTableCopyForEffectFromFile (const char* path, AAX_ETextEncoding encoding,
                                                         AAX_CPropertyValue manufacturerID,
                                                         AAX_CPropertyValue productID,
                                                         AAX_CPropertyValue plugInID, uint32_t tableType,
                                                         int32_t tablePageSize, IACFUnknown* table) = 0; // 5
    virtual AAX_Result CreateTableCopyForLayoutFromFile (const char* path, AAX_ETextEncoding encoding,
                                                         const char* layoutName, uint32_t tableType,
                                                         int32_t tablePageSize, IACFUnknown* table) = 0; // 6
};

class IAAXAutomationDelegateV1 : public IACFUnknown
{
public:
    virtual AAX_Result RegisterParameter (AAX_CParamID id) = 0;                              // 3
    virtual AAX_Result UnregisterParameter (AAX_CParamID id) = 0;                            // 4
    virtual AAX_Result PostSetValueRequest (AAX_CParamID id, double normalizedValue) = 0;    // 5
    virtual AAX_Result PostCurrentValue (AAX_CParamID id, double normalizedValue) = 0;       // 6
    virtual AAX_Result PostTouchRequest (AAX_CParamID id) = 0;                               // 7
    virtual AAX_Result PostReleaseRequest (AAX_CParamID id) = 0;                             // 8
    virtual AAX_Result GetTouchState (AAX_CParamID id, AAX_CBoolean* touched) = 0;           // 9
};

class IAAXTransportV1 : public IACFUnknown
{
public:
    virtual AAX_Result GetCurrentTempo (double* bpm) = 0;                                    // 3
    virtual AAX_Result GetCurrentMeter (int32_t* numerator, int32_t* denominator) = 0;       // 4
    virtual AAX_Result IsTransportPlaying (bool* isPlaying) = 0;                             // 5
    virtual AAX_Result GetCurrentTickPosition (int64_t* ticks) = 0;                          // 6
    virtual AAX_Result GetCurrentLoopPosition (bool* looping, int64_t* startTick, int64_t* endTick) = 0; // 7
    virtual AAX_Result GetCurrentNativeSampleLocation (int64_t* sampleLocation) = 0;         // 8
    virtual AAX_Result GetCustomTickPosition (int64_t* ticks, int64_t sampleLocation) = 0;   // 9
    virtual AAX_Result GetBarBeatPosition (int32_t* bars, int32_t* beats, int64_t* displayTicks,
                                           int64_t sampleLocation) = 0;                      // 10
    virtual AAX_Result GetTicksPerQuarter (uint32_t* ticks) = 0;                             // 11
    virtual AAX_Result GetCurrentTicksPerBeat (uint32_t* ticks) = 0;                         // 12
};

class IAAXTransportV2 : public IAAXTransportV1
{
public:
    virtual AAX_Result GetTimelineSelectionStartPosition (int64_t* sampleLocation) = 0;      // 13
    virtual AAX_Result GetTimeCodeInfo (AAX_EFrameRate* frameRate, int32_t* offset) = 0;     // 14
    virtual AAX_Result GetFeetFramesInfo (AAX_EFeetFramesRate* rate, int64_t* offset) = 0;   // 15
    virtual AAX_Result IsMetronomeEnabled (int32_t* enabled) = 0;                            // 16
};

class IAAXTransportV3 : public IAAXTransportV2
{
public:
    virtual AAX_Result GetHDTimeCodeInfo (AAX_EFrameRate* frameRate, int64_t* offset) = 0;   // 17
};

class IAAXViewContainerV1 : public IACFUnknown
{
public:
    virtual int32_t GetType() = 0;                                                           // 3
    virtual void* GetPtr() = 0;                                                              // 4
    virtual AAX_Result GetModifiers (uint32_t* modifiers) = 0;                               // 5
    virtual AAX_Result SetViewSize (AAX_Point& size) = 0;                                    // 6
    virtual AAX_Result HandleParameterMouseDown (AAX_CParamID id, uint32_t modifiers) = 0;   // 7
    virtual AAX_Result HandleParameterMouseDrag (AAX_CParamID id, uint32_t modifiers) = 0;   // 8
    virtual AAX_Result HandleParameterMouseUp (AAX_CParamID id, uint32_t modifiers) = 0;     // 9
};

class IAAXViewContainerV2 : public IAAXViewContainerV1
{
public:
    virtual AAX_Result HandleMultipleParametersMouseDown (const AAX_CParamID* ids, uint32_t count,
                                                          uint32_t modifiers) = 0;           // 10
    virtual AAX_Result HandleMultipleParametersMouseDrag (const AAX_CParamID* ids, uint32_t count,
                                                          uint32_t modifiers) = 0;           // 11
    virtual AAX_Result HandleMultipleParametersMouseUp (const AAX_CParamID* ids, uint32_t count,
                                                        uint32_t modifiers) = 0;             // 12
};

class IAAXPageTableV1 : public IACFUnknown
{
public:
    virtual AAX_Result Clear() = 0;                                                          // 3
    virtual AAX_Result Empty (AAX_CBoolean* empty) = 0;                                      // 4
    virtual AAX_Result GetNumPages (int32_t* pages) = 0;                                     // 5
    virtual AAX_Result InsertPage (int32_t page) = 0;                                        // 6
    virtual AAX_Result RemovePage (int32_t page) = 0;                                        // 7
    virtual AAX_Result GetNumMappedParameterIDs (int32_t page, int32_t* count) = 0;          // 8
    virtual AAX_Result ClearMappedParameter (int32_t page, int32_t slot) = 0;                // 9
    virtual AAX_Result GetMappedParameterID (int32_t page, int32_t slot, AAX_IString* id) = 0; // 10
    virtual AAX_Result MapParameterID (AAX_CParamID id, int32_t page, int32_t slot) = 0;     // 11
};

class IAAXPageTableV2 : public IAAXPageTableV1
{
public:
    virtual AAX_Result GetNumParametersWithNameVariations (int32_t* count) = 0;              // 12
    virtual AAX_Result GetNameVariationParameterIDAtIndex (int32_t index, AAX_IString* id) = 0; // 13
    virtual AAX_Result GetNumNameVariationsForParameter (AAX_CParamID id, int32_t* count) = 0; // 14
    virtual AAX_Result GetParameterNameVariationAtIndex (AAX_CParamID id, int32_t index,
                                                         AAX_IString* name, int32_t* length) = 0; // 15
    virtual AAX_Result GetParameterNameVariationOfLength (AAX_CParamID id, int32_t length,
                                                          AAX_IString* name) = 0;            // 16
    virtual AAX_Result ClearParameterNameVariations() = 0;                                   // 17
    virtual AAX_Result ClearNameVariationsForParameter (AAX_CParamID id) = 0;                // 18
    virtual AAX_Result SetParameterNameVariation (AAX_CParamID id, const AAX_IString& name,
                                                  int32_t length) = 0;                       // 19
};
