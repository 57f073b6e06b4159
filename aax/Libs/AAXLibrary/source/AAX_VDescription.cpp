/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#include "AAX_VDescription.h"
#include "AAX_CHostServices.h"
#include "AAX_UIDs.h"
#include "AAX_WrapperSupport.h"

namespace
{
    /** Stem formats the host reports through its description interface when it
        supports them; "none" and "any" are always understood. */
    bool needsStemFormatFeature (AAX_EProperty property, AAX_CPropertyValue value)
    {
        const auto format = (uint32_t) value;

        return (property == AAX_eProperty_InputStemFormat || property == AAX_eProperty_OutputStemFormat)
            && format >= 0xD0000u
            && value != AAX_eStemFormat_Any
            && value != AAX_eStemFormat_None;
    }

    IACFUnknown* hostObjectOf (const AAX_IPropertyMap* map)
    {
        return map != nullptr ? map->GetIUnknown() : nullptr;
    }

    void traceMissingProcProperty (const char* propertyName)
    {
        AAX_CHostServices::Trace (AAX_eTracePriorityHost_Critical,
                                  "AAX_VComponentDescriptor: ManuallyAddProcessProcs() - no value found for %s",
                                  propertyName);
    }

    /** Adds an object made by a wrapper to the set its maker owns. */
    template <typename Object>
    Object* keep (std::vector<std::unique_ptr<Object>>& owned, std::unique_ptr<Object> object)
    {
        owned.push_back (std::move (object));
        return owned.back().get();
    }

    std::unique_ptr<AAX_VPropertyMap> newPropertyMap (IACFUnknown* host)
    {
        return std::unique_ptr<AAX_VPropertyMap> (AAX_VPropertyMap::Create (host));
    }
}

//==============================================================================
AAX_VPropertyMap* AAX_VPropertyMap::Create (IACFUnknown* host)
{
    auto factory = ACFQuery<IACFComponentFactory> (host, IID_IACFComponentFactory);

    if (! factory)
        return nullptr;

    std::unique_ptr<AAX_VPropertyMap> map (new AAX_VPropertyMap());
    map->InitWithFactory (factory.get(), host);
    return map.release();
}

AAX_VPropertyMap* AAX_VPropertyMap::Acquire (IACFUnknown* propertyMapObject)
{
    std::unique_ptr<AAX_VPropertyMap> map (new AAX_VPropertyMap());
    map->InitWithPropertyMap (propertyMapObject, propertyMapObject);
    return map.release();
}

AAX_VPropertyMap::~AAX_VPropertyMap() = default;

void AAX_VPropertyMap::InitWithFactory (IACFComponentFactory* factory, IACFUnknown* host)
{
    if (factory == nullptr)
        return;

    mV1 = ACFCreate<IAAXPropertyMapV1> (factory, AAXCompID_AAXPropertyMap, IID_IAAXPropertyMapV1);
    mV2 = ACFQuery<IAAXPropertyMapV2> (mV1.get(), IID_IAAXPropertyMapV2);
    mV3 = ACFQuery<IAAXPropertyMapV3> (mV1.get(), IID_IAAXPropertyMapV3);

    for (IACFUnknown* source : { host, static_cast<IACFUnknown*> (factory), static_cast<IACFUnknown*> (mV2.get()),
                                 static_cast<IACFUnknown*> (mV3.get()), static_cast<IACFUnknown*> (mV1.get()) })
        if ((mDescriptionHost = ACFQuery<IACFUnknown> (source, IID_IAAXDescriptionHostV1)))
            break;
}

void AAX_VPropertyMap::InitWithPropertyMap (IACFUnknown* propertyMapObject, IACFUnknown* descriptionHostSource)
{
    mV1 = ACFQuery<IAAXPropertyMapV1> (propertyMapObject, IID_IAAXPropertyMapV1);
    mV2 = ACFQuery<IAAXPropertyMapV2> (propertyMapObject, IID_IAAXPropertyMapV2);
    mV3 = ACFQuery<IAAXPropertyMapV3> (propertyMapObject, IID_IAAXPropertyMapV3);
    mDescriptionHost = ACFQuery<IACFUnknown> (descriptionHostSource, IID_IAAXDescriptionHostV1);

    if (! mDescriptionHost)
        mDescriptionHost = ACFQuery<IACFUnknown> (propertyMapObject, IID_IAAXDescriptionHostV1);
}

