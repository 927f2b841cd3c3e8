#include <gtest/gtest.h>

#include "shock/model.h"
#include "shock/view.h"

namespace vib::shock {
namespace {

TEST(ShockViewMenu, TestProfileAndSpectrumSwitchEachOtherOff) {
    ShockView v;  // design state: test profile only
    ToggleSrsView(v);
    EXPECT_TRUE(v.srs && !v.test);
    ToggleTestView(v);
    EXPECT_TRUE(v.test && !v.srs);
    ToggleTestView(v);
    EXPECT_TRUE(!v.test && !v.srs);  // both off: an empty grid
    ToggleSrsView(v);
    ShowTestAfterRecompute(v);  // like the Test Profile command: never both on
    EXPECT_TRUE(v.test && !v.srs);
    ToggleAbortView(v);
    EXPECT_TRUE(v.abort && v.test);
}

TEST(ShockViewMenu, TraceSwitchesWriteTwoOrOne) {
    ShockState s;
    InitDefaults(s);
    ToggleTrace(s, kVelShown);
    EXPECT_EQ(s.P[kVelShown], 1.0f);
    s.P[kDispShown] = 7;  // a loaded value other than 2 counts as hidden
    EXPECT_FALSE(TraceShown(s, kDispShown));
    ToggleTrace(s, kDispShown);
    EXPECT_EQ(s.P[kDispShown], 2.0f);
    SetPlotBackground(s, true);
    EXPECT_EQ(PlotBackgroundColor(s), ConsoleColor(15));
}

TEST(ShockZoom, LaddersAndSnaps) {
    const struct {
        float (*step)(float);
        float from, to;
    } table[] = {
        {ZoomedXIn, 1, 0.5f},       {ZoomedXIn, 0.25f, 0.1f},  {ZoomedXIn, 0.1f, 0.1f},
        {ZoomedXOut, 0.1f, 0.25f},  {ZoomedXOut, 4, 8},        {ZoomedXOut, 8, 8},
        {ZoomedYIn, 0.25f, 0.1f},   {ZoomedYIn, 0.1f, 0.05f},  {ZoomedYIn, 0.05f, 0.02f},
        {ZoomedYIn, 0.02f, 0.01f},  {ZoomedYIn, 0.01f, 0.01f}, {ZoomedYOut, 0.01f, 0.02f},
        {ZoomedYOut, 0.02f, 0.05f}, {ZoomedYOut, 0.1f, 0.25f}, {ZoomedYOut, 2, 4},
        {ZoomedYOut, 4, 4},
    };
    for (const auto& row : table) EXPECT_EQ(row.step(row.from), row.to) << row.from;
}

TEST(ShockZoom, KeysAreCaseSensitive) {
    ShockState s;
    InitDefaults(s);
    for (char key : {'X', 'X', 'X', 'y'}) ApplyZoom(s, *ZoomForKey(key));
    EXPECT_EQ(s.XScale, 0.1f);  // 1 -> 0.5 -> 0.25 -> 0.1
    EXPECT_EQ(s.YScale, 0.5f);
    EXPECT_FALSE(ZoomForKey('j'));
}

TEST(ShockCursor, ReadoutTimeIsTheSameNumberInEveryUnitSystem) {
    ShockState s;
    InitDefaults(s);  // XScale 1, YScale 0.25
    EXPECT_EQ(ShowCursorReadout(s, 3500, 0, 100.0, 7000, 4455, '.'), "  Time = 50 Msec. , G = 25");
    EXPECT_EQ(s.CursorTime, 100.0f);
    s.P[param::kUnits] = CodeOf(Units::Metric);
    EXPECT_EQ(CursorReadoutText(s, 7000, 4455, ','), "  Time = 50 Msec. , Acc = 240,5");
    s.P[param::kUnits] = CodeOf(Units::Hybrid);
    s.CursorY = 4455;
    EXPECT_EQ(CursorReadoutText(s, 7000, 4455, '.'), "  Time = 50 Msec. , G = -25");
}

TEST(ShockCursor, LapsesAfterThreeSecondsAlsoAcrossMidnight) {
    EXPECT_FALSE(CursorReadoutExpired(100.0f, 103.0));
    EXPECT_TRUE(CursorReadoutExpired(100.0f, 103.01));
    EXPECT_FALSE(CursorReadoutExpired(86399.0f, 1.0));
    EXPECT_TRUE(CursorReadoutExpired(86399.0f, 2.5));
    EXPECT_FALSE(TimerHidesCursor(false, 0.0f, 500.0));
    EXPECT_TRUE(TimerHidesCursor(true, 0.0f, 500.0));
}

}  // namespace
}  // namespace vib::shock
