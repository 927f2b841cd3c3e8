#include "random/report.h"

#include <gtest/gtest.h>

#include <cmath>

#include "random/spectrum.h"
#include "support/recording_printer.h"

namespace vib::random {
namespace {

using testing::RecordingPrinter;

constexpr double W = 11000, H = 8500;
const Rgb kBlack = ConsoleColor(0);

RandomState Started() {
    RandomState s;
    InitDefaults(s);
    RecomputeModel(s);
    ApplyPlotLayout(s);
    s.PlotLabels[11] = s.PlotLabels[12] = s.PlotLabels[13] = s.PlotLabels[14] = "     ";
    return s;
}

ReportInputs Inputs(int colorMode = 0, bool abortLines = true) {
    ReportInputs in;
    in.testTitle = "RANDOM VIBRATION TEST # 12";
    in.aref = "  Gref = 8 G-RMS ";
    in.vref = "  Vref = 7.76 IPS-PK";
    in.dref = "  Dref = 64.9 MILS ";
    in.profile = "   DEFAULT PROFILE";
    in.time = " ";
    in.date = " ";
    in.abortLines = abortLines;
    in.printColorMode = colorMode;
    in.town = "Ostrevin";
    return in;
}

RecordingPrinter Printed(const RandomState& s, const ReportInputs& in) {
    RecordingPrinter p;
    p.width = W;
    p.height = H;
    EXPECT_TRUE(PrintReport(s, in, p, [](const FileError&) { return false; }));
    return p;
}

TEST(MorvaneReportGeometry, AxesMapTheLayoutIntoTheBox) {
    const PlotLayout l;  // 5..2000 Hz, four decades from 0.001
    const struct {
        double freq, x;
    } xs[] = {{5, 0.15}, {2000, 0.15 + 0.75 * 0.1669 * (std::log(2000.0) - 1.60943)}};
    for (const auto& c : xs) EXPECT_NEAR(PageFreqX(l, c.freq), c.x, 1e-6) << c.freq;
    EXPECT_NEAR(PageAsdY(l, 0.001), 0.7, 1e-6);
    EXPECT_NEAR(PageAsdY(l, 10.0), 0.1, 1e-3);  // four decades fill the box's height
}

TEST(MorvaneReportGeometry, FrameBordersBoxesAndGrid) {
    const std::vector<PageSegment> border = PageBorderSegments();
    ASSERT_EQ(border.size(), 12u);
    const PageSegment expected[] = {{0.01, 0.01, 0.99, 0.01},   {0.025, 0.025, 0.975, 0.025},
                                    {0.01, 0.01, 0.025, 0.025}, {0.99, 0.01, 0.975, 0.025},
                                    {0.99, 0.99, 0.975, 0.975}, {0.01, 0.99, 0.025, 0.975}};
    for (const PageSegment& e : expected)
        EXPECT_NE(std::find(border.begin(), border.end(), e), border.end())
            << e.x1 << "," << e.y1 << "-" << e.x2 << "," << e.y2;

    const std::vector<PageSegment> boxes = ResultBoxSegments();
    ASSERT_EQ(boxes.size(), 24u);
    EXPECT_EQ(boxes.front(), (PageSegment{0.15, 0.75, 0.35, 0.75}));
    EXPECT_EQ(boxes[4], (PageSegment{0.15, 0.8, 0.35, 0.8}));  // second row
    EXPECT_NEAR(boxes.back().x1, 0.65, 1e-12);                 // third column's left side
    EXPECT_NEAR(boxes.back().y1, 0.84, 1e-12);

    // Four decades of ten lines and the decade frequencies from 5 to 2000 Hz.
    const std::vector<PageSegment> grid = PageGridSegments(PlotLayout{});
    ASSERT_EQ(grid.size(), 40u + 6 + 10 + 10 + 2);
    for (const PageSegment& g : grid) {
        EXPECT_GE(std::min(g.y1, g.y2), 0.1 - 1e-9);
        EXPECT_LE(std::max(g.x1, g.x2), 0.9 + 1e-9);
    }
    EXPECT_NEAR(grid.front().y1, 0.7, 1e-12);  // m = 1 of the first decade is the bottom
}

TEST(MorvaneReport, PageIsLandscapeDrawnInOrderAndEnded) {
    const RandomState s = Started();
    const RecordingPrinter p = Printed(s, Inputs());
    ASSERT_GE(p.events.size(), 3u);
    EXPECT_EQ(p.events[0], "orientation:2");
    EXPECT_EQ(p.events[1], "page");
    EXPECT_EQ(p.events.back(), "enddoc");
    EXPECT_FALSE(p.Has("abortdoc"));
    // The outer border at its fractions of the page, thick and solid.
    const auto& first = p.lines.front();
    EXPECT_DOUBLE_EQ(first.x1, 0.01 * W);
    EXPECT_DOUBLE_EQ(first.y1, 0.01 * H);
    EXPECT_DOUBLE_EQ(first.x2, 0.99 * W);
    EXPECT_EQ(first.width, 3);
    EXPECT_EQ(first.style, kSolidLine);
    for (const auto& t : p.texts) EXPECT_EQ(t.fontSize, 10.0f);
}

TEST(MorvaneReport, MonochromeIsBlackEverywhereAndColourModeOnlyWhereNamed) {
    const RandomState s = Started();
    for (int mode : {0, 1}) {
        const RecordingPrinter p = Printed(s, Inputs(mode));
        for (const auto& l : p.lines) EXPECT_EQ(l.color, kBlack) << mode;
        for (const auto& t : p.texts) EXPECT_EQ(t.color, kBlack) << mode << " " << t.text;
    }
    const RecordingPrinter c = Printed(s, Inputs(2));
    EXPECT_EQ(c.LinesIn(ConsoleColor(3)).size(), 12u + 4 + 24);  // borders, box, result boxes
    EXPECT_EQ(c.LinesIn(ConsoleColor(2)).size(), PageGridSegments(s.Layout).size());
    for (const auto& g : c.LinesIn(ConsoleColor(2))) {
        EXPECT_EQ(g.style, kDottedLine);
        EXPECT_EQ(g.width, 1);
    }
    // The curve stays black; the abort lines are yellow.
    EXPECT_EQ(c.LinesIn(kBlack).size(), PageTracePath(s, Trace::Spectrum).size());
    EXPECT_EQ(c.LinesIn(ConsoleColor(14)).size(), PageTracePath(s, Trace::UpperAbort).size() +
                                                      PageTracePath(s, Trace::LowerAbort).size());
    ASSERT_NE(c.FindText("Ave."), nullptr);
    EXPECT_EQ(c.FindText("Ave.")->color, ConsoleColor(2));
    EXPECT_EQ(c.FindText("ASD")->color, kBlack);
}

TEST(MorvaneReport, AbortLinesOnlyWhileTheViewItemIsChecked) {
    const RandomState s = Started();
    const std::size_t with = Printed(s, Inputs(0, true)).lines.size();
    const std::size_t without = Printed(s, Inputs(0, false)).lines.size();
    EXPECT_EQ(with - without, PageTracePath(s, Trace::UpperAbort).size() +
                                  PageTracePath(s, Trace::LowerAbort).size());
    EXPECT_GT(with, without);
}

TEST(MorvaneReport, CurveIsHeldInsideTheBox) {
    RandomState s = Started();
    // Far above the top, far below the bottom, an empty line and no number at all.
    const int a = s.StartLine + 5;
    s.Spectrum[a] = 1e6f;
    s.Spectrum[a + 1] = 1e-9f;
    s.Spectrum[a + 2] = 0.0f;
    s.Spectrum[a + 3] = std::nanf("");
    const std::vector<PageSegment> path = PageTracePath(s, Trace::Spectrum);
    EXPECT_EQ(path.front().y1, 0.7);  // starts on the bottom edge
    bool top = false;
    for (const PageSegment& p : path) {
        for (double y : {p.y1, p.y2}) {
            EXPECT_GE(y, 0.1);
            EXPECT_LE(y, 0.7);
            top = top || y == 0.1;
        }
    }
    EXPECT_TRUE(top);

    // Zoomed in to 1..500 Hz while the spectrum runs to 2000 Hz: the curve stops at the
    // right edge of the box instead of crossing the border.
    s.Param(prm::XAxisSetting) = 1;
    ApplyPlotLayout(s);
    const std::vector<PageSegment> zoomed = PageTracePath(s, Trace::Spectrum);
    ASSERT_FALSE(zoomed.empty());
    double right = 0;
    for (const PageSegment& p : zoomed) right = std::max({right, p.x1, p.x2});
    EXPECT_DOUBLE_EQ(right, 0.9);
}

TEST(MorvaneReport, GridAndCurveFollowTheLastScreenLayout) {
    RandomState s = Started();
    s.Param(prm::YMinSetting) = 0;  // one decade less at the bottom...
    ApplyPlotLayout(s);             // ...as the last redraw laid it out
    const PlotLayout zoomed = s.Layout;
    s.Param(prm::YMinSetting) = 2;  // a setting no redraw has used yet
    const RecordingPrinter p = Printed(s, Inputs());
    std::size_t dotted = 0;
    for (const auto& l : p.lines) dotted += l.style == kDottedLine;
    EXPECT_EQ(dotted, PageGridSegments(zoomed).size());
    EXPECT_EQ(zoomed.DecadeCount, 3);
}

TEST(MorvaneReport, TextsAndPositions) {
    RandomState s = Started();
    s.SubTitle1 = "Sub one";
    s.SubTitle2 = "Sub two";
    const RecordingPrinter p = Printed(s, Inputs());
    const struct {
        std::string text;
        double x, y;
    } expected[] = {
        {"  Gref = 8 G-RMS ", 0.175, 0.755},
        {"  Vref = 7.76 IPS-PK", 0.427, 0.755},
        {"  Dref = 64.9 MILS ", 0.675, 0.755},
        {"   DEFAULT PROFILE", 0.175, 0.805},
        {"RANDOM VIBRATION TEST # 12", 0.2, 0.07},
        {"RANDOM VIBRATION CALCULATOR         ORVANTIS         Ostrevin", 0.12, 0.039},
        {"5", 0.15, 0.71},
        {"2KHZ.", 0.88, 0.71},
        {"ASD", 0.11, 0.69 - (2 + 0.67) * 0.15},
        {"Ave.", 0.09, 0.69 - (2 - 0.5) * 0.15},
        // Decade labels bottom to top at the grid's decades: 0.001 at the bottom.
        {"10-3", 0.11, 0.69},
        {"1.0", 0.11, 0.69 - 3 * 0.15},
        {"10", 0.11, 0.69 - 4 * 0.15},
        // The screen's subtitle places, (0.2, 0.01) and (0.2, 0.05) of the plot, in the box.
        {"Sub one", 0.15 + 0.2 * 0.75, 0.1 + 0.01 * 0.6},
        {"Sub two", 0.15 + 0.2 * 0.75, 0.1 + 0.05 * 0.6},
    };
    for (const auto& e : expected) {
        const auto* t = p.FindText(e.text);
        ASSERT_NE(t, nullptr) << e.text;
        EXPECT_NEAR(t->x, e.x * W, 1e-6) << e.text;
        EXPECT_NEAR(t->y, e.y * H, 1e-6) << e.text;
    }

    const struct {
        float setting;
        std::vector<std::string> numbers;
    } rows[] = {{1, {"1", "10", "100", " 500"}},
                {2, {"2", "10", "100", "1000"}},
                {4, {"10", "100", "1000", "4KHZ."}}};
    for (const auto& r : rows) {
        s.Param(prm::XAxisSetting) = r.setting;
        ApplyPlotLayout(s);
        const RecordingPrinter q = Printed(s, Inputs());
        std::vector<std::string> under;
        for (const auto& t : q.texts)
            if (t.y == 0.71 * H) under.push_back(t.text);
        EXPECT_EQ(under, r.numbers) << r.setting;
    }
}

TEST(MorvaneReportFailures, RetryRepeatsTheFailedStep) {
    const RandomState s = Started();
    const RecordingPrinter clean = Printed(s, Inputs());
    for (int failing : {0, 5, 200, clean.attempts - 1}) {  // page size, a line, a text, end
        RecordingPrinter p;
        p.width = W;
        p.height = H;
        p.failingAttempts = {failing};
        std::vector<FileError> boxes;
        EXPECT_TRUE(PrintReport(s, Inputs(), p, [&](const FileError& e) {
            boxes.push_back(e);
            return true;
        }));
        ASSERT_EQ(boxes.size(), 1u) << failing;
        EXPECT_EQ(boxes[0].number, 482);
        EXPECT_EQ(boxes[0].description, "Printer error");
        EXPECT_EQ(p.lines.size(), clean.lines.size()) << failing;
        EXPECT_EQ(p.texts.size(), clean.texts.size()) << failing;
        EXPECT_EQ(p.events, clean.events) << failing;
    }
}

TEST(MorvaneReportFailures, CancelAbandonsTheReportAndAbortsTheJob) {
    const RandomState s = Started();
    for (int failing : {0, 30, 500}) {
        RecordingPrinter p;
        p.failFrom = failing;
        int boxes = 0;
        EXPECT_FALSE(PrintReport(s, Inputs(), p, [&](const FileError&) {
            ++boxes;
            return false;
        }));
        EXPECT_EQ(boxes, 1) << failing;
        EXPECT_EQ(p.attempts, failing + 1) << "nothing is tried after the cancelled step";
        EXPECT_EQ(p.events.back(), "abortdoc");
        EXPECT_FALSE(p.Has("enddoc"));
    }
}

}  // namespace
}  // namespace vib::random
