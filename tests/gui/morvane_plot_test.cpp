// Morvane's plot in the window: drawing, zoom, range, resolution, abort limits, readout.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <functional>
#include <vector>

#include "morvane_fixture.h"
#include "random/plot.h"

namespace vib::random::app {
namespace {

class MorvanePlotTest : public MorvaneFixture {
  protected:
    int Pixels(QColor color) {
        const QImage& image = w().Plot().Picture().Image();
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) n += image.pixelColor(x, y) == color;
        return n;
    }
    double PlotW() { return w().Plot().Picture().ScaleWidth(); }
    double PlotH() { return w().Plot().Picture().ScaleHeight(); }
};

TEST_F(MorvanePlotTest, StartUpDrawsGridTraceAndAbortLines) {
    EXPECT_EQ(s().Layout.DecadeCount, 4);
    EXPECT_EQ(s().Layout.FreqMax, 2000);
    EXPECT_GT(Pixels(QColor(0, 128, 128)), 1000);  // cyan grid
    EXPECT_GT(Pixels(Qt::white), 100);             // the spectrum
    EXPECT_GT(Pixels(QColor(255, 255, 0)), 100);   // abort lines: the item starts checked
    EXPECT_EQ(Text("Label14"), *FrequencyRowCaption(3));
    // The row's numbers are printed under their own grid lines: ink below 100 Hz.
    const QLabel* row = w().findChild<QLabel*>("Label14");
    const QRect plot = w().Plot().geometry();
    const int x100 = plot.left() + int(FreqToX(s().Layout, PlotW(), 100) / 15.0);
    const QImage& surface = w().Surface().Picture().Image();
    int under = 0;
    for (int y = row->geometry().top(); y <= row->geometry().bottom(); ++y)
        for (int x = x100 - 12; x <= x100 + 12; ++x)
            under += surface.pixelColor(x, y) == QColor(Qt::black);
    EXPECT_GT(under, 5);
    // The decade labels are printed on the window, left of the plot.
    const QImage& form = w().Surface().Picture().Image();
    int ink = 0;
    for (int y = 0; y < form.height(); ++y)
        for (int x = 0; x < form.width() / 10; ++x)
            ink += form.pixelColor(x, y) == QColor(Qt::black);
    EXPECT_GT(ink, 50);

    Trigger("mnuViewAbort");
    EXPECT_EQ(Pixels(QColor(255, 255, 0)), 0);
    Trigger("mnuViewPlotColorWhite");
    EXPECT_GT(Pixels(Qt::black), 100);  // the trace turns black on white
}

TEST_F(MorvanePlotTest, ZoomStepsAndLimitMenus) {
    for (int i = 0; i < 3; ++i) Key('X');
    EXPECT_EQ(s().Param(prm::XAxisSetting), 1);
    EXPECT_EQ(s().Layout.FreqMax, 500);
    EXPECT_EQ(Text("Label14"), *FrequencyRowCaption(1));
    for (int i = 0; i < 4; ++i) Key('x');
    EXPECT_EQ(s().Layout.FreqMin, 10);
    EXPECT_EQ(s().Layout.FreqMax, 4000);
    Trigger("mnuViewYmax100");
    Trigger("mnuViewYmin1x1000000");
    EXPECT_EQ(s().Layout.DecadeCount, 8);
    // Top and bottom both 0.01: the scale of the drawing before (0.000001 to 0.01, four
    // decades) stays in force.
    Trigger("mnuViewYmax1x100");
    EXPECT_EQ(s().Layout.DecadeCount, 4);
    Trigger("mnuViewYmin1x100");
    EXPECT_EQ(s().Layout.DecadeCount, 4);
    EXPECT_FLOAT_EQ(s().Layout.AsdLogMin, std::log(0.01f));
    Key('y');  // already at its end
    EXPECT_EQ(s().Param(prm::YMaxSetting), 4);
    Key('Z');
    EXPECT_EQ(s().Param(prm::YMinSetting), 0);
}

TEST_F(MorvanePlotTest, RangeCommands) {
    Trigger("mnuProfileFreq1000");
    EXPECT_TRUE(w().Checked("mnuProfileFreq1000"));
    EXPECT_FALSE(w().Checked("mnuProfileFreq2000"));
    EXPECT_EQ(s().Param(prm::RangeIndex), 2);
    EXPECT_EQ(s().Param(prm::XAxisSetting), 2);
    EXPECT_EQ(s().LineSpacing(), 2.5f);
    // Nothing above 1000 Hz enters the results any more.
    EXPECT_LT(s().Gref, 7.8f);
    EXPECT_EQ(s().Spectrum[401], 1e-6f);

    // Choosing the active range again only redraws: a changed profile is not recomputed.
    const float g = s().Gref;
    s().Asd[2] = 0.2f;
    Trigger("mnuProfileFreq1000");
    EXPECT_EQ(s().Gref, g);

    // The 250 Hz item cannot be clicked, but its command works like the others.
    EXPECT_FALSE(w().Action("mnuProfileFreq250")->isEnabled());
    w().SetRange(0);
    EXPECT_EQ(s().Param(prm::RangeIndex), 0);
    EXPECT_EQ(s().Param(prm::XAxisSetting), 1);
    EXPECT_TRUE(w().Checked("mnuProfileFreq250"));
}

TEST_F(MorvanePlotTest, ResolutionAlwaysRecomputes) {
    s().Asd[2] = 0.2f;
    const float before = s().Gref;
    Trigger("mnuProfileLines400");  // the active resolution
    EXPECT_NE(s().Gref, before);
    Trigger("mnuProfileLines1600");
    EXPECT_TRUE(w().Checked("mnuProfileLines1600"));
    EXPECT_FALSE(w().Checked("mnuProfileLines400"));
    EXPECT_EQ(s().LineCount, 1600);
}

TEST_F(MorvanePlotTest, OverallAbortLimit) {
    s().AbortDb[70] = 9;
    t.input.answers = {"3"};
    Trigger("mnuTestAbortLimits");
    ASSERT_EQ(t.input.asked.size(), 1u);
    EXPECT_EQ(t.input.asked[0].title, " Test Abort Limits");
    EXPECT_EQ(
        t.input.asked[0].prompt,
        " Enter a uniform Abort Limit for the entire profile In Db. Use Modify Profile to enter "
        "individual abort segments.");
    EXPECT_EQ(t.input.asked[0].proposed, "6");
    EXPECT_EQ(s().Param(prm::DefaultAbortDb), 3);
    EXPECT_EQ(s().AbortDb[0], 3);
    EXPECT_EQ(s().AbortDb[64], 3);
    EXPECT_EQ(s().AbortDb[65], 6);
    EXPECT_EQ(s().AbortDb[70], 9);
    EXPECT_EQ(s().LineAbortDb[20], 3);  // recomputed

    for (auto answer : {std::optional<std::string>("3"), std::optional<std::string>("abc"),
                        std::optional<std::string>(""), std::optional<std::string>("1e39"),
                        std::optional<std::string>()}) {
        s().AbortDb[5] = 7;
        t.input.answers = {answer};
        Trigger("mnuTestAbortLimits");
        EXPECT_EQ(s().AbortDb[5], 7) << answer.value_or("(cancel)");
    }
    t.input.answers = {"-2.5"};
    Trigger("mnuTestAbortLimits");
    EXPECT_EQ(s().AbortDb[5], -2.5f);  // not range-checked
}

// After a change of view and back, the strip left of the plot is pixel for pixel what it
// was: nothing of the other view's labels stays behind, the top label included.
TEST_F(MorvanePlotTest, DecadeStripKeepsNoLeftoverPixels) {
    auto strip = [this] {
        const QImage& image = w().Surface().Picture().Image();
        const int plotLeft = int(w().Plot().geometry().left() * image.devicePixelRatio());
        return image.copy(0, 0, plotLeft - 2, image.height() * 3 / 4);
    };
    const QImage start = strip();
    const std::vector<std::function<void()>> roundTrips = {
        [this] {
            Trigger("mnuViewYmax100");
            Trigger("mnuViewYmax10");
        },
        [this] {
            Key('Y');
            Key('y');
        },
        [this] {
            Key('z');
            Key('Z');
        },
        [this] {
            Trigger("mnuSystemUnitsMetric");
            Trigger("mnuSystemUnitsEnglish");
        },
    };
    for (std::size_t i = 0; i < roundTrips.size(); ++i) {
        roundTrips[i]();
        EXPECT_TRUE(strip() == start) << "round trip " << i;
    }
}

TEST_F(MorvanePlotTest, CursorReadoutInEachUnitSystem) {
    const double x = FreqToX(s().Layout, PlotW(), 100);
    const double y = AsdToY(s().Layout, PlotH(), 0.1);
    Click(x, y);
    const std::string english = Text("lblCursor");
    ASSERT_EQ(english.rfind("  Freq. = ", 0), 0u) << english;
    EXPECT_NEAR(std::stod(english.substr(10)), 100.0, 2.0);
    const auto asd = english.find(", ASD = ");
    ASSERT_NE(asd, std::string::npos);
    EXPECT_NEAR(std::stod(english.substr(asd + 8)), 0.1, 0.005);

    Trigger("mnuSystemUnitsMetric");
    Click(x, y);
    const std::string metric = Text("lblCursor");
    EXPECT_NEAR(std::stod(metric.substr(metric.find(", ASD = ") + 8)), 10.0,
                0.5);  // as the labels read

    Trigger("mnuSystemUnitsHybrid");
    Click(x, y);
    EXPECT_EQ(Text("lblCursor"), english);  // Hybrid levels are G^2/Hz
    EXPECT_FALSE(w().findChild<QLabel*>("lblCursor")->isHidden());
}

}  // namespace
}  // namespace vib::random::app
