/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#include "PluginProcessor.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <optional>
#include <string_view>

#if VOSTREL_RACE_WINDOWS
// Called only in the thread tests' copy of the processor, whose program defines
// it, where a parameter change has read the live slot side and not yet written
// what follows from it: a load on another thread lands in such a window only by
// rare chance, and the tests pause there to make it common.
void pauseInRaceWindow();
#else
static void pauseInRaceWindow() noexcept {}
#endif

namespace
{
    struct ParameterDefinition
    {
        const char* identifier;
        const char* name;
    };

    constexpr ParameterDefinition parameterDefinitions[numParameters] = {
        { "Vzr7_000000", "onBypass" },
        { "Vzr7_000010", "equalizerType" },
        { "Vzr7_000100", "freqLevel1" },
        { "Vzr7_000200", "freqLevel2" },
        { "Vzr7_000300", "freqLevel3" },
        { "Vzr7_000400", "freqLevel4" },
        { "Vzr7_000500", "freqLevel5" },
        { "Vzr7_000600", "freqLevel6" },
        { "Vzr7_000700", "freqLevel7" },
        { "Vzr7_001000", "level" },
    };

    juce::ParameterID idOf (int index)
    {
        return { parameterDefinitions[index].identifier, 1 };
    }

    juce::String nameOf (int index)
    {
        return parameterDefinitions[index].name;
    }

    std::unique_ptr<juce::AudioParameterFloat> makeFloatParameter (int index)
    {
        return std::make_unique<juce::AudioParameterFloat> (idOf (index), nameOf (index),
                                                            juce::NormalisableRange<float> (0.0f, 1.0f, 0.00001f, 1.0f),
                                                            0.0f);
    }

    ParamInfo describe (const juce::AudioParameterBool& p)
    {
        return { 0, p.getName (1024), 0, false, p.get() ? 1.0f : 0.0f };
    }

    ParamInfo describe (const juce::AudioParameterChoice& p)
    {
        return { 0, p.getName (1024), p.choices.size() - 1, true, (float) p.getIndex() };
    }

    ParamInfo describe (const juce::AudioParameterFloat& p)
    {
        return { 0, p.getName (1024), (int) juce::jmax (p.range.end, p.range.start), false, p.get() };
    }
}

float normalisedFromStored (float stored, const ParamInfo& info) noexcept
{
    if (info.steps == 0)
        return stored;

    if (info.steps < 0)
        return 0.0f;

    // The divisor of an integer number is nudged so that the last choice lands
    // just below 1, where the choice parameter still maps it to its last entry.
    return info.isInt ? stored / ((float) info.steps + 0.000001f)
                      : stored / (float) info.steps;
}

const char* const VostrelZR2814AudioProcessor::productIdentifier = VOSTREL_PRODUCT_IDENTIFIER;

//==============================================================================
VostrelZR2814AudioProcessor::VostrelZR2814AudioProcessor()
    : juce::AudioProcessor (BusesProperties()
                                .withInput ("Input", juce::AudioChannelSet::stereo(), true)
                                .withOutput ("Output", juce::AudioChannelSet::stereo(), true)),
      crossfadeLength (rampLengthForSampleRate (defaultSampleRate)),
      crossfadeStep (1.0f / (float) crossfadeLength),
      wetRampCount (crossfadeLength)
{
    auto add = [this] (auto parameter)
    {
        auto* info = paramInfos.add (new ParamInfo (describe (*parameter)));
        auto* raw = parameter.get();
        addParameter (parameter.release());
        info->index = raw->getParameterIndex();
        raw->addListener (this);
        return raw;
    };

    onBypassParam = add (std::make_unique<juce::AudioParameterBool> (idOf (paramOnBypass), nameOf (paramOnBypass), true));
    equalizerTypeParam = add (std::make_unique<juce::AudioParameterChoice> (idOf (paramEqualizerType), nameOf (paramEqualizerType),
                                                                            juce::StringArray { "Guitar", "Bass", "Wide" }, 0));
    for (int band = 0; band < 7; ++band)
        freqLevelParams[band] = add (makeFloatParameter (paramFreqLevel1 + band));

    levelParam = add (makeFloatParameter (paramLevel));

    auto& parameters = getParameters();

    for (auto& slot : programs)
    {
        for (int channel = 0; channel < numChannels; ++channel)
        {
            slot.presetPath[channel] = "Init.tzrp";

            for (int i = 0; i < numParameters; ++i)
            {
                const float value = normalisedFromStored (paramInfos[i]->initialValue, *paramInfos[i]);
                slot.values[channel][i] = value;
                parameters[i]->setValue (value);
            }
        }
    }
}

