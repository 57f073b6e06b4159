/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#include "AAXHostObjects.h"

#include <algorithm>

namespace vostrel::aaxhost
{
    namespace
    {
        bool contains (const std::vector<acfIID>& list, const acfIID& iid)
        {
            return std::find (list.begin(), list.end(), iid) != list.end();
        }

        template <typename T>
        AAX_Result writeOut (T* out, T value)
        {
            if (out == nullptr)
                return AAX_ERROR_NULL_ARGUMENT;

            *out = value;
            return AAX_SUCCESS;
        }
    }

    ACFRESULT HostObjectBase::answer (const acfIID& iid, void** out)
    {
        if (out == nullptr)
            return AAX_ERROR_NULL_ARGUMENT;

        *out = nullptr;

        if (contains (nullAnswers, iid))
            return AAX_SUCCESS;

        if (contains (omitted, iid))
            return ACF_E_NOINTERFACE;

        for (auto& [id, target] : interfaces)
        {
            if (id == iid)
            {
                target->AddRef();
                *out = target;
                return AAX_SUCCESS;
            }
        }

        return ACF_E_NOINTERFACE;
    }

    //==============================================================================
    HostServices::HostServices()
    {
        expose (IID_IACFUnknown, this);
        expose (IID_IAAXHostServicesV1, this);
        expose (IID_IAAXHostServicesV2, this);
        expose (IID_IAAXHostServicesV3, this);
    }

    AAX_Result HostServices::Trace (int32_t priority, const char* message)
    {
        const std::lock_guard<std::mutex> guard (lock);
        traces.emplace_back (priority, message != nullptr ? message : "");
        return AAX_SUCCESS;
    }

    AAX_Result HostServices::StackTrace (int32_t tracePriority, int32_t, const char* message)
    {
        return Trace (tracePriority, message);
    }

    AAX_Result HostServices::HandleAssertFailure (const char*, int32_t, const char* note, int32_t)
    {
        const std::lock_guard<std::mutex> guard (lock);
        assertions.emplace_back (note != nullptr ? note : "");
        return AAX_SUCCESS;
    }

    //==============================================================================
    HostPropertyMap::HostPropertyMap()
    {
        expose (IID_IACFUnknown, static_cast<IAAXPropertyMapV1*> (this));
        expose (IID_IAAXPropertyMapV1, this);
        expose (IID_IAAXPropertyMapV2, this);
        expose (IID_IAAXPropertyMapV3, this);
    }

    AAX_CBoolean HostPropertyMap::GetProperty (AAX_EProperty property, AAX_CPropertyValue* value)
    {
        const auto found = values.find (property);

        if (found == values.end() || value == nullptr)
            return 0;

        *value = found->second;
        return 1;
    }

    AAX_Result HostPropertyMap::AddProperty (AAX_EProperty property, AAX_CPropertyValue value)
    {
        values[property] = value;
        return AAX_SUCCESS;
    }

    AAX_Result HostPropertyMap::RemoveProperty (AAX_EProperty property)
    {
        values.erase (property);
        pointers.erase (property);
        return AAX_SUCCESS;
    }

    AAX_Result HostPropertyMap::AddPropertyWithIDArray (AAX_EProperty, const AAX_SPlugInIdentifierTriad*, uint32_t)
    {
        return AAX_ERROR_UNIMPLEMENTED;
    }

    AAX_CBoolean HostPropertyMap::GetPropertyWithIDArray (AAX_EProperty, const AAX_SPlugInIdentifierTriad**, uint32_t*)
    {
        return 0;
    }

    AAX_CBoolean HostPropertyMap::GetPointerProperty (AAX_EProperty property, const void** value)
    {
        const auto found = pointers.find (property);

        if (found == pointers.end() || value == nullptr)
            return 0;

        *value = found->second;
        return 1;
    }

    AAX_Result HostPropertyMap::AddPointerProperty (AAX_EProperty property, const void* value)
    {
        pointers[property] = value;
        return AAX_SUCCESS;
    }

