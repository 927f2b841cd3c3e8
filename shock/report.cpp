#include "report.h"

#include <algorithm>

#include "integration.h"
#include "model.h"
#include "platform/numbers.h"
#include "plot.h"
#include "response_plot.h"
#include "spectrum.h"
#include "view.h"

namespace vib::shock {
namespace {

constexpr double kBoxWidth = kBoxRight - kBoxLeft;   // 0.75 of the page
constexpr double kBoxHeight = kBoxBottom - kBoxTop;  // 0.6 of the page
constexpr double kPageSampleStep = 0.00587;          // the screen's 0.00783 times 0.75
constexpr double kScreenBarStep = 0.000625;          // bar i at i x 0.000625 x RATEF widths

Rgb Black() {
    return ConsoleColor(0);
}

// The palette colour in colour mode, but white, which would not show on paper and
// erases what it crosses, prints as black.
Rgb PaperColor(int printColorMode, int palette) {
    return PrintColor(printColorMode, palette == 15 ? 0 : palette);
}

// The later routines need the page size too when the frame's reading of it was cancelled.
bool EnsurePage(PageSteps& page) {
    return page.HasPage() || page.ReadPage();
}

std::string Number(double v, char decimal) {
    return FormatGeneral(StoreSingle(v), decimal);
}

}  // namespace

ReportCaptions CaptionsFromRedraw(const RedrawOutput& r, const std::string& testTitle,
                                  const std::string& town, char decimal) {
    ReportCaptions c;
    c.time = r.results.time;
    c.date = r.results.date;
    c.dref = r.results.dref;
    c.vref = r.results.vref;
    c.aref = r.results.aref;
    c.profile = r.results.profile;
    c.force = r.results.force;
    c.forceReport = r.results.forceReport;
    c.y = r.values;
    c.x = r.time.x;
    c.testTitle = testTitle;
    c.town = town;
    c.decimal = decimal;
    return c;
}

std::vector<PageSegment> PlotBoxSegments() {
    return RectangleSides(kBoxLeft, kBoxTop, kBoxRight, kBoxBottom);
}

std::vector<PageSegment> PageGridSegments() {
    std::vector<PageSegment> out;
    for (int k = 0; k <= 9; ++k)
        out.push_back({kBoxLeft, 0.1 + 0.06 * k, kBoxRight, 0.1 + 0.06 * k});
    for (int k = 0; k <= 19; ++k)
        out.push_back({kBoxLeft, 0.1 + 0.03 * k, kBoxLeft + 0.01, 0.1 + 0.03 * k});
    for (int k = 1; k <= 10; ++k)
        out.push_back({0.15 + 0.075 * k, kBoxTop, 0.15 + 0.075 * k, kBoxBottom});
    for (int k = 1; k <= 49; ++k) out.push_back({0.15 + 0.015 * k, 0.69, 0.15 + 0.015 * k, 0.7});
    return out;
}

std::vector<PageSegment> ResultTableSegments() {
    std::vector<PageSegment> out;
    for (int r = 0; r <= 3; ++r) {
        for (int c = 0; c <= 3; ++c) {
            const double left = 0.074 + 0.2217 * c;
            const double top = 0.75 + 0.05 * r;
            for (const PageSegment& s : RectangleSides(left, top, left + 0.2, top + 0.04))
                out.push_back(s);
        }
    }
    return out;
}

std::string ReportBanner(const std::string& town) {
    return "QTR-8 DIGITAL SHOCK CONTROLLER" + std::string(9, ' ') + "ORVANTIS" +
           std::string(10, ' ') + town;
}

namespace {

// The response spectrum on paper: its pens in the print colours, its geometry in the box.
Rgb ResponsePaperColor(const ShockState& s, ResponsePen pen) {
    switch (pen) {
        case ResponsePen::Grid:
            return PaperColor(s.PrintColorMode, 2);
        case ResponsePen::Test:
            return PaperColor(s.PrintColorMode, 4);
        case ResponsePen::Ideal:
            return PaperColor(s.PrintColorMode, 1);
        case ResponsePen::Ink:
            break;
    }
    return Black();
}

std::vector<PageSegment> ResponseOnPage(const ShockState& s, ResponsePen pen) {
    std::vector<PageSegment> out;
    for (const auto& g : ResponseGeometryOf(ComputeResponseSpectrum(s), s.UnitSystem()).segments)
        if (g.pen == pen)
            out.push_back({kBoxLeft + g.x1 * kBoxWidth, kBoxTop + g.y1 * kBoxHeight,
                           kBoxLeft + g.x2 * kBoxWidth, kBoxTop + g.y2 * kBoxHeight});
    return out;
}

}  // namespace

std::vector<PageText> PageTexts(const ShockState& s, const ReportCaptions& c) {
    const Rgb black = Black();
    auto color = [&s](int palette) { return PaperColor(s.PrintColorMode, palette); };
    // The other captions start with a blank; a file's name would stand on the box's edge.
    const std::string profile = c.profile.rfind(' ', 0) == 0 ? c.profile : " " + c.profile;
    std::vector<PageText> out = {
        {c.time, 0.2973, 0.855, black}, {c.date, 0.297, 0.905, black},
        {c.dref, 0.518, 0.755, black},  {c.vref, 0.518, 0.805, black},
        {c.aref, 0.518, 0.855, black},  {profile, 0.518, 0.905, black},
    };
    // The force, when a moving mass is set, in the table's empty boxes, with what
    // Morvane's report line holds: the force and the rating right, the masses left.
    if (!c.force.empty()) {
        out.push_back({c.force, 0.76, 0.755, black});
        if (!c.forceReport.rating.empty())
            out.push_back({c.forceReport.rating, 0.76, 0.805, black});
        for (std::size_t k = 0; k < c.forceReport.masses.size() && k < 4; ++k)
            out.push_back({c.forceReport.masses[k], 0.08, 0.755 + 0.05 * double(k), black});
    }
    // Texts inside the box stand on white boxes of their own: the grid drawn before does
    // not cross them, the traces drawn after still do.
    auto inBox = [&out](const std::string& text, double x, double y, Rgb ink) {
        out.push_back({text, x, y, ink, true});
    };
    auto subtitles = [&] {
        inBox(s.SubTitle1, 0.5, 0.18, black);
        inBox(s.SubTitle2, 0.5, 0.24, black);
    };
    if (s.View.response) {
        // The response spectrum takes the box, with its own axis texts and title.
        const ResponseGeometry g = ResponseGeometryOf(ComputeResponseSpectrum(s), s.UnitSystem());
        for (const auto& l : g.labels) {
            const double x = kBoxLeft + l.x * kBoxWidth, y = kBoxTop + l.y * kBoxHeight;
            if (l.frequencyUnit)
                // At the end of the row of frequency numbers: below the box the page has
                // only that row before the results table.
                out.push_back({l.text, 0.925, 0.71, black});
            else if (x > kBoxLeft && x < kBoxRight && y > kBoxTop && y < kBoxBottom)
                inBox(l.text, x, y, ResponsePaperColor(s, l.pen));
            else
                out.push_back({l.text, x, y, ResponsePaperColor(s, l.pen)});
        }
        inBox(g.title, 0.175, 0.12, black);  // clear of the legend on the right
        out.push_back({c.testTitle, 0.2, 0.07, black});
        if (s.BrandingMode == 9 || s.BrandingMode == 10)
            out.push_back({ReportBanner(c.town), 0.12, 0.039, black});
        subtitles();
        return out;
    }
    for (int k = 0; k <= 8; ++k) {
        const double x = k <= 4 ? 0.108 : k == 5 ? 0.11 : 0.1;
        out.push_back({c.y[k], x, 0.09 + 0.06 * k, black});
    }
    out.push_back({"0", 0.13, 0.71, black});
    for (int k = 0; k < 5; ++k) out.push_back({c.x[k], 0.28 + 0.15 * k, 0.71, black});
    out.push_back({c.testTitle, 0.2, 0.07, black});
    if (s.BrandingMode == 9 || s.BrandingMode == 10)
        out.push_back({ReportBanner(c.town), 0.12, 0.039, black});

    // The two extra value labels carry the screen's ladder down to the bottom of the box.
    auto extraLabels = [&](double upper, double lower) {
        out.push_back({Number(s.YScale * upper, c.decimal), 0.1, 0.63, black});
        out.push_back({Number(s.YScale * lower, c.decimal), 0.1, 0.69, black});
    };
    if (s.View.srs) {
        out.push_back({" HZ.", 0.5, 0.71, black});
        inBox(kSrsTitle, 0.175, 0.12, color(4));
        extraLabels(20, 0);
    } else {
        out.push_back({"MSEC", 0.5, 0.71, black});
        inBox(s.PlotTitle, 0.5, 0.12, color(4));
        const auto units = s.UnitSystem();
        auto titles = [&](const char* acc, const char* vel, const char* disp) {
            inBox(acc, 0.175, 0.12, color(4));
            inBox(vel, 0.175, 0.18, color(14));
            inBox(disp, 0.175, 0.24, color(5));
        };
        if (units == Units::English) {
            titles("ACCELERATION- G-Peak", "VELOCITY- IPS-Peak", "DISPLACEMENT- MILSp-p (X10)");
            extraLabels(-80, -100);
        } else if (units == Units::Metric) {
            titles("ACCELERATION- M/Sec.^2", "VELOCITY- CM/Sec.", "DISPLACEMENT- MM-pk (X10)");
            extraLabels(-800, -1000);
        }
    }
    subtitles();
    return out;
}

double PageSampleX(int i, float xScale, float ratef) {
    return kBoxLeft + i * kPageSampleStep / (static_cast<double>(xScale) * ratef);
}

double PageClipY(double y) {
    if (!(y <= kBoxBottom)) return kBoxBottom;
    return std::max(y, kBoxTop);
}

std::vector<PageTrace> TestProfileOnPage(const ShockState& s) {
    std::vector<PageTrace> out;
    ShockState run = s;  // the screen's running values and peaks stay as they are
    run.Aeff = ComputeAeff(run);
    const int mode = s.PrintColorMode;
    // The screen's factors scaled to the box, which is 0.6 of the page height: the
    // printed traces then read on the screen's value labels printed beside the box.
    const TraceFactors screen = FactorsFor(s.UnitSystem());
    const TraceFactors f{screen.acc * kBoxHeight, screen.vel * kBoxHeight,
                         screen.disp * kBoxHeight};
    const bool acc = TraceShown(s, kAccShown);
    const bool vel = TraceShown(s, kVelShown);
    const bool disp = TraceShown(s, kDispShown);
    const double k = BandFactor(s.P[param::kAbortDb]);
    // Traces and band with the polarity's sign, as on the screen.
    const double sign = PolaritySign(s);
    auto rawY = [&](double u, double factor) { return kBoxZero - sign * u * factor / s.YScale; };
    auto y = [&](double u, double factor) { return PageClipY(rawY(u, factor)); };
    auto band = [&](double yv, double factor) {
        return PageClipY(kBoxZero + factor * (yv - kBoxZero));
    };

    BeginTestPass(run);
    for (int i = kFirstTestSample; i <= kLastTestSample; ++i) {
        const double x1 = PageSampleX(i, s.XScale, s.RATEF);
        if (!(x1 <= kBoxRight)) break;
        const double x0 = PageSampleX(i - 1, s.XScale, s.RATEF);
        const TestSegment seg = StepTestPass(run, i);
        if (acc)
            out.push_back(
                {{x0, y(seg.accPrev, f.acc), x1, y(seg.accCur, f.acc)}, PaperColor(mode, 12)});
        if (s.View.abort) {
            // Along every sample, about the zero line.
            const double y0 = rawY(seg.accPrev, f.acc);
            const double y1 = rawY(seg.accCur, f.acc);
            const Rgb c = PaperColor(mode, 15);
            out.push_back({{x0, band(y0, k), x1, band(y1, k)}, c});
            out.push_back({{x0, band(y0, 1.0 / k), x1, band(y1, 1.0 / k)}, c});
        }
        if (vel)
            out.push_back(
                {{x0, y(seg.velPrev, f.vel), x1, y(seg.velCur, f.vel)}, PaperColor(mode, 14)});
        if (disp)
            out.push_back(
                {{x0, y(seg.dispPrev, f.disp), x1, y(seg.dispCur, f.disp)}, PaperColor(mode, 13)});
    }
    return out;
}

std::vector<PageTrace> SpectrumOnPage(const ShockState& s) {
    std::vector<PageTrace> out;
    const Rgb c = PaperColor(s.PrintColorMode, 4);
    const BarValues bars = BarValuesOf(s);
    // Each point at the top of the screen's bar: x as the bar stands on the screen's
    // 0..2000 Hz axis, y from the same two values the bar's height takes.
    double px = kBoxLeft, py = kBoxBottom;
    float previous = 0.0f;
    for (int i = 1; i <= kBars; ++i) {
        const double x = kBoxLeft + kBoxWidth * i * kScreenBarStep * s.RATEF;
        if (!(x <= kBoxRight)) break;
        const float current = bars[i - 1];
        const double y = PageClipY(
            kBoxBottom - kBoxHeight * (static_cast<double>(previous) + current) * 0.01 / s.YScale);
        out.push_back({{px, py, x, y}, c});
        px = x;
        py = y;
        previous = current;
    }
    return out;
}

void PrintPageFrame(const ShockState& s, PageSteps& page) {
    Printer& p = page.Device();
    if (!page.ReadPage()) return;
    const Rgb frame = PaperColor(s.PrintColorMode, 3);
    p.SetDrawWidth(3);
    p.SetDrawStyle(kSolidLine);
    if (!page.Lines(PageBorderSegments(), frame) || !page.Lines(PlotBoxSegments(), frame)) return;
    p.SetDrawWidth(1);
    p.SetDrawStyle(kDottedLine);
    // The response spectrum's log-log grid, or the time and value grid.
    const Rgb grid = PaperColor(s.PrintColorMode, 2);
    if (!page.Lines(s.View.response ? ResponseOnPage(s, ResponsePen::Grid) : PageGridSegments(),
                    grid))
        return;
    p.SetDrawWidth(3);
    p.SetDrawStyle(kSolidLine);
    if (!page.Lines(ResultTableSegments(), frame)) return;
    p.SetDrawWidth(1);
}

void PrintPageText(const ShockState& s, const ReportCaptions& c, PageSteps& page) {
    if (!EnsurePage(page)) return;
    page.Device().SetFontSize(10);
    page.Texts(PageTexts(s, c));
}

void PrintPlotContent(const ShockState& s, PageSteps& page) {
    if (!EnsurePage(page)) return;
    Printer& p = page.Device();
    p.SetDrawWidth(3);
    p.SetDrawStyle(kSolidLine);
    auto draw = [&page](const std::vector<PageTrace>& traces) {
        for (const PageTrace& t : traces)
            if (!page.Line(t.segment, t.color)) return false;
        return true;
    };
    if (s.View.response) {
        // In place of the time traces while the response spectrum's window is open.
        if (page.Lines(ResponseOnPage(s, ResponsePen::Ideal),
                       ResponsePaperColor(s, ResponsePen::Ideal)))
            page.Lines(ResponseOnPage(s, ResponsePen::Test),
                       ResponsePaperColor(s, ResponsePen::Test));
    } else if (!s.View.test || draw(TestProfileOnPage(s))) {
        if (s.View.srs) draw(SpectrumOnPage(s));
    }
    p.SetDrawWidth(1);
}

void PrintReport(const ShockState& s, const ReportCaptions& c, Printer& printer,
                 const PrintErrorHandler& onError) {
    printer.SetOrientation(kLandscape);
    PageSteps page(printer, onError);
    PrintPageFrame(s, page);
    PrintPageText(s, c, page);
    PrintPlotContent(s, page);
    if (!page.EndDoc()) printer.AbortDoc();
}

}  // namespace vib::shock
