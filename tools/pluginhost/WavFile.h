/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#pragma once

#include <juce_audio_formats/juce_audio_formats.h>

/** Writes every channel and sample of audio to file as 32-bit WAV, replacing
    what was there; false when the file could not be written. The console hosts
    write their output this way, so that tests compare it with the processor's
    bit for bit. */
bool writeWavFile (const juce::File& file, const juce::AudioBuffer<float>& audio, double sampleRate);
