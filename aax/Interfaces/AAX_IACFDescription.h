/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#pragma once

#include "AAX_Enums.h"

/*  The host's description-time objects. Each version extends the one before it;
    the slot comments count from 0 with QueryInterface, AddRef and Release. */

class IAAXCollectionV1 : public IACFUnknown
{
public:
    /** Slots 3 to 6 belong to the host's own use of the collection; the plug-in
        never calls them. */
    virtual AAX_Result Reserved3() = 0;
    virtual AAX_Result Reserved4() = 0;
    virtual AAX_Result Reserved5() = 0;
    virtual AAX_Result Reserved6() = 0;
    virtual AAX_Result AddEffect (const char* effectID, IACFUnknown* effectDescriptor) = 0; // 7
    virtual AAX_Result SetManufacturerName (const char* name) = 0;                          // 8
    virtual AAX_Result AddPackageName (const char* name) = 0;                               // 9
    virtual AAX_Result SetPackageVersion (uint32_t version) = 0;                            // 10
    virtual AAX_Result SetProperties (IACFUnknown* propertyMap) = 0;                        // 11
};

class IAAXEffectDescriptorV1 : public IACFUnknown
{
public:
    virtual AAX_Result AddComponent (IACFUnknown* componentDescriptor) = 0;                  // 3
    virtual AAX_Result AddName (const char* name) = 0;                                       // 4
    virtual AAX_Result AddCategory (uint32_t category) = 0;                                  // 5
    virtual AAX_Result AddCategoryBypassParameter (uint32_t category, AAX_CParamID id) = 0;  // 6
    virtual AAX_Result AddProcPtr (void* procPtr, AAX_CProcPtrID procID) = 0;                // 7
    virtual AAX_Result SetProperties (IACFUnknown* propertyMap) = 0;                         // 8
    virtual AAX_Result AddResourceInfo (AAX_EResourceType type, const char* info) = 0;       // 9
    virtual AAX_Result AddMeterDescription (AAX_CTypeID meterID, const char* name,
                                            IACFUnknown* propertyMap) = 0;                   // 10
};

class IAAXEffectDescriptorV2 : public IAAXEffectDescriptorV1
{
public:
    virtual AAX_Result AddControlMIDINode (AAX_CTypeID nodeID, AAX_EMIDINodeType type,
                                           const char* name, uint32_t channelMask) = 0;      // 11
};

class IAAXComponentDescriptorV1 : public IACFUnknown
{
public:
    virtual AAX_Result Clear() = 0;                                                          // 3
    virtual AAX_Result AddReservedField (AAX_CFieldIndex field, uint32_t fieldType) = 0;     // 4
    virtual AAX_Result AddAudioIn (AAX_CFieldIndex field) = 0;                               // 5
    virtual AAX_Result AddAudioOut (AAX_CFieldIndex field) = 0;                              // 6
    virtual AAX_Result AddAudioBufferLength (AAX_CFieldIndex field) = 0;                     // 7
    virtual AAX_Result AddSampleRate (AAX_CFieldIndex field) = 0;                            // 8
    virtual AAX_Result AddClock (AAX_CFieldIndex field) = 0;                                 // 9
    virtual AAX_Result AddSideChainIn (AAX_CFieldIndex field) = 0;                           // 10
    virtual AAX_Result AddDataInPort (AAX_CFieldIndex field, uint32_t packetSize,
                                      AAX_EDataInPortType type) = 0;                         // 11
    virtual AAX_Result AddAuxOutputStem (AAX_CFieldIndex field, int32_t stemFormat,
                                         const char* name) = 0;                              // 12
    virtual AAX_Result AddPrivateData (AAX_CFieldIndex field, int32_t dataSize,
                                       uint32_t options) = 0;                                // 13
    virtual AAX_Result AddDmaInstance (AAX_CFieldIndex field, AAX_IDma::EMode mode) = 0;     // 14
    virtual AAX_Result AddMIDINode (AAX_CFieldIndex field, AAX_EMIDINodeType type,
                                    const char* name, uint32_t channelMask) = 0;             // 15
    virtual AAX_Result AddProcessProc_Native (AAX_CProcessProc processProc, IACFUnknown* properties,
                                              AAX_CInstanceInitProc instanceInitProc,
                                              AAX_CBackgroundProc backgroundProc,
                                              AAX_CProcPtrID* procID) = 0;                   // 16
    virtual AAX_Result AddProcessProc_TI (const char* dllFileName, const char* processProcSymbol,
                                          IACFUnknown* properties, const char* instanceInitSymbol,
                                          const char* backgroundSymbol,
                                          AAX_CProcPtrID* procID) = 0;                       // 17
    virtual AAX_Result AddMeters (AAX_CFieldIndex field, const AAX_CTypeID* meterIDs,
                                  uint32_t meterCount) = 0;                                  // 18
};

class IAAXComponentDescriptorV2 : public IAAXComponentDescriptorV1
{
public:
    virtual AAX_Result AddTemporaryData (AAX_CFieldIndex field, uint32_t dataElementSize) = 0; // 19
};

class IAAXComponentDescriptorV3 : public IAAXComponentDescriptorV2
{
public:
    virtual AAX_Result AddProcessProc (IACFUnknown* properties, AAX_CProcPtrID* procIDs,
                                       int32_t procIDsSize) = 0;                             // 20
};

class IAAXPropertyMapV1 : public IACFUnknown
{
public:
    virtual AAX_CBoolean GetProperty (AAX_EProperty property, AAX_CPropertyValue* value) = 0; // 3
    virtual AAX_Result AddProperty (AAX_EProperty property, AAX_CPropertyValue value) = 0;   // 4
    virtual AAX_Result RemoveProperty (AAX_EProperty property) = 0;                          // 5
};

class IAAXPropertyMapV2 : public IAAXPropertyMapV1
{
public:
    virtual AAX_Result AddPropertyWithIDArray (AAX_EProperty property,
                                               const AAX_SPlugInIdentifierTriad* ids,
                                               uint32_t count) = 0;                          // 6
    virtual AAX_CBoolean GetPropertyWithIDArray (AAX_EProperty property,
                                                 const AAX_SPlugInIdentifierTriad** ids,
                                                 uint32_t* count) = 0;                       // 7
};

class IAAXPropertyMapV3 : public IAAXPropertyMapV2
{
public:
    virtual AAX_CBoolean GetPointerProperty (AAX_EProperty property, const void** value) = 0; // 8
    virtual AAX_Result AddPointerProperty (AAX_EProperty property, const void* value) = 0;    // 9
};

class IAAXDescriptionHostV1 : public IACFUnknown
{
public:
    /** Writes a feature-information object for a feature, with one reference. */
    virtual AAX_Result AcquireFeatureProperties (const AAX_Feature_UID& feature,
                                                 IACFUnknown** featureInfo) = 0;             // 3
};

class IAAXFeatureInfoV1 : public IACFUnknown
{
public:
    virtual AAX_Result SupportLevel (AAX_ESupportLevel* level) = 0;                          // 3
    /** Writes a property map of the feature's details, with one reference. */
    virtual AAX_Result AcquireProperties (IACFUnknown** propertyMap) = 0;                    // 4
};
