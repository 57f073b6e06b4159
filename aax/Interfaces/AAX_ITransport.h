/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#pragma once

#include "AAX_Enums.h"

/** The host's transport: tempo, meter, play state and positions. */
class AAX_ITransport
{
public:
    virtual ~AAX_ITransport() = default;

    virtual AAX_Result GetCurrentTempo (double* bpm) const = 0;
    virtual AAX_Result GetCurrentMeter (int32_t* numerator, int32_t* denominator) const = 0;
    virtual AAX_Result IsTransportPlaying (bool* isPlaying) const = 0;
    virtual AAX_Result GetCurrentTickPosition (int64_t* ticks) const = 0;
    virtual AAX_Result GetCurrentLoopPosition (bool* looping, int64_t* startTick, int64_t* endTick) const = 0;
    virtual AAX_Result GetCurrentNativeSampleLocation (int64_t* sampleLocation) const = 0;
    virtual AAX_Result GetCustomTickPosition (int64_t* ticks, int64_t sampleLocation) const = 0;
    virtual AAX_Result GetBarBeatPosition (int32_t* bars, int32_t* beats, int64_t* displayTicks,
                                           int64_t sampleLocation) const = 0;
    virtual AAX_Result GetTicksPerQuarter (uint32_t* ticks) const = 0;
    virtual AAX_Result GetCurrentTicksPerBeat (uint32_t* ticks) const = 0;
    virtual AAX_Result GetTimelineSelectionStartPosition (int64_t* sampleLocation) const = 0;
    virtual AAX_Result GetTimeCodeInfo (AAX_EFrameRate* frameRate, int32_t* offset) const = 0;
    virtual AAX_Result GetFeetFramesInfo (AAX_EFeetFramesRate* rate, int64_t* offset) const = 0;
    virtual AAX_Result IsMetronomeEnabled (int32_t* enabled) const = 0;
    virtual AAX_Result GetHDTimeCodeInfo (AAX_EFrameRate* frameRate, int64_t* offset) const = 0;
};
