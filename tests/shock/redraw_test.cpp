#include <functional>

#include <gtest/gtest.h>

#include "shock/model.h"
#include "shock/recompute.h"
#include "shock/redraw.h"
#include "shock/view.h"
#include "support/recording_canvas.h"

namespace vib::shock {
namespace {

using testing::RecordingCanvas;
using Five = std::array<std::string, 5>;

ShockState StartUp() {
    ShockState s;
    InitDefaults(s);
    RecomputePulse(s);
    return s;
}

TEST(ShockAxisLabels, TimeLabelsFollowXScaleOrReadHertzInTheSpectrumView) {
    ShockState s = StartUp();
    s.XScale = 0.25f;
    EXPECT_EQ(DrawTimeAxisLabels(s, '.').x, (Five{"5", "10", "15", "20", "25"}));
    s.XScale = 0.1f;
    EXPECT_EQ(DrawTimeAxisLabels(s, '.').unit, "M-SEC.");
    s.View.srs = true;
    const TimeAxisLabels srs = DrawTimeAxisLabels(s, '.');
    EXPECT_EQ(srs.x, (Five{"400", "800", "1200", "1600", "2000"}));
    EXPECT_EQ(srs.unit, " HZ. ");
    EXPECT_FALSE(srs.spinVisible);
    EXPECT_EQ(s.XScale, 0.1f);
}

TEST(ShockAxisLabels, ValueLabelsAndTitlesByView) {
    const struct {
        float units;
        bool srs;
        float yScale;
        const char* top;
        const char* bottom;
        const char* velTitle;
        bool white;
    } table[] = {
        {CodeOf(Units::English), false, 0.25f, "25", "-15", "VELOCITY- IPS-Peak", true},
        {CodeOf(Units::English), false, 0.01f, "1", "-0,6", "VELOCITY- IPS-Peak", false},
        {CodeOf(Units::Metric), false, 0.25f, "250", "-150", "VELOCITY- CM/Sec.", true},
        {CodeOf(Units::Hybrid), false, 0.25f, "25", "-15", "VELOCITY- CM/Sec.", false},
        {CodeOf(Units::Metric), true, 0.25f, "50", "10", "                       ", true},
    };
    for (const auto& row : table) {
        ShockState s = StartUp();
        s.P[param::kUnits] = row.units;
        s.View.srs = row.srs;
        s.YScale = row.yScale;
        s.SubTitle1 = "sub one";
        SetPlotBackground(s, row.white);
        RecordingCanvas c(7000, 4455);
        const ValueAxisLabels v = DrawValueAxisLabels(s, c, ',');
        EXPECT_EQ(v[0], row.top);
        EXPECT_EQ(v[8], row.bottom);
        ASSERT_EQ(c.texts.size(), 5u);
        EXPECT_EQ(c.texts[1].text, row.velTitle);
        EXPECT_NEAR(c.texts[1].x, 770, 1e-9);
        EXPECT_NEAR(c.texts[1].y, 445.5, 1e-9);
        // White on black, black on white, as the plot title.
        EXPECT_EQ(c.FindText("sub one")->color, ConsoleColor(row.white ? 0 : 15));
    }
}

TEST(ShockResultLabels, MasksAndUnitsPerSystem) {
    ShockState s = StartUp();
    s.PeakDisp = 12.34f;
    s.PeakVel = 5.678f;
    s.PeakAcc = 14.996f;
    s.ProfileName = "C:\\TESTS\\SHOCKS\\HALFSINE.PRF";
    const RedrawInputs in{"10:15", "3/4/2026", 1000.0, '.', "banner"};
    ResultLabels r = ShowResultLabels(s, in);
    EXPECT_EQ(r.time, " 10:15");
    EXPECT_EQ(r.dref, " Dref = 24.7 MILS ");
    EXPECT_EQ(r.vref, " Vref = 5.68 IPS-PK");
    EXPECT_EQ(r.aref, " Gref = 15 G-PK  ");
    EXPECT_EQ(r.profile, "\\SHOCKS\\HALFSINE.PRF");
    s.ProfileName = "/data/Stoß-Prüfung-Übersicht.prf";  // 20 bytes would cut the ü
    EXPECT_EQ(ShowResultLabels(s, in).profile, "rüfung-Übersicht.prf");
    EXPECT_EQ(r.caption, "banner");
    EXPECT_TRUE(r.hideCursor);
    s.P[param::kUnits] = CodeOf(Units::Metric);
    r = ShowResultLabels(s, in);
    EXPECT_EQ(r.dref, " Dref = 0.63 MM    ");
    EXPECT_EQ(r.vref, " Vref = 14.42 CM/S");
    EXPECT_EQ(r.aref, " Gref = 147.1 M/S^2 ");
    s.P[param::kUnits] = CodeOf(Units::Hybrid);
    s.BrandingMode = 0;
    r = ShowResultLabels(s, in);
    EXPECT_EQ(r.dref, " Dref = 0.6 MM    ");
    EXPECT_EQ(r.aref, " Gref = 15 G-PK ");
    EXPECT_FALSE(r.caption);
}

TEST(ShockRedraw, MetricAmplitudeIsConvertedBeforeThePasses) {
    ShockState s = StartUp();
    s.P[param::kUnits] = CodeOf(Units::Metric);
    s.P[param::kAmplitude] = 100;  // m/s^2
    RecordingCanvas c(7000, 4455);
    const RedrawOutput out = RedrawPlot(s, c, {});
    EXPECT_FLOAT_EQ(s.Aeff, 10.2f);
    EXPECT_NEAR(s.PeakAcc, 10.2f, 0.01f);
    EXPECT_EQ(out.values[0], "250");
    EXPECT_EQ(c.lines.size(), 89u + 3u * 1023u);
}

class CountingBox : public MessageBox {
  public:
    std::vector<std::string> shown;
    std::function<void()> whileOpen;
    BoxAnswer Show(const std::string& text, BoxButtons, BoxIcon, const std::string&,
                   const std::string& = {}) override {
        shown.push_back(text);
        if (whileOpen) whileOpen();
        return BoxAnswer::Ok;
    }
};

TEST(ShockLimitBoxes, NoRedrawAndNoSecondSetWhileABoxIsOpen) {
    LimitBoxes boxes;
    CountingBox box;
    int redraws = 0;
    // The timer fires while the first box is open: the window asks the gate first.
    box.whileOpen = [&] {
        if (!boxes.Busy()) ++redraws;
        boxes.Show(box, {"nested"}, {1, 2, 3, 0, 4, 5, 6, 0, 0, 0, 0});
    };
    boxes.Show(box, {" Test Velocity > System V Limit ", " Test Acceleration > System A Limit "},
               {});
    EXPECT_EQ(redraws, 0);
    EXPECT_EQ(box.shown.size(), 2u);
    EXPECT_FALSE(boxes.Busy());
}

TEST(ShockLimitBoxes, ShownAgainOnlyWhenAPeakTheUnitsOrALimitChanged) {
    ShockState s = StartUp();
    LimitBoxes boxes;
    CountingBox box;
    const std::vector<std::string> warning = {" Test Velocity > System V Limit "};
    auto show = [&] {
        const std::size_t before = box.shown.size();
        boxes.Show(box, warning, CheckedValuesOf(s));
        return box.shown.size() - before;
    };
    EXPECT_EQ(show(), 1u);
    EXPECT_EQ(show(), 0u);  // a redraw of the same test
    const std::function<void(ShockState&)> changes[] = {
        [](ShockState& c) { c.PeakAcc += 1; },
        [](ShockState& c) { c.PeakVel += 1; },
        [](ShockState& c) { c.PeakDisp += 1; },
        [](ShockState& c) { c.P[param::kUnits] = CodeOf(Units::Metric); },
        [](ShockState& c) { c.P[param::kMaxD] += 1; },
        [](ShockState& c) { c.P[param::kMaxV] += 1; },
        [](ShockState& c) { c.P[param::kMaxA] += 1; },
    };
    for (const auto& change : changes) {
        change(s);
        EXPECT_EQ(show(), 1u);
        EXPECT_EQ(show(), 0u);
    }
    // Back to values checked before, but not last: a change, so the boxes come again.
    boxes.Show(box, {}, {});
    EXPECT_EQ(show(), 1u);
}

TEST(ShockAxisLabels, PlacedAroundThePicture) {
    const auto placed = PlaceAxisLabels({}, {});
    ASSERT_EQ(placed.size(), 15u);
    EXPECT_EQ(placed[8].name, "lblY8");
    EXPECT_DOUBLE_EQ(placed[8].y, 0.8);
    EXPECT_EQ(placed[13].name, "lblX5");
    EXPECT_DOUBLE_EQ(placed[13].x, 1.0);
}

}  // namespace
}  // namespace vib::shock