    //==============================================================================
    HostComponentDescriptor::HostComponentDescriptor()
    {
        expose (IID_IACFUnknown, static_cast<IAAXComponentDescriptorV1*> (this));
        expose (IID_IAAXComponentDescriptorV1, this);
        expose (IID_IAAXComponentDescriptorV2, this);
        expose (IID_IAAXComponentDescriptorV3, this);
    }

    AAX_Result HostComponentDescriptor::Clear()
    {
        fields.clear();
        nativeProcs.clear();
        return AAX_SUCCESS;
    }

    AAX_Result HostComponentDescriptor::AddReservedField (AAX_CFieldIndex field, uint32_t)
    {
        fields[field] = { "reserved", 0 };
        return AAX_SUCCESS;
    }

    AAX_Result HostComponentDescriptor::AddAudioIn (AAX_CFieldIndex field)           { fields[field] = { "audioIn", 0 }; return AAX_SUCCESS; }
    AAX_Result HostComponentDescriptor::AddAudioOut (AAX_CFieldIndex field)          { fields[field] = { "audioOut", 0 }; return AAX_SUCCESS; }
    AAX_Result HostComponentDescriptor::AddAudioBufferLength (AAX_CFieldIndex field) { fields[field] = { "bufferLength", 0 }; return AAX_SUCCESS; }
    AAX_Result HostComponentDescriptor::AddSampleRate (AAX_CFieldIndex field)        { fields[field] = { "sampleRate", 0 }; return AAX_SUCCESS; }
    AAX_Result HostComponentDescriptor::AddClock (AAX_CFieldIndex field)             { fields[field] = { "clock", 0 }; return AAX_SUCCESS; }
    AAX_Result HostComponentDescriptor::AddSideChainIn (AAX_CFieldIndex field)       { fields[field] = { "sideChainIn", 0 }; return AAX_SUCCESS; }

    AAX_Result HostComponentDescriptor::AddDataInPort (AAX_CFieldIndex field, uint32_t packetSize, AAX_EDataInPortType)
    {
        fields[field] = { "dataInPort", (int32_t) packetSize };
        return AAX_SUCCESS;
    }

    AAX_Result HostComponentDescriptor::AddAuxOutputStem (AAX_CFieldIndex field, int32_t, const char*)
    {
        fields[field] = { "auxOutput", 0 };
        return AAX_SUCCESS;
    }

    AAX_Result HostComponentDescriptor::AddPrivateData (AAX_CFieldIndex field, int32_t dataSize, uint32_t)
    {
        fields[field] = { "privateData", dataSize };
        return AAX_SUCCESS;
    }

    AAX_Result HostComponentDescriptor::AddDmaInstance (AAX_CFieldIndex field, AAX_IDma::EMode)
    {
        fields[field] = { "dma", 0 };
        return AAX_SUCCESS;
    }

    AAX_Result HostComponentDescriptor::AddMIDINode (AAX_CFieldIndex field, AAX_EMIDINodeType, const char*, uint32_t)
    {
        fields[field] = { "midiNode", 0 };
        return AAX_SUCCESS;
    }

    AAX_Result HostComponentDescriptor::AddProcessProc_Native (AAX_CProcessProc processProc, IACFUnknown* properties,
                                                               AAX_CInstanceInitProc, AAX_CBackgroundProc,
                                                               AAX_CProcPtrID* procID)
    {
        ProcessProcRecord record;
        record.process = processProc;

        void* map = nullptr;

        if (properties != nullptr && properties->QueryInterface (IID_IAAXPropertyMapV1, &map) == AAX_SUCCESS)
        {
            auto* hostMap = static_cast<HostPropertyMap*> (static_cast<IAAXPropertyMapV1*> (map));
            record.properties = hostMap->values;
            hostMap->Release();
        }

        nativeProcs.push_back (record);

        if (procID != nullptr)
            *procID = (AAX_CProcPtrID) nativeProcs.size();

        return AAX_SUCCESS;
    }

    AAX_Result HostComponentDescriptor::AddProcessProc_TI (const char*, const char*, IACFUnknown*, const char*,
                                                           const char*, AAX_CProcPtrID* procID)
    {
        return writeOut<AAX_CProcPtrID> (procID, 1000);
    }

    AAX_Result HostComponentDescriptor::AddMeters (AAX_CFieldIndex field, const AAX_CTypeID*, uint32_t meterCount)
    {
        fields[field] = { "meters", (int32_t) meterCount };
        return AAX_SUCCESS;
    }

