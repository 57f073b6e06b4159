/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#pragma once

#include "AAX_Errors.h"
#include "AAX_IACFDescription.h"
#include "AAX_IACFHostServices.h"
#include "AAX_IACFRuntime.h"
#include "AAX_UIDs.h"

#include <atomic>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <tuple>
#include <vector>

/*  The host side of the AAX interfaces, for the test host: objects that implement
    the host interfaces through the library's own declarations, count their
    references and answer QueryInterface from a table. Any interface version can be
    left out, so every "missing interface" path of the library can be reached. Each
    object starts with one reference, the host's own; after a clean teardown every
    object is back to exactly that one. */
namespace vostrel::aaxhost
{
    /** Reference count and interface table shared by every host object. */
    class HostObjectBase
    {
    public:
        virtual ~HostObjectBase() = default;

        /** The current number of references, the host's own included. */
        int32_t references() const noexcept { return refs.load(); }
        /** Refuses an interface from now on. */
        void omit (const acfIID& iid) { omitted.push_back (iid); }
        /** Answers an interface with success but a null pointer, as a broken host would. */
        void answerNull (const acfIID& iid) { nullAnswers.push_back (iid); }
        /** The object's first interface. */
        virtual IACFUnknown* unknown() = 0;

    protected:
        /** Makes QueryInterface answer iid with target, adding a reference to target. */
        void expose (const acfIID& iid, IACFUnknown* target) { interfaces.push_back ({ iid, target }); }

        ACFRESULT answer (const acfIID& iid, void** out);
        uint32_t addRef() noexcept { return (uint32_t) ++refs; }
        uint32_t release() noexcept { return (uint32_t) --refs; }

    private:
        std::atomic<int32_t> refs { 1 };
        std::vector<std::pair<acfIID, IACFUnknown*>> interfaces;
        std::vector<acfIID> omitted, nullAnswers;
    };

    /** A host object implementing the given interfaces; the one QueryInterface,
        AddRef and Release overrides those of every interface. */
    template <class... Interfaces>
    class HostObject : public Interfaces...,
                       public HostObjectBase
    {
    public:
        ACFRESULT QueryInterface (const acfIID& iid, void** out) override { return answer (iid, out); }
        uint32_t AddRef() override  { return addRef(); }
        uint32_t Release() override { return release(); }

        IACFUnknown* unknown() override
        {
            return static_cast<std::tuple_element_t<0, std::tuple<Interfaces...>>*> (this);
        }
    };

    //==============================================================================
    /** Every trace and assertion report the plug-in sends. */
    class HostServices : public HostObject<IAAXHostServicesV3>
    {
    public:
        HostServices();

        AAX_Result Reserved3() override { return AAX_ERROR_UNIMPLEMENTED; }
        AAX_Result Trace (int32_t priority, const char* message) override;
        AAX_Result StackTrace (int32_t tracePriority, int32_t stackTracePriority, const char* message) override;
        AAX_Result HandleAssertFailure (const char* file, int32_t line, const char* note, int32_t flags) override;

        std::vector<std::pair<int32_t, std::string>> traces;
        std::vector<std::string> assertions;
        std::mutex lock;
    };

    /** Integer and pointer properties by number. */
    class HostPropertyMap : public HostObject<IAAXPropertyMapV3>
    {
    public:
        HostPropertyMap();

        AAX_CBoolean GetProperty (AAX_EProperty property, AAX_CPropertyValue* value) override;
        AAX_Result AddProperty (AAX_EProperty property, AAX_CPropertyValue value) override;
        AAX_Result RemoveProperty (AAX_EProperty property) override;
        AAX_Result AddPropertyWithIDArray (AAX_EProperty property, const AAX_SPlugInIdentifierTriad* ids,
                                           uint32_t count) override;
        AAX_CBoolean GetPropertyWithIDArray (AAX_EProperty property, const AAX_SPlugInIdentifierTriad** ids,
                                             uint32_t* count) override;
        AAX_CBoolean GetPointerProperty (AAX_EProperty property, const void** value) override;
        AAX_Result AddPointerProperty (AAX_EProperty property, const void* value) override;

        std::map<int32_t, AAX_CPropertyValue> values;
        std::map<int32_t, const void*> pointers;
    };

    /** A registered native process procedure and the properties it came with. */
    struct ProcessProcRecord
    {
        AAX_CProcessProc process = nullptr;
        std::map<int32_t, AAX_CPropertyValue> properties;
    };

