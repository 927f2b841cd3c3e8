#pragma once
// The results a test standard prints: the exact integrals of the log-log segments over
// the whole profile, beside the line sums (Gref, Vref, Dref) that the analysis lines
// give. The two differ by the lines' coarseness, most for velocity and displacement.

#include <optional>
#include <span>
#include <vector>

#include "model.h"

namespace vib::random {

struct Breakpoint {
    double freq = 0;  // Hz
    double asd = 0;   // in the profile's own unit
};

// Integral over [f1, f2] of A1 (f / f1)^b f^-n, b the segment's log-log exponent, in
// closed form: with r = f2 / f1 and x = (b + 1 - n) ln r it is
// A1 f1^(1-n) ln r expm1(x) / x, which stays exact as x nears 0. A segment that does not
// ascend, or has a frequency or level of 0 or below (or not finite), gives 0.
double SegmentIntegral(const Breakpoint& lo, const Breakpoint& hi, int n);

// The segment's slope in dB per octave: 10 log10(A2 / A1) / log2(f2 / f1); nothing for a
// segment that gives 0 above.
std::optional<double> SegmentSlopeDbPerOctave(const Breakpoint& lo, const Breakpoint& hi);

// English units whatever the profile's: G rms, in/s peak and mils peak-to-peak, the last
// two three-sigma, with the line sums' constants (61.45, 19 560, and 0.102 on the root of
// a Metric level).
struct ExactResults {
    double gref = 0, vref = 0, dref = 0;
};
ExactResults ExactIntegrals(std::span<const Breakpoint> points, bool metric);

// G rms of the mean square `integral` of a segment (or a sum of them), in G whatever the
// profile's units.
double GrmsOfIntegral(double integral, bool metric);

// The active profile's breakpoints (entries 1 up to the first zero frequency) in order.
std::vector<Breakpoint> ActiveProfile(const RandomState& s);

// ExactIntegrals of the active profile, not clipped to the analysis range.
ExactResults ExactResultsOf(const RandomState& s);

}  // namespace vib::random
