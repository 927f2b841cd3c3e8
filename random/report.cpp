#include "report.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "exact.h"
#include "platform/numbers.h"

namespace vib::random {
namespace {

constexpr double kBoxWidth = kBoxRight - kBoxLeft;   // 0.75 of the page
constexpr double kBoxHeight = kBoxBottom - kBoxTop;  // 0.6 of the page
constexpr double kTextY = 0.71;                      // frequency numbers under the box

struct FreqNumber {
    const char* text;
    double x;
};

// The frequency numbers under the box, by XAxisSetting 1..4.
const std::vector<FreqNumber>& FreqNumbers(int setting) {
    static const std::vector<FreqNumber> kRows[4] = {
        {{"1", 0.15}, {"10", 0.42}, {"100", 0.69}, {" 500", 0.88}},
        {{"2", 0.15}, {"10", 0.334}, {"100", 0.615}, {"1000", 0.88}},
        {{"5", 0.15}, {"10", 0.227}, {"100", 0.508}, {"1000", 0.796}, {"2KHZ.", 0.88}},
        {{"10", 0.14}, {"100", 0.421}, {"1000", 0.712}, {"4KHZ.", 0.88}},
    };
    static const std::vector<FreqNumber> kNone;
    return setting >= 1 && setting <= 4 ? kRows[setting - 1] : kNone;
}

// The window's picture at its design size; the page maps it into the box, so the grid
// and the traces are the screen's own geometry.
constexpr double kPictureWidth = 8350, kPictureHeight = 5160;

PageSegment ToBox(const PlotSegment& p) {
    auto x = [](double v) { return kBoxLeft + v / kPictureWidth * kBoxWidth; };
    auto y = [](double v) { return kBoxTop + v / kPictureHeight * kBoxHeight; };
    return {x(p.x1), y(p.y1), x(p.x2), y(p.y2)};
}

// The part of a segment inside the box, as the window's picture cuts what leaves it.
std::optional<PageSegment> CutToBox(const PageSegment& s) {
    double t0 = 0, t1 = 1;
    const double dx = s.x2 - s.x1, dy = s.y2 - s.y1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {s.x1 - kBoxLeft, kBoxRight - s.x1, s.y1 - kBoxTop, kBoxBottom - s.y1};
    for (int k = 0; k < 4; ++k) {
        if (p[k] == 0) {
            if (q[k] < 0) return std::nullopt;
            continue;
        }
        const double t = q[k] / p[k];
        if (p[k] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
    }
    if (!(t0 <= t1)) return std::nullopt;
    // A cut end lies on the edge exactly, whatever the rounding of the cut.
    auto x = [](double v) { return std::clamp(v, kBoxLeft, kBoxRight); };
    auto y = [](double v) { return std::clamp(v, kBoxTop, kBoxBottom); };
    return PageSegment{x(s.x1 + t0 * dx), y(s.y1 + t0 * dy), x(s.x1 + t1 * dx), y(s.y1 + t1 * dy)};
}

}  // namespace

double PageFreqX(const PlotLayout& l, double freq) {
    return kBoxLeft + kBoxWidth * FreqToX(l, 1.0, freq);
}

double PageAsdY(const PlotLayout& l, double asd) {
    return kBoxTop + kBoxHeight * AsdToY(l, 1.0, asd);
}

std::vector<PageSegment> PlotBoxSegments() {
    return RectangleSides(kBoxLeft, kBoxTop, kBoxRight, kBoxBottom);
}

std::vector<PageSegment> PageGridSegments(const PlotLayout& l) {
    std::vector<PageSegment> out;
    for (const PlotSegment& g : GridLines(l, kPictureWidth, kPictureHeight))
        out.push_back(ToBox(g));
    return out;
}

std::vector<PageSegment> ResultBoxSegments() {
    std::vector<PageSegment> out;
    for (int c = 0; c <= 2; ++c)
        for (int r = 0; r <= 1; ++r)
            for (const PageSegment& s :
                 RectangleSides(0.15 + 0.25 * c, 0.75 + 0.05 * r, 0.35 + 0.25 * c, 0.79 + 0.05 * r))
                out.push_back(s);
    return out;
}

std::vector<PageSegment> PageTracePath(const RandomState& s, Trace trace) {
    std::vector<PageSegment> path;
    for (const PlotSegment& p : TracePath(s, kPictureWidth, kPictureHeight, trace))
        if (const auto cut = CutToBox(ToBox(p))) path.push_back(*cut);
    return path;
}

ReportInputs ReportInputsOf(const RandomState& s, const Screen& screen, const std::string& town,
                            char decimal) {
    ReportInputs in;
    in.testTitle = screen.title;
    in.dref = screen.dref;
    in.vref = screen.vref;
    in.aref = screen.aref;
    in.profile = screen.profile;
    in.time = screen.time;
    in.date = screen.date;
    in.force = screen.forceReport;
    if (const auto units = s.UnitSystem())
        in.exact = "  Exact Gref = " + GrmsText(ExactResultsOf(s).gref, *units, decimal) + " ";
    in.abortLines = s.AbortLines;
    in.printColorMode = s.PrintColorMode;
    in.town = town;
    return in;
}

std::string ReportBanner(const std::string& town) {
    return "RANDOM VIBRATION CALCULATOR         ORVANTIS         " + town;
}

std::vector<PageText> ReportTexts(const RandomState& s, const ReportInputs& in) {
    const Rgb black = ConsoleColor(0);
    auto color = [&in](int palette) { return PrintColor(in.printColorMode, palette); };
    std::vector<PageText> out = {
        {in.aref, 0.175, 0.755, black}, {in.vref, 0.427, 0.755, black},
        {in.dref, 0.675, 0.755, black}, {in.profile, 0.175, 0.805, black},
        {in.time, 0.425, 0.805, black}, {in.date, 0.675, 0.805, black},
    };
    if (!in.force.empty()) out.push_back({in.force, 0.175, 0.855, black});
    if (!in.exact.empty()) out.push_back({in.exact, 0.675, 0.855, black});

    const int decades = std::max<int>(s.Layout.DecadeCount, 1);
    const double step = kBoxHeight / decades;
    const std::vector<PlacedText> labels = DecadeLabels(s);
    for (std::size_t k = 0; k < labels.size(); ++k)
        out.push_back({labels[k].text, 0.11, 0.69 - double(k) * step, black});

    // The legend about the middle of the ASD axis, with the screen's offsets; the
    // channel entries stack under "Ave.".
    const double half = decades / 2;
    const int channelColors[4] = {12, 13, 4, 9};
    for (int n = 0; n < 4; ++n)
        out.push_back({s.PlotLabels[11 + n], 0.1, 0.69 - (half - 0.5) * step + 0.025 * (n + 1),
                       color(channelColors[n])});
    out.push_back({s.PlotLabels[15], 0.11, 0.69 - (half + 0.67) * step, black});
    // The unit text is the widest of the legend: it starts further left, so it ends
    // clear of the box frame at 0.15.
    out.push_back({s.PlotLabels[17], kUnitTextX, 0.69 - (half + 0.33) * step, black});
    out.push_back({s.PlotLabels[16], 0.09, 0.69 - (half - 0.5) * step, color(2)});

    const float xSetting = s.Param(prm::XAxisSetting);
    const int row = xSetting == float(int(xSetting)) ? int(xSetting) : 0;
    for (const FreqNumber& n : FreqNumbers(row)) out.push_back({n.text, n.x, kTextY, black});

    out.push_back({in.testTitle, 0.2, 0.07, black});
    out.push_back({ReportBanner(in.town), 0.12, 0.039, black});
    return out;
}

std::vector<PageText> SubtitleTexts(const RandomState& s) {
    // Where the screen shows them, (0.2, 0.01) and (0.2, 0.05) of the plot, mapped into
    // the box; each on its own white box, so the grid does not run through the letters.
    const Rgb black = ConsoleColor(0);
    return {{s.SubTitle1, kSubTitleX, kSubTitle1Y, black, true},
            {s.SubTitle2, kSubTitleX, kSubTitle2Y, black, true}};
}

bool PrintFrame(const RandomState& s, const ReportInputs& in, PageSteps& page) {
    Printer& p = page.Device();
    if (!page.ReadPage()) return false;
    const Rgb frame = PrintColor(in.printColorMode, 3);
    p.SetDrawWidth(3);
    p.SetDrawStyle(kSolidLine);
    if (!page.Lines(PageBorderSegments(), frame) || !page.Lines(PlotBoxSegments(), frame))
        return false;
    p.SetDrawWidth(1);
    p.SetDrawStyle(kDottedLine);
    if (!page.Lines(PageGridSegments(s.Layout), PrintColor(in.printColorMode, 2))) return false;
    // Over the grid, under the spectrum drawn next.
    p.SetFontSize(10);
    if (!page.Texts(SubtitleTexts(s))) return false;
    p.SetDrawStyle(kSolidLine);
    p.SetDrawWidth(3);
    if (!page.Lines(ResultBoxSegments(), frame)) return false;
    p.SetDrawWidth(1);
    return true;
}

bool PrintSpectrum(const RandomState& s, const ReportInputs& in, PageSteps& page) {
    // The curve is black in colour mode too; only the abort lines take a colour.
    if (!page.Lines(PageTracePath(s, Trace::Spectrum), ConsoleColor(0))) return false;
    if (!in.abortLines) return true;
    const Rgb abort = PrintColor(in.printColorMode, 14);
    return page.Lines(PageTracePath(s, Trace::UpperAbort), abort) &&
           page.Lines(PageTracePath(s, Trace::LowerAbort), abort);
}

bool PrintTexts(const RandomState& s, const ReportInputs& in, PageSteps& page) {
    page.Device().SetFontSize(10);
    return page.Texts(ReportTexts(s, in));
}

bool PrintReport(const RandomState& s, const ReportInputs& in, Printer& printer,
                 const PrintErrorHandler& onError) {
    printer.SetOrientation(kLandscape);
    PageSteps page(printer, onError);
    const bool done = PrintFrame(s, in, page) && PrintSpectrum(s, in, page) &&
                      PrintTexts(s, in, page) && page.EndDoc();
    if (!done) printer.AbortDoc();
    return done;
}

}  // namespace vib::random
