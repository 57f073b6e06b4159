/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#pragma once

#include <juce_audio_formats/juce_audio_formats.h>
#include <juce_audio_processors/juce_audio_processors.h>

#include <utility>
#include <vector>

// What the tests of built binaries in real hosts share: test signals in WAV
// files, and the same run on the processor itself to compare the host's with.

namespace vostrel::test
{
    /** Parameter values by parameter name, as hosts set them. */
    using Settings = std::vector<std::pair<juce::String, float>>;

    /** Every band and the output at 0 dB but the fourth band at +15 dB: 800 Hz,
        the centre of the "Guitar" model's fourth band, comes out 15 dB up. */
    extern const Settings fourthBandUp;

    /** Sets each named parameter of a processor as a host does, notifying it. */
    void applySettings (juce::AudioProcessor& processor, const Settings& settings);

    /** The processor's state after a program slot's side was made live and the
        settings made on it, as a host saves it in a session. */
    juce::MemoryBlock stateWithSlotSide (int program, int side, const Settings& settings);

    /** A stereo sine at 0.05 peak, the right channel one radian ahead. */
    juce::AudioBuffer<float> stereoSine (double frequency, double rate, int length);

    /** Writes 32-bit float samples; fails the test when it cannot. */
    void writeWav (const juce::File& file, const juce::AudioBuffer<float>& audio, double rate);

    /** The samples of a WAV file, or an empty buffer when it cannot be read. */
    juce::AudioBuffer<float> readWav (const juce::File& file);

    /** The input run through a fresh processor in blocks, with the settings made
        after prepareToPlay as a host makes them. */
    juce::AudioBuffer<float> runDirectly (const juce::AudioBuffer<float>& input, const Settings& settings,
                                          double rate, int blockSize);

    /** The largest difference between two buffers' samples from a sample on. */
    float largestDifferenceFrom (const juce::AudioBuffer<float>& a, const juce::AudioBuffer<float>& b, int from);

    /** The level of a channel of `out` against the same channel of `in` from a sample on, in dB. */
    double gainDbFrom (const juce::AudioBuffer<float>& out, const juce::AudioBuffer<float>& in, int from, int channel = 0);
}
