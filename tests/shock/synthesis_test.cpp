#include <cmath>

#include <gtest/gtest.h>

#include "shock/model.h"
#include "shock/synthesis.h"

namespace vib::shock {
namespace {

ShockState Startup() {
    ShockState s;
    InitDefaults(s);
    SynthesizePulse(s);
    return s;
}

ShockState WithShape(float shape) {
    ShockState s;
    InitDefaults(s);
    s.P[param::kShape] = shape;
    SynthesizePulse(s);
    return s;
}

TEST(ShockDefaults, StartUpValuesThatASavedProfileShows) {
    ShockState s;
    InitDefaults(s);
    EXPECT_EQ(s.P[1], 1);
    EXPECT_EQ(s.P[2], 15);
    EXPECT_EQ(s.P[3], 10);
    EXPECT_EQ(s.P[13], 3);
    EXPECT_EQ(s.P[21], 100);
    EXPECT_EQ(s.P[19], 1000);
    EXPECT_EQ(s.P[28], 9);
    EXPECT_EQ(s.P[29], 0.1f);
    EXPECT_EQ(s.P[35], 16.7f);
    EXPECT_EQ(s.P[36], 16.7f);
    EXPECT_EQ(s.P[38], 0.5f);
    EXPECT_EQ(s.P[52], 0.25f);
    EXPECT_EQ(s.P[74], 10);
    EXPECT_EQ(s.P[78], 1);
    EXPECT_EQ(s.P[79], 0);
    EXPECT_EQ(s.RATEF, 4);
    EXPECT_EQ(s.XScale, 1);
    EXPECT_EQ(s.YScale, 0.25f);
    EXPECT_EQ(s.BrandingMode, 9);
    EXPECT_EQ(s.PrintColorMode, 1);
    EXPECT_EQ(s.ProfileName, " DEFAULT PROFILE");
    EXPECT_EQ(s.TestTitle.substr(0, 11), std::string(10, ' ') + "R");
    EXPECT_EQ(s.TestTitle.size(), 10u + 31u + 38u);
}

TEST(ShockSynthesis, StartUpHalfSine) {
    const ShockState s = Startup();
    EXPECT_EQ(s.N, 51.2f);
    EXPECT_EQ(s.CompLevel, 0.167f);
    const auto& W = s.W;
    // Main pulse on 205..255.
    EXPECT_NEAR(W[205], 0.98, 0.005);
    EXPECT_NEAR(W[230], 79.98, 0.005);
    EXPECT_NEAR(W[255], 4.91, 0.005);
    // Pre-pulse bump, flattened at 80 x 0.167.
    EXPECT_NEAR(W[1], 4.91, 0.005);
    EXPECT_NEAR(W[2], 9.79, 0.005);
    for (int i = 3; i <= 48; ++i) EXPECT_FLOAT_EQ(W[i], 13.36f) << i;
    EXPECT_LT(W[49], 13.36f);
    EXPECT_NEAR(W[51], 0.98, 0.005);
    // Pre-pulse compensation 52..204.
    EXPECT_NEAR(W[52], -1.31, 0.005);
    EXPECT_FLOAT_EQ(W[120], -13.36f);
    // Post side mirrors it.
    EXPECT_EQ(W[256], 0.0f);
    EXPECT_FLOAT_EQ(W[300], -13.36f);
    EXPECT_GT(W[460], 0.0f);
    for (int i = 461; i <= kLastSample; ++i) EXPECT_EQ(W[i], 0.0f) << i;
    EXPECT_EQ(W[0], 0.0f);
}

TEST(ShockSynthesis, CompensationNearlyCancelsTheMainPulse) {
    const struct {
        float shape;
        double maxShare;
    } cases[] = {{CodeOf(Shape::HalfSine), 0.01},
                 {CodeOf(Shape::TerminalSawtooth), 0.035},
                 {CodeOf(Shape::InitialSawtooth), 0.035},
                 {CodeOf(Shape::Triangle), 0.035},
                 {CodeOf(Shape::Trapezoid), 0.035},
                 {CodeOf(Shape::QuarterSine), 0.035},
                 {CodeOf(Shape::Cusp), 0.035}};
    for (const auto& c : cases) {
        const ShockState s = WithShape(c.shape);
        double total = 0.0, main = 0.0;
        for (int i = 0; i <= kLastSample; ++i) {
            total += s.W[i];
            if (i >= 205 && i <= 255) main += s.W[i];
        }
        EXPECT_GT(main, 0.0);
        EXPECT_LT(std::fabs(total) / main, c.maxShare) << "shape " << c.shape;
    }
    // The trapezoid's compensation falls short by about 3 %.
    const ShockState t = WithShape(CodeOf(Shape::Trapezoid));
    double total = 0.0, main = 0.0;
    for (int i = 0; i <= kLastSample; ++i) {
        total += t.W[i];
        if (i >= 205 && i <= 255) main += t.W[i];
    }
    EXPECT_NEAR(total / main, 0.031, 0.004);
}

TEST(ShockSynthesis, AutomaticLevelByShape) {
    EXPECT_EQ(WithShape(CodeOf(Shape::QuarterSine)).CompLevel, 0.167f);
    EXPECT_EQ(WithShape(CodeOf(Shape::Trapezoid)).CompLevel, 0.2358f);
    EXPECT_EQ(WithShape(CodeOf(Shape::Cusp)).CompLevel, 0.085f);
    EXPECT_EQ(WithShape(CodeOf(Shape::Triangle)).CompLevel, 0.131f);
    EXPECT_EQ(WithShape(CodeOf(Shape::Custom)).CompLevel, 0.131f);
    EXPECT_FLOAT_EQ(WithShape(CodeOf(Shape::Triangle)).W[120], -80 * 0.131f);
}

TEST(ShockSynthesis, ManualLevelsPerSide) {
    ShockState s;
    InitDefaults(s);
    s.P[param::kCompMode] = 1;
    s.P[param::kPreLevel] = 10;
    s.P[param::kPostLevel] = 20;
    SynthesizePulse(s);
    for (int i = 10; i <= 40; ++i) EXPECT_FLOAT_EQ(s.W[i], 8.0f) << i;
    for (int i = 70; i <= 190; ++i) EXPECT_FLOAT_EQ(s.W[i], -8.0f) << i;
    for (int i = 275; i <= 390; ++i) EXPECT_FLOAT_EQ(s.W[i], -16.0f) << i;
    for (int i = 420; i <= 450; ++i) EXPECT_FLOAT_EQ(s.W[i], 16.0f) << i;
    // The main pulse is not limited.
    EXPECT_NEAR(s.W[230], 79.98, 0.005);
}

TEST(ShockSynthesis, OtherCompensationModeLimitsNothing) {
    ShockState s;
    InitDefaults(s);
    s.P[param::kCompMode] = 2;
    SynthesizePulse(s);
    EXPECT_NEAR(s.W[26], 80.0, 0.05);    // bump at its top
    EXPECT_NEAR(s.W[128], -80.0, 0.05);  // compensation at its deepest
}

TEST(ShockSynthesis, TriangleBreaksAtFourAndAHalfN) {
    const ShockState s = WithShape(CodeOf(Shape::Triangle));
    // Rise 205..230 (4.5 N = 230.4), fall 231..255.
    EXPECT_NEAR(s.W[230], 80.0 * 2 * (230 - 204.8) / 51.2, 1e-3);
    EXPECT_NEAR(s.W[231], 80.0 * 2 * (256 - 231) / 51.2, 1e-3);
    EXPECT_LT(s.W[229], s.W[230]);
    EXPECT_GT(s.W[231], s.W[232]);
}

TEST(ShockSynthesis, TrapezoidBreaks) {
    const ShockState s = WithShape(CodeOf(Shape::Trapezoid));
    // 4.1 N = 209.92, 4.9 N = 250.88.
    EXPECT_NEAR(s.W[209], 80.0 * 10 * (209 - 204.8) / 51.2, 1e-3);
    for (int i = 210; i <= 250; ++i) EXPECT_EQ(s.W[i], 80.0f) << i;
    EXPECT_NEAR(s.W[251], 80.0 * 10 * (256 - 251) / 51.2, 1e-3);
}

TEST(ShockSynthesis, WholeMultipleBoundariesAreRoundedToSingle) {
    // N is 51.20000076 as a float; 5 N is 256.0000038 in double but 256 in single, so
    // sample 256 already belongs to the post-pulse side and starts it at exactly 0
    // (in double it would be the main pulse's last, non-zero sample).
    const ShockState s = Startup();
    EXPECT_GT(5.0 * s.N, 256.0);
    EXPECT_EQ(s.W[256], 0.0f);
    EXPECT_GT(s.W[255], 0.0f);
}

TEST(ShockSynthesis, SineBurstHasNoCompensation) {
    const ShockState s = WithShape(CodeOf(Shape::SineBurst));
    EXPECT_EQ(s.CompLevel, 0.131f);
    for (int i = 410; i <= kLastSample; ++i) EXPECT_EQ(s.W[i], 0.0f) << i;
    EXPECT_NE(s.W[409], 0.0f);
    // Largest near the window's middle, unclipped.
    float peak = 0.0f;
    for (float w : s.W) peak = std::max(peak, std::fabs(w));
    EXPECT_GT(peak, 75.0f);
    EXPECT_EQ(s.W[0], 0.0f);
}

TEST(ShockSynthesis, CustomShapeFillsTheWholeArray) {
    ShockState s;
    InitDefaults(s);
    for (int j = 0; j < kWaveValues; ++j) s.CustomWave[j] = 1.0f;
    s.P[param::kShape] = CodeOf(Shape::Custom);
    s.P[param::kCompMode] = 1;
    s.P[param::kDurationMs] = 2;
    SynthesizePulse(s);
    for (int i = 0; i < kWaveValues; ++i) ASSERT_EQ(s.W[i], 80.0f) << i;
    EXPECT_EQ(s.W[1024], 0.0f);
}

TEST(ShockSynthesis, LongPulseCutsOffThePostBump) {
    ShockState s;
    InitDefaults(s);
    s.P[param::kDurationMs] = 100;
    s.P[param::kRateIndex] = 1;
    SynthesizePulse(s);
    EXPECT_EQ(s.RATEF, 1);
    EXPECT_EQ(s.N, 128);
    // Post compensation 640..1023, the bump starts at 1024 with 0.
    EXPECT_NEAR(s.W[1023], -80 * std::sin(383 * 1.0472 / 128), 1e-4);
    EXPECT_FLOAT_EQ(s.W[900], -13.36f);
    EXPECT_NEAR(s.W[641], -80 * std::sin(1.0472 / 128), 1e-4);
    EXPECT_EQ(s.W[1024], 0.0f);
}

TEST(ShockSynthesis, PolarityDoesNotChangeThePulse) {
    ShockState a = Startup();
    ShockState b;
    InitDefaults(b);
    b.P[param::kPolarity] = 2;
    SynthesizePulse(b);
    EXPECT_EQ(a.W, b.W);
}

TEST(ShockSynthesis, EachSynthesisStartsFromSilence) {
    // A shape code the commands never set writes no main pulse; neither it nor sample 0
    // may keep, and rescale, what the previous synthesis left.
    ShockState s = WithShape(CodeOf(Shape::Custom));
    s.CustomWave.fill(0.5f);
    SynthesizePulse(s);
    EXPECT_EQ(s.W[0], 40.0f);
    s.P[param::kShape] = 12;
    s.P[param::kCompMode] = 3;  // limits nothing either
    for (int run = 0; run < 3; ++run) SynthesizePulse(s);
    EXPECT_EQ(s.W[0], 0.0f);
    for (int i = 205; i <= 255; ++i) EXPECT_EQ(s.W[i], 0.0f) << i;
    EXPECT_NEAR(s.W[26], 80.0, 0.05);  // the bumps are still built

    // Shapes 1 to 9 give the same samples 1..1024 whatever ran before.
    ShockState fresh = WithShape(CodeOf(Shape::Triangle));
    s.P = fresh.P;
    SynthesizePulse(s);
    EXPECT_EQ(s.W, fresh.W);
}

}  // namespace
}  // namespace vib::shock
