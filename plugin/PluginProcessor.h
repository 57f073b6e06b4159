/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#pragma once

#include <juce_audio_processors/juce_audio_processors.h>

#include "ZavoQT7.h"
#include "ZavoQT7B.h"
#include "ZavoQTB7.h"

#include "ProductLocations.h"

#include <atomic>
#include <cstring>
#include <optional>

/** The host parameters, in host order; also the index into a program slot's values. */
enum ParameterIndex
{
    paramOnBypass = 0,
    paramEqualizerType,
    paramFreqLevel1,
    paramFreqLevel2,
    paramFreqLevel3,
    paramFreqLevel4,
    paramFreqLevel5,
    paramFreqLevel6,
    paramFreqLevel7,
    paramLevel,
    numParameters
};

/** The entries of the equalizerType parameter, each selecting one model. */
enum EqualizerType
{
    typeGuitar = 0, ///< ZavoQT7
    typeBass,       ///< ZavoQT7B
    typeWide        ///< ZavoQTB7
};

/** The two settings of a program slot. */
enum ProgramChannel
{
    channelA = 0,
    channelB = 1,
    numChannels
};

/** Results of reading a preset or bank element. */
enum PresetReadResult
{
    presetInvalid = 0,      ///< not a preset of any known form; nothing applied
    presetLoaded = 1,       ///< single preset applied
    presetOtherProduct = 2, ///< a preset of another product; nothing applied
    presetNewerVersion = 4, ///< applied, but written by a newer preset version
    bankLoaded = 5          ///< bank processed
};

/** A side index as stored or read: B stays B, anything else is A. */
inline int validChannel (int channel) noexcept
{
    return channel == channelB ? channelB : channelA;
}

/** An int that the message thread writes and other threads read: an atomic that
    copies by value. */
class SharedInt
{
public:
    SharedInt (int32_t initial = 0) noexcept : value (initial) {}
    SharedInt (const SharedInt& other) noexcept : value ((int32_t) other) {}
    SharedInt& operator= (const SharedInt& other) noexcept { return *this = (int32_t) other; }

    SharedInt& operator= (int32_t newValue) noexcept
    {
        value = newValue;
        return *this;
    }

    operator int32_t() const noexcept { return value; }

private:
    std::atomic<int32_t> value;
};

/** A stored normalised value of a program slot side, read and written like a float
    by any thread without a data race. Each write also counts in the same atomic
    word, so that a parameter change can write only if nothing was written since it
    looked (see VostrelZR2814AudioProcessor). */
class SlotValue
{
public:
    SlotValue() noexcept = default;
    SlotValue (const SlotValue& other) noexcept : word (bitsOf (other)) {}
    SlotValue& operator= (const SlotValue& other) noexcept { return *this = (float) other; }

    SlotValue& operator= (float newValue) noexcept
    {
        for (auto seen = word.load(); ! word.compare_exchange_weak (seen, written (seen, newValue));)
        {
        }

        return *this;
    }

    operator float() const noexcept { return valueIn (look()); }

    /** The value and the count of writes so far, for replaceIfUnchanged. */
    uint64_t look() const noexcept { return word.load(); }

    /** The value in what look returned. */
    static float valueIn (uint64_t seen) noexcept
    {
        const auto bits = (uint32_t) seen;
        float value;
        std::memcpy (&value, &bits, sizeof (value));
        return value;
    }

    /** Writes newValue, unless something was written since look returned seen. */
    bool replaceIfUnchanged (uint64_t seen, float newValue) noexcept
    {
        return word.compare_exchange_strong (seen, written (seen, newValue));
    }

private:
    static uint32_t bitsOf (float value) noexcept
    {
        uint32_t bits;
        std::memcpy (&bits, &value, sizeof (bits));
        return bits;
    }

    /** The count of writes in the high half, the float's bits in the low one. Every
        write counts, one of an equal value too. */
    static uint64_t written (uint64_t seen, float value) noexcept
    {
        return (((seen >> 32) + 1) << 32) | bitsOf (value);
    }