    /** The algorithm fields and procedures of one component. */
    class HostComponentDescriptor : public HostObject<IAAXComponentDescriptorV3>
    {
    public:
        HostComponentDescriptor();

        AAX_Result Clear() override;
        AAX_Result AddReservedField (AAX_CFieldIndex field, uint32_t fieldType) override;
        AAX_Result AddAudioIn (AAX_CFieldIndex field) override;
        AAX_Result AddAudioOut (AAX_CFieldIndex field) override;
        AAX_Result AddAudioBufferLength (AAX_CFieldIndex field) override;
        AAX_Result AddSampleRate (AAX_CFieldIndex field) override;
        AAX_Result AddClock (AAX_CFieldIndex field) override;
        AAX_Result AddSideChainIn (AAX_CFieldIndex field) override;
        AAX_Result AddDataInPort (AAX_CFieldIndex field, uint32_t packetSize, AAX_EDataInPortType type) override;
        AAX_Result AddAuxOutputStem (AAX_CFieldIndex field, int32_t stemFormat, const char* name) override;
        AAX_Result AddPrivateData (AAX_CFieldIndex field, int32_t dataSize, uint32_t options) override;
        AAX_Result AddDmaInstance (AAX_CFieldIndex field, AAX_IDma::EMode mode) override;
        AAX_Result AddMIDINode (AAX_CFieldIndex field, AAX_EMIDINodeType type, const char* name,
                                uint32_t channelMask) override;
        AAX_Result AddProcessProc_Native (AAX_CProcessProc processProc, IACFUnknown* properties,
                                          AAX_CInstanceInitProc instanceInitProc, AAX_CBackgroundProc backgroundProc,
                                          AAX_CProcPtrID* procID) override;
        AAX_Result AddProcessProc_TI (const char* dllFileName, const char* processProcSymbol, IACFUnknown* properties,
                                      const char* instanceInitSymbol, const char* backgroundSymbol,
                                      AAX_CProcPtrID* procID) override;
        AAX_Result AddMeters (AAX_CFieldIndex field, const AAX_CTypeID* meterIDs, uint32_t meterCount) override;
        AAX_Result AddTemporaryData (AAX_CFieldIndex field, uint32_t dataElementSize) override;
        AAX_Result AddProcessProc (IACFUnknown* properties, AAX_CProcPtrID* procIDs, int32_t procIDsSize) override;

        /** Every field by index: its kind ("audioIn", "privateData", ...) and size. */
        std::map<AAX_CFieldIndex, std::pair<std::string, int32_t>> fields;
        std::vector<ProcessProcRecord> nativeProcs;
        int32_t processProcCalls = 0;
    };

    /** One effect's description. */
    class HostEffectDescriptor : public HostObject<IAAXEffectDescriptorV2>
    {
    public:
        HostEffectDescriptor();

        AAX_Result AddComponent (IACFUnknown* componentDescriptor) override;
        AAX_Result AddName (const char* name) override;
        AAX_Result AddCategory (uint32_t category) override;
        AAX_Result AddCategoryBypassParameter (uint32_t category, AAX_CParamID id) override;
        AAX_Result AddProcPtr (void* procPtr, AAX_CProcPtrID procID) override;
        AAX_Result SetProperties (IACFUnknown* propertyMap) override;
        AAX_Result AddResourceInfo (AAX_EResourceType type, const char* info) override;
        AAX_Result AddMeterDescription (AAX_CTypeID meterID, const char* name, IACFUnknown* propertyMap) override;
        AAX_Result AddControlMIDINode (AAX_CTypeID nodeID, AAX_EMIDINodeType type, const char* name,
                                       uint32_t channelMask) override;

        std::vector<std::string> names;
        std::vector<uint32_t> categories;
        std::map<AAX_CProcPtrID, void*> procs;
        std::vector<HostComponentDescriptor*> components;
    };

    /** The plug-in's whole description; also its plug-in definition. */
    class HostCollection : public HostObject<IAAXCollectionV1, IACFPluginDefinition>
    {
    public:
        HostCollection();

