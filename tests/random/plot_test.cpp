#include "random/plot.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "random/spectrum.h"

namespace vib::random {
namespace {

RandomState Started() {
    RandomState s;
    InitDefaults(s);
    RecomputeModel(s);
    ApplyPlotLayout(s);
    return s;
}

struct Recorder : Canvas {
    double w = 7000, h = 4000;
    struct L {
        PlotSegment seg;
        Rgb color;
    };
    std::vector<L> lines;
    std::vector<std::pair<std::string, Rgb>> texts;
    double Width() const override { return w; }
    double Height() const override { return h; }
    void Line(double x1, double y1, double x2, double y2, Rgb c) override {
        lines.push_back({{x1, y1, x2, y2}, c});
    }
    void Text(double, double, const std::string& t, Rgb c) override { texts.emplace_back(t, c); }
    int Count(Rgb c) const {
        return int(
            std::count_if(lines.begin(), lines.end(), [&](const L& l) { return l.color == c; }));
    }
};

TEST(PlotLayout, FrequencyAxisTable) {
    const struct {
        float setting, min, max, logMin, scale;
    } rows[] = {{1, 1, 500, 0, 0.16091f},
                {2, 2, 1000, 0.69315f, 0.16091f},
                {3, 5, 2000, 1.60943f, 0.1669f},
                {4, 10, 4000, 2.30258f, 0.1669f}};
    RandomState s = Started();
    for (const auto& r : rows) {
        s.Params[prm::XAxisSetting] = r.setting;
        ApplyPlotLayout(s);
        EXPECT_EQ(s.Layout.FreqMin, r.min);
        EXPECT_EQ(s.Layout.FreqMax, r.max);
        EXPECT_EQ(s.Layout.FreqLogMin, r.logMin);
        EXPECT_EQ(s.Layout.FreqAxisScale, r.scale);
        EXPECT_TRUE(FrequencyRowCaption(r.setting));
    }
    EXPECT_EQ(FrequencyRowCaption(3)->substr(0, 14), "5            1");
    EXPECT_TRUE(FrequencyRowCaption(3)->ends_with("1000      2000Hz."));
    s.Params[prm::XAxisSetting] = 7;  // outside the table: the previous layout stays
    ApplyPlotLayout(s);
    EXPECT_EQ(s.Layout.FreqMax, 4000);
    EXPECT_FALSE(FrequencyRowCaption(7));
    s.Params[prm::XAxisSetting] = 0;  // 0 means the 2000 Hz view
    ApplyPlotLayout(s);
    EXPECT_EQ(s.Params[prm::XAxisSetting], 3);
    EXPECT_EQ(s.Layout.FreqMax, 2000);
}

TEST(PlotLayout, AsdAxisByDecadeCount) {
    RandomState s = Started();
    EXPECT_EQ(s.Layout.DecadeCount, 4);
    EXPECT_EQ(s.Layout.AsdAxisScale, 0.1086f);
    EXPECT_FLOAT_EQ(s.Layout.AsdLogMin, std::log(0.001f));
    s.Params[prm::YMaxSetting] = 0;
    s.Params[prm::YMinSetting] = 4;  // 0.000001 to 100
    ApplyPlotLayout(s);
    EXPECT_EQ(s.Layout.DecadeCount, 8);
    EXPECT_EQ(s.Layout.AsdAxisScale, 0.0543f);
    // Top and bottom both 0.01: the count and scale stay, the bottom follows.
    s.Params[prm::YMaxSetting] = 4;
    s.Params[prm::YMinSetting] = 0;
    ApplyPlotLayout(s);
    EXPECT_EQ(s.Layout.DecadeCount, 8);
    EXPECT_EQ(s.Layout.AsdAxisScale, 0.0543f);
    EXPECT_FLOAT_EQ(s.Layout.AsdLogMin, std::log(0.01f));
}

TEST(PlotLabels, DecadesCaptionsAndUnits) {
    RandomState s = Started();
    std::vector<std::string> texts;
    for (const auto& l : DecadeLabels(s)) texts.push_back(l.text);
    EXPECT_EQ(texts, (std::vector<std::string>{"10-3", "10-2", "0.1", "1.0", "10"}));
    EXPECT_DOUBLE_EQ(DecadeLabels(s)[0].yFraction, 0.76);
    EXPECT_NEAR(DecadeLabels(s)[4].yFraction, 0.043, 1e-9);
    s.Params[prm::UnitsIndex] = 1;
    texts.clear();
    for (const auto& l : DecadeLabels(s)) texts.push_back(l.text);
    EXPECT_EQ(texts, (std::vector<std::string>{"0.1", "1.0", "10", "100", "1000"}));
    const auto captions = AxisCaptions(s);
    EXPECT_EQ(captions[0].text, "ASD");
    EXPECT_EQ(captions[1].text, "M^2/S^3");
    EXPECT_EQ(captions[2].text, "Ave.");
    EXPECT_EQ(s.PlotLabels[12], "     ");
    s.Params[prm::UnitsIndex] = 0;
    EXPECT_EQ(AxisCaptions(s)[1].text, "G^2/Hz.");
    s.Params[prm::UnitsIndex] = 2;  // Hybrid levels are G^2/Hz
    EXPECT_EQ(AxisCaptions(s)[1].text, "G^2/Hz.");
}

TEST(PlotZoom, StepsStopAtTheirLimits) {
    RandomState s = Started();
    for (int i = 0; i < 3; ++i) ZoomFreqIn(s);
    EXPECT_EQ(s.Params[prm::XAxisSetting], 1);
    ApplyPlotLayout(s);
    EXPECT_EQ(s.Layout.FreqMax, 500);
    for (int i = 0; i < 5; ++i) ZoomFreqOut(s);
    EXPECT_EQ(s.Params[prm::XAxisSetting], 4);
    ZoomTopIn(s);
    ZoomTopIn(s);
    EXPECT_EQ(s.Params[prm::YMaxSetting], 0);
    for (int i = 0; i < 9; ++i) ZoomBottomOut(s);
    EXPECT_EQ(s.Params[prm::YMinSetting], 4);
    ApplyPlotLayout(s);
    EXPECT_EQ(s.Layout.DecadeCount, 8);
    ZoomTopOut(s);
    ZoomBottomIn(s);
    EXPECT_EQ(s.Params[prm::YMaxSetting], 1);
    EXPECT_EQ(s.Params[prm::YMinSetting], 3);
}

TEST(PlotGeometry, GridLinesOfTheStartUpView) {
    RandomState s = Started();
    const auto grid = GridLines(s.Layout, 7000, 4000);
    // 4 decades x 10 horizontal lines; verticals at 5..10, 10..100, 100..1000, 1000, 2000.
    EXPECT_EQ(grid.size(), 40u + 6u + 10u + 10u + 2u);
    EXPECT_EQ(grid[0], (PlotSegment{0, 4000, 7000, 4000}));  // m = 1: the bottom edge
    const PlotSegment top = grid[39];                        // 10^4: the top edge
    EXPECT_EQ(top.y1, 0);  // 0.1086 x ln 10^4 is just above 1: limited to the height
    const PlotSegment firstVertical = grid[40];
    EXPECT_NEAR(firstVertical.x1, 0.0, 0.01);  // 5 Hz at the left edge
    EXPECT_NEAR(grid.back().x1, 7000 * 0.1669 * (std::log(2000) - 1.60943), 0.01);
    EXPECT_LE(grid.back().x1, 7000);
}

TEST(PlotGeometry, SpectrumAndAbortTraces) {
    RandomState s = Started();
    const auto trace = TracePath(s, 7000, 4000, Trace::Spectrum);
    ASSERT_EQ(trace.size(), 398u);  // lines 2 to 399
    EXPECT_NEAR(trace[0].x1, FreqToX(s.Layout, 7000, 10), 1e-9);
    EXPECT_EQ(trace[0].y1, 4000);
    EXPECT_NEAR(trace[0].x2, FreqToX(s.Layout, 7000, 10), 1e-9);
    EXPECT_NEAR(trace[0].y2, AsdToY(s.Layout, 4000, 0.001), 0.5);
    EXPECT_NEAR(trace[18].y2, AsdToY(s.Layout, 4000, 0.1), 0.5);  // line 20, 100 Hz
    for (std::size_t i = 1; i < trace.size(); ++i) ASSERT_EQ(trace[i].x1, trace[i - 1].x2);

    // 6 dB abort lines sit at e^0.9006 = 2.461 times the line value.
    const auto upper = TracePath(s, 7000, 4000, Trace::UpperAbort);
    const auto lower = TracePath(s, 7000, 4000, Trace::LowerAbort);
    const double dy = 4000 * 0.1086 * 2 * 0.9006;
    EXPECT_NEAR(trace[18].y2 - upper[18].y2, dy, 1e-3);
    EXPECT_NEAR(lower[18].y2 - trace[18].y2, dy, 1e-3);
}

TEST(PlotGeometry, ValuesAreLimitedBeforeTheirLogarithm) {
    RandomState s = Started();
    s.Spectrum[10] = 0;
    s.Spectrum[11] = -5;
    s.Spectrum[12] = std::nanf("");
    s.Spectrum[13] = 1e9f;
    const auto trace = TracePath(s, 7000, 4000, Trace::Spectrum);
    const double bottom = AsdToY(s.Layout, 4000, 1e-6);  // v = 0.1
    // (the drawing takes ln 100^2 as 9.21, a fraction of a twip off the exact axis)
    EXPECT_NEAR(trace[8].y2, bottom, 0.2);
    EXPECT_EQ(trace[9].y2, trace[8].y2);
    EXPECT_EQ(trace[10].y2, trace[8].y2);
    EXPECT_NEAR(trace[11].y2, AsdToY(s.Layout, 4000, 4000.0 * 4000 / 10000), 0.2);  // v = H
    // A first breakpoint without a logarithm still gives a finite path.
    s.Freq[1] = -3;
    RecomputeModel(s);
    for (const auto& p : TracePath(s, 7000, 4000, Trace::Spectrum))
        ASSERT_TRUE(std::isfinite(p.x1) && std::isfinite(p.y1) && std::isfinite(p.x2) &&
                    std::isfinite(p.y2));
}

TEST(PlotDrawing, WholePictureInItsColours) {
    RandomState s = Started();
    s.SubTitle1 = "sub one";
    Recorder r;
    DrawAsdPlot(s, false, r);
    EXPECT_EQ(r.Count(kGridColor), 68);
    EXPECT_EQ(r.Count(Rgb{255, 255, 255}), 398);
    EXPECT_EQ(r.Count(kAbortColor), 0);
    ASSERT_EQ(r.texts.size(), 2u);
    EXPECT_EQ(r.texts[0].first, "sub one");
    Recorder withAbort;
    s.Params[prm::PlotBackground] = 1;
    DrawAsdPlot(s, true, withAbort);
    EXPECT_EQ(withAbort.Count(kAbortColor), 2 * 398);
    EXPECT_EQ(withAbort.Count(Rgb{0, 0, 0}), 398);  // black trace on white
    EXPECT_EQ(withAbort.texts[0].second, (Rgb{0, 0, 0}));
}

TEST(ResultLabels, ThreeUnitSystems) {
    RandomState s = Started();
    s.ProfileName = "/home/engineer/profiles/QTRFileR.prf";
    auto t = ResultLabels(s, '.');
    ASSERT_TRUE(t);
    EXPECT_EQ(t->dref, "  Dref = 64.9 MILS ");
    EXPECT_EQ(t->vref, "  Vref = 7.76 IPS-PK");
    EXPECT_EQ(t->aref, "  Gref = 8 G-RMS ");
    EXPECT_EQ(t->unitText, " G^2/Hz");
    EXPECT_EQ(t->profile, "  QTRFileR.prf");  // the file, not the end of its path
    s.Params[prm::UnitsIndex] = 1;
    t = ResultLabels(s, ',');
    EXPECT_EQ(t->dref, "  Dref = 1,65 MM    ");
    EXPECT_EQ(t->vref, "  Vref = 19,7 CM/S");
    EXPECT_EQ(t->aref, "  Gref = 78,5 M/S^2 ");
    EXPECT_EQ(t->unitText, "M^2/S^3");
    s.Params[prm::UnitsIndex] = 2;
    t = ResultLabels(s, '.');
    EXPECT_EQ(t->aref, "  Gref = 8 G-RMS ");
    EXPECT_EQ(t->dref, "  Dref = 1.65 MM    ");
    EXPECT_EQ(t->unitText, " G^2/Hz");
    s.Params[prm::UnitsIndex] = 9;
    EXPECT_FALSE(ResultLabels(s, '.'));
    s.ProfileName = "\xC2\xB5-profile";  // short names stay whole, characters not bytes
    s.Params[prm::UnitsIndex] = 0;
    EXPECT_EQ(ResultLabels(s, '.')->profile, "  \xC2\xB5-profile");
}

TEST(CursorReadout, TextsAndExpiry) {
    RandomState s = Started();
    s.CursorX = float(FreqToX(s.Layout, 7000, 100));
    s.CursorY = float(AsdToY(s.Layout, 4000, 0.1));
    EXPECT_EQ(CursorReadoutText(s, 7000, 4000, '.'), "  Freq. = 100 Hz. , ASD = 0.1");
    s.Params[prm::UnitsIndex] = 1;
    EXPECT_EQ(CursorReadoutText(s, 7000, 4000, ','), "  Freq. = 100 Hz. , ASD = 10");
    s.Params[prm::UnitsIndex] = 2;  // Hybrid reads G^2/Hz with the English pattern
    EXPECT_EQ(CursorReadoutText(s, 7000, 4000, '.'), "  Freq. = 100 Hz. , ASD = 0.1");
    s.Params[prm::UnitsIndex] = 7;
    EXPECT_FALSE(CursorReadoutText(s, 7000, 4000, '.'));

    EXPECT_FALSE(CursorReadoutExpired(100.0f, 103.0));
    EXPECT_TRUE(CursorReadoutExpired(100.0f, 103.5));
    EXPECT_FALSE(CursorReadoutExpired(86399.0f, 1.0));  // across midnight
    EXPECT_TRUE(CursorReadoutExpired(86390.0f, 1.0));
    EXPECT_TRUE(CursorReadoutExpired(RandomState{}.CursorTime, 0.0));
}

}  // namespace
}  // namespace vib::random

namespace vib::random {
namespace {

TEST(PlotLabels, FrequencyRowNumbersAndTheirFrequencies) {
    std::vector<std::pair<std::string, double>> row;
    for (const auto& l : FrequencyRowLabels(3)) row.emplace_back(l.text, l.freq);
    EXPECT_EQ(row, (std::vector<std::pair<std::string, double>>{{"5", 5},
                                                                {"10", 10},
                                                                {"20", 20},
                                                                {"100", 100},
                                                                {"200", 200},
                                                                {"1000", 1000},
                                                                {"2000Hz.", 2000}}));
    EXPECT_EQ(FrequencyRowLabels(1).back().text, "500Hz.");
    EXPECT_TRUE(FrequencyRowLabels(9).empty());
}

}  // namespace
}  // namespace vib::random