    AAX_Result HostComponentDescriptor::AddTemporaryData (AAX_CFieldIndex field, uint32_t dataElementSize)
    {
        fields[field] = { "temporaryData", (int32_t) dataElementSize };
        return AAX_SUCCESS;
    }

    AAX_Result HostComponentDescriptor::AddProcessProc (IACFUnknown*, AAX_CProcPtrID* procIDs, int32_t procIDsSize)
    {
        ++processProcCalls;

        if (procIDs != nullptr && procIDsSize > 0)
            procIDs[0] = 0;

        return AAX_SUCCESS;
    }

    //==============================================================================
    HostEffectDescriptor::HostEffectDescriptor()
    {
        expose (IID_IACFUnknown, static_cast<IAAXEffectDescriptorV1*> (this));
        expose (IID_IAAXEffectDescriptorV1, this);
        expose (IID_IAAXEffectDescriptorV2, this);
    }

    AAX_Result HostEffectDescriptor::AddComponent (IACFUnknown* componentDescriptor)
    {
        void* component = nullptr;

        if (componentDescriptor == nullptr
             || componentDescriptor->QueryInterface (IID_IAAXComponentDescriptorV1, &component) != AAX_SUCCESS)
            return AAX_ERROR_NULL_COMPONENT;

        auto* hostComponent = static_cast<HostComponentDescriptor*> (static_cast<IAAXComponentDescriptorV1*> (component));
        components.push_back (hostComponent);
        hostComponent->Release();
        return AAX_SUCCESS;
    }

    AAX_Result HostEffectDescriptor::AddName (const char* name)
    {
        names.emplace_back (name != nullptr ? name : "");
        return AAX_SUCCESS;
    }

    AAX_Result HostEffectDescriptor::AddCategory (uint32_t category)
    {
        categories.push_back (category);
        return AAX_SUCCESS;
    }

    AAX_Result HostEffectDescriptor::AddCategoryBypassParameter (uint32_t, AAX_CParamID) { return AAX_SUCCESS; }

    AAX_Result HostEffectDescriptor::AddProcPtr (void* procPtr, AAX_CProcPtrID procID)
    {
        procs[procID] = procPtr;
        return AAX_SUCCESS;
    }

    AAX_Result HostEffectDescriptor::SetProperties (IACFUnknown*) { return AAX_SUCCESS; }
    AAX_Result HostEffectDescriptor::AddResourceInfo (AAX_EResourceType, const char*) { return AAX_SUCCESS; }
    AAX_Result HostEffectDescriptor::AddMeterDescription (AAX_CTypeID, const char*, IACFUnknown*) { return AAX_SUCCESS; }

    AAX_Result HostEffectDescriptor::AddControlMIDINode (AAX_CTypeID, AAX_EMIDINodeType, const char*, uint32_t)
    {
        return AAX_SUCCESS;
    }

    //==============================================================================
    HostCollection::HostCollection()
    {
        expose (IID_IACFUnknown, static_cast<IAAXCollectionV1*> (this));
        expose (IID_IAAXCollectionV1, static_cast<IAAXCollectionV1*> (this));
        expose (IID_IACFPluginDefinition, static_cast<IACFPluginDefinition*> (this));
    }

    AAX_Result HostCollection::AddEffect (const char* effectID, IACFUnknown* effectDescriptor)
    {
        void* descriptor = nullptr;

        if (effectDescriptor == nullptr
             || effectDescriptor->QueryInterface (IID_IAAXEffectDescriptorV1, &descriptor) != AAX_SUCCESS)
            return AAX_ERROR_NULL_OBJECT;

        auto* hostDescriptor = static_cast<HostEffectDescriptor*> (static_cast<IAAXEffectDescriptorV1*> (descriptor));
        effects.emplace_back (effectID != nullptr ? effectID : "", hostDescriptor);
        hostDescriptor->Release();
        return AAX_SUCCESS;
    }

    AAX_Result HostCollection::SetManufacturerName (const char* name)
    {
        manufacturer = name != nullptr ? name : "";
        return AAX_SUCCESS;
    }

