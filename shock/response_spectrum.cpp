#include "response_spectrum.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace vib::shock {

double ResponseQ(const ShockState& s) {
    const double q = s.P[kResponseQ];
    return std::isfinite(q) && q >= kMinQ && q <= kMaxQ ? q : kDefaultQ;
}

namespace {

// The filter run over several inputs of one length at once: their recursions are
// independent, so the processor overlaps them. Each runs until the last non-zero sample
// of any of them, then decays freely; a longer free decay never adds a larger peak.
template <std::size_t Count>
std::array<SdofPeaks, Count> Responses(const std::array<std::span<const double>, Count>& inputs,
                                       double dt, double fn, double q) {
    std::array<SdofPeaks, Count> peaks{};
    if (!(dt > 0) || !(fn > 0) || !(q > 0)) return peaks;
    // Sub-steps where the samples give fewer than 10 points per period.
    const int steps = std::max(1, static_cast<int>(std::ceil(10.0 * fn * dt - 1e-9)));
    const double h = dt / steps;
    const double zeta = 1.0 / (2.0 * q);
    const double omega = 2.0 * std::numbers::pi * fn;
    const double omegaD = omega * std::sqrt(std::max(0.0, 1.0 - zeta * zeta));
    const double e = std::exp(-zeta * omega * h);
    const double k = omegaD * h;
    const double c = e * std::cos(k), s = e * std::sin(k), sp = s / k;
    const double a1 = 2.0 * c, a2 = -e * e;
    const double b0 = 1.0 - sp, b1 = 2.0 * (sp - c), b2 = e * e - sp;

    std::array<double, Count> y1{}, y2{}, x1{}, x2{}, high{}, low{};
    auto step = [&](const std::array<double, Count>& x) {
        for (std::size_t n = 0; n < Count; ++n) {
            const double y = a1 * y1[n] + a2 * y2[n] + b0 * x[n] + b1 * x1[n] + b2 * x2[n];
            y2[n] = y1[n];
            y1[n] = y;
            x2[n] = x1[n];
            x1[n] = x[n];
            high[n] = std::max(high[n], y);
            low[n] = std::min(low[n], y);
        }
    };
    std::size_t end = 0;
    for (const auto& input : inputs) {
        std::size_t last = input.size();
        while (last > 0 && input[last - 1] == 0.0) --last;
        end = std::max(end, last);
    }
    std::array<double, Count> previous{}, x{};  // at rest before the first sample
    for (std::size_t i = 0; i < end; ++i) {
        std::array<double, Count> next{};
        for (std::size_t n = 0; n < Count; ++n) next[n] = i < inputs[n].size() ? inputs[n][i] : 0;
        for (int j = 1; j <= steps; ++j) {
            const double f = static_cast<double>(j) / steps;
            for (std::size_t n = 0; n < Count; ++n)
                x[n] = previous[n] + (next[n] - previous[n]) * f;
            step(x);
        }
        previous = next;
    }
    const double tail = std::max(1.5 / fn, 0.010);
    const auto tailSteps = static_cast<long>(std::ceil(tail / h)) + steps;
    for (long i = 0; i < tailSteps; ++i) {
        const double f = i < steps ? 1.0 - static_cast<double>(i + 1) / steps : 0.0;
        for (std::size_t n = 0; n < Count; ++n) x[n] = previous[n] * f;
        step(x);
    }
    for (std::size_t n = 0; n < Count; ++n) {
        peaks[n].positive = high[n];
        peaks[n].negative = -low[n];
        peaks[n].maximax = std::max(high[n], -low[n]);
    }
    return peaks;
}

}  // namespace

SdofPeaks SdofResponse(std::span<const double> input, double dt, double fn, double q) {
    return Responses<1>({input}, dt, fn, q)[0];
}

std::vector<double> NaturalFrequencies(double sampleRateHz) {
    std::vector<double> f;
    for (int k = 0; k <= 91; ++k) {
        const double fn = 10.0 * std::exp2(k / 12.0);
        if (fn > sampleRateHz / 2.0) break;
        f.push_back(fn);
    }
    return f;
}

namespace {

// The main pulse without its compensation: the frame's fourth duration for the standard
// shapes; the burst and the custom waveshape have none.
bool Compensated(const ShockState& s) {
    const auto shape = s.PulseShape();
    return shape && *shape != Shape::SineBurst && *shape != Shape::Custom;
}

}  // namespace

ResponseSpectrum ComputeResponseSpectrum(const ShockState& s) {
    ResponseSpectrum r;
    r.q = ResponseQ(s);
    const double rate = 1280.0 * s.RATEF;  // samples per second
    if (!(rate > 0) || !std::isfinite(rate)) return r;
    const double dt = 1.0 / rate;
    const double scale = s.Aeff / 80.0;
    std::vector<double> test(kLastSample), ideal(kLastSample);
    const double n = s.N;
    for (int i = 1; i <= kLastSample; ++i) {
        const double g = s.W[i] * scale;
        test[i - 1] = std::isfinite(g) ? g : 0.0;
        const bool main = !Compensated(s) || (i >= 4.0 * n && i < 5.0 * n);
        ideal[i - 1] = main ? test[i - 1] : 0.0;
    }
    r.freqHz = NaturalFrequencies(rate);
    for (double fn : r.freqHz) {
        const auto [t, i] = Responses<2>({test, ideal}, dt, fn, r.q);
        r.maximaxG.push_back(t.maximax);
        r.positiveG.push_back(t.positive);
        r.negativeG.push_back(t.negative);
        r.idealMaximaxG.push_back(i.maximax);
    }
    return r;
}

}  // namespace vib::shock