VostrelZR2814AudioProcessor::~VostrelZR2814AudioProcessor()
{
    for (auto* parameter : getParameters())
        parameter->removeListener (this);
}

const juce::String VostrelZR2814AudioProcessor::getName() const
{
    return "Vostrel ZR2814";
}

bool VostrelZR2814AudioProcessor::isBusesLayoutSupported (const BusesLayout& layouts) const
{
    const auto in = layouts.getMainInputChannelSet();
    const auto out = layouts.getMainOutputChannelSet();
    const auto mono = juce::AudioChannelSet::mono();
    const auto stereo = juce::AudioChannelSet::stereo();

    return (in == mono && (out == mono || out == stereo)) || (in == stereo && out == stereo);
}

juce::int32 VostrelZR2814AudioProcessor::getAAXPluginIDForMainBusConfig (const juce::AudioChannelSet& mainInputLayout,
                                                                         const juce::AudioChannelSet& mainOutputLayout,
                                                                         bool idForAudioSuite) const
{
    const juce::int32 base = idForAudioSuite ? 0x6A796161 /* 'jyaa' */ : 0x6A636161 /* 'jcaa' */;
    const auto mono = juce::AudioChannelSet::mono();
    return base + ((mainInputLayout == mono && mainOutputLayout == mono) ? 1 : 0);
}

//==============================================================================
int VostrelZR2814AudioProcessor::liveProgram() const noexcept
{
    return juce::jlimit (0, numPrograms - 1, (int) currentProgram);
}

int VostrelZR2814AudioProcessor::getActiveChannel() const noexcept
{
    return validChannel (programs[liveProgram()].activeChannel);
}

SlotValue& VostrelZR2814AudioProcessor::liveValue (int index) noexcept
{
    auto& slot = programs[liveProgram()];
    return slot.values[validChannel (slot.activeChannel)][index];
}

void VostrelZR2814AudioProcessor::beginSlotRewrite() noexcept
{
    if ((slotRewrites & 1) == 0)
        ++slotRewrites;
}

SevenBandModel* VostrelZR2814AudioProcessor::getModel (int type) noexcept
{
    return (unsigned) type < std::size (models) ? models[type] : nullptr;
}

void VostrelZR2814AudioProcessor::setCurrentProgram (int index)
{
    if ((unsigned) index >= (unsigned) numPrograms)
        return;

    currentProgram = index;
    applyLiveSide();

    channelChanged = true;
    presetChanged = true;
    parametersChanged = true;
}

void VostrelZR2814AudioProcessor::applyLiveSide()
{
    suspendProcessing (true);
    modelsInSync = false;

    // The side is chosen: parameter changes may store into it again.
    if ((slotRewrites & 1) != 0)
        ++slotRewrites;

    auto& parameters = getParameters();

    for (int i = 0; i < numParameters; ++i)
    {
        const float value = liveValue (i);
        parameters[i]->setValue (value);
        parameters[i]->sendValueChangedMessageToListeners (value);
    }

    if (prepared)
        forceCalcParams (false);

    suspendProcessing (false);
}

void VostrelZR2814AudioProcessor::setLiveSide (int side)
{
    programs[liveProgram()].activeChannel = validChannel (side);
    applyLiveSide();
}