    AAX_Result HostCollection::AddPackageName (const char* name)
    {
        packageNames.emplace_back (name != nullptr ? name : "");
        return AAX_SUCCESS;
    }

    AAX_Result HostCollection::SetPackageVersion (uint32_t version)
    {
        packageVersion = version;
        return AAX_SUCCESS;
    }

    AAX_Result HostCollection::SetProperties (IACFUnknown*) { return AAX_SUCCESS; }

    //==============================================================================
    HostFeatureInfo::HostFeatureInfo()
    {
        expose (IID_IACFUnknown, this);
        expose (IID_IAAXFeatureInfoV1, this);
    }

    AAX_Result HostFeatureInfo::SupportLevel (AAX_ESupportLevel* supportLevel)
    {
        return writeOut (supportLevel, level);
    }

    AAX_Result HostFeatureInfo::AcquireProperties (IACFUnknown** propertyMap)
    {
        if (propertyMap == nullptr)
            return AAX_ERROR_NULL_ARGUMENT;

        properties.AddRef();
        *propertyMap = static_cast<IAAXPropertyMapV1*> (&properties);
        return AAX_SUCCESS;
    }

    HostDescriptionHost::HostDescriptionHost()
    {
        expose (IID_IACFUnknown, static_cast<IAAXDescriptionHostV1*> (this));
        expose (IID_IAAXDescriptionHostV1, static_cast<IAAXDescriptionHostV1*> (this));
        expose (IID_IACFDefinition, static_cast<IACFDefinition*> (this));
    }

    AAX_Result HostDescriptionHost::AcquireFeatureProperties (const AAX_Feature_UID& feature, IACFUnknown** featureInfo)
    {
        if (featureInfo == nullptr)
            return AAX_ERROR_NULL_ARGUMENT;

        *featureInfo = nullptr;

        if (feature != AAXATTR_ClientFeature_StemFormat)
            return AAX_ERROR_UNKNOWN_ID;

        stemFormats.AddRef();
        *featureInfo = &stemFormats;
        return AAX_SUCCESS;
    }

    //==============================================================================
    HostPageTable::HostPageTable()
    {
        expose (IID_IACFUnknown, static_cast<IAAXPageTableV1*> (this));
        expose (IID_IAAXPageTableV1, this);
        expose (IID_IAAXPageTableV2, this);
    }

    AAX_Result HostPageTable::Clear()                          { mapped.clear(); pages = 0; return AAX_SUCCESS; }
    AAX_Result HostPageTable::Empty (AAX_CBoolean* empty)      { return writeOut<AAX_CBoolean> (empty, mapped.empty() ? 1 : 0); }
    AAX_Result HostPageTable::GetNumPages (int32_t* count)     { return writeOut (count, pages); }
    AAX_Result HostPageTable::InsertPage (int32_t)             { ++pages; return AAX_SUCCESS; }
    AAX_Result HostPageTable::RemovePage (int32_t)             { pages = std::max (0, pages - 1); return AAX_SUCCESS; }

    AAX_Result HostPageTable::GetNumMappedParameterIDs (int32_t page, int32_t* count)
    {
        return writeOut (count, (int32_t) std::count_if (mapped.begin(), mapped.end(),
                                                         [page] (auto& entry) { return entry.first.first == page; }));
    }

    AAX_Result HostPageTable::ClearMappedParameter (int32_t page, int32_t slot)
    {
        mapped.erase ({ page, slot });
        return AAX_SUCCESS;
    }

    AAX_Result HostPageTable::GetMappedParameterID (int32_t page, int32_t slot, AAX_IString* id)
    {
        const auto found = mapped.find ({ page, slot });

        if (id == nullptr || found == mapped.end())
            return AAX_ERROR_INVALID_ARGUMENT;

        id->Set (found->second.c_str());
        return AAX_SUCCESS;
    }

    AAX_Result HostPageTable::MapParameterID (AAX_CParamID id, int32_t page, int32_t slot)
    {
        mapped[{ page, slot }] = id != nullptr ? id : "";
        return AAX_SUCCESS;
    }

