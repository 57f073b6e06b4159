/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#include "SevenBandModel.h"

#include <algorithm>
#include <cmath>

namespace
{
    constexpr float defaultParameters[numModelParameters] = { 1.0f, 0.5f, 0.5f, 0.5f, 0.5f,
                                                              0.5f, 0.5f, 0.5f, 0.5f };

    bool isModelIndex (int index) noexcept
    {
        return (unsigned) index < (unsigned) numModelParameters;
    }
}

SevenBandModel::SevenBandModel (const SevenBandModelTable& modelTable)
    : table (modelTable)
{
    parameters = new float[numModelParameters];
    parameterNum = numModelParameters;
    name = table.name;

    // Everything the rate decides starts at the default rate, so that the model is
    // usable even if an owner processes before setting a rate.
    const int length = rampLengthForSampleRate (sampleRate);
    levelRampLength = fadeLength = length;
    fadeStep = 1.0f / (float) length;

    for (int i = 0; i < numModelParameters; ++i)
        setParameter (i, getDefaultParameter (i));

    reset();
}

SevenBandModel::~SevenBandModel()
{
    delete[] parameters;
}

BiquadPeakEQ& SevenBandModel::getBand (int band) noexcept
{
    band = std::clamp (band, 1, 7);
    return band < 7 ? peakFilters[band - 1] : shelfFilter;
}

void SevenBandModel::setSampleRate (float newSampleRate)
{
    DspBase::setSampleRate (newSampleRate);

    for (auto& f : peakFilters)
        f.setSampleRate (sampleRate);

    shelfFilter.setSampleRate (sampleRate);
}

void SevenBandModel::resetBuffer() noexcept
{
    for (auto& f : peakFilters)
        f.resetBuffer();

    shelfFilter.resetBuffer();
}

void SevenBandModel::resetCoeffs() noexcept
{
    for (auto& f : peakFilters)
        f.resetCoeffs();

    shelfFilter.resetCoeffs();
}

void SevenBandModel::calc()
{
    resetBuffer();
    calcParameter (modelOnBypass);

    for (int band = modelFreqLevel1; band <= modelFreqLevel7; ++band)
        calcParameter (band);

    calcParameter (modelLevel);
}

void SevenBandModel::setParameter (int index, float value)
{
    if (! isModelIndex (index))
        return;

    parameters[index] = value;

    if (index == modelOnBypass)
    {
        onBypass = value > 0.5f;
    }
    else if (index == modelLevel)
    {
        levelTarget = powf (10.0f, (value * 30.0f - 15.0f) * 0.05f);
    }
    else
    {
        bandValues[index - 1] = value;
        getBand (index).gain = value;
    }
}

void SevenBandModel::calcParameter (int index)
{
    if (! isModelIndex (index))
        return;

    if (index == modelOnBypass)
    {
        if (onBypass == lastOnBypass)
            return;

        // Below about 223 Hz the product truncates to 0; one sample is the shortest fade.
        fadeLength = std::max (1, (int) (sampleRate * onBypassFadeSeconds));
        fadeStep = 1.0f / (float) fadeLength;
        onBypassState = onBypass ? stateFadingIn : stateFadingOut;
        lastOnBypass = onBypass;
    }
    else if (index == modelLevel)
    {
        levelRampCount = 0;
        levelStep = (levelTarget - levelCurrent) / (float) levelRampLength;
    }
    else
    {
        getBand (index).calc();
    }
}

float SevenBandModel::getDefaultParameter (int index) const
{
    return isModelIndex (index) ? defaultParameters[index] : 0.0f;
}

const char* SevenBandModel::getParameterName (int index) const
{
    return isModelIndex (index) ? table.parameterNames[index] : "";
}

void SevenBandModel::setExpectedSampleFrame (int numSamples, bool reallocate)
{
    expectedSampleFrame = numSamples;
    changeBufferSize (numSamples, reallocate);
}

void SevenBandModel::changeBufferSize (int numSamples, bool)
{
    numSamples = std::max (0, numSamples);

    // Growing only on demand keeps any sequence of rate, block-size and block
    // changes from leaving the buffers shorter than a block.
    if (numSamples > bufferCapacity)
    {
        dryBufferL.free();
        dryBufferR.free();
        dryBufferL.allocate ((size_t) numSamples, false);
        dryBufferR.allocate ((size_t) numSamples, false);
        bufferCapacity = numSamples;
    }

    if (numSamples > 0)
    {
        std::fill_n (dryBufferL.get(), numSamples, 0.0f);
        std::fill_n (dryBufferR.get(), numSamples, 0.0f);
    }
}

void SevenBandModel::forceCalcParams()
{
    lastOnBypass = onBypass;
    onBypassState = onBypass ? stateEngaged : stateBypassed;
    wetGain = onBypass ? 1.0f : 0.0f;
    dryGain = 1.0f - wetGain;

    const int length = rampLengthForSampleRate (sampleRate);
    fadeLength = levelRampLength = length;
    fadeStep = 1.0f / (float) length;

    for (int band = 1; band <= 7; ++band)
    {
        auto& section = getBand (band);
        section.q = band < 7 ? peakBandQ : shelfBandQ;
        section.freq = table.bandFrequencies[band - 1];
        section.gain = bandValues[band - 1];
    }

    levelCurrent = levelTarget;
    calc();
}

