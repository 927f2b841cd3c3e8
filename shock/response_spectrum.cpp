#include "response_spectrum.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vib::shock {

double ResponseQ(const ShockState& s) {
    const double q = s.P[kResponseQ];
    return std::isfinite(q) && q >= kMinQ && q <= kMaxQ ? q : kDefaultQ;
}

SdofPeaks SdofResponse(std::span<const double> input, double dt, double fn, double q) {
    SdofPeaks peaks;
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

    double y1 = 0, y2 = 0, x1 = 0, x2 = 0;
    auto step = [&](double x) {
        const double y = a1 * y1 + a2 * y2 + b0 * x + b1 * x1 + b2 * x2;
        y2 = y1;
        y1 = y;
        x2 = x1;
        x1 = x;
        peaks.positive = std::max(peaks.positive, y);
        peaks.negative = std::max(peaks.negative, -y);
    };
    // The input ends at its last non-zero sample; what follows is the free decay.
    std::size_t end = input.size();
    while (end > 0 && input[end - 1] == 0.0) --end;
    double previous = 0;  // at rest before the first sample
    for (std::size_t i = 0; i < end; ++i) {
        for (int j = 1; j <= steps; ++j)
            step(previous + (input[i] - previous) * (static_cast<double>(j) / steps));
        previous = input[i];
    }
    const double tail = std::max(1.5 / fn, 0.010);
    const auto tailSteps = static_cast<long>(std::ceil(tail / h)) + steps;
    for (long i = 0; i < tailSteps; ++i)
        step(i < steps ? previous * (1.0 - static_cast<double>(i + 1) / steps) : 0.0);
    peaks.maximax = std::max(peaks.positive, peaks.negative);
    return peaks;
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
        const SdofPeaks t = SdofResponse(test, dt, fn, r.q);
        r.maximaxG.push_back(t.maximax);
        r.positiveG.push_back(t.positive);
        r.negativeG.push_back(t.negative);
        r.idealMaximaxG.push_back(SdofResponse(ideal, dt, fn, r.q).maximax);
    }
    return r;
}

}  // namespace vib::shock