    std::atomic<uint64_t> word { 0 };

    // Parameter changes write here on the audio thread too: an atomic that took a
    // lock inside could make that thread wait.
    static_assert (std::atomic<uint64_t>::is_always_lock_free, "slot values need a lock-free 64-bit atomic");
};

/** One of the twelve programs: an A and a B setting, one of which is live. Written
    by the message thread; see VostrelZR2814AudioProcessor for what a parameter
    change on another thread reads and writes here. */
struct ProgramSlot
{
    SharedInt activeChannel { channelA };
    /** The preset file of each side, relative to the user preset folder. Message
        thread only. */
    juce::String presetPath[numChannels];
    /** Normalised value of every parameter, per side. */
    SlotValue values[numChannels][numParameters];
};

/** Whether a stored preset path is within what the system allows a path to be:
    at most PATH_MAX bytes in all and no name in it over NAME_MAX. A longer one
    names no file, so nothing need look further into it. */
bool fitsSystemPathLimits (const juce::String& path);

/** How a parameter is written to and read from preset files. */
struct ParamInfo
{
    int32_t index = 0;
    juce::String name;      ///< the key in preset files
    int32_t steps = 0;      ///< 0 on/off; > 0 the stored number is value x steps; < 0 not stored
    bool isInt = false;     ///< the stored number is an integer
    float initialValue = 0; ///< in the parameter's own units
};

/** Steps code of a parameter that presets do not store, but whose change a preset
    comparison marks. */
constexpr int32_t stepsMarkIfSet = -9;

/** Turns a number stored in a preset (or an initial value) into a normalised value:
    on/off values as they are, numbers divided by the steps. */
float normalisedFromStored (float stored, const ParamInfo& info) noexcept;

//==============================================================================
/** The plug-in's processor: ten parameters, three equalizer models with a
    crossfade between them and a power crossfade, and twelve program slots with
    A/B settings, kept in the host state and in ".tzrp" preset files.

    Threads. processBlock runs on the host's audio thread under the framework's
    callback lock. Parameter changes arrive on whatever thread the host or the
    editor uses (the message thread, an automation thread, in some formats the
    audio thread itself, outside the callback lock); they only store the value, in
    the parameter object (an atomic) and the live slot side. The audio thread
    follows the parameters at the start of each block: it hands changed values to
    the models, recalculates those that may be heard and starts a model switch, so
    what is heard changes at most one block later, ramped as always. The models and
    the audio path's fields therefore have one writer: the audio thread while
    processing runs, and otherwise only a thread that holds processing suspended
    (program, preset and A/B loads) or prepareToPlay, which the framework never
    runs alongside processBlock.

    The program slots. paramInfos is written once, by the constructor, and read by
    any thread. currentProgram and every slot's activeChannel and presetPath are
    written and read on the message thread, which also writes the slots' values
    (loads, host states, the editor's A/B copy) and reads them (saving, preset
    comparison). A parameter change on any thread (parameterValueChanged) reads
    currentProgram and the live side's activeChannel and writes that side's value
    of the parameter, nothing else. It comes after the parameter was set, so it can
    race a load on the message thread (a program, the other A/B side, a host state
    or a preset): the load may set the parameter anew or make another side live
    between the setting and the slot write. These rules make every interleaving end
    with the live side holding what the parameters hold (up to their own rounding),
    and every side holding only values its parameters held while it was live:
    - A change writes the value handed over only while the parameter still holds
      it, checked after reading the slot value it replaces, and only if nothing was
      written there since (SlotValue). Every setting of a parameter, the loads'
      own included, is followed by such a write on the same thread; so the one of
      the last setting succeeds, any later one writes the same value or nothing,
      and one that lands in a side a load has just left writes a value the
      parameter held before the load set it.
    - The host-state readers rewrite the slots, activeChannel and currentProgram
      within a rewrite (slotRewrites is odd), which ends when the side they made
      live is applied (applyLiveSide), before any parameter is set. A change that
      sees a rewrite, before or after it chose its side, writes nothing: the side
      may be one the rewrite passes through, or one whose restored values must not
      be overwritten; the load that ends the rewrite sets every parameter anew.
    - A non-finite value is replaced in the parameter by the live side's stored
      value, again until neither the live side nor that value changed meanwhile.
    A change delivered after a program or A/B switch began reaches the side made
    live, as automation that follows the switch. currentProgram and activeChannel
    change outside a rewrite only one write at a time, each followed by
    applyLiveSide (setCurrentProgram, setLiveSide).

    The framework (JUCE 7.0.5) calls one parameter's listeners under a lock of
    that parameter's own. So the changes of one parameter write one at a time,
    and the compare-and-swap carries weight only against writers that are not
    listeners: the host-state readers and the A/B copy (copySide). The check that
    the parameter still holds the value, and the retry that puts a good value
    back, carry weight regardless: a parameter is set before its listeners are
    called, outside that lock, so settings, loads among them, and the writes that
    follow them can come in different orders. The rules do not count on the lock.
    Our code makes no thread wait on another: a change only tries again when
    another write beat it, and the slot values' atomic is lock-free. The lock can
    still make the audio thread wait, when a host delivers automation there while
    another thread sends a change of the same parameter (a load, the editor). */