        AAX_Result Reserved3() override { return AAX_ERROR_UNIMPLEMENTED; }
        AAX_Result Reserved4() override { return AAX_ERROR_UNIMPLEMENTED; }
        AAX_Result Reserved5() override { return AAX_ERROR_UNIMPLEMENTED; }
        AAX_Result Reserved6() override { return AAX_ERROR_UNIMPLEMENTED; }
        AAX_Result AddEffect (const char* effectID, IACFUnknown* effectDescriptor) override;
        AAX_Result SetManufacturerName (const char* name) override;
        AAX_Result AddPackageName (const char* name) override;
        AAX_Result SetPackageVersion (uint32_t version) override;
        AAX_Result SetProperties (IACFUnknown* propertyMap) override;

        std::vector<std::pair<std::string, HostEffectDescriptor*>> effects;
        std::string manufacturer;
        std::vector<std::string> packageNames;
        uint32_t packageVersion = 0;
    };

    /** Information on one host feature, with a property map of its details. */
    class HostFeatureInfo : public HostObject<IAAXFeatureInfoV1>
    {
    public:
        HostFeatureInfo();

        AAX_Result SupportLevel (AAX_ESupportLevel* level) override;
        AAX_Result AcquireProperties (IACFUnknown** propertyMap) override;

        AAX_ESupportLevel level = AAX_eSupportLevel_ByProperty;
        HostPropertyMap properties;
    };

    /** The host's answers about itself during description. */
    class HostDescriptionHost : public HostObject<IAAXDescriptionHostV1, IACFDefinition>
    {
    public:
        HostDescriptionHost();

        AAX_Result AcquireFeatureProperties (const AAX_Feature_UID& feature, IACFUnknown** featureInfo) override;

        HostFeatureInfo stemFormats;
    };

    //==============================================================================
    /** A control-surface page table. */
    class HostPageTable : public HostObject<IAAXPageTableV2>
    {
    public:
        HostPageTable();

        AAX_Result Clear() override;
        AAX_Result Empty (AAX_CBoolean* empty) override;
        AAX_Result GetNumPages (int32_t* pages) override;
        AAX_Result InsertPage (int32_t page) override;
        AAX_Result RemovePage (int32_t page) override;
        AAX_Result GetNumMappedParameterIDs (int32_t page, int32_t* count) override;
        AAX_Result ClearMappedParameter (int32_t page, int32_t slot) override;
        AAX_Result GetMappedParameterID (int32_t page, int32_t slot, AAX_IString* id) override;
        AAX_Result MapParameterID (AAX_CParamID id, int32_t page, int32_t slot) override;
        AAX_Result GetNumParametersWithNameVariations (int32_t* count) override;
        AAX_Result GetNameVariationParameterIDAtIndex (int32_t index, AAX_IString* id) override;
        AAX_Result GetNumNameVariationsForParameter (AAX_CParamID id, int32_t* count) override;
        AAX_Result GetParameterNameVariationAtIndex (AAX_CParamID id, int32_t index, AAX_IString* name,
                                                     int32_t* length) override;
        AAX_Result GetParameterNameVariationOfLength (AAX_CParamID id, int32_t length, AAX_IString* name) override;
        AAX_Result ClearParameterNameVariations() override;
        AAX_Result ClearNameVariationsForParameter (AAX_CParamID id) override;
        AAX_Result SetParameterNameVariation (AAX_CParamID id, const AAX_IString& name, int32_t length) override;

        std::map<std::pair<int32_t, int32_t>, std::string> mapped;
        int32_t pages = 0;
    };

    /** The host's object factory: makes every kind of object above on request and
        keeps them, with their references, until the factory goes. */
    class HostFactory : public HostObject<IACFComponentFactory>
    {
    public:
        HostFactory();

        ACFRESULT CreateInstance (const acfCLSID& clsid, IACFUnknown* outer, const acfIID& iid, void** out) override;

        /** Leaves an interface out of every object made of a component class from now on. */
        void omitFor (const acfCLSID& clsid, const acfIID& iid) { omissions.push_back ({ clsid, iid }); }

        /** Objects made so far, in order. */
        std::vector<std::unique_ptr<HostObjectBase>> made;
        /** The services made for the plug-in's start-up, if any. */
        std::vector<HostServices*> services;
        /** When true, page-table copies fail. */
        bool failTableCopies = false;

        template <class Kind>
        std::vector<Kind*> madeOf() const
        {
            std::vector<Kind*> result;

            for (auto& object : made)
                if (auto* kind = dynamic_cast<Kind*> (object.get()))
                    result.push_back (kind);

            return result;
        }

