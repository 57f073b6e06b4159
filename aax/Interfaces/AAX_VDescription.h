/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#pragma once

#include "AAX_IACFDescription.h"
#include "AAX_ICollection.h"
#include "ACF/ACFPtr.h"

#include <map>
#include <memory>
#include <set>
#include <vector>

/*  Wrappers of the host's description-time objects. Each holds one interface per
    host version it knows, null when the host lacks it; an operation whose version
    is missing calls nothing and returns -20004 for first-version operations and
    -20009 for later ones, after writing a neutral value into its out values. */

/** A property map on a host map object. */
class AAX_VPropertyMap : public AAX_IPropertyMap
{
public:
    /** A new map made through the host's factory, owned by the caller; null for a
        null host object or one without a factory. */
    static AAX_VPropertyMap* Create (IACFUnknown* host);
    /** A new wrapper of an existing host map, owned by the caller. */
    static AAX_VPropertyMap* Acquire (IACFUnknown* propertyMapObject);

    ~AAX_VPropertyMap() override;

    AAX_CBoolean GetProperty (AAX_EProperty property, AAX_CPropertyValue* value) const override;
    AAX_CBoolean GetPointerProperty (AAX_EProperty property, const void** value) const override;
    /** Stem formats the host may not know (0xD0000 and up) are refused with -20039
        unless the map can reach the host's description interface. */
    AAX_Result AddProperty (AAX_EProperty property, AAX_CPropertyValue value) override;
    AAX_Result AddPointerProperty (AAX_EProperty property, const void* value) override;
    AAX_Result AddPointerProperty (AAX_EProperty property, const char* value) override;
    AAX_Result RemoveProperty (AAX_EProperty property) override;
    AAX_Result AddPropertyWithIDArray (AAX_EProperty property, const AAX_SPlugInIdentifierTriad* ids,
                                       uint32_t count) override;
    AAX_CBoolean GetPropertyWithIDArray (AAX_EProperty property, const AAX_SPlugInIdentifierTriad** ids,
                                         uint32_t* count) const override;
    /** The highest host version held, or null. */
    IACFUnknown* GetIUnknown() const override;

private:
    AAX_VPropertyMap() = default;
    void InitWithFactory (IACFComponentFactory* factory, IACFUnknown* host);
    void InitWithPropertyMap (IACFUnknown* propertyMapObject, IACFUnknown* descriptionHostSource);

    ACFPtr<IAAXPropertyMapV1> mV1;
    ACFPtr<IAAXPropertyMapV2> mV2;
    ACFPtr<IAAXPropertyMapV3> mV3;
    ACFPtr<IACFUnknown> mDescriptionHost;
    /** Pointer properties of the process procedures, kept here when the host map
        cannot hold pointers. */
    std::map<AAX_EProperty, const void*> mLocalPointerProperties;
};

//==============================================================================
/** A component descriptor made through the host's factory. */
class AAX_VComponentDescriptor : public AAX_IComponentDescriptor
{
public:
    explicit AAX_VComponentDescriptor (IACFUnknown* host);
    ~AAX_VComponentDescriptor() override;

    using AAX_IComponentDescriptor::AddProcessProc_Native;

    AAX_Result Clear() override;
    AAX_Result AddAudioIn (AAX_CFieldIndex field) override;
    AAX_Result AddAudioOut (AAX_CFieldIndex field) override;
    AAX_Result AddAudioBufferLength (AAX_CFieldIndex field) override;
    AAX_Result AddSampleRate (AAX_CFieldIndex field) override;
    AAX_Result AddClock (AAX_CFieldIndex field) override;
    AAX_Result AddSideChainIn (AAX_CFieldIndex field) override;
    AAX_Result AddDataInPort (AAX_CFieldIndex field, uint32_t packetSize, AAX_EDataInPortType type) override;
    AAX_Result AddAuxOutputStem (AAX_CFieldIndex field, int32_t stemFormat, const char* name) override;
    AAX_Result AddPrivateData (AAX_CFieldIndex field, int32_t dataSize, uint32_t options) override;
    AAX_Result AddTemporaryData (AAX_CFieldIndex field, uint32_t dataElementSize) override;
    AAX_Result AddDmaInstance (AAX_CFieldIndex field, AAX_IDma::EMode mode) override;
    AAX_Result AddMeters (AAX_CFieldIndex field, const AAX_CTypeID* meterIDs, uint32_t meterCount) override;
    AAX_Result AddMIDINode (AAX_CFieldIndex field, AAX_EMIDINodeType type, const char* name,
                            uint32_t channelMask) override;
    AAX_Result AddReservedField (AAX_CFieldIndex field, uint32_t fieldType) override;
    AAX_IPropertyMap* NewPropertyMap() const override;
    AAX_IPropertyMap* DuplicatePropertyMap (AAX_IPropertyMap* source) const override;
    AAX_Result AddProcessProc_Native (AAX_CProcessProc processProc, AAX_IPropertyMap* properties,
                                      AAX_CInstanceInitProc instanceInitProc, AAX_CBackgroundProc backgroundProc,
                                      AAX_CProcPtrID* procID) override;
    AAX_Result AddProcessProc_TI (const char* dllFileName, const char* processProcSymbol,
                                  AAX_IPropertyMap* properties, const char* instanceInitSymbol,
                                  const char* backgroundSymbol, AAX_CProcPtrID* procID) override;
    /** Without the host's third version, registers the native and external
        procedures named by the map's pointer properties itself. */
    AAX_Result AddProcessProc (AAX_IPropertyMap* properties, AAX_CProcPtrID* procIDs, int32_t procIDsSize) override;