    AAX_Result HostPageTable::GetNumParametersWithNameVariations (int32_t* count) { return writeOut (count, 0); }
    AAX_Result HostPageTable::GetNameVariationParameterIDAtIndex (int32_t, AAX_IString*) { return AAX_ERROR_INVALID_ARGUMENT; }
    AAX_Result HostPageTable::GetNumNameVariationsForParameter (AAX_CParamID, int32_t* count) { return writeOut (count, 0); }

    AAX_Result HostPageTable::GetParameterNameVariationAtIndex (AAX_CParamID, int32_t, AAX_IString*, int32_t*)
    {
        return AAX_ERROR_INVALID_ARGUMENT;
    }

    AAX_Result HostPageTable::GetParameterNameVariationOfLength (AAX_CParamID, int32_t, AAX_IString*)
    {
        return AAX_ERROR_INVALID_ARGUMENT;
    }

    AAX_Result HostPageTable::ClearParameterNameVariations() { return AAX_SUCCESS; }
    AAX_Result HostPageTable::ClearNameVariationsForParameter (AAX_CParamID) { return AAX_SUCCESS; }
    AAX_Result HostPageTable::SetParameterNameVariation (AAX_CParamID, const AAX_IString&, int32_t) { return AAX_SUCCESS; }

    //==============================================================================
    HostFactory::HostFactory()
    {
        expose (IID_IACFUnknown, this);
        expose (IID_IACFComponentFactory, this);
    }

    ACFRESULT HostFactory::CreateInstance (const acfCLSID& clsid, IACFUnknown*, const acfIID& iid, void** out)
    {
        if (out == nullptr)
            return AAX_ERROR_NULL_ARGUMENT;

        *out = nullptr;
        std::unique_ptr<HostObjectBase> object;

        if (clsid == AAXCompID_AAXCollection)                object = std::make_unique<HostCollection>();
        else if (clsid == AAXCompID_AAXEffectDescriptor)     object = std::make_unique<HostEffectDescriptor>();
        else if (clsid == AAXCompID_AAXComponentDescriptor)  object = std::make_unique<HostComponentDescriptor>();
        else if (clsid == AAXCompID_AAXPropertyMap)          object = std::make_unique<HostPropertyMap>();
        else if (clsid == AAXCompID_PageTable)               object = std::make_unique<HostPageTable>();
        else if (clsid == AAXCompID_HostServices)
        {
            if (! services.empty())
                return services.front()->QueryInterface (iid, out);

            auto hostServices = std::make_unique<HostServices>();
            services.push_back (hostServices.get());
            object = std::move (hostServices);
        }
        else
            return ACF_E_NOINTERFACE;

        for (auto& [omittedClass, omittedInterface] : omissions)
            if (omittedClass == clsid)
                object->omit (omittedInterface);

        // Only services are made once; every other kind is made anew per request.
        auto* unknown = object->unknown();
        made.push_back (std::move (object));
        return unknown->QueryInterface (iid, out);
    }

    HostRoot::HostRoot()
    {
        expose (IID_IACFUnknown, this);
        expose (IID_IACFComponentFactory, &factory);
        expose (IID_IAAXDescriptionHostV1, static_cast<IAAXDescriptionHostV1*> (&descriptionHost));
        expose (IID_IACFDefinition, static_cast<IACFDefinition*> (&descriptionHost));
    }

    //==============================================================================
    HostController::HostController (HostFactory& factoryToUse) : factory (factoryToUse)
    {
        expose (IID_IACFUnknown, static_cast<IAAXControllerV1*> (this));
        expose (IID_IAAXControllerV1, static_cast<IAAXControllerV1*> (this));
        expose (IID_IAAXControllerV2, static_cast<IAAXControllerV2*> (this));
        expose (IID_IAAXControllerV3, static_cast<IAAXControllerV3*> (this));
        expose (IID_IAAXPageTableController, static_cast<IAAXPageTableController*> (this));
        expose (IID_IAAXPageTableControllerV2, static_cast<IAAXPageTableControllerV2*> (this));
    }

    AAX_Result HostController::GetEffectID (AAX_IString* effectID)
    {
        if (effectID == nullptr)
            return AAX_ERROR_NULL_ARGUMENT;

        effectID->Set ("com.tervix.VostrelZR2814");
        return AAX_SUCCESS;
    }

