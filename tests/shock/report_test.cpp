#include "shock/report.h"

#include <gtest/gtest.h>

#include <cmath>

#include "shock/integration.h"
#include "shock/model.h"
#include "shock/plot.h"
#include "shock/recompute.h"
#include "shock/spectrum.h"
#include "shock/view.h"
#include "support/recording_canvas.h"
#include "support/recording_printer.h"

namespace vib::shock {
namespace {

using testing::RecordingCanvas;
using testing::RecordingPrinter;

constexpr double W = 11000, H = 8500;
const Rgb kBlack = ConsoleColor(0);

// The state right after a screen redraw, which the report always follows.
ShockState Redrawn(float units = CodeOf(Units::English), bool srs = false) {
    ShockState s;
    InitDefaults(s);
    s.P[param::kUnits] = units;
    RecomputePulse(s);
    s.View.srs = srs;
    s.View.test = !srs;
    RecordingCanvas c(7000, 4455);
    RedrawPlot(s, c, RedrawInputs{"10:00", "11/22/09", 36000, '.', "banner"});
    return s;
}

ReportCaptions Captions(const ShockState& s) {
    RecordingCanvas c(7000, 4455);
    ShockState copy = s;
    const RedrawOutput r = RedrawPlot(copy, c, RedrawInputs{"10:00", "11/22/09", 36000, '.', ""});
    return CaptionsFromRedraw(r, "SHOCK TEST # 7", "Ostrevin", '.');
}

RecordingPrinter Printed(
    const ShockState& s,
    const std::function<bool(const FileError&)>& onError = [](const FileError&) { return false; }) {
    RecordingPrinter p;
    p.width = W;
    p.height = H;
    PrintReport(s, Captions(s), p, onError);
    return p;
}

TEST(TessaltReportGeometry, BoxGridAndResultTable) {
    EXPECT_EQ(PlotBoxSegments(), RectangleSides(0.15, 0.1, 0.9, 0.7));
    const std::vector<PageSegment> grid = PageGridSegments();
    ASSERT_EQ(grid.size(), 10u + 20 + 10 + 49);
    const struct {
        std::size_t index;
        PageSegment segment;
    } rows[] = {
        {0, {0.15, 0.1, 0.9, 0.1}},       // first line across
        {9, {0.15, 0.64, 0.9, 0.64}},     // last line across
        {10, {0.15, 0.1, 0.16, 0.1}},     // first tick on the left edge
        {29, {0.15, 0.67, 0.16, 0.67}},   // last tick on the left edge
        {30, {0.225, 0.1, 0.225, 0.7}},   // first line down
        {39, {0.9, 0.1, 0.9, 0.7}},       // last line down, on the right edge
        {40, {0.165, 0.69, 0.165, 0.7}},  // first tick at the bottom
        {88, {0.885, 0.69, 0.885, 0.7}},  // last tick at the bottom
    };
    for (const auto& r : rows) {
        const PageSegment& g = grid[r.index];
        EXPECT_NEAR(g.x1, r.segment.x1, 1e-9) << r.index;
        EXPECT_NEAR(g.y1, r.segment.y1, 1e-9) << r.index;
        EXPECT_NEAR(g.x2, r.segment.x2, 1e-9) << r.index;
        EXPECT_NEAR(g.y2, r.segment.y2, 1e-9) << r.index;
    }
    const std::vector<PageSegment> table = ResultTableSegments();
    ASSERT_EQ(table.size(), 64u);
    EXPECT_EQ(table.front(), (PageSegment{0.074, 0.75, 0.274, 0.75}));
    EXPECT_NEAR(table.back().x1, 0.074 + 3 * 0.2217, 1e-9);  // last box's left side
    EXPECT_NEAR(table.back().y1, 0.94, 1e-9);
}

TEST(TessaltReport, FrameTextsContentInOrderThenTheDocumentEnds) {
    const ShockState s = Redrawn();
    const RecordingPrinter p = Printed(s);
    EXPECT_EQ(p.events.front(), "orientation:2");
    EXPECT_EQ(p.events[1], "page");
    EXPECT_EQ(p.events.back(), "enddoc");
    EXPECT_DOUBLE_EQ(p.lines.front().x1, 0.01 * W);
    EXPECT_EQ(p.lines.front().width, 3);
    // Texts come after the frame and before the plot content, which is drawn thick.
    const auto firstText = std::find(p.events.begin(), p.events.end(), "text");
    const auto lastText = std::find(p.events.rbegin(), p.events.rend(), "text");
    EXPECT_EQ(std::count(p.events.begin(), firstText, "line"), 12 + 4 + 89 + 64);
    EXPECT_EQ(p.lines.back().width, 3);
    EXPECT_GT(std::count(p.events.rbegin(), lastText, "line"), 100);
}

TEST(TessaltReport, TextTableByViewAndUnits) {
    const struct {
        float units;
        bool srs;
        std::vector<std::pair<std::string, Rgb>> present;
        std::vector<std::string> absent;
    } cases[] = {
        {CodeOf(Units::English),
         false,
         {{"MSEC", kBlack},
          {"ACCELERATION- G-Peak", ConsoleColor(4)},
          {"VELOCITY- IPS-Peak", ConsoleColor(14)},
          {"DISPLACEMENT- MILSp-p (X10)", ConsoleColor(5)},
          {" TEST PROFILE ", ConsoleColor(4)},
          {"-20", kBlack},
          {"-25", kBlack}},
         {" HZ."}},
        {CodeOf(Units::Metric),
         false,
         {{"ACCELERATION- M/Sec.^2", ConsoleColor(4)},
          {"VELOCITY- CM/Sec.", ConsoleColor(14)},
          {"DISPLACEMENT- MM-pk (X10)", ConsoleColor(5)},
          {"-200", kBlack},
          {"-250", kBlack}},
         {"ACCELERATION- G-Peak"}},
        {CodeOf(Units::Hybrid),
         false,
         {{"MSEC", kBlack}, {" TEST PROFILE ", ConsoleColor(4)}},
         {"ACCELERATION- G-Peak", "VELOCITY- CM/Sec.", "-20", "-25"}},
        {CodeOf(Units::English),
         true,
         {{" HZ.", kBlack},
          {" SHOCK RESPONSE SPECTRUM ", ConsoleColor(4)},
          {"5", kBlack},
          {"2000", kBlack}},
         {"MSEC", "ACCELERATION- G-Peak"}},
    };
    for (const auto& c : cases) {
        ShockState s = Redrawn(c.units, c.srs);
        s.PrintColorMode = 2;
        const RecordingPrinter p = Printed(s);
        for (const auto& [text, color] : c.present) {
            const auto* t = p.FindText(text);
            ASSERT_NE(t, nullptr) << c.units << c.srs << " " << text;
            EXPECT_EQ(t->color, color) << text;
        }
        for (const auto& text : c.absent)
            EXPECT_EQ(p.FindText(text), nullptr) << c.units << c.srs << " " << text;
    }

    const ShockState s = Redrawn();
    const RecordingPrinter p = Printed(s);
    const ReportCaptions cap = Captions(s);
    const struct {
        std::string text;
        double x, y;
    } placed[] = {
        {cap.time, 0.2973, 0.855},
        {cap.date, 0.297, 0.905},
        {cap.dref, 0.518, 0.755},
        {cap.aref, 0.518, 0.855},
        {cap.y[0], 0.108, 0.09},
        {cap.y[5], 0.11, 0.39},
        {cap.y[8], 0.1, 0.57},
        {cap.x[4], 0.88, 0.71},
        {"SHOCK TEST # 7", 0.2, 0.07},
        {"QTR-8 DIGITAL SHOCK CONTROLLER         ORVANTIS          Ostrevin", 0.12, 0.039},
        {"-25", 0.1, 0.69},  // YScale 0.25 x -100 continues the ladder to the bottom
    };
    for (const auto& e : placed) {
        const auto* t = p.FindText(e.text);
        ASSERT_NE(t, nullptr) << e.text;
        EXPECT_NEAR(t->x, e.x * W, 1e-6) << e.text;
        EXPECT_NEAR(t->y, e.y * H, 1e-6) << e.text;
        EXPECT_EQ(t->fontSize, 10.0f);
    }
    EXPECT_TRUE(std::any_of(p.texts.begin(), p.texts.end(), [](const auto& t) {
        return t.text == "0" && t.x == 0.13 * W && t.y == 0.71 * H;  // the time origin
    }));
}

TEST(TessaltReport, MonochromeUnlessColourMode) {
    for (bool srs : {false, true}) {
        ShockState s = Redrawn(CodeOf(Units::English), srs);
        s.View.abort = true;
        for (int mode : {0, 1}) {
            s.PrintColorMode = mode;
            const RecordingPrinter p = Printed(s);
            for (const auto& l : p.lines) EXPECT_EQ(l.color, kBlack);
            for (const auto& t : p.texts) EXPECT_EQ(t.color, kBlack) << t.text;
        }
        s.PrintColorMode = 2;
        const RecordingPrinter c = Printed(s);
        EXPECT_TRUE(c.LinesIn(ConsoleColor(15)).empty());
        for (const auto& t : c.texts) EXPECT_NE(t.color, ConsoleColor(15)) << t.text;
        EXPECT_EQ(c.LinesIn(ConsoleColor(3)).size(), 12u + 4 + 64);
        EXPECT_EQ(c.LinesIn(ConsoleColor(2)).size(), 89u);
        if (srs) {
            EXPECT_EQ(c.LinesIn(ConsoleColor(4)).size(), SpectrumOnPage(s).size());
        } else {
            // The band: white would not show on paper and erases what it crosses.
            EXPECT_FALSE(c.LinesIn(kBlack).empty());
            EXPECT_FALSE(c.LinesIn(ConsoleColor(14)).empty());
        }
    }
}

TEST(TessaltReportContent, TracesCarryTheScreenValuesScaledIntoTheBox) {
    for (float polarity : {1.0f, 2.0f}) {
        ShockState s = Redrawn();
        s.P[kAccShown] = s.P[kVelShown] = s.P[kDispShown] = 2;
        s.P[param::kPolarity] = polarity;
        s.XScale = 4;  // the whole pass fits in the box
        const double w = 7000, h = 4455;
        ShockState screenState = s;
        RecordingCanvas screen(w, h);
        DrawTestProfilePass(screenState, screen);
        const std::vector<PageTrace> page = TestProfileOnPage(s);
        ASSERT_EQ(page.size(), screen.lines.size());
        for (std::size_t n = 0; n < page.size(); ++n) {
            const auto& a = screen.lines[n];
            const PageSegment& b = page[n].segment;
            EXPECT_NEAR(b.x1, 0.15 + 0.75 * a.x1 / w, 5e-4) << n;
            EXPECT_NEAR(b.x2, 0.15 + 0.75 * a.x2 / w, 5e-4) << n;
            EXPECT_NEAR(b.y1, PageClipY(0.1 + 0.6 * a.y1 / h), 1e-9) << n;
            EXPECT_NEAR(b.y2, PageClipY(0.1 + 0.6 * a.y2 / h), 1e-9) << n;
        }
    }
}

TEST(TessaltReportContent, ClippedToTheBoxAndEndingAtItsRightEdge) {
    ShockState s = Redrawn();
    s.P[kAccShown] = 2;
    s.W[3] = 80;
    s.W[4] = -80;      // full amplitude both ways,
    s.YScale = 0.01f;  // far beyond the top and the bottom
    s.XScale = 0.1f;   // and far beyond the right edge
    const std::vector<PageTrace> traces = TestProfileOnPage(s);
    ASSERT_FALSE(traces.empty());
    bool top = false, bottom = false;
    double right = 0;
    for (const PageTrace& t : traces) {
        for (double y : {t.segment.y1, t.segment.y2}) {
            EXPECT_GE(y, 0.1);
            EXPECT_LE(y, 0.7);
            top = top || y == 0.1;
            bottom = bottom || y == 0.7;
        }
        right = std::max(right, t.segment.x2);
    }
    EXPECT_TRUE(top);
    EXPECT_TRUE(bottom);
    EXPECT_LE(right, 0.9);
    EXPECT_GT(right, 0.9 - PageSampleX(1, s.XScale, s.RATEF) + 0.15);  // the last one fitting
}

TEST(TessaltReportContent, BandAlongEverySampleAroundTheTraceOfEitherPolarity) {
    ShockState s = Redrawn();
    s.XScale = 8;
    s.View.abort = true;
    s.P[kAccShown] = s.P[kVelShown] = s.P[kDispShown] = 1;
    s.P[param::kPolarity] = 2;  // trace and band inverted, as on the screen
    s.PrintColorMode = 2;
    const std::vector<PageTrace> traces = TestProfileOnPage(s);
    std::size_t samples = 0;
    while (samples < kLastTestSample && PageSampleX(samples + 1, s.XScale, s.RATEF) <= 0.9)
        ++samples;
    EXPECT_GT(samples, 4 * s.N);            // beyond the main pulse too
    EXPECT_EQ(traces.size(), 2 * samples);  // two band lines per sample
    s.P[kAccShown] = 2;
    const std::vector<PageTrace> withAcc = TestProfileOnPage(s);
    const double k = BandFactor(s.P[param::kAbortDb]);
    double lowest = 0;
    for (std::size_t n = 0; n + 2 < withAcc.size(); n += 3) {
        const PageSegment& acc = withAcc[n].segment;
        const PageSegment& up = withAcc[n + 1].segment;
        EXPECT_EQ(withAcc[n + 1].color, kBlack);  // white would not show on paper
        if (acc.y2 > 0.1 && acc.y2 < 0.7) {
            EXPECT_NEAR(up.y2, PageClipY(0.4 + k * (acc.y2 - 0.4)), 1e-9) << n;
        }
        lowest = std::max(lowest, acc.y2);
    }
    // The 15 G crest at YScale 0.25 hangs 0.18 below the zero line.
    EXPECT_NEAR(lowest, 0.4 + 15 * 0.003 / 0.25, 1e-3);
}

TEST(TessaltReportContent, SpectrumIsAConnectedCurveThroughTheScreenBars) {
    ShockState s = Redrawn(CodeOf(Units::English), true);
    const BarValues bars = BarValuesOf(s);
    const std::vector<PageTrace> curve = SpectrumOnPage(s);
    ASSERT_FALSE(curve.empty());
    EXPECT_EQ(curve.front().segment.x1, 0.15);
    EXPECT_EQ(curve.front().segment.y1, 0.7);
    for (std::size_t n = 1; n < curve.size(); ++n) {
        EXPECT_EQ(curve[n].segment.x1, curve[n - 1].segment.x2);
        EXPECT_EQ(curve[n].segment.y1, curve[n - 1].segment.y2);
    }
    // Point i stands where the top of screen bar i stands, in box fractions.
    const double h = 4455, w = 7000;
    for (int i : {1, 2, 50}) {
        const PageSegment& p = curve[i - 1].segment;
        const float previous = i == 1 ? 0.0f : bars[i - 2];
        EXPECT_NEAR(p.x2, 0.15 + 0.75 * BarX(i, w, s.RATEF) / w, 1e-9);
        EXPECT_NEAR(p.y2, PageClipY(0.1 + 0.6 * BarTopY(previous, bars[i - 1], s.YScale, h) / h),
                    1e-9);
    }
    for (const PageTrace& t : curve) EXPECT_LE(t.segment.x2, 0.9);
    // Printing reads the last screen spectrum: a changed pulse does not show until redrawn.
    ShockState changed = s;
    changed.W.fill(0.0f);
    EXPECT_EQ(SpectrumOnPage(changed).size(), curve.size());
    EXPECT_EQ(SpectrumOnPage(changed)[10].segment, curve[10].segment);
}

TEST(TessaltReportContent, PrintingChangesNoPeakAndNoRunningValue) {
    ShockState s = Redrawn();
    s.View.abort = true;
    s.View.srs = true;
    s.XScale = 0.1f;
    const ShockState before = s;
    Printed(s);
    EXPECT_EQ(s.PeakAcc, before.PeakAcc);
    EXPECT_EQ(s.PeakVel, before.PeakVel);
    EXPECT_EQ(s.PeakDisp, before.PeakDisp);
    EXPECT_EQ(s.AccPrev, before.AccPrev);
    EXPECT_EQ(s.VelCur, before.VelCur);
    EXPECT_EQ(s.DispCur, before.DispCur);
    EXPECT_EQ(s.SrsValue, before.SrsValue);
    EXPECT_EQ(s.SpecRe, before.SpecRe);
}

TEST(TessaltReportFailures, RetryRepeatsTheFailedStep) {
    const ShockState s = Redrawn();
    const RecordingPrinter clean = Printed(s);
    for (int failing : {0, 40, 200, clean.attempts - 1}) {
        RecordingPrinter p;
        p.width = W;
        p.height = H;
        p.failingAttempts = {failing};
        int boxes = 0;
        PrintReport(s, Captions(s), p, [&](const FileError& e) {
            EXPECT_EQ(e.number, 482);
            ++boxes;
            return true;
        });
        EXPECT_EQ(boxes, 1);
        EXPECT_EQ(p.events, clean.events) << failing;
    }
}

TEST(TessaltReportFailures, CancelLeavesTheRoutineAndTheDocumentIsStillEnded) {
    const ShockState s = Redrawn();
    const RecordingPrinter clean = Printed(s);
    const int frameLines = 12 + 4 + 89 + 64;
    const int texts = int(clean.texts.size());
    const struct {
        int failing;  // the attempt cancelled
        int linesLost, textsLost;
    } cases[] = {
        {0, frameLines, 0},                  // the page size: the whole frame is left out
        {10, frameLines - 9, 0},             // a border line
        {1 + frameLines + 3, 0, texts - 3},  // the fourth text
    };
    for (const auto& c : cases) {
        RecordingPrinter p;
        p.width = W;
        p.height = H;
        p.failingAttempts = {c.failing};
        int boxes = 0;
        PrintReport(s, Captions(s), p, [&](const FileError&) {
            ++boxes;
            return false;
        });
        EXPECT_EQ(boxes, 1) << c.failing;
        EXPECT_EQ(p.events.back(), "enddoc") << c.failing;
        EXPECT_FALSE(p.Has("abortdoc"));
        EXPECT_EQ(int(p.lines.size()), int(clean.lines.size()) - c.linesLost) << c.failing;
        EXPECT_EQ(int(p.texts.size()), texts - c.textsLost) << c.failing;
    }
    // A cancelled end of document abandons the job instead of leaving the page open.
    RecordingPrinter p;
    p.failingAttempts = {clean.attempts - 1};
    PrintReport(s, Captions(s), p, [](const FileError&) { return false; });
    EXPECT_EQ(p.events.back(), "abortdoc");
}

}  // namespace
}  // namespace vib::shock
