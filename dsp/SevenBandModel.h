/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#pragma once

#include "BiquadPeakEQ.h"

#include <juce_core/juce_core.h>

/** Indices of a seven-band model's parameters. */
enum ModelParameterIndex
{
    modelOnBypass = 0,
    modelFreqLevel1,
    modelFreqLevel2,
    modelFreqLevel3,
    modelFreqLevel4,
    modelFreqLevel5,
    modelFreqLevel6,
    modelFreqLevel7,
    modelLevel,
    numModelParameters
};

/** States of a model's own on/off crossfade. */
enum OnBypassState
{
    stateBypassed = 0,
    stateFadingIn,
    stateEngaged,
    stateFadingOut
};

/** What tells one seven-band model from another: its name, band frequencies and
    parameter names. */
struct SevenBandModelTable
{
    const char* name;
    float bandFrequencies[7]; ///< six peaking centres, then the shelf corner, in Hz
    const char* parameterNames[numModelParameters];
};

/** A seven-band graphic equalizer: six peaking sections and a high shelf in series,
    +-15 dB each, followed by a ramped output level of +-15 dB and wrapped in an
    on/off crossfade. The models differ only in their table. Like every object
    of this library, a model is used by one thread at a time (see DspBase): a
    band recalculated on one thread while another processes or resets the model
    can leave a section off its design, even unstable. */
class SevenBandModel : public ModuleModel
{
public:
    static constexpr float peakBandQ = 1.414f;
    static constexpr float shelfBandQ = 0.707f;
    static constexpr float onBypassFadeSeconds = 0.0045f;

    explicit SevenBandModel (const SevenBandModelTable& table);
    ~SevenBandModel() override;

    void setSampleRate (float newSampleRate) override;
    void resetBuffer() noexcept override;
    void resetCoeffs() noexcept override;
    void calc() override;

    void process (float* data, int numSamples) override;
    void process (float* left, float* right, int numSamples) override;

    void setParameter (int index, float value) override;
    void calcParameter (int index) override;
    float getDefaultParameter (int index) const override;
    const char* getParameterName (int index) const override;

    void setExpectedSampleFrame (int numSamples, bool reallocate) override;
    /** Grows both dry buffers when they hold fewer than numSamples (they never
        shrink, whatever reallocate says) and clears their first numSamples. */
    void changeBufferSize (int numSamples, bool reallocate) override;
    void forceCalcParams() override;

    /** Runs the equalizer and the output level on a mono block, in place. */
    void processEQ (float* data, int numSamples) noexcept;
    /** Runs the equalizer and the output level on a stereo block, in place. */
    void processEQ (float* left, float* right, int numSamples) noexcept;

    /** The band frequencies of this model, bands 1 to 7. */
    const float* getBandFrequencies() const noexcept { return table.bandFrequencies; }
    /** The section of band 1 to 7; a band outside that range gives the nearest one. */
    BiquadPeakEQ& getBand (int band) noexcept;

    /** The current state of the on/off crossfade. */
    int getOnBypassState() const noexcept { return onBypassState; }
    /** The output gain applied now, and the one being ramped to. */
    float getLevelCurrent() const noexcept { return levelCurrent; }
    float getLevelTarget() const noexcept { return levelTarget; }
    int getLevelRampLength() const noexcept { return levelRampLength; }
    int getFadeLength() const noexcept { return fadeLength; }
    float getWetGain() const noexcept { return wetGain; }
    /** Number of samples per channel the dry buffers can hold. */
    int getBufferCapacity() const noexcept { return bufferCapacity; }

private:
    /** Makes the dry buffers fit a block about to be processed. */
    void prepareForBlock (int numSamples);
    /** Advances the level ramp by one sample and returns the gain to apply. */
    float nextLevel() noexcept;
    /** Moves the on/off crossfade on by one sample. */
    void advanceCrossfade() noexcept;
    /** The stereo equalizer on a block; without ramping, no ramp is stepped. */
    template <bool ramping>
    void processStereo (BiquadPeakEQ::StereoRun (&runs)[7], float* left, float* right, int numSamples) noexcept;
    /** numFrames consecutive frames through every section, then the output level. */
    template <bool ramping, size_t numFrames>
    void processFrames (BiquadPeakEQ::StereoRun (&runs)[7], float* left, float* right) noexcept;
    template <int numChannels>
    void processChannels (float* const* channels, int numSamples);

    const SevenBandModelTable& table;

    BiquadPeakEQ peakFilters[6];
    BiquadHighShelfEQ shelfFilter;

    bool onBypass = false;
    bool lastOnBypass = false;
    float bandValues[7] = {};
    int32_t levelRampLength;
    float levelTarget = 0.0f;
    float levelCurrent = 0.0f;
    float levelStep = 0.0f;
    int32_t levelRampCount = 0;
    juce::HeapBlock<float> dryBufferL, dryBufferR;
    int bufferCapacity = 0;
    int32_t onBypassState = stateEngaged;
    int32_t fadeLength;
    float fadeStep;
    float wetGain = 1.0f;
    float dryGain = 0.0f;
};