void VostrelZR2814AudioProcessor::copySide (int from)
{
    auto& slot = programs[liveProgram()];
    const int source = validChannel (from);
    const int target = 1 - source;

    for (int i = 0; i < numParameters; ++i)
        slot.values[target][i] = slot.values[source][i];

    // Values written into the live side come before the parameters hold them; the
    // parameters then take them as from any load, and a change racing the copy ends
    // in both or in neither.
    if (getActiveChannel() == target)
        applyLiveSide();
}

bool fitsSystemPathLimits (const juce::String& path)
{
    // Judged by bytes in one pass: the framework's own path clean-up is quadratic
    // on runs of separators, and a host session may hold any text at all.
    const std::string_view bytes (path.toRawUTF8(), path.getNumBytesAsUTF8());

    if (bytes.size() > (size_t) PATH_MAX)
        return false;

    for (size_t start = 0; start <= bytes.size();)
    {
        const auto end = std::min (bytes.find ('/', start), bytes.size());

        if (end - start > (size_t) NAME_MAX)
            return false;

        start = end + 1;
    }

    return true;
}

const juce::String VostrelZR2814AudioProcessor::getProgramName (int index)
{
    if ((unsigned) index >= (unsigned) numPrograms)
        return {};

    const auto& slot = programs[index];
    const auto& path = slot.presetPath[validChannel (slot.activeChannel)];

    if (! fitsSystemPathLimits (path))
        return {};

    const auto file = juce::File::isAbsolutePath (path) ? juce::File (path)
                                                        : getUserPresetFolder().getChildFile (path);
    return file.getFileNameWithoutExtension();
}

//==============================================================================
void VostrelZR2814AudioProcessor::parameterValueChanged (int parameterIndex, float newValue)
{
    if (parameterIndex < 0 || parameterIndex >= numParameters)
        return;

    if (! std::isfinite (newValue))
    {
        restoreFromLiveSide (parameterIndex);
        return;
    }

    const float held = heldValueFor (parameterIndex, newValue);
    const float limited = juce::jlimit (0.0f, 1.0f, newValue);
    const auto* parameter = getParameters()[parameterIndex];

    // The order of the reads is what the class comment relies on: the rewrite count,
    // the side, the stored value, the rewrite count again, then the parameter.
    for (;;)
    {
        const auto rewrites = slotRewrites.load();
        auto& stored = liveValue (parameterIndex);
        const auto seen = stored.look();

        if ((rewrites & 1) != 0 || slotRewrites != rewrites || parameter->getValue() != held
            || (pauseInRaceWindow(), stored.replaceIfUnchanged (seen, limited)))
            break;
    }

    parametersChanged = true;
}

std::optional<float> VostrelZR2814AudioProcessor::parameterValue (int index) const noexcept
{
    const float value = getParameters()[index]->getValue();

    if (! std::isfinite (value))
        return std::nullopt;

    return juce::jlimit (0.0f, 1.0f, value);
}

float VostrelZR2814AudioProcessor::currentValueOf (int index) const
{
    return parameterValue (index).value_or (programs[liveProgram()].values[getActiveChannel()][index]);
}

float VostrelZR2814AudioProcessor::heldValueFor (int index, float value) const
{
    if (index == paramOnBypass)
        return value;

    const auto* parameter = static_cast<const juce::RangedAudioParameter*> (getParameters()[index]);
    return parameter->convertTo0to1 (parameter->convertFrom0to1 (value));
}

void VostrelZR2814AudioProcessor::restoreFromLiveSide (int index)
{
    // A host that sends a non-finite value gets the last good one back, so that
    // neither the slot nor any reader of the parameter sees it. Put back again if a
    // load chose another side or stored a value meanwhile, so that the parameter
    // ends on the value the live side holds.
    for (;;)
    {
        auto& stored = liveValue (index);
        const auto seen = stored.look();
        pauseInRaceWindow();
        getParameters()[index]->setValue (SlotValue::valueIn (seen));

        if (&liveValue (index) == &stored && stored.look() == seen)
            break;
    }
}

