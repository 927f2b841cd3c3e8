#pragma once
// The frequency-weighted spectrum of the pulse: a 1024-point transform of W and the
// value of each of the 400 bars. The plot turns the values into bar positions.

#include <array>
#include <span>

#include "state.h"

namespace vib::shock {

// In-place radix-2 complex transform of n points held interleaved in data[1..2n]
// (data[2k-1] real, data[2k] imaginary; data[0] unused). n a power of two, sign +1 or -1
// (exponent sign); no normalisation. Returns false, touching nothing, if n is not a power
// of two or data is too short.
bool FftInPlace(std::span<float> data, int n, int sign);

// Transforms re[1..n], im[1..n] (index 0 unused) with sign +1 through the interleaved
// work array; n at most 1024. Returns false, touching nothing, for any other n.
bool TransformComplex(std::span<float> re, std::span<float> im, int n);

using BarValues = std::array<float, kBars>;  // element b-1 is bar b

// Every bar's value after its clamp to 0..100, from SpecRe/SpecIm as they stand.
BarValues BarValuesOf(const ShockState& s);

// The spectrum pass: fills SpecRe/SpecIm from W, transforms them and returns every bar's
// value after its clamp to 0..100. SrsValue is left holding the last bar.
BarValues SpectrumPass(ShockState& s);

}  // namespace vib::shock
