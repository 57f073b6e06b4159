/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#pragma once

#include "AAX_IPropertyMap.h"

/** One processing component of an effect: its algorithm's fields and procedures. */
class AAX_IComponentDescriptor
{
public:
    virtual ~AAX_IComponentDescriptor() = default;

    virtual AAX_Result Clear() = 0;
    virtual AAX_Result AddAudioIn (AAX_CFieldIndex field) = 0;
    virtual AAX_Result AddAudioOut (AAX_CFieldIndex field) = 0;
    virtual AAX_Result AddAudioBufferLength (AAX_CFieldIndex field) = 0;
    virtual AAX_Result AddSampleRate (AAX_CFieldIndex field) = 0;
    virtual AAX_Result AddClock (AAX_CFieldIndex field) = 0;
    virtual AAX_Result AddSideChainIn (AAX_CFieldIndex field) = 0;
    virtual AAX_Result AddDataInPort (AAX_CFieldIndex field, uint32_t packetSize,
                                      AAX_EDataInPortType type = AAX_eDataInPortType_Buffered) = 0;
    virtual AAX_Result AddAuxOutputStem (AAX_CFieldIndex field, int32_t stemFormat, const char* name) = 0;
    virtual AAX_Result AddPrivateData (AAX_CFieldIndex field, int32_t dataSize, uint32_t options = 0) = 0;
    virtual AAX_Result AddTemporaryData (AAX_CFieldIndex field, uint32_t dataElementSize) = 0;
    virtual AAX_Result AddDmaInstance (AAX_CFieldIndex field, AAX_IDma::EMode mode) = 0;
    virtual AAX_Result AddMeters (AAX_CFieldIndex field, const AAX_CTypeID* meterIDs, uint32_t meterCount) = 0;
    virtual AAX_Result AddMIDINode (AAX_CFieldIndex field, AAX_EMIDINodeType type, const char* name,
                                    uint32_t channelMask) = 0;
    virtual AAX_Result AddReservedField (AAX_CFieldIndex field, uint32_t fieldType) = 0;
    /** A new property map owned by this descriptor, or null. */
    virtual AAX_IPropertyMap* NewPropertyMap() const = 0;
    /** A copy of a map's integer and pointer properties, owned by this descriptor. */
    virtual AAX_IPropertyMap* DuplicatePropertyMap (AAX_IPropertyMap* source) const = 0;
    virtual AAX_Result AddProcessProc_Native (AAX_CProcessProc processProc, AAX_IPropertyMap* properties = nullptr,
                                              AAX_CInstanceInitProc instanceInitProc = nullptr,
                                              AAX_CBackgroundProc backgroundProc = nullptr,
                                              AAX_CProcPtrID* procID = nullptr) = 0;
    virtual AAX_Result AddProcessProc_TI (const char* dllFileName, const char* processProcSymbol,
                                          AAX_IPropertyMap* properties, const char* instanceInitSymbol = nullptr,
                                          const char* backgroundSymbol = nullptr,
                                          AAX_CProcPtrID* procID = nullptr) = 0;
    /** Registers the procedures named by the map's pointer properties; procIDs, when
        given, receives their IDs and a terminating 0. */
    virtual AAX_Result AddProcessProc (AAX_IPropertyMap* properties, AAX_CProcPtrID* procIDs = nullptr,
                                       int32_t procIDsSize = 0) = 0;

    /** Takes a process procedure on the plug-in's own context type. */
    template <typename ContextType>
    AAX_Result AddProcessProc_Native (void (AAX_CALLBACK* processProc) (ContextType* const instancesBegin[],
                                                                        const void* const instancesEnd),
                                      AAX_IPropertyMap* properties = nullptr,
                                      AAX_CInstanceInitProc instanceInitProc = nullptr,
                                      AAX_CBackgroundProc backgroundProc = nullptr,
                                      AAX_CProcPtrID* procID = nullptr)
    {
        return AddProcessProc_Native (reinterpret_cast<AAX_CProcessProc> (processProc), properties,
                                      instanceInitProc, backgroundProc, procID);
    }
};