void VostrelZR2814AudioProcessor::setParameterFromIndex (int index, float value)
{
    if (index < 0 || index >= numParameters)
        return;

    if (! std::isfinite (value))
    {
        restoreFromLiveSide (index);
        return;
    }

    // Nothing reaches the models from here: the audio thread follows the parameters
    // at the start of its next block, so that no model is written by two threads.
    liveValue (index) = juce::jlimit (0.0f, 1.0f, value);
    parametersChanged = true;
}

void VostrelZR2814AudioProcessor::forceCalcParams (bool all)
{
    effectOn = currentValueOf (paramOnBypass) >= 0.5f;
    wetStep = 0.0f;
    wetRampCount = crossfadeLength;
    wetTarget = wetGain = effectOn ? 1.0f : 0.0f;

    const int type = equalizerTypeParam->getIndex();
    currentType = selectedType = type;
    typeSwitching = false;
    switchFade = switchStep = 0.0f;

    for (auto* model : models)
    {
        if (all || model == getModel (type))
        {
            model->resetBuffer();
            model->resetCoeffs();
        }
    }

    for (auto* model : models)
    {
        model->setParameter (modelOnBypass, 1.0f);

        for (int i = paramFreqLevel1; i <= paramLevel; ++i)
            model->setParameter (i - 1, currentValueOf (i));
    }

    for (auto* model : models)
        if (all || model == getModel (type))
            model->forceCalcParams();

    modelsInSync = true;
}

//==============================================================================
void VostrelZR2814AudioProcessor::growWorkBuffers (int numSamples)
{
    for (auto* buffer : { &switchBufferL, &switchBufferR, &dryBufferL, &dryBufferR })
    {
        buffer->free();
        buffer->allocate ((size_t) numSamples, true);
    }

    // Every model grows now, also those not running: one switched in later must
    // not allocate on the audio thread for a block no longer than any before.
    for (auto* model : models)
        model->setExpectedSampleFrame (numSamples, true);

    maxPreparedBlockSize = numSamples;
}

void VostrelZR2814AudioProcessor::prepareToPlay (double sampleRate, int samplesPerBlock)
{
    sampleRate = sanitiseSampleRate (sampleRate);
    expectedBlockSize = juce::jmax (1, samplesPerBlock);
    const bool grew = expectedBlockSize > maxPreparedBlockSize;

    if (grew)
        growWorkBuffers (expectedBlockSize);

    for (auto* buffer : { &switchBufferL, &switchBufferR, &dryBufferL, &dryBufferR })
        juce::FloatVectorOperations::clear (buffer->get(), expectedBlockSize);

    crossfadeLength = rampLengthForSampleRate (sampleRate);
    wetRampCount = crossfadeLength;
    crossfadeStep = 1.0f / (float) crossfadeLength;

    for (auto* model : models)
        model->setSampleRate ((float) sampleRate);

    for (auto* model : models)
    {
        model->expectedSampleFrame = expectedBlockSize;
        model->changeBufferSize (expectedBlockSize, grew);
    }

    forceCalcParams (true);
    prepared = true;
}

//==============================================================================
VostrelZR2814AudioProcessor::BlockChannels VostrelZR2814AudioProcessor::channelsOf (juce::AudioBuffer<float>& buffer) const noexcept
{
    const int numBufferChannels = buffer.getNumChannels();
    BlockChannels block;
    block.numIn = juce::jmin (getTotalNumInputChannels(), numBufferChannels);
    block.numOut = juce::jmin (getTotalNumOutputChannels(), numBufferChannels);
    block.numSamples = buffer.getNumSamples();
    block.stereoIn = block.numIn >= 2;
    block.left = numBufferChannels > 0 ? buffer.getWritePointer (0) : nullptr;
    block.right = (block.numIn >= 2 || block.numOut >= 2) && numBufferChannels >= 2 ? buffer.getWritePointer (1) : nullptr;
    return block;
}

