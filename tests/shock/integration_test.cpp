#include <cmath>

#include <gtest/gtest.h>

#include "shock/checks.h"
#include "shock/integration.h"
#include "shock/model.h"
#include "shock/recompute.h"
#include "shock/synthesis.h"

namespace vib::shock {
namespace {

ShockState Startup() {
    ShockState s;
    InitDefaults(s);
    RecomputePulse(s);
    return s;
}

TEST(ShockIntegration, SingleSampleIntegratesToARampOfDisplacement) {
    ShockState s;
    InitDefaults(s);
    s.RATEF = 4;  // step factor RATEF x 0.25 = 1
    s.Aeff = 10;
    s.W.fill(0.0f);
    s.W[1] = 80;
    RunTestPass(s);
    EXPECT_FLOAT_EQ(s.PeakAcc, 10.0f);
    EXPECT_FLOAT_EQ(s.PeakVel, 0.8f);
    EXPECT_NEAR(s.PeakDisp, 0.8 * 0.153 * 1023, 0.01);
    EXPECT_EQ(s.AccCur, 0.0f);
    EXPECT_FLOAT_EQ(s.VelCur, 0.8f);
}

TEST(ShockIntegration, SampleZeroAndLastSampleAreNotUsed) {
    ShockState s;
    InitDefaults(s);
    s.RATEF = 1;
    s.Aeff = 1;
    s.W.fill(0.0f);
    s.W[0] = 80;
    s.W[1024] = -80;
    RunTestPass(s);
    EXPECT_EQ(s.PeakAcc, 0.0f);
    EXPECT_EQ(s.PeakVel, 0.0f);
}

TEST(ShockIntegration, SteppedPassMatchesTheWholePassAndChainsSegments) {
    ShockState whole = Startup();
    ShockState stepped = whole;
    stepped.PeakAcc = stepped.PeakVel = stepped.PeakDisp = 99.0f;
    BeginTestPass(stepped);
    TestSegment last;
    for (int i = kFirstTestSample; i <= kLastTestSample; ++i) {
        const TestSegment seg = StepTestPass(stepped, i);
        EXPECT_EQ(seg.accPrev, last.accCur);
        EXPECT_EQ(seg.velPrev, last.velCur);
        EXPECT_EQ(seg.dispPrev, last.dispCur);
        last = seg;
    }
    EXPECT_EQ(stepped.PeakAcc, whole.PeakAcc);
    EXPECT_EQ(stepped.PeakVel, whole.PeakVel);
    EXPECT_EQ(stepped.PeakDisp, whole.PeakDisp);
    EXPECT_EQ(last.dispCur, whole.DispPrev);
}

TEST(ShockIntegration, StartUpPulseEndsNearlyAtRest) {
    const ShockState s = Startup();
    EXPECT_EQ(s.Aeff, 15.0f);
    EXPECT_NEAR(s.PeakAcc, 15 * 79.98 / 80, 0.001);
    EXPECT_GT(s.PeakVel, 0.0f);
    // The residual velocity is a small share of the peak.
    EXPECT_LT(std::fabs(s.VelPrev), 0.02 * s.PeakVel);
}

TEST(ShockIntegration, MetricAmplitudeIsConvertedToG) {
    ShockState s;
    InitDefaults(s);
    s.P[param::kUnits] = CodeOf(Units::Metric);
    s.P[param::kAmplitude] = 100;
    RecomputePulse(s);
    EXPECT_EQ(s.Aeff, static_cast<float>(100 * 0.102));
}

TEST(ShockIntegration, PolarityLeavesPeaksAlone) {
    ShockState a = Startup();
    ShockState b;
    InitDefaults(b);
    b.P[param::kPolarity] = 2;
    RecomputePulse(b);
    EXPECT_EQ(a.PeakAcc, b.PeakAcc);
    EXPECT_EQ(a.PeakVel, b.PeakVel);
    EXPECT_EQ(a.PeakDisp, b.PeakDisp);
}

ShockState WithPeaks(float units, float acc, float vel, float disp) {
    ShockState s;
    InitDefaults(s);
    s.P[param::kUnits] = units;
    s.P[param::kMaxD] = 100;
    s.P[param::kMaxV] = 100;
    s.P[param::kMaxA] = 100;
    s.PeakAcc = acc;
    s.PeakVel = vel;
    s.PeakDisp = disp;
    return s;
}

TEST(ShockChecks, EnglishComparesPeakToPeakDisplacementStrictly) {
    EXPECT_TRUE(CheckTestLimits(WithPeaks(CodeOf(Units::English), 100, 100, 50)).empty());
    EXPECT_EQ(CheckTestLimits(WithPeaks(CodeOf(Units::English), 100, 100, 50.01f)),
              std::vector<std::string>{" Test Displacement > System D Limit "});
    EXPECT_EQ(CheckTestLimits(WithPeaks(CodeOf(Units::English), 101, 101, 51)),
              (std::vector<std::string>{" Test Displacement > System D Limit ",
                                        " Test Velocity > System V Limit ",
                                        " Test Acceleration > System A Limit "}));
}

TEST(ShockChecks, MetricConvertsEachPeak) {
    // 11 G is 107.9 m/s^2; 40 in/s is 101.6 cm/s; 2000 mils is 101.6 mm.
    EXPECT_EQ(CheckTestLimits(WithPeaks(CodeOf(Units::Metric), 11, 1, 1)),
              std::vector<std::string>{" Test Acceleration > System A Limit "});
    EXPECT_EQ(CheckTestLimits(WithPeaks(CodeOf(Units::Metric), 1, 40, 1)),
              std::vector<std::string>{" Test Velocity > System V Limit "});
    EXPECT_EQ(CheckTestLimits(WithPeaks(CodeOf(Units::Metric), 1, 1, 2000)),
              std::vector<std::string>{" Test Displacement > System D Limit "});
    EXPECT_TRUE(CheckTestLimits(WithPeaks(CodeOf(Units::Metric), 10, 39, 1968)).empty());
}

TEST(ShockChecks, HybridComparesInMillimetresCentimetresAndG) {
    // The acceleration stays in G: 50 G is under a 100 G limit (it would not be in m/s^2).
    EXPECT_TRUE(CheckTestLimits(WithPeaks(CodeOf(Units::Hybrid), 50, 39, 1968)).empty());
    EXPECT_EQ(CheckTestLimits(WithPeaks(CodeOf(Units::Hybrid), 101, 40, 2000)),
              (std::vector<std::string>{" Test Displacement > System D Limit ",
                                        " Test Velocity > System V Limit ",
                                        " Test Acceleration > System A Limit "}));
}

TEST(ShockChecks, UnknownUnitsMakeNoTest) {
    EXPECT_TRUE(CheckTestLimits(WithPeaks(3, 1e6f, 1e6f, 1e6f)).empty());
}

}  // namespace
}  // namespace vib::shock
