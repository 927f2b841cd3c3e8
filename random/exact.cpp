#include "exact.h"

#include <cmath>

#include "spectrum.h"

namespace vib::random {
namespace {

constexpr double kMetricFactor = 0.102;  // as the line sums convert a Metric root level
constexpr double kVelocity = 61.45;      // in/s per (G / Hz)
constexpr double kDisplacement = 19560;  // mils peak-to-peak per (G / Hz^2)
constexpr double kPeakFactor = 3.0;

bool Usable(double v) {
    return std::isfinite(v) && v > 0;
}

bool UsableSegment(const Breakpoint& lo, const Breakpoint& hi) {
    return Usable(lo.freq) && Usable(hi.freq) && Usable(lo.asd) && Usable(hi.asd) &&
           hi.freq > lo.freq;
}

}  // namespace

double SegmentIntegral(const Breakpoint& lo, const Breakpoint& hi, int n) {
    if (!UsableSegment(lo, hi)) return 0;
    const double lnR = std::log(hi.freq / lo.freq);
    const double b = std::log(hi.asd / lo.asd) / lnR;
    const double x = (b + 1 - n) * lnR;
    const double shape = x == 0 ? 1.0 : std::expm1(x) / x;
    return lo.asd * std::pow(lo.freq, 1 - n) * lnR * shape;
}

std::optional<double> SegmentSlopeDbPerOctave(const Breakpoint& lo, const Breakpoint& hi) {
    if (!UsableSegment(lo, hi)) return std::nullopt;
    return 10 * std::log10(hi.asd / lo.asd) / std::log2(hi.freq / lo.freq);
}

double GrmsOfIntegral(double integral, bool metric) {
    return std::sqrt(integral) * (metric ? kMetricFactor : 1.0);
}

ExactResults ExactIntegrals(std::span<const Breakpoint> points, bool metric) {
    double a = 0, v = 0, d = 0;
    for (std::size_t k = 1; k < points.size(); ++k) {
        a += SegmentIntegral(points[k - 1], points[k], 0);
        v += SegmentIntegral(points[k - 1], points[k], 2);
        d += SegmentIntegral(points[k - 1], points[k], 4);
    }
    return {GrmsOfIntegral(a, metric), kPeakFactor * kVelocity * GrmsOfIntegral(v, metric),
            kPeakFactor * kDisplacement * GrmsOfIntegral(d, metric)};
}

std::vector<Breakpoint> ActiveProfile(const RandomState& s) {
    std::vector<Breakpoint> points;
    const int count = ActiveBreakpoints(s);
    for (int k = 1; k <= count; ++k) points.push_back({s.Freq[k], s.Asd[k]});
    return points;
}

ExactResults ExactResultsOf(const RandomState& s) {
    return ExactIntegrals(ActiveProfile(s), s.UnitSystem() == Units::Metric);
}

}  // namespace vib::random