    AAX_Result HostController::GetSampleRate (AAX_CSampleRate* rate)                { return writeOut (rate, sampleRate); }
    AAX_Result HostController::GetInputStemFormat (AAX_EStemFormat* format)         { return writeOut (format, inputFormat); }
    AAX_Result HostController::GetOutputStemFormat (AAX_EStemFormat* format)        { return writeOut (format, outputFormat); }
    AAX_Result HostController::GetSignalLatency (int32_t* samples)                  { return writeOut (samples, latency); }
    AAX_Result HostController::GetCycleCount (AAX_EProperty, int32_t* count)        { return writeOut (count, 0); }
    AAX_Result HostController::GetTODLocation (int64_t* location)                   { return writeOut<int64_t> (location, 0); }
    AAX_Result HostController::SetSignalLatency (int32_t samples)                   { latency = samples; return AAX_SUCCESS; }
    AAX_Result HostController::SetCycleCount (AAX_EProperty*, int32_t*, int32_t)    { return AAX_SUCCESS; }

    AAX_Result HostController::PostPacket (AAX_CFieldIndex field, const void* data, uint32_t size)
    {
        if (postResult != AAX_SUCCESS)
            return postResult;

        if (data == nullptr && size > 0)
            return AAX_ERROR_NULL_ARGUMENT;

        const auto* bytes = static_cast<const uint8_t*> (data);
        fieldData[field].assign (bytes, bytes + size);
        ++packetsPosted;
        return AAX_SUCCESS;
    }

    AAX_Result HostController::GetCurrentMeterValue (AAX_CTypeID, float* value)       { return writeOut (value, 0.0f); }
    AAX_Result HostController::GetMeterPeakValue (AAX_CTypeID, float* value)          { return writeOut (value, 0.0f); }
    AAX_Result HostController::ClearMeterPeakValue (AAX_CTypeID)                      { return AAX_SUCCESS; }
    AAX_Result HostController::GetMeterClipped (AAX_CTypeID, AAX_CBoolean* clipped)   { return writeOut<AAX_CBoolean> (clipped, 0); }
    AAX_Result HostController::ClearMeterClipped (AAX_CTypeID)                        { return AAX_SUCCESS; }
    AAX_Result HostController::GetMeterCount (uint32_t* count)                        { return writeOut (count, 0u); }
    AAX_Result HostController::GetNextMIDIPacket (AAX_CFieldIndex*, AAX_CMidiPacket*) { return AAX_ERROR_UNIMPLEMENTED; }

    AAX_Result HostController::SendNotification (AAX_CTypeID type, const void*, uint32_t)
    {
        notifications.push_back (type);
        return AAX_SUCCESS;
    }

    AAX_Result HostController::GetHybridSignalLatency (int32_t* samples)              { return writeOut (samples, 0); }
    AAX_Result HostController::GetCurrentAutomationTimestamp (int64_t* timestamp)     { return writeOut<int64_t> (timestamp, 0); }

    AAX_Result HostController::GetHostName (AAX_IString* name)
    {
        if (name == nullptr)
            return AAX_ERROR_NULL_ARGUMENT;

        name->Set ("Vostrel AAX test host");
        return AAX_SUCCESS;
    }

    AAX_Result HostController::GetPlugInTargetPlatform (int32_t* platform)            { return writeOut (platform, 1); }
    AAX_Result HostController::GetIsAudioSuite (AAX_CBoolean* isAudioSuite)           { return writeOut<AAX_CBoolean> (isAudioSuite, 0); }

    AAX_Result HostController::copyTable (IACFUnknown* table)
    {
        if (factory.failTableCopies || table == nullptr)
            return AAX_ERROR_UNKNOWN_PLUGIN;

        void* pageTable = nullptr;

        if (table->QueryInterface (IID_IAAXPageTableV1, &pageTable) != AAX_SUCCESS)
            return AAX_ERROR_NULL_OBJECT;

        auto* hostTable = static_cast<IAAXPageTableV1*> (pageTable);
        hostTable->MapParameterID ("Vzr7_000100", 0, 0);
        hostTable->Release();
        return AAX_SUCCESS;
    }

