#include <algorithm>
#include <cmath>

#include <gtest/gtest.h>

#include "shock/integration.h"
#include "shock/model.h"
#include "shock/plot.h"
#include "shock/recompute.h"
#include "shock/view.h"
#include "support/recording_canvas.h"

namespace vib::shock {
namespace {

using testing::RecordingCanvas;
constexpr double kW = 7000, kH = 4455;  // the picture's design size

ShockState StartUp() {
    ShockState s;
    InitDefaults(s);
    RecomputePulse(s);
    return s;
}

TEST(ShockGrid, LinesAndTicksStandWhereTheAxesNeedThem) {
    const auto g = GridSegments({kW, kH});
    ASSERT_EQ(g.size(), 10u + 20u + 10u + 49u);
    const struct {
        std::size_t index;
        Segment expected;
    } table[] = {
        {0, {0, kH, kW, kH}},              // bottom line
        {9, {0, 0.1 * kH, kW, 0.1 * kH}},  // top line one division down
        {10, {0, kH, 0.015 * kW, kH}},     // first left tick
        {29, {0, 0.05 * kH, 0.015 * kW, 0.05 * kH}},
        {30, {0.1 * kW, 0, 0.1 * kW, kH}},  // first vertical line
        {39, {kW, 0, kW, kH}},              // right edge
        {40, {0.02 * kW, 0.965 * kH, 0.02 * kW, kH}},
        {88, {0.98 * kW, 0.965 * kH, 0.98 * kW, kH}},
    };
    for (const auto& row : table) {
        const Segment& s = g[row.index];
        EXPECT_NEAR(s.x1, row.expected.x1, 1e-9) << row.index;
        EXPECT_NEAR(s.y1, row.expected.y1, 1e-9) << row.index;
        EXPECT_NEAR(s.x2, row.expected.x2, 1e-9) << row.index;
        EXPECT_NEAR(s.y2, row.expected.y2, 1e-9) << row.index;
    }
}

TEST(ShockTestPass, DrawsTheIntegratorsOwnValuesAndLeavesItsPeaks) {
    ShockState s = StartUp();
    ShockState stepped = s;
    RecordingCanvas c(kW, kH);
    EXPECT_TRUE(DrawTestProfilePass(s, c).empty());

    const auto acc = c.LinesIn(kAccColor), vel = c.LinesIn(kVelColor),
               disp = c.LinesIn(ConsoleColor(13));
    ASSERT_EQ(acc.size(), 1023u);
    ASSERT_EQ(vel.size(), 1023u);
    ASSERT_EQ(disp.size(), 1023u);
    BeginTestPass(stepped);
    for (int i = 1; i <= 1023; ++i) {
        const TestSegment seg = StepTestPass(stepped, i);
        const double x1 = i * 0.00783 * kW / 4.0;  // XScale 1, RATEF 4
        ASSERT_NEAR(acc[i - 1].x2, x1, 1e-6);
        ASSERT_NEAR(acc[i - 1].y1, (0.5 - seg.accPrev * 0.02) * kH, 1e-6);
        ASSERT_NEAR(vel[i - 1].y2, (0.5 - seg.velCur * 0.02) * kH, 1e-6);
        ASSERT_NEAR(disp[i - 1].y2, (0.5 - seg.dispCur * 0.002) * kH, 1e-6);
    }
    EXPECT_EQ(s.PeakAcc, stepped.PeakAcc);
    EXPECT_EQ(s.PeakDisp, stepped.PeakDisp);
    // The 15 G crest stands at 30 % of the height at YScale 0.25.
    const auto top =
        std::min_element(acc.begin(), acc.end(), [](auto& a, auto& b) { return a.y2 < b.y2; });
    EXPECT_NEAR(top->y2, 0.2 * kH, 0.5);
    ASSERT_NE(c.FindText(kTestTitle), nullptr);
    EXPECT_EQ(s.PlotTitle, kTestTitle);
}

TEST(ShockTestPass, HiddenTracesAndTheDisplacementColourInEveryUnitSystem) {
    for (float units : {CodeOf(Units::English), CodeOf(Units::Metric), CodeOf(Units::Hybrid)}) {
        ShockState s = StartUp();
        ToggleTrace(s, kAccShown);
        s.P[param::kUnits] = units;
        RecordingCanvas c(kW, kH);
        DrawTestProfilePass(s, c);
        EXPECT_EQ(c.CountIn(kAccColor), 0u);
        EXPECT_EQ(c.CountIn(kVelColor), 1023u);
        EXPECT_EQ(c.CountIn(ConsoleColor(13)), 1023u) << units;
        EXPECT_NE(s.PeakAcc, 0.0f);  // the peaks do not depend on what is shown
        // Only the title of the trace takes colour 5 under Metric and Hybrid.
        RecordingCanvas titles(kW, kH);
        DrawValueAxisLabels(s, titles, '.');
        EXPECT_EQ(titles.texts[2].color, ConsoleColor(units == CodeOf(Units::English) ? 13 : 5));
    }
}

TEST(ShockTestPass, NegativePolarityDrawsTheTestInvertedInsideItsBand) {
    ShockState positive = StartUp();
    positive.P[param::kMaxV] = 1;
    ShockState negative = positive;
    negative.P[param::kPolarity] = 2;
    RecordingCanvas up(kW, kH), down(kW, kH);
    const auto upWarnings = DrawTestProfilePass(positive, up);
    EXPECT_EQ(DrawTestProfilePass(negative, down), upWarnings);
    ASSERT_EQ(down.lines.size(), up.lines.size());
    const double zero = 0.5 * kH;
    for (std::size_t n = 0; n < up.lines.size(); ++n)
        ASSERT_NEAR(down.lines[n].y2 - zero, zero - up.lines[n].y2, 1e-6) << n;
    EXPECT_EQ(negative.PeakAcc, positive.PeakAcc);
    EXPECT_EQ(negative.PeakVel, positive.PeakVel);
    EXPECT_EQ(negative.PeakDisp, positive.PeakDisp);

    // Each band line is the acceleration trace scaled by k or 1/k about the zero line.
    RecordingCanvas band(kW, kH);
    DrawAbortBandPass(negative, band);
    const auto acc = down.LinesIn(kAccColor);
    const double k = BandFactor(6), step = 0.00783 * kW / 4.0;
    for (std::size_t j = 0; j < band.lines.size(); j += 2) {
        const auto& trace = acc[static_cast<std::size_t>(std::lround(band.lines[j].x2 / step)) - 1];
        EXPECT_NEAR(band.lines[j].y2 - zero, k * (trace.y2 - zero), 1e-6);
        EXPECT_NEAR(band.lines[j + 1].y2 - zero, (trace.y2 - zero) / k, 1e-6);
    }
}

TEST(ShockTestPass, APeakEqualToItsLimitRaisesNoWarning) {
    ShockState s = StartUp();
    RecordingCanvas c(kW, kH);
    DrawTestProfilePass(s, c);
    s.P[param::kMaxA] = s.PeakAcc;
    EXPECT_TRUE(DrawTestProfilePass(s, c).empty());
    s.P[param::kMaxA] = std::nextafter(s.PeakAcc, 0.0f);
    EXPECT_EQ(DrawTestProfilePass(s, c),
              std::vector<std::string>{" Test Acceleration > System A Limit "});
}

TEST(ShockAbortBand, SpansTheMainPulseOnlyAtKTimesAndOneOverK) {
    ShockState s = StartUp();  // N = 51.2: samples 205 .. 256
    RecordingCanvas c(kW, kH);
    DrawAbortBandPass(s, c);
    const auto band = c.LinesIn(ConsoleColor(15));
    ASSERT_EQ(band.size(), 2u * 52u);
    EXPECT_NEAR(band.front().x2, 205 * 0.00783 * kW / 4.0, 1e-6);
    EXPECT_NEAR(band.back().x2, 256 * 0.00783 * kW / 4.0, 1e-6);
    EXPECT_NEAR(BandFactor(6), 1.99372, 1e-5);
    const double k = BandFactor(6), zero = 0.5 * kH;
    for (std::size_t j = 0; j < band.size(); j += 2)
        EXPECT_NEAR((band[j].y2 - zero) / k, (band[j + 1].y2 - zero) * k, 1e-6);

    // Negative polarity mirrors the band about the zero line.
    s.P[param::kPolarity] = 2;
    RecordingCanvas mirrored(kW, kH);
    DrawAbortBandPass(s, mirrored);
    for (std::size_t j = 0; j < band.size(); ++j)
        EXPECT_NEAR(mirrored.lines[j].y2 - zero, zero - band[j].y2, 1e-6);

    // On the white background the band is black.
    SetPlotBackground(s, true);
    RecordingCanvas white(kW, kH);
    DrawAbortBandPass(s, white);
    EXPECT_EQ(white.CountIn(ConsoleColor(0)), band.size());

    // 0 dB: both lines on the trace.
    s.P[param::kAbortDb] = 0;
    RecordingCanvas flat(kW, kH);
    DrawAbortBandPass(s, flat);
    EXPECT_EQ(flat.lines[0].y2, flat.lines[1].y2);
}

TEST(ShockAbortBand, StartsFromTheAccelerationThePreviousPassLeft) {
    ShockState s = StartUp();
    s.N = 0.25f;  // a span holding sample 1 only
    s.AccPrev = 10.0f;
    RecordingCanvas c(kW, kH);
    DrawAbortBandPass(s, c);
    ASSERT_EQ(c.lines.size(), 2u);
    const double y0 = (0.5 - 10.0 * 0.02) * kH, zero = 0.5 * kH;
    EXPECT_NEAR(c.lines[0].y1, zero + BandFactor(6) * (y0 - zero), 1e-6);
    EXPECT_EQ(s.AccPrev, s.AccCur);
}

TEST(ShockSpectrumBars, AZeroPulseGivesFourHundredFlatBars) {
    ShockState s = StartUp();
    s.W.fill(0.0f);
    RecordingCanvas c(kW, kH);
    DrawSpectrumPass(s, c);
    ASSERT_EQ(c.CountIn(kBarColor), 400u);
    for (const auto& l : c.lines) EXPECT_TRUE(l.y1 == kH && l.y2 == kH);
    EXPECT_EQ(s.PlotTitle, kSrsTitle);
}

TEST(ShockSpectrumBars, ClampedValuesCountOnceForTheFirstBarAndTwiceBetweenNeighbours) {
    ShockState s = StartUp();
    s.W.fill(0.0f);
    s.W[1] = 1e6f;  // a flat spectrum far above the clamp
    s.YScale = 4;
    RecordingCanvas c(kW, kH);
    DrawSpectrumPass(s, c);
    EXPECT_NEAR(kH - c.lines[0].y2, 0.25 * kH, 1e-6);
    for (std::size_t i = 1; i < 400; ++i) ASSERT_NEAR(kH - c.lines[i].y2, 0.5 * kH, 1e-6);
}

TEST(ShockSpectrumBars, PositionFollowsTheSampleRate) {
    ShockState s = StartUp();
    for (float ratef : {1.0f, 8.0f}) {
        s.RATEF = ratef;
        RecordingCanvas c(kW, kH);
        DrawSpectrumPass(s, c);
        const auto beyond =
            std::count_if(c.lines.begin(), c.lines.end(), [](auto& l) { return l.x1 > kW; });
        EXPECT_EQ(beyond, ratef == 8.0f ? 200 : 0);
        if (ratef == 1.0f) {
            EXPECT_NEAR(c.lines.back().x1, 0.25 * kW, 1e-6);
        }
    }
}

TEST(ShockPlotContent, RunsTheSwitchedOnPassesInOrder) {
    ShockState s = StartUp();
    s.View = {false, false, false};
    RecordingCanvas none(kW, kH);
    EXPECT_TRUE(DrawPlotContent(s, none).empty());
    EXPECT_TRUE(none.lines.empty() && none.texts.empty());

    s.View = {true, true, true};  // as after a recompute with the spectrum shown
    s.P[param::kMaxV] = 0;
    RecordingCanvas all(kW, kH);
    EXPECT_EQ(DrawPlotContent(s, all).size(), 1u);
    EXPECT_EQ(all.lines.size(), 3u * 1023u + 104u + 400u);
    EXPECT_EQ(all.lines.back().y1, kH);  // the bars come last
    EXPECT_EQ(s.PlotTitle, kSrsTitle);
}

}  // namespace
}  // namespace vib::shock
