#include "spectrum.h"

#include <cmath>
#include <vector>

#include "platform/numbers.h"

namespace vib::random {
namespace {

constexpr double kLogScale = 0.434;  // ln -> approximate log10, as the levels were always drawn
constexpr double kSpectrumScale = 100.0;
constexpr double kMetricFactor = 0.102;
constexpr double kPowerScale = 0.0001;
constexpr double kVelocityConstant = 0.6145;
constexpr double kDisplacementConstant = 195.6;
constexpr double kPeakFactor = 3.0;

bool Usable(float v) {
    return std::isfinite(v) && v > 0.0f;
}

// What a segment needs for every line it covers; the slope depends only on the segment,
// so it is computed once, with exactly the arithmetic a per-line evaluation would use.
struct Segment {
    float lo, hi, asdLo, slope, abortDb;
    bool valid;
};

}  // namespace

bool BreakpointUsable(const RandomState& s, int entry) {
    return Usable(s.Freq[entry]) && Usable(s.Asd[entry]);
}

int ActiveBreakpoints(const RandomState& s) {
    int count = 1;
    for (int k = 1; k <= kEditableEntries; ++k) {
        if (s.Freq[k + 1] == 0.0f) break;
        count = k + 1;
    }
    return count;
}

int FirstNotRising(const RandomState& s) {
    const int count = ActiveBreakpoints(s);
    for (int k = 2; k <= count; ++k)
        if (Usable(s.Freq[k - 1]) && Usable(s.Freq[k]) && !(s.Freq[k] > s.Freq[k - 1])) return k;
    return 0;
}

std::string NotRisingMessage(const RandomState& s) {
    const int k = FirstNotRising(s);
    if (k == 0) return {};
    auto point = [&s](int entry) {
        return std::to_string(entry) + " (" + FormatGeneral(s.Freq[entry]) + " Hz)";
    };
    return "Point " + point(k) + " does not rise above point " + point(k - 1) +
           ", so the results are not those of the profile as entered: enter the points in "
           "rising frequency.";
}

void ComputeSpectrum(RandomState& s) {
    s.RangeFactor = StoreSingle(std::pow(2.0, double(s.Param(prm::RangeIndex)) - 1.0));
    const float df = s.LineSpacing();

    Segment segs[kEditableEntries];
    int segCount = 0;
    for (int k = 1; k <= kEditableEntries; ++k) {
        if (s.Freq[k + 1] == 0.0f) break;
        Segment& g = segs[segCount++];
        g.lo = s.Freq[k];
        g.hi = s.Freq[k + 1];
        g.asdLo = s.Asd[k];
        g.abortDb = s.AbortDb[k];
        g.valid = BreakpointUsable(s, k) && BreakpointUsable(s, k + 1);
        g.slope = g.valid ? StoreSingle(std::log(double(s.Asd[k + 1]) / s.Asd[k]) /
                                        std::log(double(s.Freq[k + 1]) / s.Freq[k]))
                          : 0.0f;
    }

    // Which segment each line belongs to. Line frequencies grow with the line number, so a
    // segment covers one run of lines; walking the segments in order lets a later one
    // take over lines an earlier one also covers, as the line-by-line search would.
    const int last = s.SpectrumSize - 1;
    auto lineFreq = [df](int i) { return StoreSingle(double(i) * df); };
    auto firstLineAtOrAbove = [&](float bound) {
        double guess = std::ceil(double(bound) / df);
        int i = guess < 1.0 ? 1 : guess > last + 1.0 ? last + 1 : int(guess);
        while (i > 1 && lineFreq(i - 1) >= bound) --i;
        while (i <= last && lineFreq(i) < bound) ++i;
        return i;
    };
    std::vector<int> owner(static_cast<std::size_t>(last) + 1, -1);
    for (int g = 0; g < segCount; ++g) {
        if (!segs[g].valid) continue;
        const int begin = firstLineAtOrAbove(segs[g].lo);
        const int end = firstLineAtOrAbove(segs[g].hi);
        for (int i = begin; i < end; ++i) owner[i] = g;
    }

    const bool metric = s.UnitSystem() == Units::Metric;
    auto& lines = s.Spectrum;
    lines[0] = kSpectrumFloor;
    for (int i = 1; i <= last; ++i) {
        float value = kSpectrumFloor;
        if (owner[i] >= 0) {
            const Segment& seg = segs[owner[i]];
            if (i <= s.LineCount) {
                const float f = lineFreq(i);
                const float l = StoreSingle(kLogScale * std::log(double(f) / seg.lo));
                value = StoreSingle(kSpectrumScale *
                                    std::sqrt(std::pow(10.0, double(l) * seg.slope) * seg.asdLo));
            }
            s.LineAbortDb[i] = seg.abortDb;
        }
        if (metric) value = StoreSingle(value * kMetricFactor);
        lines[i] = value;
    }

    // First line at or above the lowest breakpoint, kept within the 16-bit range.
    const float x = StoreSingle(double(s.Freq[1]) / df);
    if (std::isfinite(x)) {
        const double whole = std::floor(double(x));
        double line = whole + (StoreSingle(whole) < x ? 1.0 : 0.0);
        s.StartLine = RoundToInt16(line);
    } else {
        s.StartLine = 0;
    }
}

void ComputeResults(RandomState& s) {
    float a = 0, v = 0, d = 0;
    const double rf = s.RangeFactor;
    const double bls = s.BaseLineSpacing;
    for (int k = 1; k <= s.LineCount - 1; ++k) {
        const double sk = s.Spectrum[k];
        const double fk = rf * bls * k;
        a = StoreSingle(a + sk * sk * (bls * kPowerScale * rf));
        const double g = std::sqrt(sk * sk * rf * bls);
        const double vel = g * kVelocityConstant / fk;
        const double disp = g * kDisplacementConstant / (fk * fk);
        v = StoreSingle(v + vel * vel);
        d = StoreSingle(d + disp * disp);
    }
    s.Gref = StoreSingle(std::sqrt(double(a)));
    s.Vref = StoreSingle(kPeakFactor * std::sqrt(double(v)));
    s.Dref = StoreSingle(kPeakFactor * std::sqrt(double(d)));
}

bool ResultsFinite(const RandomState& s) {
    const float df = s.LineSpacing();
    return std::isfinite(s.Gref) && std::isfinite(s.Vref) && std::isfinite(s.Dref) &&
           std::isfinite(df) && df > 0.0f;
}

void RecomputeModel(RandomState& s) {
    SetupLines(s);
    ComputeSpectrum(s);
    ComputeResults(s);
}

}  // namespace vib::random
