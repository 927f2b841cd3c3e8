#include "random/spectrum.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <utility>

namespace vib::random {
namespace {

RandomState Defaults() {
    RandomState s;
    InitDefaults(s);
    return s;
}

void SetProfile(RandomState& s, std::initializer_list<std::pair<float, float>> points) {
    for (int k = 1; k <= 51; ++k) s.Freq[k] = s.Asd[k] = 0;
    int k = 1;
    for (auto [f, a] : points) {
        s.Freq[k] = f;
        s.Asd[k] = a;
        ++k;
    }
}

TEST(RandomResults, DefaultProfile) {
    RandomState s = Defaults();
    RecomputeModel(s);
    EXPECT_EQ(s.LineSpacing(), 5.0f);
    EXPECT_EQ(s.RangeFactor, 4.0f);
    EXPECT_EQ(s.StartLine, 2);
    EXPECT_NEAR(s.Gref, 8.00, 0.005);
    EXPECT_NEAR(s.Vref, 7.76, 0.005);
    EXPECT_NEAR(s.Dref, 64.9, 0.05);
}

TEST(RandomResults, FlatProfile) {
    RandomState s = Defaults();
    SetProfile(s, {{20, 0.04f}, {2000, 0.04f}});
    RecomputeModel(s);
    EXPECT_EQ(s.StartLine, 4);
    EXPECT_NEAR(s.Gref, std::sqrt(0.04 * 5 * 396), 1e-4);  // lines 4 to 399
    EXPECT_NEAR(s.Gref, 8.90, 0.005);
    EXPECT_NEAR(s.Vref, 8.75, 0.005);
    EXPECT_NEAR(s.Dref, 90.8, 0.05);
}

// A published figure for this profile: 6.06 G rms, whatever the resolution.
TEST(RandomResults, FourSegmentProfileAtEveryResolution) {
    for (float lines : {0.0f, 1.0f, 2.0f, 3.0f}) {
        RandomState s = Defaults();
        SetProfile(s, {{20, 0.01f}, {80, 0.04f}, {350, 0.04f}, {2000, 0.007f}});
        s.Params[prm::LinesIndex] = lines;
        RecomputeModel(s);
        EXPECT_NEAR(s.Gref, 6.06, 0.01) << "lines index " << lines;
    }
}

TEST(RandomSpectrum, LinesOnBreakpointsAndArrayBounds) {
    RandomState s = Defaults();
    RecomputeModel(s);
    // 100 Hz is line 20, an inner breakpoint: it takes that breakpoint's ASD.
    EXPECT_FLOAT_EQ(s.Spectrum[20], 100.0f * std::sqrt(0.1f));
    // 10 Hz, the first breakpoint, belongs to the first segment.
    EXPECT_FLOAT_EQ(s.Spectrum[2], 100.0f * std::sqrt(0.001f));
    // 2000 Hz, the last breakpoint, belongs to no segment.
    EXPECT_EQ(s.Spectrum[400], 1e-6f);
    EXPECT_EQ(s.LineAbortDb[400], 0.0f);
    EXPECT_EQ(s.Spectrum[0], 1e-6f);
    EXPECT_EQ(s.Spectrum[1], 1e-6f);
    for (int i = 401; i <= 511; ++i) ASSERT_EQ(s.Spectrum[i], 1e-6f) << i;
    EXPECT_EQ(s.Spectrum[512], 0.0f);
    EXPECT_EQ(s.Spectrum.size(), 513u);
}

TEST(RandomSpectrum, LineFourHundredIsComputedButCountsForNothing) {
    RandomState s = Defaults();
    SetProfile(s, {{20, 0.04f}, {2010, 0.04f}});
    RecomputeModel(s);
    EXPECT_FLOAT_EQ(s.Spectrum[400], 20.0f);
    const float withLine = s.Gref;
    s.Spectrum[400] = 1e6f;
    ComputeResults(s);
    EXPECT_EQ(s.Gref, withLine);
}

TEST(RandomSpectrum, AbortLimitOfTheSegmentsStart) {
    RandomState s = Defaults();
    s.AbortDb[1] = 3;
    s.AbortDb[2] = 4.5f;
    s.AbortDb[3] = 9;
    RecomputeModel(s);
    EXPECT_EQ(s.LineAbortDb[1], 0.0f);    // below the profile
    EXPECT_EQ(s.LineAbortDb[2], 3.0f);    // 10 Hz
    EXPECT_EQ(s.LineAbortDb[19], 3.0f);   // 95 Hz
    EXPECT_EQ(s.LineAbortDb[20], 4.5f);   // 100 Hz
    EXPECT_EQ(s.LineAbortDb[100], 9.0f);  // 500 Hz
    EXPECT_EQ(s.LineAbortDb[450], 0.0f);
}

TEST(RandomSpectrum, OneBreakpointGivesTheFloor) {
    RandomState s = Defaults();
    s.Freq[2] = 0;
    RecomputeModel(s);
    for (int i = 0; i < 512; ++i) ASSERT_EQ(s.Spectrum[i], 1e-6f);
    EXPECT_NEAR(s.Gref, 4.5e-7, 0.05e-7);
}

TEST(RandomSpectrum, MetricWithoutConversionScalesBy0102) {
    RandomState english = Defaults();
    RecomputeModel(english);
    RandomState metric = Defaults();
    metric.Params[prm::UnitsIndex] = 1;
    RecomputeModel(metric);
    EXPECT_NEAR(metric.Gref / english.Gref, 0.102, 1e-5);
    EXPECT_NEAR(metric.Vref / english.Vref, 0.102, 1e-5);
    EXPECT_NEAR(metric.Dref / english.Dref, 0.102, 1e-5);
    EXPECT_EQ(metric.Spectrum[450], 1e-6f * 0.102f);
    // With the levels converted (x 96.16) the results agree within 0.05 %.
    for (int k = 0; k < 65; ++k) metric.Asd[k] = float(metric.Asd[k] * 96.16);
    RecomputeModel(metric);
    EXPECT_NEAR(metric.Gref / english.Gref, 1.0, 0.0005);
}

TEST(RandomSpectrum, RangesAndLaterSegmentsWin) {
    RandomState s = Defaults();
    s.Params[prm::RangeIndex] = 0;  // 250 Hz
    s.Params[prm::LinesIndex] = 3;  // 1600 lines
    RecomputeModel(s);
    EXPECT_EQ(s.RangeFactor, 0.5f);
    EXPECT_EQ(s.LineSpacing(), 0.15625f);
    EXPECT_EQ(s.StartLine, 64);  // 10 / 0.15625 = 64 exactly

    RandomState t = Defaults();
    SetProfile(t, {{20, 0.01f}, {200, 0.01f}, {100, 0.04f}, {300, 0.04f}});
    RecomputeModel(t);
    // 150 Hz lies in both the first and the last segment; the last one wins.
    EXPECT_FLOAT_EQ(t.Spectrum[30], 20.0f);
    // 110 Hz: in the first and in the third, which ascends; the third wins too.
    EXPECT_FLOAT_EQ(t.Spectrum[22], 20.0f);
}

TEST(RandomSpectrum, StartLineRoundsUp) {
    RandomState s = Defaults();
    s.Freq[1] = 12;  // 2.4 lines
    RecomputeModel(s);
    EXPECT_EQ(s.StartLine, 3);
    s.Freq[1] = 15;
    RecomputeModel(s);
    EXPECT_EQ(s.StartLine, 3);
    s.Freq[1] = 1e9f;  // would overflow a 16-bit line number
    RecomputeModel(s);
    EXPECT_EQ(s.StartLine, 32767);
}

// A breakpoint with a frequency or ASD of 0 or below, or not finite, leaves its segments
// uncovered: the results stay finite.
TEST(RandomSpectrum, UnusableBreakpointsCoverNoLine) {
    RandomState good = Defaults();
    RecomputeModel(good);
    const float bad[] = {-1.0f, 0.0f, std::numeric_limits<float>::infinity(), std::nanf("")};
    for (float v : bad) {
        for (bool onAsd : {false, true}) {
            RandomState s = Defaults();
            (onAsd ? s.Asd : s.Freq)[3] = v;
            if (!onAsd && v == 0.0f) continue;  // a frequency of 0 simply ends the profile
            RecomputeModel(s);
            EXPECT_TRUE(std::isfinite(s.Gref) && std::isfinite(s.Vref) && std::isfinite(s.Dref))
                << v << (onAsd ? " asd" : " freq");
            for (float x : s.Spectrum) ASSERT_TRUE(std::isfinite(x));
            // The first segment (10 to 100 Hz) is untouched; 100 Hz onwards is the floor.
            EXPECT_EQ(s.Spectrum[10], good.Spectrum[10]);
            EXPECT_EQ(s.Spectrum[50], 1e-6f);
            EXPECT_GT(s.Gref, 1.0f);
        }
    }
    RandomState s = Defaults();
    s.Asd[1] = 0;
    RecomputeModel(s);
    EXPECT_EQ(s.Spectrum[2], 1e-6f);
    EXPECT_TRUE(std::isfinite(s.Gref));
}

// The per-segment slope must give exactly what evaluating the written loop line by line
// gives; this reference is that loop.
void ReferenceSpectrum(RandomState& s) {
    s.RangeFactor = float(std::pow(2.0, double(s.Params[prm::RangeIndex]) - 1.0));
    const float df = float(double(s.BaseLineSpacing) * s.RangeFactor);
    s.Spectrum[0] = 1e-6f;
    for (int i = 1; i <= s.SpectrumSize - 1; ++i) {
        s.Spectrum[i] = 1e-6f;
        const float f = float(double(i) * df);
        for (int k = 1; k <= 50; ++k) {
            if (s.Freq[k + 1] == 0) break;
            if (s.Freq[k] <= f && f < s.Freq[k + 1]) {
                const float slope = float(std::log(double(s.Asd[k + 1]) / s.Asd[k]) /
                                          std::log(double(s.Freq[k + 1]) / s.Freq[k]));
                const float l = float(0.434 * std::log(double(f) / s.Freq[k]));
                s.Spectrum[i] =
                    float(100.0 * std::sqrt(std::pow(10.0, double(l) * slope) * s.Asd[k]));
                s.LineAbortDb[i] = s.AbortDb[k];
            }
        }
        if (i > s.LineCount) s.Spectrum[i] = 1e-6f;
        if (s.Params[prm::UnitsIndex] == 1) s.Spectrum[i] = float(s.Spectrum[i] * 0.102);
    }
}

TEST(RandomSpectrum, BitIdenticalToTheLineByLineLoop) {
    std::mt19937 rng(7);
    std::uniform_real_distribution<float> asd(1e-4f, 1.0f);
    for (int trial = 0; trial < 20; ++trial) {
        RandomState s = Defaults();
        s.Params[prm::LinesIndex] = float(trial % 4);
        s.Params[prm::RangeIndex] = float(trial % 5);
        s.Params[prm::UnitsIndex] = float(trial % 3);
        const int points = 2 + trial * 2;
        float f = 3.0f + trial;
        for (int k = 1; k <= points && k <= 51; ++k) {
            s.Freq[k] = f;
            s.Asd[k] = asd(rng);
            s.AbortDb[k] = float(k);
            f *= 1.0f + 3.0f / points;
        }
        // Frequencies out of order: overlapping segments, later ones winning.
        if (trial % 3 == 0) std::swap(s.Freq[2], s.Freq[std::min(points, 51) - 1]);
        RecomputeModel(s);
        RandomState ref = s;
        SetupLines(ref);
        ReferenceSpectrum(ref);
        ASSERT_EQ(s.Spectrum, ref.Spectrum) << trial;
        ASSERT_EQ(s.LineAbortDb, ref.LineAbortDb) << trial;
    }
}

}  // namespace
}  // namespace vib::random