    IACFUnknown* GetIUnknown() const;

    /** The pointer properties that name process procedures: 36 to 42. */
    static const std::set<AAX_EProperty>& PointerPropertiesUsedByAddProcessProc();

private:
    AAX_Result ManuallyAddProcessProcs (AAX_IPropertyMap& properties, AAX_CProcPtrID* procIDs, int32_t procIDsSize);
    /** The map to register a native procedure with: a copy without the native
        buffer-length property when the caller's map has one. */
    AAX_IPropertyMap* MapForNativeProcessProc (AAX_IPropertyMap& properties);

    ACFPtr<IACFUnknown> mHost;
    ACFPtr<IAAXComponentDescriptorV1> mV1;
    ACFPtr<IAAXComponentDescriptorV2> mV2;
    ACFPtr<IAAXComponentDescriptorV3> mV3;
    mutable std::vector<std::unique_ptr<AAX_VPropertyMap>> mPropertyMaps;
};

//==============================================================================
/** An effect descriptor made through the host's factory. */
class AAX_VEffectDescriptor : public AAX_IEffectDescriptor
{
public:
    explicit AAX_VEffectDescriptor (IACFUnknown* host);
    ~AAX_VEffectDescriptor() override;

    AAX_IComponentDescriptor* NewComponentDescriptor() override;
    AAX_Result AddComponent (AAX_IComponentDescriptor* component) override;
    AAX_Result AddName (const char* name) override;
    AAX_Result AddCategory (uint32_t category) override;
    AAX_Result AddCategoryBypassParameter (uint32_t category, AAX_CParamID id) override;
    AAX_Result AddProcPtr (void* procPtr, AAX_CProcPtrID procID) override;
    AAX_IPropertyMap* NewPropertyMap() override;
    AAX_Result SetProperties (AAX_IPropertyMap* properties) override;
    AAX_Result AddResourceInfo (AAX_EResourceType type, const char* info) override;
    AAX_Result AddMeterDescription (AAX_CTypeID meterID, const char* name, AAX_IPropertyMap* properties) override;
    AAX_Result AddControlMIDINode (AAX_CTypeID nodeID, AAX_EMIDINodeType type, const char* name,
                                   uint32_t channelMask) override;

    IACFUnknown* GetIUnknown() const;

private:
    ACFPtr<IACFUnknown> mHost;
    ACFPtr<IAAXEffectDescriptorV1> mV1;
    ACFPtr<IAAXEffectDescriptorV2> mV2;
    std::vector<std::unique_ptr<AAX_VComponentDescriptor>> mComponentDescriptors;
    std::vector<std::unique_ptr<AAX_VPropertyMap>> mPropertyMaps;
};

//==============================================================================
/** Information on one host feature. */
class AAX_VFeatureInfo : public AAX_IFeatureInfo
{
public:
    AAX_VFeatureInfo (IACFUnknown* featureInfoObject, const AAX_Feature_UID& feature);
    ~AAX_VFeatureInfo() override;

    AAX_Result SupportLevel (AAX_ESupportLevel& level) const override;
    const AAX_IPropertyMap* AcquireProperties() const override;
    const AAX_Feature_UID& ID() const override;

private:
    AAX_Feature_UID mID;
    ACFPtr<IAAXFeatureInfoV1> mV1;
};

/** The host's description interface. */
class AAX_VDescriptionHost : public AAX_IDescriptionHost
{
public:
    explicit AAX_VDescriptionHost (IACFUnknown* host);
    ~AAX_VDescriptionHost() override;

    const AAX_IFeatureInfo* AcquireFeatureProperties (const AAX_Feature_UID& feature) const override;

    /** True when the host offers its description interface. */
    bool Supported() const noexcept { return static_cast<bool> (mV1); }
    IACFDefinition* HostDefinition() const noexcept { return mHostDefinition.get(); }

private:
    ACFPtr<IAAXDescriptionHostV1> mV1;
    ACFPtr<IACFDefinition> mHostDefinition;
};

//==============================================================================
/** The host's collection, owning every descriptor and map made through it. */
class AAX_VCollection : public AAX_ICollection
{
public:
    explicit AAX_VCollection (IACFUnknown* host);
    ~AAX_VCollection() override;

    AAX_IEffectDescriptor* NewDescriptor() override;
    AAX_Result AddEffect (const char* effectID, AAX_IEffectDescriptor* descriptor) override;
    AAX_Result SetManufacturerName (const char* name) override;
    AAX_Result AddPackageName (const char* name) override;
    AAX_Result SetPackageVersion (uint32_t version) override;
    AAX_IPropertyMap* NewPropertyMap() override;
    AAX_Result SetProperties (AAX_IPropertyMap* properties) override;
    AAX_IDescriptionHost* DescriptionHost() override;
    const AAX_IDescriptionHost* DescriptionHost() const override;
    IACFDefinition* HostDefinition() const override;

    /** The host collection, which registration asks for the plug-in definition. */
    IACFUnknown* GetIUnknown() const;

private:
    ACFPtr<IACFUnknown> mHost;
    ACFPtr<IAAXCollectionV1> mV1;
    AAX_VDescriptionHost mDescriptionHost;
    std::vector<std::unique_ptr<AAX_VEffectDescriptor>> mEffectDescriptors;
    std::vector<std::unique_ptr<AAX_VPropertyMap>> mPropertyMaps;
};