void VostrelZR2814AudioProcessor::growForBlock (int numSamples)
{
    if (numSamples <= expectedBlockSize)
        return;

    expectedBlockSize = numSamples;

    if (numSamples > maxPreparedBlockSize)
        growWorkBuffers (numSamples);
}

void VostrelZR2814AudioProcessor::followParameters()
{
    // Within a bulk load the values wait for the load's own recalculation.
    if (! modelsInSync)
        return;

    for (int index = paramFreqLevel1; index <= paramLevel; ++index)
    {
        const int modelIndex = index - 1;
        const auto value = parameterValue (index);

        // All three models hold the same values, so one tells whether this changed.
        // A non-finite value is being put back by the parameter's own thread.
        if (! value.has_value() || *value == zavoQT7.getParameter (modelIndex))
            continue;

        for (auto* model : models)
            model->setParameter (modelIndex, *value);

        // The models that may be heard ramp to the new value; the other one takes
        // it at once when it is switched in.
        if (auto* model = getModel (currentType))
            model->calcParameter (modelIndex);

        if (auto* model = typeSwitching ? getModel (selectedType) : nullptr)
            model->calcParameter (modelIndex);
    }

    followTypeRequest();
}

void VostrelZR2814AudioProcessor::followTypeRequest()
{
    const int wanted = equalizerTypeParam->getIndex();

    if (wanted == selectedType)
        return;

    if (typeSwitching && wanted == currentType)
    {
        // Going back to the outgoing model: run the same crossfade backwards, so
        // that the audible mix continues without a jump and nothing is reset.
        std::swap (currentType, selectedType);
        switchFade = 1.0f - switchFade;
        return;
    }

    selectedType = wanted;
    switchFade = 1.0f;
    switchStep = -crossfadeStep;

    if (auto* model = getModel (wanted))
    {
        model->resetBuffer();
        model->resetCoeffs();
        model->forceCalcParams();
    }

    typeSwitching = true;
}

void VostrelZR2814AudioProcessor::passThroughWhileOff (juce::AudioBuffer<float>& buffer, const BlockChannels& block) noexcept
{
    if (block.numIn == 1)
        for (int ch = 1; ch < block.numOut; ++ch)
            buffer.copyFrom (ch, 0, buffer, 0, 0, block.numSamples);

    // Nothing is heard of either model: a running switch completes at once.
    if (typeSwitching)
    {
        switchFade = 0.0f;
        typeSwitching = false;
        currentType = selectedType;
    }
}

void VostrelZR2814AudioProcessor::keepDryCopy (const BlockChannels& block) noexcept
{
    juce::FloatVectorOperations::copy (dryBufferL.get(), block.left, block.numSamples);
    juce::FloatVectorOperations::copy (dryBufferR.get(), block.stereoIn ? block.right : block.left, block.numSamples);
}

void VostrelZR2814AudioProcessor::runModels (const BlockChannels& block)
{
    const int n = block.numSamples;
    const bool switching = typeSwitching;

    // The incoming model runs on a copy of the input, taken before the outgoing
    // one processes the block in place.
    if (switching)
    {
        juce::FloatVectorOperations::copy (switchBufferL.get(), block.left, n);

        if (block.stereoIn)
            juce::FloatVectorOperations::copy (switchBufferR.get(), block.right, n);
    }

    auto run = [&block, n] (SevenBandModel* model, float* left, float* right)
    {
        if (model == nullptr)
            return;

        if (block.stereoIn)
            model->process (left, right, n);
        else
            model->process (left, n);
    };

    run (getModel (currentType), block.left, block.right);

    if (! switching)
        return;

    run (getModel (selectedType), switchBufferL.get(), switchBufferR.get());

    if (! block.stereoIn)
        juce::FloatVectorOperations::copy (switchBufferR.get(), switchBufferL.get(), n);

    mixModelSwitch (block.left, block.processedRight(), n);
}