    private:
        std::vector<std::pair<acfCLSID, acfIID>> omissions;
    };

    //==============================================================================
    /** The object a host hands to ACFStartup and ACFRegisterPlugin: its factory and
        description host. */
    class HostRoot : public HostObject<IACFUnknown>
    {
    public:
        HostRoot();

        HostFactory factory;
        HostDescriptionHost descriptionHost;
    };

    /** An instance's controller; posted packets land in fieldData. */
    class HostController : public HostObject<IAAXControllerV3, IAAXPageTableControllerV2>
    {
    public:
        explicit HostController (HostFactory& factoryToUse);

        AAX_Result GetEffectID (AAX_IString* effectID) override;
        AAX_Result GetSampleRate (AAX_CSampleRate* rate) override;
        AAX_Result GetInputStemFormat (AAX_EStemFormat* format) override;
        AAX_Result GetOutputStemFormat (AAX_EStemFormat* format) override;
        AAX_Result GetSignalLatency (int32_t* samples) override;
        AAX_Result GetCycleCount (AAX_EProperty which, int32_t* count) override;
        AAX_Result GetTODLocation (int64_t* location) override;
        AAX_Result SetSignalLatency (int32_t samples) override;
        AAX_Result SetCycleCount (AAX_EProperty* which, int32_t* counts, int32_t count) override;
        AAX_Result PostPacket (AAX_CFieldIndex field, const void* data, uint32_t size) override;
        AAX_Result GetCurrentMeterValue (AAX_CTypeID meter, float* value) override;
        AAX_Result GetMeterPeakValue (AAX_CTypeID meter, float* value) override;
        AAX_Result ClearMeterPeakValue (AAX_CTypeID meter) override;
        AAX_Result GetMeterClipped (AAX_CTypeID meter, AAX_CBoolean* clipped) override;
        AAX_Result ClearMeterClipped (AAX_CTypeID meter) override;
        AAX_Result GetMeterCount (uint32_t* count) override;
        AAX_Result GetNextMIDIPacket (AAX_CFieldIndex* port, AAX_CMidiPacket* packet) override;
        AAX_Result SendNotification (AAX_CTypeID type, const void* data, uint32_t size) override;
        AAX_Result GetHybridSignalLatency (int32_t* samples) override;
        AAX_Result GetCurrentAutomationTimestamp (int64_t* timestamp) override;
        AAX_Result GetHostName (AAX_IString* name) override;
        AAX_Result GetPlugInTargetPlatform (int32_t* platform) override;
        AAX_Result GetIsAudioSuite (AAX_CBoolean* isAudioSuite) override;
        AAX_Result CreateTableCopyForEffect (AAX_CPropertyValue manufacturerID, AAX_CPropertyValue productID,
                                             AAX_CPropertyValue plugInID, uint32_t tableType, int32_t tablePageSize,
                                             IACFUnknown* table) override;
        AAX_Result CreateTableCopyForLayout (const char* effectID, const char* layoutName, uint32_t tableType,
                                             int32_t tablePageSize, IACFUnknown* table) override;
        AAX_Result CreateTableCopyForEffectFromFile (const char* path, AAX_ETextEncoding encoding,
                                                     AAX_CPropertyValue manufacturerID, AAX_CPropertyValue productID,
                                                     AAX_CPropertyValue plugInID, uint32_t tableType,
                                                     int32_t tablePageSize, IACFUnknown* table) override;
        AAX_Result CreateTableCopyForLayoutFromFile (const char* path, AAX_ETextEncoding encoding,
                                                     const char* layoutName, uint32_t tableType, int32_t tablePageSize,
                                                     IACFUnknown* table) override;

        AAX_CSampleRate sampleRate = 48000.0f;
        AAX_EStemFormat inputFormat = AAX_eStemFormat_Stereo, outputFormat = AAX_eStemFormat_Stereo;
        int32_t latency = 0;
        /** The last packet posted to each field. */
        std::map<AAX_CFieldIndex, std::vector<uint8_t>> fieldData;
        int32_t packetsPosted = 0;
        /** When not 0, PostPacket fails with this result. */
        AAX_Result postResult = AAX_SUCCESS;
        std::vector<AAX_CTypeID> notifications;

    private:
        AAX_Result copyTable (IACFUnknown* table);
        HostFactory& factory;
    };

