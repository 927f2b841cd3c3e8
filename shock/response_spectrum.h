#pragma once
// The shock response spectrum test standards mean: the peak absolute acceleration of a
// single-degree-of-freedom oscillator (natural frequency fn, quality factor Q) whose base
// is driven by the pulse, over a range of fn. The maximax and both sides, for the test
// pulse (compensation included) and for the ideal pulse, to show what compensation does.

#include <span>
#include <vector>

#include "state.h"

namespace vib::shock {

// Parameter entry 88, which the original layout leaves at 0: the oscillator's Q; 0 reads
// as 10.
inline constexpr int kResponseQ = 88;
inline constexpr double kDefaultQ = 10.0;
inline constexpr double kMinQ = 0.5, kMaxQ = 100.0;
double ResponseQ(const ShockState& s);

struct SdofPeaks {
    double maximax = 0, positive = 0, negative = 0;  // negative as a magnitude
};
// The response to `input` sampled every `dt` seconds, from rest, linear between samples
// (Smallwood's ramp-invariant filter, exact for such an input), with at least 10 points
// per natural period and a free decay of at least 1.5 periods and 10 ms after the input.
SdofPeaks SdofResponse(std::span<const double> input, double dt, double fn, double q);

// 10 x 2^(k/12) Hz for k = 0, 1, ... up to 1917.8 Hz (k = 91) or half the sample rate.
std::vector<double> NaturalFrequencies(double sampleRateHz);

struct ResponseSpectrum {
    double q = kDefaultQ;
    std::vector<double> freqHz, maximaxG, positiveG, negativeG, idealMaximaxG;
    friend bool operator==(const ResponseSpectrum&, const ResponseSpectrum&) = default;
};
// Both spectra of the synthesised state (RATEF, W and Aeff as a recompute leaves them).
ResponseSpectrum ComputeResponseSpectrum(const ShockState& s);

}  // namespace vib::shock