void VostrelZR2814AudioProcessor::mixModelSwitch (float* left, float* right, int numSamples) noexcept
{
    for (int i = 0; i < numSamples; ++i)
    {
        if (switchFade > silenceThreshold)
            switchFade += switchStep;

        if (switchFade <= silenceThreshold)
        {
            switchFade = 0.0f;
            typeSwitching = false;
            currentType = selectedType;
        }

        const float f = switchFade;
        left[i] = (1.0f - f) * switchBufferL[i] + f * left[i];

        if (right != nullptr)
            right[i] = (1.0f - f) * switchBufferR[i] + f * right[i];
    }
}

void VostrelZR2814AudioProcessor::mixPowerCrossfade (float* left, float* right, int numSamples) noexcept
{
    // A change in the middle of a fade starts a new one from the present gain.
    const float target = effectOn ? 1.0f : 0.0f;

    if (wetTarget != target)
    {
        wetStep = (target - wetGain) * crossfadeStep;
        wetRampCount = 0;
        wetTarget = target;
    }

    float* const channels[] = { left, right };
    const float* const dry[] = { dryBufferL.get(), dryBufferR.get() };
    const int numChannelsToMix = right != nullptr ? 2 : 1;

    if (wetRampCount >= crossfadeLength)
    {
        // No fade running: a constant mix, or nothing to do when fully wet.
        if (wetGain >= 1.0f)
            return;

        for (int ch = 0; ch < numChannelsToMix; ++ch)
        {
            juce::FloatVectorOperations::multiply (channels[ch], wetGain, numSamples);
            juce::FloatVectorOperations::addWithMultiply (channels[ch], dry[ch], 1.0f - wetGain, numSamples);
        }

        return;
    }

    for (int i = 0; i < numSamples; ++i)
    {
        if (wetRampCount < crossfadeLength)
        {
            ++wetRampCount;
            wetGain += wetStep;

            if (wetGain > 1.0f)
                wetGain = 1.0f;
            else if (wetGain < silenceThreshold)
                wetGain = 0.0f;

            // Summed steps drift; the end of a fade lands exactly on its target.
            if (wetRampCount >= crossfadeLength)
                wetGain = wetTarget;
        }

        const float g = wetGain;

        for (int ch = 0; ch < numChannelsToMix; ++ch)
            channels[ch][i] = g * channels[ch][i] + (1.0f - g) * dry[ch][i];
    }
}

void VostrelZR2814AudioProcessor::processBlock (juce::AudioBuffer<float>& buffer, juce::MidiBuffer&)
{
    juce::ScopedNoDenormals noDenormals;
    const auto block = channelsOf (buffer);
    const int n = block.numSamples;

    for (int ch = block.numIn; ch < block.numOut; ++ch)
        buffer.clear (ch, 0, n);

    if (block.left == nullptr || n <= 0 || ! prepared)
        return;

    if (isSuspended())
    {
        for (int ch = 0; ch < block.numOut; ++ch)
            buffer.clear (ch, 0, n);

        return;
    }

    growForBlock (n);
    block.copyMonoInputToRight();
    effectOn = onBypassParam->get();
    followParameters();

    if (isFadedOut())
    {
        passThroughWhileOff (buffer, block);
        return;
    }

    keepDryCopy (block);
    runModels (block);
    mixPowerCrossfade (block.left, block.processedRight(), n);
    block.copyMonoInputToRight();

    // Faded out within this block: the next engagement starts from clean filter histories.
    if (isFadedOut())
        if (auto* model = getModel (currentType))
            model->resetBuffer();
}

//==============================================================================
juce::AudioProcessor* JUCE_CALLTYPE createPluginFilter()
{
    return new VostrelZR2814AudioProcessor();
}
