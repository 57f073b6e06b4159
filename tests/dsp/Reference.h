/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#pragma once

// Independent reference for the equalizer's response: the textbook peaking and
// high-shelf biquads evaluated on the unit circle in double precision, a
// single-frequency DFT to measure a processed impulse response, and the Direct
// Form I recursion in the summation order the sections promise.

#include <cmath>
#include <complex>
#include <vector>

namespace reference
{
    using Complex = std::complex<double>;

    struct Biquad
    {
        double b0, b1, b2, a0, a1, a2;

        double magnitudeAt (double frequency, double sampleRate) const
        {
            const auto z1 = std::polar (1.0, -2.0 * M_PI * frequency / sampleRate);
            const auto z2 = z1 * z1;
            return std::abs ((b0 + b1 * z1 + b2 * z2) / (a0 + a1 * z1 + a2 * z2));
        }
    };

    inline Biquad peak (double gainDb, double q, double f0, double sampleRate)
    {
        const double A = std::pow (10.0, gainDb / 40.0);
        const double w0 = 2.0 * M_PI * f0 / sampleRate;
        const double s = std::sin (w0), c = std::cos (w0);
        const double alpha = s / (2.0 * q);
        return { 1 + alpha * A, -2 * c, 1 - alpha * A, 1 + alpha / A, -2 * c, 1 - alpha / A };
    }

    inline Biquad highShelf (double gainDb, double q, double f0, double sampleRate)
    {
        const double A = std::pow (10.0, gainDb / 40.0);
        const double w0 = 2.0 * M_PI * f0 / sampleRate;
        const double s = std::sin (w0), c = std::cos (w0);
        const double twoSqrtAAlpha = std::sqrt (A) * s / q;
        return { A * ((A + 1) + (A - 1) * c + twoSqrtAAlpha),
                 -2 * A * ((A - 1) + (A + 1) * c),
                 A * ((A + 1) + (A - 1) * c - twoSqrtAAlpha),
                 (A + 1) - (A - 1) * c + twoSqrtAAlpha,
                 2 * ((A - 1) - (A + 1) * c),
                 (A + 1) - (A - 1) * c - twoSqrtAAlpha };
    }

    /** Magnitude in dB of a signal's spectrum at one frequency. */
    inline double spectrumDb (const std::vector<float>& signal, double frequency, double sampleRate)
    {
        Complex sum;
        const double w = -2.0 * M_PI * frequency / sampleRate;

        for (size_t n = 0; n < signal.size(); ++n)
            sum += (double) signal[n] * std::polar (1.0, w * (double) n);

        return 20.0 * std::log10 (std::abs (sum));
    }

    inline double toDb (double gain) { return 20.0 * std::log10 (gain); }

    /** A signal filtered in Direct Form I with coefficients b0, b1, b2, a1, a2 already
        divided by a0, from silent history, each output summed in exactly this order:
        y = ((b0 x + b1 x1) + b2 x2) - a1 y1 - a2 y2. */
    inline std::vector<double> directFormOne (const double (&c)[5], const std::vector<double>& signal)
    {
        std::vector<double> out;
        double x1 = 0.0, x2 = 0.0, y1 = 0.0, y2 = 0.0;

        for (double x : signal)
        {
            const double b0x = c[0] * x, b1x1 = c[1] * x1, b2x2 = c[2] * x2, a1y1 = c[3] * y1, a2y2 = c[4] * y2;
            double y = b0x + b1x1;
            y = y + b2x2;
            y = y - a1y1;
            y = y - a2y2;
            out.push_back (y);
            x2 = x1;
            x1 = x;
            y2 = y1;
            y1 = y;
        }

        return out;
    }
}