AAX_CBoolean AAX_VPropertyMap::GetProperty (AAX_EProperty property, AAX_CPropertyValue* value) const
{
    return mV1 ? mV1->GetProperty (property, value) : (AAX_CBoolean) AAX_MissingInterface (0, value);
}

AAX_CBoolean AAX_VPropertyMap::GetPointerProperty (AAX_EProperty property, const void** value) const
{
    if (mV3)
        return mV3->GetPointerProperty (property, value);

    const auto found = mLocalPointerProperties.find (property);

    if (value == nullptr || found == mLocalPointerProperties.end())
        return (AAX_CBoolean) AAX_MissingInterface (0, value);

    *value = found->second;
    return 1;
}

AAX_Result AAX_VPropertyMap::AddProperty (AAX_EProperty property, AAX_CPropertyValue value)
{
    if (needsStemFormatFeature (property, value) && ! mDescriptionHost)
        return AAX_ERROR_PROPERTY_UNDEFINED;

    return mV1 ? mV1->AddProperty (property, value) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VPropertyMap::AddPointerProperty (AAX_EProperty property, const void* value)
{
    if (mV3)
        return mV3->AddPointerProperty (property, value);

    if (AAX_VComponentDescriptor::PointerPropertiesUsedByAddProcessProc().count (property) == 0)
        return AAX_ERROR_UNIMPLEMENTED;

    mLocalPointerProperties[property] = value;
    return AAX_SUCCESS;
}

AAX_Result AAX_VPropertyMap::AddPointerProperty (AAX_EProperty property, const char* value)
{
    return AddPointerProperty (property, static_cast<const void*> (value));
}

AAX_Result AAX_VPropertyMap::RemoveProperty (AAX_EProperty property)
{
    return mV1 ? mV1->RemoveProperty (property) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VPropertyMap::AddPropertyWithIDArray (AAX_EProperty property, const AAX_SPlugInIdentifierTriad* ids,
                                                     uint32_t count)
{
    return mV2 ? mV2->AddPropertyWithIDArray (property, ids, count) : AAX_ERROR_UNIMPLEMENTED;
}

AAX_CBoolean AAX_VPropertyMap::GetPropertyWithIDArray (AAX_EProperty property, const AAX_SPlugInIdentifierTriad** ids,
                                                       uint32_t* count) const
{
    return mV2 ? mV2->GetPropertyWithIDArray (property, ids, count) : (AAX_CBoolean) AAX_MissingInterface (0, ids, count);
}

IACFUnknown* AAX_VPropertyMap::GetIUnknown() const
{
    if (mV3) return mV3.get();
    if (mV2) return mV2.get();
    return mV1.get();
}

//==============================================================================
AAX_VComponentDescriptor::AAX_VComponentDescriptor (IACFUnknown* host)
    : mHost (ACFRetain (host)),
      mV1 (ACFCreateFromHost<IAAXComponentDescriptorV1> (host, AAXCompID_AAXComponentDescriptor,
                                                         IID_IAAXComponentDescriptorV1)),
      mV2 (ACFQuery<IAAXComponentDescriptorV2> (mV1.get(), IID_IAAXComponentDescriptorV2)),
      mV3 (ACFQuery<IAAXComponentDescriptorV3> (mV1.get(), IID_IAAXComponentDescriptorV3))
{
}

AAX_VComponentDescriptor::~AAX_VComponentDescriptor() = default;

IACFUnknown* AAX_VComponentDescriptor::GetIUnknown() const { return mV1.get(); }

AAX_Result AAX_VComponentDescriptor::Clear()
{
    return mV1 ? mV1->Clear() : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VComponentDescriptor::AddAudioIn (AAX_CFieldIndex field)
{
    return mV1 ? mV1->AddAudioIn (field) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VComponentDescriptor::AddAudioOut (AAX_CFieldIndex field)
{
    return mV1 ? mV1->AddAudioOut (field) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VComponentDescriptor::AddAudioBufferLength (AAX_CFieldIndex field)
{
    return mV1 ? mV1->AddAudioBufferLength (field) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VComponentDescriptor::AddSampleRate (AAX_CFieldIndex field)
{
    return mV1 ? mV1->AddSampleRate (field) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VComponentDescriptor::AddClock (AAX_CFieldIndex field)
{
    return mV1 ? mV1->AddClock (field) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VComponentDescriptor::AddSideChainIn (AAX_CFieldIndex field)
{
    return mV1 ? mV1->AddSideChainIn (field) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VComponentDescriptor::AddDataInPort (AAX_CFieldIndex field, uint32_t packetSize, AAX_EDataInPortType type)
{
    return mV1 ? mV1->AddDataInPort (field, packetSize, type) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VComponentDescriptor::AddAuxOutputStem (AAX_CFieldIndex field, int32_t stemFormat, const char* name)
{
    return mV1 ? mV1->AddAuxOutputStem (field, stemFormat, name) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VComponentDescriptor::AddPrivateData (AAX_CFieldIndex field, int32_t dataSize, uint32_t options)
{
    return mV1 ? mV1->AddPrivateData (field, dataSize, options) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VComponentDescriptor::AddTemporaryData (AAX_CFieldIndex field, uint32_t dataElementSize)
{
    return mV2 ? mV2->AddTemporaryData (field, dataElementSize) : AAX_ERROR_UNIMPLEMENTED;
}

AAX_Result AAX_VComponentDescriptor::AddDmaInstance (AAX_CFieldIndex field, AAX_IDma::EMode mode)
{
    return mV1 ? mV1->AddDmaInstance (field, mode) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VComponentDescriptor::AddMeters (AAX_CFieldIndex field, const AAX_CTypeID* meterIDs, uint32_t meterCount)
{
    return mV1 ? mV1->AddMeters (field, meterIDs, meterCount) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VComponentDescriptor::AddMIDINode (AAX_CFieldIndex field, AAX_EMIDINodeType type, const char* name,
                                                  uint32_t channelMask)
{
    return mV1 ? mV1->AddMIDINode (field, type, name, channelMask) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VComponentDescriptor::AddReservedField (AAX_CFieldIndex field, uint32_t fieldType)
{
    return mV1 ? mV1->AddReservedField (field, fieldType) : AAX_ERROR_NULL_OBJECT;
}

AAX_IPropertyMap* AAX_VComponentDescriptor::NewPropertyMap() const
{
    return keep (mPropertyMaps, newPropertyMap (mHost.get()));
}

AAX_IPropertyMap* AAX_VComponentDescriptor::DuplicatePropertyMap (AAX_IPropertyMap* source) const
{
    auto* copy = NewPropertyMap();

    if (copy == nullptr || source == nullptr)
        return copy;

    for (int32_t number = 10; number <= 401; ++number)
    {
        const auto property = (AAX_EProperty) number;
        AAX_CPropertyValue value = 0;
        const void* pointer = nullptr;

        if (source->GetProperty (property, &value))
            copy->AddProperty (property, value);
        else if (source->GetPointerProperty (property, &pointer))
            copy->AddPointerProperty (property, pointer);
    }

    return copy;
}

AAX_Result AAX_VComponentDescriptor::AddProcessProc_Native (AAX_CProcessProc processProc, AAX_IPropertyMap* properties,
                                                            AAX_CInstanceInitProc instanceInitProc,
                                                            AAX_CBackgroundProc backgroundProc, AAX_CProcPtrID* procID)
{
    return mV1 ? mV1->AddProcessProc_Native (processProc, hostObjectOf (properties), instanceInitProc, backgroundProc, procID)
               : AAX_MissingInterface (AAX_ERROR_NULL_OBJECT, procID);
}

AAX_Result AAX_VComponentDescriptor::AddProcessProc_TI (const char* dllFileName, const char* processProcSymbol,
                                                        AAX_IPropertyMap* properties, const char* instanceInitSymbol,
                                                        const char* backgroundSymbol, AAX_CProcPtrID* procID)
{
    return mV1 ? mV1->AddProcessProc_TI (dllFileName, processProcSymbol, hostObjectOf (properties),
                                         instanceInitSymbol, backgroundSymbol, procID)
               : AAX_MissingInterface (AAX_ERROR_NULL_OBJECT, procID);
}

AAX_Result AAX_VComponentDescriptor::AddProcessProc (AAX_IPropertyMap* properties, AAX_CProcPtrID* procIDs,
                                                     int32_t procIDsSize)
{
    if (mV3)
        return mV3->AddProcessProc (hostObjectOf (properties), procIDs, procIDsSize);

    if (properties == nullptr || ! mV1)
        return AAX_ERROR_NULL_OBJECT;

    return ManuallyAddProcessProcs (*properties, procIDs, procIDsSize);
}

AAX_Result AAX_VComponentDescriptor::ManuallyAddProcessProcs (AAX_IPropertyMap& properties, AAX_CProcPtrID* procIDs,
                                                              int32_t procIDsSize)
{
    AAX_CPropertyValue ignored = 0;
    const bool hasNative = properties.GetProperty (AAX_eProperty_PlugInID_Native, &ignored)
                        || properties.GetProperty (AAX_eProperty_PlugInID_AudioSuite, &ignored);
    const bool hasExternal = properties.GetProperty (AAX_eProperty_PlugInID_TI, &ignored);

    const auto pointerProperty = [&properties] (AAX_EProperty property, const char* nameToTraceIfMissing)
    {
        const void* value = nullptr;

        if (! properties.GetPointerProperty (property, &value) && nameToTraceIfMissing != nullptr)
            traceMissingProcProperty (nameToTraceIfMissing);

        return value;
    };

    AAX_Result result = AAX_SUCCESS;
    std::vector<AAX_CProcPtrID> registered;

    if (hasNative)
    {
        const auto* process = pointerProperty (AAX_eProperty_NativeProcessProc, "AAX_eProperty_NativeProcessProc");
        const auto* init = pointerProperty (AAX_eProperty_NativeInstanceInitProc, nullptr);
        const auto* background = pointerProperty (AAX_eProperty_NativeBackgroundProc, nullptr);
        AAX_CProcPtrID id = 0;

        result = AddProcessProc_Native (reinterpret_cast<AAX_CProcessProc> (const_cast<void*> (process)),
                                        MapForNativeProcessProc (properties),
                                        reinterpret_cast<AAX_CInstanceInitProc> (const_cast<void*> (init)),
                                        reinterpret_cast<AAX_CBackgroundProc> (const_cast<void*> (background)), &id);
        if (result == AAX_SUCCESS)
            registered.push_back (id);
    }

    if (hasExternal && result == AAX_SUCCESS)
    {
        const auto* dll = pointerProperty (AAX_eProperty_TIDLLFileName, "AAX_eProperty_TIDLLFileName");
        const auto* process = pointerProperty (AAX_eProperty_TIProcessProc, "AAX_eProperty_TIProcessProc");
        const auto* init = pointerProperty (AAX_eProperty_TIInstanceInitProc, nullptr);
        const auto* background = pointerProperty (AAX_eProperty_TIBackgroundProc, nullptr);
        AAX_CProcPtrID id = 0;

        result = AddProcessProc_TI (static_cast<const char*> (dll), static_cast<const char*> (process), &properties,
                                    static_cast<const char*> (init), static_cast<const char*> (background), &id);
        if (result == AAX_SUCCESS)
            registered.push_back (id);
    }

    if (procIDs != nullptr && result == AAX_SUCCESS)
    {
        const auto count = registered.size();

        if (count >= 0x7FFFFFFFu || procIDsSize < 0 || count >= (size_t) procIDsSize)
            return AAX_ERROR_ARGUMENT_BUFFER_OVERFLOW;

        std::copy (registered.begin(), registered.end(), procIDs);
        procIDs[count] = 0;
    }

    return result;
}

AAX_IPropertyMap* AAX_VComponentDescriptor::MapForNativeProcessProc (AAX_IPropertyMap& properties)
{
    AAX_CPropertyValue bufferLength = 0;

    if (! properties.GetProperty (AAX_eProperty_AudioBufferLength, &bufferLength))
        return &properties;

    auto* copy = DuplicatePropertyMap (&properties);

    if (copy == nullptr || copy->GetIUnknown() == nullptr)
        return &properties;

    if (! copy->GetProperty (AAX_eProperty_AudioBufferLength, &bufferLength))
    {
        AAX_REPORT_ASSERT_FAILURE ("0 != gotPropertySuccess");
        return &properties;
    }

    if (copy->RemoveProperty (AAX_eProperty_AudioBufferLength) != AAX_SUCCESS)
        AAX_REPORT_ASSERT_FAILURE ("AAX_SUCCESS == removeNativeAudioBufferLengthResult");

    return copy;
}

const std::set<AAX_EProperty>& AAX_VComponentDescriptor::PointerPropertiesUsedByAddProcessProc()
{
    static const std::set<AAX_EProperty> properties {
        AAX_eProperty_NativeProcessProc, AAX_eProperty_NativeInstanceInitProc, AAX_eProperty_NativeBackgroundProc,
        AAX_eProperty_TIDLLFileName, AAX_eProperty_TIProcessProc, AAX_eProperty_TIInstanceInitProc,
        AAX_eProperty_TIBackgroundProc
    };

    return properties;
}

//==============================================================================
AAX_VEffectDescriptor::AAX_VEffectDescriptor (IACFUnknown* host)
    : mHost (ACFRetain (host)),
      mV1 (ACFCreateFromHost<IAAXEffectDescriptorV1> (host, AAXCompID_AAXEffectDescriptor, IID_IAAXEffectDescriptorV1)),
      mV2 (ACFQuery<IAAXEffectDescriptorV2> (mV1.get(), IID_IAAXEffectDescriptorV2))
{
}

AAX_VEffectDescriptor::~AAX_VEffectDescriptor() = default;

IACFUnknown* AAX_VEffectDescriptor::GetIUnknown() const { return mV1.get(); }

AAX_IComponentDescriptor* AAX_VEffectDescriptor::NewComponentDescriptor()
{
    return keep (mComponentDescriptors, std::make_unique<AAX_VComponentDescriptor> (mHost.get()));
}

AAX_Result AAX_VEffectDescriptor::AddComponent (AAX_IComponentDescriptor* component)
{
    auto* ours = dynamic_cast<AAX_VComponentDescriptor*> (component);
    return mV1 ? mV1->AddComponent (ours != nullptr ? ours->GetIUnknown() : nullptr) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VEffectDescriptor::AddName (const char* name)
{
    return mV1 ? mV1->AddName (name) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VEffectDescriptor::AddCategory (uint32_t category)
{
    return mV1 ? mV1->AddCategory (category) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VEffectDescriptor::AddCategoryBypassParameter (uint32_t category, AAX_CParamID id)
{
    return mV1 ? mV1->AddCategoryBypassParameter (category, id) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VEffectDescriptor::AddProcPtr (void* procPtr, AAX_CProcPtrID procID)
{
    return mV1 ? mV1->AddProcPtr (procPtr, procID) : AAX_ERROR_NULL_OBJECT;
}

AAX_IPropertyMap* AAX_VEffectDescriptor::NewPropertyMap()
{
    return keep (mPropertyMaps, newPropertyMap (mHost.get()));
}

AAX_Result AAX_VEffectDescriptor::SetProperties (AAX_IPropertyMap* properties)
{
    return mV1 ? mV1->SetProperties (hostObjectOf (properties)) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VEffectDescriptor::AddResourceInfo (AAX_EResourceType type, const char* info)
{
    return mV1 ? mV1->AddResourceInfo (type, info) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VEffectDescriptor::AddMeterDescription (AAX_CTypeID meterID, const char* name, AAX_IPropertyMap* properties)
{
    return mV1 ? mV1->AddMeterDescription (meterID, name, hostObjectOf (properties)) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VEffectDescriptor::AddControlMIDINode (AAX_CTypeID nodeID, AAX_EMIDINodeType type, const char* name,
                                                      uint32_t channelMask)
{
    return mV2 ? mV2->AddControlMIDINode (nodeID, type, name, channelMask) : AAX_ERROR_UNIMPLEMENTED;
}

//==============================================================================
AAX_VFeatureInfo::AAX_VFeatureInfo (IACFUnknown* featureInfoObject, const AAX_Feature_UID& feature)
    : mID (feature), mV1 (ACFQuery<IAAXFeatureInfoV1> (featureInfoObject, IID_IAAXFeatureInfoV1))
{
}

AAX_VFeatureInfo::~AAX_VFeatureInfo() = default;

AAX_Result AAX_VFeatureInfo::SupportLevel (AAX_ESupportLevel& level) const
{
    return mV1 ? mV1->SupportLevel (&level) : AAX_MissingInterface (AAX_ERROR_NULL_OBJECT, &level);
}

const AAX_IPropertyMap* AAX_VFeatureInfo::AcquireProperties() const
{
    ACFPtr<IACFUnknown> properties;

    if (! mV1 || mV1->AcquireProperties (properties.out()) != AAX_SUCCESS || ! properties)
        return nullptr;

    // The wrapper takes references of its own; ours goes when properties does.
    return AAX_VPropertyMap::Acquire (properties.get());
}

const AAX_Feature_UID& AAX_VFeatureInfo::ID() const { return mID; }

//==============================================================================
AAX_VDescriptionHost::AAX_VDescriptionHost (IACFUnknown* host)
    : mV1 (ACFQuery<IAAXDescriptionHostV1> (host, IID_IAAXDescriptionHostV1)),
      mHostDefinition (ACFQuery<IACFDefinition> (host, IID_IACFDefinition))
{
}

AAX_VDescriptionHost::~AAX_VDescriptionHost() = default;

const AAX_IFeatureInfo* AAX_VDescriptionHost::AcquireFeatureProperties (const AAX_Feature_UID& feature) const
{
    ACFPtr<IACFUnknown> featureInfo;

    if (! mV1 || mV1->AcquireFeatureProperties (feature, featureInfo.out()) != AAX_SUCCESS || ! featureInfo)
        return nullptr;

    return new AAX_VFeatureInfo (featureInfo.get(), feature);
}

//==============================================================================
AAX_VCollection::AAX_VCollection (IACFUnknown* host)
    : mHost (ACFRetain (host)),
      mV1 (ACFCreateFromHost<IAAXCollectionV1> (host, AAXCompID_AAXCollection, IID_IAAXCollectionV1)),
      mDescriptionHost (host)
{
}

AAX_VCollection::~AAX_VCollection() = default;

IACFUnknown* AAX_VCollection::GetIUnknown() const { return mV1.get(); }

AAX_IEffectDescriptor* AAX_VCollection::NewDescriptor()
{
    return keep (mEffectDescriptors, std::make_unique<AAX_VEffectDescriptor> (mHost.get()));
}

AAX_Result AAX_VCollection::AddEffect (const char* effectID, AAX_IEffectDescriptor* descriptor)
{
    auto* ours = dynamic_cast<AAX_VEffectDescriptor*> (descriptor);
    return mV1 && ours != nullptr ? mV1->AddEffect (effectID, ours->GetIUnknown()) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VCollection::SetManufacturerName (const char* name)
{
    return mV1 ? mV1->SetManufacturerName (name) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VCollection::AddPackageName (const char* name)
{
    return mV1 ? mV1->AddPackageName (name) : AAX_ERROR_NULL_OBJECT;
}

AAX_Result AAX_VCollection::SetPackageVersion (uint32_t version)
{
    return mV1 ? mV1->SetPackageVersion (version) : AAX_ERROR_NULL_OBJECT;
}

AAX_IPropertyMap* AAX_VCollection::NewPropertyMap()
{
    return keep (mPropertyMaps, newPropertyMap (mHost.get()));
}

AAX_Result AAX_VCollection::SetProperties (AAX_IPropertyMap* properties)
{
    return mV1 ? mV1->SetProperties (hostObjectOf (properties)) : AAX_ERROR_NULL_OBJECT;
}

AAX_IDescriptionHost* AAX_VCollection::DescriptionHost()
{
    return mDescriptionHost.Supported() ? &mDescriptionHost : nullptr;
}

const AAX_IDescriptionHost* AAX_VCollection::DescriptionHost() const
{
    return mDescriptionHost.Supported() ? &mDescriptionHost : nullptr;
}

IACFDefinition* AAX_VCollection::HostDefinition() const
{
    return mDescriptionHost.HostDefinition();
}