class VostrelZR2814AudioProcessor : public juce::AudioProcessor,
                                    public juce::AudioProcessorParameter::Listener
{
public:
    static constexpr int numPrograms = 12;
    static constexpr float silenceThreshold = 1e-15f;

    VostrelZR2814AudioProcessor();
    ~VostrelZR2814AudioProcessor() override;

    //==============================================================================
    const juce::String getName() const override;
    void prepareToPlay (double sampleRate, int samplesPerBlock) override;
    void releaseResources() override {}
    void processBlock (juce::AudioBuffer<float>&, juce::MidiBuffer&) override;
    using juce::AudioProcessor::processBlock;
    bool isBusesLayoutSupported (const BusesLayout&) const override;

    double getTailLengthSeconds() const override { return 0.0; }
    bool acceptsMidi() const override { return false; }
    bool producesMidi() const override { return false; }
    bool isMidiEffect() const override { return false; }

    /** The plug-in's own window; defined with the editor, so that this library
        needs no GUI component of the editor's. */
    juce::AudioProcessorEditor* createEditor() override;
    bool hasEditor() const override { return true; }

    int getNumPrograms() override { return numPrograms; }
    int getCurrentProgram() override { return currentProgram; }
    /** Makes a slot live: its values reach the parameters and the models at once,
        with processing suspended meanwhile. Indices outside 0..11 are ignored. */
    void setCurrentProgram (int index) override;
    /** Applies the live side of the current slot to every parameter (the host is
        told of each) and to the models at once, with processing suspended
        meanwhile: a program change, a host state, or the editor's A/B switch. */
    void applyLiveSide();
    /** Makes a side of the current slot live and applies it (applyLiveSide). */
    void setLiveSide (int side);
    /** Copies a side of the current slot onto its other side. A copy onto the live
        side is applied (applyLiveSide), so that a session saves what is heard; one
        onto the other side changes nothing else and tells nobody. */
    void copySide (int from);
    /** The live side's preset name of a slot, or "" for an index outside 0..11
        and for a path that names no file by fitsSystemPathLimits. */
    const juce::String getProgramName (int index) override;
    void changeProgramName (int, const juce::String&) override {}

    void getStateInformation (juce::MemoryBlock&) override;
    void setStateInformation (const void* data, int sizeInBytes) override;
    void getCurrentProgramStateInformation (juce::MemoryBlock&) override;
    void setCurrentProgramStateInformation (const void* data, int sizeInBytes) override;

    juce::int32 getAAXPluginIDForMainBusConfig (const juce::AudioChannelSet& mainInputLayout,
                                                const juce::AudioChannelSet& mainOutputLayout,
                                                bool idForAudioSuite) const override;

    //==============================================================================
    /** Stores the new value of a parameter in the live slot side, as
        setParameterFromIndex does, but only while the parameter holds it: the
        change may come late, on any thread (see the class comment). */
    void parameterValueChanged (int parameterIndex, float newValue) override;
    void parameterGestureChanged (int, bool) override {}

    /** Stores a value in the live slot side, limited to 0..1, and raises
        parametersChanged. A non-finite value is not stored, and the parameter gets
        the stored one back. */
    void setParameterFromIndex (int index, float value);
    /** Pushes every parameter into the models and recalculates at once, without
        ramps or crossfades: all three models, or only the selected one. */
    void forceCalcParams (bool all);

    //==============================================================================
    /** A new "tervixPatch" element: the live program side (single) or the bank. */
    std::unique_ptr<juce::XmlElement> writePreset (bool single) const;
    /** Appends a "Value" element for one stored value of a slot side to parent. */
    void writeParameterElement (juce::XmlElement* parent, int program, int channel,
                                int parameterIndex, int steps, bool isInt) const;
    /** Applies a single preset to the parameters, or loads a bank into the slots. */
    int readPreset (const juce::XmlElement* xml, bool single);
    /** Stores the "Value" elements from first to its last sibling in a slot side. */
    void storePresetElement (const juce::XmlElement* first, int program, int channel);

    /** The text every preset and state names as the product. */
    static const char* const productIdentifier;

    //==============================================================================
    /** Block lengths the work buffers are prepared for and can hold: written by
        prepareToPlay and, for a longer block, by the audio thread. */
    int32_t expectedBlockSize = 512;
    int32_t maxPreparedBlockSize = 0;
    /** The live slot, and the slots; who writes and reads them: see above. */
    std::atomic<int32_t> currentProgram { 0 };
    ProgramSlot programs[numPrograms];
    /** Written by the constructor only. */
    juce::OwnedArray<ParamInfo> paramInfos;

    juce::AudioParameterBool* onBypassParam = nullptr;
    juce::AudioParameterChoice* equalizerTypeParam = nullptr;
    juce::AudioParameterFloat* freqLevelParams[7] = {};
    juce::AudioParameterFloat* levelParam = nullptr;

    /** Set by prepareToPlay; read by the audio thread and by bulk loads. */
    std::atomic<bool> prepared { false };
    /** Cleared by a bulk load before it writes its values, set by forceCalcParams;
        while it is clear the audio thread leaves the models to the load. */
    std::atomic<bool> modelsInSync { false };

    /** The editor's refresh flags. Raised here, on whichever thread changes a
        parameter or the program (the message thread, or the thread on which the
        host automates), and by the editor on the message thread; taken only by the
        editor's timer on the message thread, each with an exchange before it reads
        what the flag announces, so that a change raised meanwhile is kept for the
        next tick. presetChanged and channelChanged are always raised before
        parametersChanged. */
    std::atomic<bool> presetChanged { false }, parametersChanged { false }, channelChanged { false };

    //==============================================================================
    /** The model of an equalizer type, or null for a type that has none. */
    SevenBandModel* getModel (int type) noexcept;
    /** The live side of the current slot, always 0 or 1. */
    int getActiveChannel() const noexcept;

    int getCrossfadeLength() const noexcept { return crossfadeLength; }
    int getCurrentType() const noexcept { return currentType; }
    int getSelectedType() const noexcept { return selectedType; }
    bool isTypeSwitching() const noexcept { return typeSwitching; }
    float getSwitchFade() const noexcept { return switchFade; }
    float getWetGain() const noexcept { return wetGain; }

private:
    enum class PatchForm { single, bank, currentProgram };

    std::unique_ptr<juce::XmlElement> writePatch (PatchForm) const;
    void writeChannel (juce::XmlElement& parent, int program, int channel) const;
    /** The current program's index limited to 0..11. */
    int liveProgram() const noexcept;
    /** A stored value of the live side. */
    SlotValue& liveValue (int index) noexcept;
    /** Puts the live side's stored value back into a parameter that holds a
        non-finite one. */
    void restoreFromLiveSide (int index);
    /** The normalised value parameter index holds after setValue (value): the on/off
        parameter keeps the value as it is, the others round it to their steps. */
    float heldValueFor (int index, float value) const;
    /** Called by the host-state readers before they write slots, activeChannel or
        currentProgram; ended by applyLiveSide. */
    void beginSlotRewrite() noexcept;
    /** A parameter's normalised value limited to 0..1, or nothing while it is not finite. */
    std::optional<float> parameterValue (int index) const noexcept;
    /** A parameter's current normalised value, with a non-finite one replaced by the
        slot's stored value. */
    float currentValueOf (int index) const;

    /** The channels of one block as the audio path uses them. */
    struct BlockChannels
    {
        int numIn = 0, numOut = 0, numSamples = 0;
        float* left = nullptr;  ///< channel 0; null for a buffer without channels
        float* right = nullptr; ///< channel 1 when the layout has one on either side
        bool stereoIn = false;  ///< the models run in stereo

        /** The right channel when the models process it, else null. */
        float* processedRight() const noexcept { return stereoIn ? right : nullptr; }

        /** With one input and two outputs, the right output carries the left. */
        void copyMonoInputToRight() const noexcept
        {
            if (! stereoIn && right != nullptr)
                juce::FloatVectorOperations::copy (right, left, numSamples);
        }
    };

    // The steps of processBlock, in their order.
    BlockChannels channelsOf (juce::AudioBuffer<float>&) const noexcept;
    /** Makes the work buffers and the models hold a block longer than any prepared. */
    void growForBlock (int numSamples);
    void growWorkBuffers (int numSamples);
    /** Hands the band and level values that changed to the models, then follows
        the model choice. */
    void followParameters();
    /** Starts or reverses a model switch towards the type the parameter selects. */
    void followTypeRequest();
    /** Switched off and the power crossfade over. */
    bool isFadedOut() const noexcept { return ! effectOn && wetGain < silenceThreshold; }
    /** Off and faded out: the input passes through, and no model runs. */
    void passThroughWhileOff (juce::AudioBuffer<float>&, const BlockChannels&) noexcept;
    /** Copies the input for the power crossfade's dry side. */
    void keepDryCopy (const BlockChannels&) noexcept;
    /** Runs the current model in place and, during a switch, the incoming one,
        crossfading from the first to the second. */
    void runModels (const BlockChannels&);
    void mixModelSwitch (float* left, float* right, int numSamples) noexcept;
    void mixPowerCrossfade (float* left, float* right, int numSamples) noexcept;

    std::unique_ptr<juce::XmlElement> stateXml;
    /** Odd while a host-state reader rewrites the slots; written on the message
        thread, read by parameter changes on any thread. */
    std::atomic<uint32_t> slotRewrites { 0 };

    ZavoQT7 zavoQT7;
    ZavoQT7B zavoQT7B;
    ZavoQTB7 zavoQTB7;
    /** The three models in EqualizerType order. */
    SevenBandModel* const models[3] { &zavoQT7, &zavoQT7B, &zavoQTB7 };

    // The models above and the audio path's state below belong to the audio thread
    // while processing runs; other threads write them only while processing is
    // suspended, or in prepareToPlay.
    int32_t crossfadeLength;
    float crossfadeStep;
    juce::HeapBlock<float> dryBufferL, dryBufferR, switchBufferL, switchBufferR;
    bool effectOn = true;
    float wetGain = 1.0f;
    float wetTarget = 1.0f;
    float wetStep = 0.0f;
    int32_t wetRampCount = 0;
    int32_t currentType = typeGuitar;
    int32_t selectedType = typeGuitar;
    bool typeSwitching = false;
    float switchFade = 0.0f;
    float switchStep = 0.0f;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (VostrelZR2814AudioProcessor)
};
