/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#pragma once

#include <juce_events/juce_events.h>

#include <cstdint>

/** The default sample rate every processing object starts with, and the one used
    in place of a rate that is not a positive finite number. */
constexpr double defaultSampleRate = 44100.0;

/** Returns the given rate, or defaultSampleRate when it is not finite or not positive. */
double sanitiseSampleRate (double sampleRate) noexcept;

/** Length in samples of every coefficient ramp, level ramp and crossfade at a rate:
    1024 below 34050 Hz, 2048 below 68000 Hz, 4096 below 136000 Hz, else 8192. */
int rampLengthForSampleRate (double sampleRate) noexcept;

//==============================================================================
/** Root of every signal-processing object: a sample rate, a static name and the
    reset/calculate operations.

    Threads: no object of this library locks or uses atomics. Every call to one
    object, setters and getters included, must come from one thread at a time,
    and its owner orders those threads: the processor makes them on the audio
    thread while processing runs, and elsewhere only while processing is
    suspended or being prepared. */
class DspBase
{
public:
    DspBase() noexcept = default;
    virtual ~DspBase() = default;

    /** Stores the rate (a rate that is not positive and finite counts as 44100 Hz). */
    virtual void setSampleRate (float newSampleRate);
    /** The stored sample rate in Hz. */
    virtual float getSampleRate() const noexcept { return sampleRate; }
    /** The object's name, never null. */
    virtual const char* getName() const noexcept { return name != nullptr ? name : ""; }
    /** Clears the signal memory, then the coefficients. */
    virtual void reset() { resetBuffer(); resetCoeffs(); }
    /** Clears the signal memory. */
    virtual void resetBuffer() {}
    /** Clears the signal memory; kept apart so that owners may defer it. */
    virtual void resetBufferASync() { resetBuffer(); }
    /** Clears the coefficients so that the next calculation takes its values at once. */
    virtual void resetCoeffs() {}
    /** Recalculates from the current settings. */
    virtual void calc() {}

    DspBase (const DspBase&) = delete;
    DspBase& operator= (const DspBase&) = delete;

protected:
    float sampleRate = (float) defaultSampleRate;
    const char* name = nullptr;
};

//==============================================================================
/** Base of the filter sections. */
class ModuleBase : public DspBase
{
};

/** Base of the effect branch. */
class FxModuleBase : public DspBase
{
public:
    FxModuleBase() noexcept { name = "FxModuleBase"; }
};

//==============================================================================
/** The parameter and buffer interface through which an owner drives an effect
    model without knowing which one it is. Values are normalised, 0 to 1. */
class FxBase : public FxModuleBase
{
public:
    /** Processes a mono block in place. */
    virtual void process (float* data, int numSamples) = 0;
    /** Processes a stereo block in place. */
    virtual void process (float* left, float* right, int numSamples) = 0;

    /** Stores a parameter value and what derives from it; recalculates nothing. */
    virtual void setParameter (int index, float value) = 0;
    /** Applies what setParameter stored for an index (starts the ramps). */
    virtual void calcParameter (int index) = 0;
    /** The default value of a parameter. */
    virtual float getDefaultParameter (int index) const = 0;
    /** The stored value of a parameter, or 0 when no values exist yet. */
    virtual float getParameter (int index) const noexcept;
    /** The stored values themselves. */
    virtual float* getAllParameters() noexcept { return parameters; }
    /** The name of a parameter, never null. */
    virtual const char* getParameterName (int index) const = 0;
    /** Number of parameters. */
    virtual int getParameterNum() const noexcept { return parameterNum; }

    /** Stores the expected block length and sizes the buffers for it. */
    virtual void setExpectedSampleFrame (int numSamples, bool reallocate) = 0;
    /** The block length the buffers are sized for. */
    virtual int getExpectedSampleFrame() const noexcept { return expectedSampleFrame; }
    /** Makes the internal buffers hold at least numSamples per channel and clears them. */
    virtual void changeBufferSize (int numSamples, bool reallocate) = 0;

    /** Stores a tempo. */
    virtual void setBpm (float newBpm) noexcept { bpm = newBpm; }
    /** The stored tempo. */
    virtual float getBpm() const noexcept { return bpm; }

    /** Re-derives everything from the stored values and the sample rate at once. */
    virtual void forceCalcParams() = 0;

    /** Block length the buffers are sized for; owners may write it directly. */
    int expectedSampleFrame = 0;

protected:
    FxBase() noexcept = default;

    float* parameters = nullptr;
    int32_t parameterNum = 0;
    float bpm = 120.0f;
};

//==============================================================================
/** An effect model with its routing and position tags. The ActionBroadcaster base
    lets a user interface listen to a model; nothing here sends through it. */
class ModuleModel : public FxBase,
                    public juce::ActionBroadcaster
{
public:
    void process (float*, int) override {}
    void process (float*, float*, int) override {}

    /** Number of input channels fed to processBlock (1 mono, 2 stereo). */
    virtual void setInputsUsed (int numInputs) noexcept { inputsUsed = numInputs; }
    virtual int getInputsUsed() const noexcept { return inputsUsed; }
    virtual void setOutputsUsed (int numOutputs) noexcept { outputsUsed = numOutputs; }
    virtual int getOutputsUsed() const noexcept { return outputsUsed; }
    /** Whether the model holds other models; none does. */
    virtual bool isContainer() const noexcept { return false; }
    virtual void setFloorId (int newFloorId) noexcept { floorId = newFloorId; }
    virtual int getFloorId() const noexcept { return floorId; }
    virtual void setColumn (int newColumn) noexcept { column = newColumn; }
    virtual int getColumn() const noexcept { return column; }
    virtual bool isUiNeedsUpdate() const noexcept { return uiNeedsUpdate; }
    virtual void requestUiNeedsUpdate() noexcept { uiNeedsUpdate = true; }
    virtual void clearUiNeedsUpdate() noexcept { uiNeedsUpdate = false; }

    /** Processes stereo when two inputs are used, or mono on the left channel and
        copies it to the right when one is; does nothing otherwise. */
    virtual void processBlock (float* left, float* right, int numSamples);

protected:
    ModuleModel() noexcept { name = "ModuleModel"; }

    bool uiNeedsUpdate = false;
    int32_t floorId = 0;
    int32_t column = 0;
    int32_t inputsUsed = 1;
    int32_t outputsUsed = 1;
};