void SevenBandModel::prepareForBlock (int numSamples)
{
    if (numSamples > expectedSampleFrame)
        setExpectedSampleFrame (numSamples, true);
    else if (numSamples > bufferCapacity) // an owner set expectedSampleFrame without sizing
        changeBufferSize (numSamples, true);
}

// Inline: the stereo loop calls it for every frame of a ramping block, and a call
// there costs more than the ramp step itself.
inline float SevenBandModel::nextLevel() noexcept
{
    if (levelRampCount < levelRampLength)
    {
        ++levelRampCount;
        levelCurrent += levelStep;

        if (levelRampCount >= levelRampLength)
            levelCurrent = levelTarget;
    }

    return levelCurrent;
}

void SevenBandModel::processEQ (float* data, int numSamples) noexcept
{
    for (int i = 0; i < numSamples; ++i)
    {
        const double level = nextLevel();
        double x = data[i];

        for (auto& f : peakFilters)
            f.BiquadPeakEQ::process (x);

        shelfFilter.BiquadPeakEQ::process (x);
        data[i] = (float) (level * x);
    }
}

template <bool ramping, size_t numFrames>
void SevenBandModel::processFrames (BiquadPeakEQ::StereoRun (&runs)[7], float* left, float* right) noexcept
{
    DoublePair frames[numFrames], levels[numFrames];

    for (size_t i = 0; i < numFrames; ++i)
    {
        frames[i] = DoublePair::fromFloats (left + i, right + i);
        levels[i] = DoublePair::broadcast (ramping ? nextLevel() : levelCurrent);
    }

    for (auto& run : runs)
        run.process<ramping> (frames);

    for (size_t i = 0; i < numFrames; ++i)
        (levels[i] * frames[i]).toFloats (left + i, right + i);
}

template <bool ramping>
void SevenBandModel::processStereo (BiquadPeakEQ::StereoRun (&runs)[7], float* left, float* right, int numSamples) noexcept
{
    // Four frames at a time let each section keep its coefficients and history in
    // registers from one frame to the next; with more they no longer fit.
    constexpr size_t framesAtOnce = 4;
    const auto n = (size_t) std::max (0, numSamples);
    size_t i = 0;

    for (; i + framesAtOnce <= n; i += framesAtOnce)
        processFrames<ramping, framesAtOnce> (runs, left + i, right + i);

    for (; i < n; ++i)
        processFrames<ramping, 1> (runs, left + i, right + i);
}

void SevenBandModel::processEQ (float* left, float* right, int numSamples) noexcept
{
    BiquadPeakEQ::StereoRun runs[] { peakFilters[0], peakFilters[1], peakFilters[2], peakFilters[3],
                                     peakFilters[4], peakFilters[5], shelfFilter };

    // Ramps start only between blocks: when none runs now, none will in this one.
    const bool ramping = levelRampCount < levelRampLength
                          || std::any_of (std::begin (peakFilters), std::end (peakFilters),
                                          [] (auto& f) { return f.isRamping(); })
                          || shelfFilter.isRamping();

    if (ramping)
        processStereo<true> (runs, left, right, numSamples);
    else
        processStereo<false> (runs, left, right, numSamples);
}

void SevenBandModel::advanceCrossfade() noexcept
{
    if (onBypassState == stateFadingIn)
    {
        if (wetGain < 1.0f)
        {
            wetGain += fadeStep;
            dryGain -= fadeStep;
        }
        else
        {
            wetGain = 1.0f;
            dryGain = 0.0f;
            onBypassState = stateEngaged;
        }
    }
    else if (onBypassState == stateFadingOut)
    {
        if (dryGain < 1.0f)
        {
            dryGain += fadeStep;
            wetGain -= fadeStep;
        }
        else
        {
            wetGain = 0.0f;
            dryGain = 1.0f;
            onBypassState = stateBypassed;
        }
    }
}

template <int numChannels>
void SevenBandModel::processChannels (float* const* channels, int numSamples)
{
    if (numSamples <= 0)
        return;

    prepareForBlock (numSamples);

    auto runEQ = [&]
    {
        if constexpr (numChannels == 1)
            processEQ (channels[0], numSamples);
        else
            processEQ (channels[0], channels[1], numSamples);
    };

    if (onBypassState == stateEngaged)
    {
        runEQ();
        return;
    }

    if (onBypassState != stateFadingIn && onBypassState != stateFadingOut)
        return;

    float* const dry[] = { dryBufferL.get(), dryBufferR.get() };

    for (int ch = 0; ch < numChannels; ++ch)
        std::copy_n (channels[ch], numSamples, dry[ch]);

    runEQ();

    for (int i = 0; i < numSamples; ++i)
    {
        for (int ch = 0; ch < numChannels; ++ch)
            channels[ch][i] = wetGain * channels[ch][i] + dryGain * dry[ch][i];

        advanceCrossfade();
    }

    if (onBypassState == stateBypassed)
        resetBuffer();
}

void SevenBandModel::process (float* data, int numSamples)
{
    processChannels<1> (&data, numSamples);
}

void SevenBandModel::process (float* left, float* right, int numSamples)
{
    float* const channels[] = { left, right };
    processChannels<2> (channels, numSamples);
}
