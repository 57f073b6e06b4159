/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#pragma once

#include "AAX_IString.h"
#include "AAX_Enums.h"

class AAX_IPageTable;

/** The host's controller of one plug-in instance, as the plug-in's code uses it. */
class AAX_IController
{
public:
    virtual ~AAX_IController() = default;

    virtual AAX_Result GetEffectID (AAX_IString* effectID) const = 0;
    virtual AAX_Result GetSampleRate (AAX_CSampleRate* sampleRate) const = 0;
    virtual AAX_Result GetInputStemFormat (AAX_EStemFormat* format) const = 0;
    virtual AAX_Result GetOutputStemFormat (AAX_EStemFormat* format) const = 0;
    virtual AAX_Result GetSignalLatency (int32_t* samples) const = 0;
    virtual AAX_Result GetCycleCount (AAX_EProperty which, int32_t* count) const = 0;
    virtual AAX_Result GetTODLocation (int64_t* location) const = 0;
    virtual AAX_Result SetSignalLatency (int32_t samples) = 0;
    virtual AAX_Result SetCycleCount (AAX_EProperty* which, int32_t* counts, int32_t count) = 0;
    /** Hands a packet to the algorithm's field. */
    virtual AAX_Result PostPacket (AAX_CFieldIndex field, const void* data, uint32_t size) = 0;
    virtual AAX_Result SendNotification (AAX_CTypeID type, const void* data, uint32_t size) = 0;
    /** The same with no data. */
    virtual AAX_Result SendNotification (AAX_CTypeID type) = 0;
    virtual AAX_Result GetCurrentMeterValue (AAX_CTypeID meter, float* value) const = 0;
    virtual AAX_Result GetMeterPeakValue (AAX_CTypeID meter, float* value) const = 0;
    virtual AAX_Result ClearMeterPeakValue (AAX_CTypeID meter) const = 0;
    virtual AAX_Result GetMeterCount (uint32_t* count) const = 0;
    virtual AAX_Result GetMeterClipped (AAX_CTypeID meter, AAX_CBoolean* clipped) const = 0;
    virtual AAX_Result ClearMeterClipped (AAX_CTypeID meter) const = 0;
    virtual AAX_Result GetNextMIDIPacket (AAX_CFieldIndex* port, AAX_CMidiPacket* packet) = 0;
    virtual AAX_Result GetHybridSignalLatency (int32_t* samples) const = 0;
    virtual AAX_Result GetCurrentAutomationTimestamp (int64_t* timestamp) const = 0;
    virtual AAX_Result GetHostName (AAX_IString* name) const = 0;
    virtual AAX_Result GetPlugInTargetPlatform (int32_t* platform) const = 0;
    virtual AAX_Result GetIsAudioSuite (AAX_CBoolean* isAudioSuite) const = 0;
    /** A copy of the host's page table for an effect, owned by the caller, or null. */
    virtual AAX_IPageTable* CreateTableCopyForEffect (AAX_CPropertyValue manufacturerID,
                                                      AAX_CPropertyValue productID,
                                                      AAX_CPropertyValue plugInID, uint32_t tableType,
                                                      int32_t tablePageSize) const = 0;
    virtual AAX_IPageTable* CreateTableCopyForLayout (const char* effectID, const char* layoutName,
                                                      uint32_t tableType, int32_t tablePageSize) const = 0;
    virtual AAX_IPageTable* CreateTableCopyForEffectFromFile (const char* path, AAX_ETextEncoding encoding,
                                                              AAX_CPropertyValue manufacturerID,
                                                              AAX_CPropertyValue productID,
                                                              AAX_CPropertyValue plugInID, uint32_t tableType,
                                                              int32_t tablePageSize) const = 0;
    virtual AAX_IPageTable* CreateTableCopyForLayoutFromFile (const char* path, AAX_ETextEncoding encoding,
                                                              const char* layoutName, uint32_t tableType,
                                                              int32_t tablePageSize) const = 0;
};
