// The shock response spectrum against the classic half-sine results (amplitude A,
// duration T, fed directly and finely sampled), then over every shape of the program.
#include "shock/response_spectrum.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "shock/model.h"
#include "shock/recompute.h"

namespace vib::shock {
namespace {

constexpr double kT = 0.010;  // 10 ms

std::vector<double> HalfSine(double dt) {
    std::vector<double> x;
    for (double t = dt; t < kT; t += dt) x.push_back(std::sin(std::numbers::pi * t / kT));
    return x;
}

// The largest maximax over fn x T in [lo, hi].
double PeakOver(double q, double lo, double hi) {
    const double dt = kT / 2000;
    const auto x = HalfSine(dt);
    double peak = 0;
    for (double ft = lo; ft <= hi; ft += 0.005)
        peak = std::max(peak, SdofResponse(x, dt, ft / kT, q).maximax);
    return peak;
}

TEST(ResponseSpectrum, ClassicHalfSineResults) {
    EXPECT_NEAR(PeakOver(10, 0.6, 1.0), 1.65, 0.0165);   // Q = 10, near fn T = 0.8
    EXPECT_NEAR(PeakOver(1e6, 0.6, 1.0), 1.77, 0.0177);  // no damping
    const double dt = kT / 2000;
    const auto x = HalfSine(dt);
    EXPECT_NEAR(SdofResponse(x, dt, 0.05 / kT, 10).maximax, 0.186, 0.00186);
    for (double ft : {12.0, 20.0, 50.0})
        EXPECT_NEAR(SdofResponse(x, dt, ft / kT, 10).maximax, 1.0, 0.01) << ft;
    // Between samples the input is a ramp, which the filter follows exactly: a triangle
    // sampled at its corners (2.5 samples per period at 400 Hz) gives what the same
    // triangle sampled 50 times finer gives, but for where the maxima are sampled.
    const std::vector<double> corners = {0.5, 1.0, 0.5};
    std::vector<double> fine;
    for (int i = 1; i <= 200; ++i) {
        const double t = i / 50.0;  // in coarse samples
        fine.push_back(t <= 2 ? 0.5 * t : std::max(0.0, 1.0 - 0.5 * (t - 2)));
    }
    for (double fn : {40.0, 400.0}) {
        const SdofPeaks a = SdofResponse(corners, 1e-3, fn, 10),
                        b = SdofResponse(fine, 2e-5, fn, 10);
        EXPECT_NEAR(a.positive, b.positive, 0.005 * b.positive) << fn;
        EXPECT_NEAR(a.negative, b.negative, 0.005 * b.negative) << fn;
    }
}

TEST(ResponseSpectrum, EveryShapeIsFiniteAndTheHalfSineMatchesItsIdealAboveFiveOverT) {
    for (int shape = 1; shape <= 9; ++shape) {
        ShockState s;
        InitDefaults(s);
        s.P[param::kShape] = float(shape);
        for (int i = 0; i < 1024; ++i) s.CustomWave[i] = std::sin(i * 0.05) * (i < 200);
        RecomputeAll(s);
        const ResponseSpectrum r = ComputeResponseSpectrum(s);
        ASSERT_EQ(r.freqHz.size(), 92u) << shape;  // 5.12 kHz: up to 1917.8 Hz
        EXPECT_NEAR(r.freqHz.back(), 1917.8, 0.1);
        double worst = 0;
        for (std::size_t k = 0; k < r.freqHz.size(); ++k) {
            for (double v : {r.maximaxG[k], r.positiveG[k], r.negativeG[k], r.idealMaximaxG[k]})
                ASSERT_TRUE(std::isfinite(v) && v >= 0) << shape;
            EXPECT_GT(r.maximaxG[k], 0) << shape;
            if (r.freqHz[k] > 5.0 / kT)
                worst = std::max(worst, std::fabs(r.maximaxG[k] / r.idealMaximaxG[k] - 1));
        }
        if (shape == 1) {
            EXPECT_LT(worst, 0.02);
        }
        std::printf("shape %d: largest test/ideal difference above 500 Hz %.2f %%\n", shape,
                    100 * worst);
    }
}

TEST(ResponseSpectrum, QComesFromEntry88) {
    ShockState s;
    InitDefaults(s);
    EXPECT_EQ(ResponseQ(s), 10);
    s.P[kResponseQ] = 25;
    EXPECT_EQ(ResponseQ(s), 25);
    s.P[kResponseQ] = 500;  // beyond what the command accepts: the default
    EXPECT_EQ(ResponseQ(s), 10);
}

}  // namespace
}  // namespace vib::shock
