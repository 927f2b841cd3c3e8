#include <cmath>
#include <complex>
#include <random>
#include <vector>

#include <gtest/gtest.h>

#include "shock/model.h"
#include "shock/spectrum.h"
#include "shock/synthesis.h"

namespace vib::shock {
namespace {

// Sum of x(j) e^(+2 pi i j k / n), in long double.
std::vector<std::complex<long double>> DirectDft(const std::vector<std::complex<float>>& x) {
    const std::size_t n = x.size();
    std::vector<std::complex<long double>> out(n);
    const long double pi = std::acos(-1.0L);
    for (std::size_t k = 0; k < n; ++k) {
        std::complex<long double> sum = 0;
        for (std::size_t j = 0; j < n; ++j) {
            const long double a = 2 * pi * static_cast<long double>((j * k) % n) / n;
            sum += std::complex<long double>(x[j].real(), x[j].imag()) * std::polar(1.0L, a);
        }
        out[k] = sum;
    }
    return out;
}

TEST(ShockTransform, AgreesWithTheDirectSumWithPositiveSign) {
    std::mt19937 rng(7);
    std::uniform_real_distribution<float> dist(-1.0f, 1.0f);
    for (int n : {1, 2, 8, 64, 1024}) {
        std::vector<std::complex<float>> x(n);
        SampleArray re{}, im{};
        for (int k = 0; k < n; ++k) {
            x[k] = {dist(rng), dist(rng)};
            re[k + 1] = x[k].real();
            im[k + 1] = x[k].imag();
        }
        ASSERT_TRUE(TransformComplex(re, im, n));
        const auto expected = DirectDft(x);
        long double norm = 0, worst = 0;
        for (int k = 0; k < n; ++k) {
            norm += std::norm(expected[k]);
            const std::complex<long double> got(re[k + 1], im[k + 1]);
            worst = std::max(worst, std::abs(got - expected[k]));
        }
        EXPECT_LT(worst, 1e-5L * std::sqrt(norm)) << "n = " << n;
    }
}

TEST(ShockTransform, NegativeSignInvertsUpToScale) {
    std::vector<float> data(2 * 16 + 1);
    std::mt19937 rng(3);
    std::uniform_real_distribution<float> dist(-1.0f, 1.0f);
    for (std::size_t k = 1; k < data.size(); ++k) data[k] = dist(rng);
    const std::vector<float> original = data;
    ASSERT_TRUE(FftInPlace(data, 16, +1));
    ASSERT_TRUE(FftInPlace(data, 16, -1));
    for (std::size_t k = 1; k < data.size(); ++k) EXPECT_NEAR(data[k] / 16, original[k], 1e-5);
}

TEST(ShockTransform, RefusesSizesItCannotHold) {
    SampleArray re{}, im{};
    re[1] = 1;
    EXPECT_FALSE(TransformComplex(re, im, 2048));
    EXPECT_FALSE(TransformComplex(re, im, 48));
    EXPECT_FALSE(TransformComplex(re, im, 0));
    EXPECT_EQ(re[1], 1.0f);
    std::vector<float> shortData(16);
    EXPECT_FALSE(FftInPlace(shortData, 8, 1));
}

TEST(ShockSpectrum, AllZeroPulseGivesZeroBars) {
    ShockState s;
    InitDefaults(s);
    s.W.fill(0.0f);
    const BarValues bars = SpectrumPass(s);
    for (float b : bars) EXPECT_EQ(b, 0.0f);
    EXPECT_EQ(s.SrsValue, 0.0f);
}

TEST(ShockSpectrum, ImpulseWeightsEachBarByItsNumber) {
    // A single sample has a flat spectrum of 0.01 x 80; bar i multiplies it by 0.05 i.
    ShockState s;
    InitDefaults(s);
    s.W.fill(0.0f);
    s.W[1] = 80;
    s.W[0] = 1000;  // not part of the transform
    const BarValues bars = SpectrumPass(s);
    for (int i = 1; i <= kBars; ++i) EXPECT_NEAR(bars[i - 1], 0.8 * 0.05 * i, 1e-5) << i;
    EXPECT_EQ(s.SrsValue, bars[kBars - 1]);
    EXPECT_NEAR(s.SpecRe[1024], 0.8, 1e-6);
}

TEST(ShockSpectrum, BarsAreClampedAtOneHundred) {
    // A constant 10 x full scale puts 8192 into the zero-frequency bin, bar 1.
    ShockState s;
    InitDefaults(s);
    s.W.fill(800.0f);
    const BarValues bars = SpectrumPass(s);
    EXPECT_EQ(bars[0], 100.0f);
    EXPECT_NEAR(s.SpecRe[1], 8192.0, 0.01);
    EXPECT_LT(bars[1], 0.01f);
}

TEST(ShockSpectrum, StartUpPulseIsIndependentOfTheAmplitude) {
    ShockState a;
    InitDefaults(a);
    SynthesizePulse(a);
    ShockState b = a;
    b.P[param::kAmplitude] = 3;
    SynthesizePulse(b);
    const BarValues barsA = SpectrumPass(a);
    EXPECT_EQ(barsA, SpectrumPass(b));
    float peak = 0.0f;
    for (float v : barsA) {
        EXPECT_GE(v, 0.0f);
        EXPECT_LE(v, 100.0f);
        peak = std::max(peak, v);
    }
    EXPECT_GT(peak, 0.0f);
}

}  // namespace
}  // namespace vib::shock