    AAX_Result HostController::CreateTableCopyForEffect (AAX_CPropertyValue, AAX_CPropertyValue, AAX_CPropertyValue,
                                                         uint32_t, int32_t, IACFUnknown* table)
    {
        return copyTable (table);
    }

    AAX_Result HostController::CreateTableCopyForLayout (const char*, const char*, uint32_t, int32_t, IACFUnknown* table)
    {
        return copyTable (table);
    }

    AAX_Result HostController::CreateTableCopyForEffectFromFile (const char*, AAX_ETextEncoding, AAX_CPropertyValue,
                                                                 AAX_CPropertyValue, AAX_CPropertyValue, uint32_t,
                                                                 int32_t, IACFUnknown* table)
    {
        return copyTable (table);
    }

    AAX_Result HostController::CreateTableCopyForLayoutFromFile (const char*, AAX_ETextEncoding, const char*, uint32_t,
                                                                 int32_t, IACFUnknown* table)
    {
        return copyTable (table);
    }

    //==============================================================================
    HostAutomation::HostAutomation()
    {
        expose (IID_IACFUnknown, this);
        expose (IID_IAAXAutomationDelegateV1, this);
    }

    AAX_Result HostAutomation::RegisterParameter (AAX_CParamID id)
    {
        registered.emplace_back (id);
        return AAX_SUCCESS;
    }

    AAX_Result HostAutomation::UnregisterParameter (AAX_CParamID id)
    {
        registered.erase (std::remove (registered.begin(), registered.end(), std::string (id)), registered.end());
        return AAX_SUCCESS;
    }

    AAX_Result HostAutomation::PostSetValueRequest (AAX_CParamID id, double normalizedValue)
    {
        setRequests.emplace_back (id, normalizedValue);

        if (answerSetRequest)
            answerSetRequest (id, normalizedValue);

        return AAX_SUCCESS;
    }

    AAX_Result HostAutomation::PostCurrentValue (AAX_CParamID id, double normalizedValue)
    {
        currentValues.emplace_back (id, normalizedValue);
        return AAX_SUCCESS;
    }

    AAX_Result HostAutomation::PostTouchRequest (AAX_CParamID id)   { touches.emplace_back (id); return AAX_SUCCESS; }
    AAX_Result HostAutomation::PostReleaseRequest (AAX_CParamID id) { releases.emplace_back (id); return AAX_SUCCESS; }
    AAX_Result HostAutomation::GetTouchState (AAX_CParamID, AAX_CBoolean* touched) { return writeOut<AAX_CBoolean> (touched, 0); }

    //==============================================================================
    HostTransport::HostTransport()
    {
        expose (IID_IACFUnknown, this);
        expose (IID_IAAXTransportV1, this);
        expose (IID_IAAXTransportV2, this);
        expose (IID_IAAXTransportV3, this);
    }

    AAX_Result HostTransport::GetCurrentTempo (double* bpm) { return writeOut (bpm, tempo); }

    AAX_Result HostTransport::GetCurrentMeter (int32_t* numerator, int32_t* denominator)
    {
        writeOut (numerator, 4);
        return writeOut (denominator, 4);
    }

    AAX_Result HostTransport::IsTransportPlaying (bool* isPlaying)                    { return writeOut (isPlaying, false); }
    AAX_Result HostTransport::GetCurrentTickPosition (int64_t* ticks)                 { return writeOut<int64_t> (ticks, 0); }

    AAX_Result HostTransport::GetCurrentLoopPosition (bool* looping, int64_t* startTick, int64_t* endTick)
    {
        writeOut (looping, false);
        writeOut<int64_t> (startTick, 0);
        return writeOut<int64_t> (endTick, 0);
    }

    AAX_Result HostTransport::GetCurrentNativeSampleLocation (int64_t* location)      { return writeOut<int64_t> (location, 0); }
    AAX_Result HostTransport::GetCustomTickPosition (int64_t* ticks, int64_t)         { return writeOut<int64_t> (ticks, 0); }

    AAX_Result HostTransport::GetBarBeatPosition (int32_t* bars, int32_t* beats, int64_t* displayTicks, int64_t)
    {
        writeOut (bars, 1);
        writeOut (beats, 1);
        return writeOut<int64_t> (displayTicks, 0);
    }