    /** An instance's parameter automation: set requests are answered at once
        through the instance's UpdateParameterNormalizedValue when an answerer is set. */
    class HostAutomation : public HostObject<IAAXAutomationDelegateV1>
    {
    public:
        HostAutomation();

        AAX_Result RegisterParameter (AAX_CParamID id) override;
        AAX_Result UnregisterParameter (AAX_CParamID id) override;
        AAX_Result PostSetValueRequest (AAX_CParamID id, double normalizedValue) override;
        AAX_Result PostCurrentValue (AAX_CParamID id, double normalizedValue) override;
        AAX_Result PostTouchRequest (AAX_CParamID id) override;
        AAX_Result PostReleaseRequest (AAX_CParamID id) override;
        AAX_Result GetTouchState (AAX_CParamID id, AAX_CBoolean* touched) override;

        std::vector<std::string> registered;
        std::vector<std::pair<std::string, double>> setRequests, currentValues;
        std::vector<std::string> touches, releases;
        /** Called with each set request; the test host echoes it back to the plug-in. */
        std::function<void (const char*, double)> answerSetRequest;
    };

    /** A stopped transport at the session start. */
    class HostTransport : public HostObject<IAAXTransportV3>
    {
    public:
        HostTransport();

        AAX_Result GetCurrentTempo (double* bpm) override;
        AAX_Result GetCurrentMeter (int32_t* numerator, int32_t* denominator) override;
        AAX_Result IsTransportPlaying (bool* isPlaying) override;
        AAX_Result GetCurrentTickPosition (int64_t* ticks) override;
        AAX_Result GetCurrentLoopPosition (bool* looping, int64_t* startTick, int64_t* endTick) override;
        AAX_Result GetCurrentNativeSampleLocation (int64_t* sampleLocation) override;
        AAX_Result GetCustomTickPosition (int64_t* ticks, int64_t sampleLocation) override;
        AAX_Result GetBarBeatPosition (int32_t* bars, int32_t* beats, int64_t* displayTicks,
                                       int64_t sampleLocation) override;
        AAX_Result GetTicksPerQuarter (uint32_t* ticks) override;
        AAX_Result GetCurrentTicksPerBeat (uint32_t* ticks) override;
        AAX_Result GetTimelineSelectionStartPosition (int64_t* sampleLocation) override;
        AAX_Result GetTimeCodeInfo (AAX_EFrameRate* frameRate, int32_t* offset) override;
        AAX_Result GetFeetFramesInfo (AAX_EFeetFramesRate* rate, int64_t* offset) override;
        AAX_Result IsMetronomeEnabled (int32_t* enabled) override;
        AAX_Result GetHDTimeCodeInfo (AAX_EFrameRate* frameRate, int64_t* offset) override;

        double tempo = 120.0;
    };

    /** A view for an editor: a native parent handle of a given type. */
    class HostViewContainer : public HostObject<IAAXViewContainerV2>
    {
    public:
        HostViewContainer();

        int32_t GetType() override { return type; }
        void* GetPtr() override { return nativeView; }
        AAX_Result GetModifiers (uint32_t* modifiers) override;
        AAX_Result SetViewSize (AAX_Point& size) override;
        AAX_Result HandleParameterMouseDown (AAX_CParamID id, uint32_t modifiers) override;
        AAX_Result HandleParameterMouseDrag (AAX_CParamID id, uint32_t modifiers) override;
        AAX_Result HandleParameterMouseUp (AAX_CParamID id, uint32_t modifiers) override;
        AAX_Result HandleMultipleParametersMouseDown (const AAX_CParamID* ids, uint32_t count, uint32_t modifiers) override;
        AAX_Result HandleMultipleParametersMouseDrag (const AAX_CParamID* ids, uint32_t count, uint32_t modifiers) override;
        AAX_Result HandleMultipleParametersMouseUp (const AAX_CParamID* ids, uint32_t count, uint32_t modifiers) override;

        int32_t type = AAX_eViewContainer_Type_HWND;
        void* nativeView = nullptr;
        std::vector<AAX_Point> sizeRequests;
        std::vector<std::string> mouseEvents;
    };

    /** The object an instance is initialised with: it answers for the controller,
        automation, transport and factory, each a host object of its own. */
    class HostInstanceContext : public HostObject<IACFUnknown>
    {
    public:
        explicit HostInstanceContext (HostFactory& factory);

        HostController controller;
        HostAutomation automation;
        HostTransport transport;
    };
}
