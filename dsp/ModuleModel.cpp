/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#include "ModuleModel.h"

#include <algorithm>
#include <cmath>

double sanitiseSampleRate (double rate) noexcept
{
    return (std::isfinite (rate) && rate > 0.0) ? rate : defaultSampleRate;
}

int rampLengthForSampleRate (double rate) noexcept
{
    rate = sanitiseSampleRate (rate);

    if (rate < 34050.0)  return 1024;
    if (rate < 68000.0)  return 2048;
    if (rate < 136000.0) return 4096;
    return 8192;
}

void DspBase::setSampleRate (float newSampleRate)
{
    sampleRate = (float) sanitiseSampleRate (newSampleRate);
}

float FxBase::getParameter (int index) const noexcept
{
    if (parameters == nullptr || index < 0 || index >= parameterNum)
        return 0.0f;

    return parameters[index];
}

void ModuleModel::processBlock (float* left, float* right, int numSamples)
{
    if (numSamples <= 0)
        return;

    switch (getInputsUsed())
    {
        case 2:
            process (left, right, numSamples);
            break;

        case 1:
            process (left, numSamples);
            std::copy (left, left + numSamples, right);
            break;

        default:
            break;
    }
}