    AAX_Result HostTransport::GetTicksPerQuarter (uint32_t* ticks)                    { return writeOut (ticks, 960000u); }
    AAX_Result HostTransport::GetCurrentTicksPerBeat (uint32_t* ticks)                { return writeOut (ticks, 960000u); }
    AAX_Result HostTransport::GetTimelineSelectionStartPosition (int64_t* location)   { return writeOut<int64_t> (location, 0); }

    AAX_Result HostTransport::GetTimeCodeInfo (AAX_EFrameRate* frameRate, int32_t* offset)
    {
        writeOut (frameRate, AAX_eFrameRate_Undeclared);
        return writeOut (offset, 0);
    }

    AAX_Result HostTransport::GetFeetFramesInfo (AAX_EFeetFramesRate* rate, int64_t* offset)
    {
        writeOut (rate, AAX_eFeetFramesRate_23976);
        return writeOut<int64_t> (offset, 0);
    }

    AAX_Result HostTransport::IsMetronomeEnabled (int32_t* enabled)                   { return writeOut (enabled, 0); }

    AAX_Result HostTransport::GetHDTimeCodeInfo (AAX_EFrameRate* frameRate, int64_t* offset)
    {
        writeOut (frameRate, AAX_eFrameRate_Undeclared);
        return writeOut<int64_t> (offset, 0);
    }

    //==============================================================================
    HostViewContainer::HostViewContainer()
    {
        expose (IID_IACFUnknown, this);
        expose (IID_IAAXViewContainerV1, this);
        expose (IID_IAAXViewContainerV2, this);
    }

    AAX_Result HostViewContainer::GetModifiers (uint32_t* modifiers) { return writeOut (modifiers, 0u); }

    AAX_Result HostViewContainer::SetViewSize (AAX_Point& size)
    {
        sizeRequests.push_back (size);
        return AAX_SUCCESS;
    }

    AAX_Result HostViewContainer::HandleParameterMouseDown (AAX_CParamID id, uint32_t) { mouseEvents.push_back (std::string ("down ") + id); return AAX_SUCCESS; }
    AAX_Result HostViewContainer::HandleParameterMouseDrag (AAX_CParamID id, uint32_t) { mouseEvents.push_back (std::string ("drag ") + id); return AAX_SUCCESS; }
    AAX_Result HostViewContainer::HandleParameterMouseUp (AAX_CParamID id, uint32_t)   { mouseEvents.push_back (std::string ("up ") + id); return AAX_SUCCESS; }

    AAX_Result HostViewContainer::HandleMultipleParametersMouseDown (const AAX_CParamID*, uint32_t, uint32_t) { return AAX_SUCCESS; }
    AAX_Result HostViewContainer::HandleMultipleParametersMouseDrag (const AAX_CParamID*, uint32_t, uint32_t) { return AAX_SUCCESS; }
    AAX_Result HostViewContainer::HandleMultipleParametersMouseUp (const AAX_CParamID*, uint32_t, uint32_t)   { return AAX_SUCCESS; }

    //==============================================================================
    HostInstanceContext::HostInstanceContext (HostFactory& factory) : controller (factory)
    {
        expose (IID_IACFUnknown, this);
        expose (IID_IAAXControllerV1, static_cast<IAAXControllerV1*> (&controller));
        expose (IID_IAAXControllerV2, static_cast<IAAXControllerV2*> (&controller));
        expose (IID_IAAXControllerV3, static_cast<IAAXControllerV3*> (&controller));
        expose (IID_IAAXPageTableController, static_cast<IAAXPageTableController*> (&controller));
        expose (IID_IAAXPageTableControllerV2, static_cast<IAAXPageTableControllerV2*> (&controller));
        expose (IID_IAAXAutomationDelegateV1, &automation);
        expose (IID_IAAXTransportV1, static_cast<IAAXTransportV1*> (&transport));
        expose (IID_IAAXTransportV2, static_cast<IAAXTransportV2*> (&transport));
        expose (IID_IAAXTransportV3, static_cast<IAAXTransportV3*> (&transport));
        expose (IID_IACFComponentFactory, &factory);
    }
}
