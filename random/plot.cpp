#include "plot.h"

#include <algorithm>
#include <cmath>

#include "platform/codepage.h"
#include "platform/force.h"

namespace vib::random {
namespace {

struct FreqAxisRow {
    float min, max, logMin, scale;
    const char* caption;
};

constexpr FreqAxisRow kFreqAxis[4] = {
    {1, 500, 0.0f, 0.16091f,
     "1            2                  5           10            20                             100 "
     " "
     "       200           500Hz."},
    {2, 1000, 0.69315f, 0.16091f,
     "2                 5           10            20                             100         200   "
     " "
     "         500   1000Hz."},
    {5, 2000, 1.60943f, 0.1669f,
     "5            10           20                               100         200                   "
     " "
     "        1000      2000Hz."},
    {10, 4000, 2.30258f, 0.1669f,
     "10         20                               100         200                             1000 "
     " "
     "      2000      4000Hz."},
};

constexpr float kAsdAxisScale[8] = {0.4342f, 0.2171f, 0.1447f, 0.1086f,
                                    0.0868f, 0.0724f, 0.062f,  0.0543f};

constexpr double kAbortExponent = 0.1501;
constexpr double kLnHundredSquared = 9.21;  // ln a = 2 ln v - 9.21 for v = 100 sqrt(a)

const FreqAxisRow* RowFor(float setting) {
    for (int i = 0; i < 4; ++i)
        if (setting == float(i + 1)) return &kFreqAxis[i];
    return nullptr;
}

// The plot's own size in whole twips, as the drawing takes it.
double Whole(double v) {
    return double(RoundToInt16(v));
}

}  // namespace

void ApplyPlotLayout(RandomState& s) {
    float& xSetting = s.Param(prm::XAxisSetting);
    if (xSetting == 0.0f) xSetting = 3;
    PlotLayout& l = s.Layout;
    if (const FreqAxisRow* row = RowFor(xSetting)) {
        l.FreqMin = row->min;
        l.FreqMax = row->max;
        l.FreqLogMin = row->logMin;
        l.FreqAxisScale = row->scale;
    }
    const float yMin = s.Param(prm::YMinSetting);
    const int decades = RoundToInt16(double(yMin) - s.Param(prm::YMaxSetting) + 4.0);
    if (decades >= 1 && decades <= 8) {
        l.DecadeCount = static_cast<std::int16_t>(decades);
        l.AsdAxisScale = kAsdAxisScale[decades - 1];
    }
    l.AsdLogMin = StoreSingle(std::log(std::pow(10.0, -2.0 - double(yMin))));
}

double FreqToX(const PlotLayout& l, double w, double freq) {
    return w * l.FreqAxisScale * (std::log(freq) - l.FreqLogMin);
}

double AsdToY(const PlotLayout& l, double h, double asd) {
    return h * (1.0 - l.AsdAxisScale * (std::log(asd) - l.AsdLogMin));
}

std::vector<PlotSegment> GridLines(const PlotLayout& l, double w, double h) {
    std::vector<PlotSegment> lines;
    for (int d = 0; d < l.DecadeCount; ++d) {
        for (int m = 1; m <= 10; ++m) {
            const double up = std::min(h * l.AsdAxisScale * std::log(m * std::pow(10.0, d)), h);
            lines.push_back({0, h - up, w, h - up});
        }
    }
    for (int d = 0; d <= 3; ++d) {
        for (int m = 1; m <= 10; ++m) {
            const double f = m * std::pow(10.0, d);
            if (f < l.FreqMin || f > l.FreqMax) continue;
            const double x = std::min(FreqToX(l, w, f), w);
            lines.push_back({x, 0, x, h});
        }
    }
    return lines;
}

std::vector<PlotSegment> TracePath(const RandomState& s, double w, double h, Trace trace) {
    std::vector<PlotSegment> path;
    const PlotLayout& l = s.Layout;
    const float df = s.LineSpacing();
    const int first = std::max<int>(s.StartLine, 1);
    const int last = std::min<int>(s.LineCount - 1, int(s.Spectrum.size()) - 1);
    if (first > last) return path;
    // The trace rises from the bottom edge under the first breakpoint; a breakpoint
    // without a logarithm starts it at its first line instead.
    const float f1 = s.Freq[1];
    double penX =
        std::isfinite(f1) && f1 > 0 ? FreqToX(l, w, f1) : FreqToX(l, w, double(first) * df);
    double penY = h;
    for (int i = first; i <= last; ++i) {
        const double f = StoreSingle(double(i) * df);
        double v = s.Spectrum[i];
        if (trace != Trace::Spectrum) {
            const double factor = std::exp(kAbortExponent * s.LineAbortDb[i]);
            v = trace == Trace::UpperAbort ? v * factor : v / factor;
        }
        if (!(v >= 0.1)) v = 0.1;  // also catches NaN
        if (v > h) v = h;
        const double x = FreqToX(l, w, f);
        const double y =
            h * (1.0 - l.AsdAxisScale * (2.0 * std::log(v) - l.AsdLogMin - kLnHundredSquared));
        path.push_back({penX, penY, x, y});
        penX = x;
        penY = y;
    }
    return path;
}

Rgb TraceColor(const RandomState& s) {
    return s.Param(prm::PlotBackground) == 1.0f ? Rgb{0, 0, 0} : Rgb{255, 255, 255};
}

void DrawAsdPlot(const RandomState& s, bool abortLines, Canvas& canvas) {
    DrawGridLines(s, canvas);
    DrawTraces(s, abortLines, canvas);
    DrawSubtitles(s, canvas);
}

void DrawGridLines(const RandomState& s, Canvas& canvas) {
    const double w = Whole(canvas.Width());
    const double h = Whole(canvas.Height());
    for (const auto& g : GridLines(s.Layout, w, h)) canvas.Line(g.x1, g.y1, g.x2, g.y2, kGridColor);
}

void DrawTraces(const RandomState& s, bool abortLines, Canvas& canvas) {
    const double w = Whole(canvas.Width());
    const double h = Whole(canvas.Height());
    const Rgb trace = TraceColor(s);
    for (const auto& p : TracePath(s, w, h, Trace::Spectrum))
        canvas.Line(p.x1, p.y1, p.x2, p.y2, trace);
    if (abortLines) {
        for (Trace t : {Trace::UpperAbort, Trace::LowerAbort})
            for (const auto& p : TracePath(s, w, h, t))
                canvas.Line(p.x1, p.y1, p.x2, p.y2, kAbortColor);
    }
}

void DrawSubtitles(const RandomState& s, Canvas& canvas) {
    const double w = canvas.Width();
    const double h = canvas.Height();
    // In the trace's colour, so they stay readable on a white background too.
    canvas.Text(0.2 * w, 0.01 * h, s.SubTitle1, TraceColor(s));
    canvas.Text(0.2 * w, 0.05 * h, s.SubTitle2, TraceColor(s));
}

std::vector<PlacedText> DecadeLabels(const RandomState& s) {
    std::vector<PlacedText> labels;
    const int decades = s.Layout.DecadeCount;
    const bool metric = s.UnitSystem() == Units::Metric;
    const int base = RoundToInt16((metric ? 7.0 : 5.0) - s.Param(prm::YMinSetting));
    for (int k = 0; k <= decades; ++k) {
        const int j = base + k;
        const std::string text =
            j >= 0 && j < int(s.PlotLabels.size()) ? s.PlotLabels[j] : std::string();
        labels.push_back({text, 0.05, 0.76 - k * 0.717 / decades, Rgb{0, 0, 0}});
    }
    return labels;
}

std::vector<PlacedText> AxisCaptions(RandomState& s) {
    for (int j = 11; j <= 14; ++j) s.PlotLabels[j] = "     ";
    // Only Metric holds its levels in (m/s^2)^2/Hz; Hybrid keeps G^2/Hz.
    s.PlotLabels[17] = s.UnitSystem() == Units::Metric ? "M^2/S^3" : "G^2/Hz.";
    const int decades = s.Layout.DecadeCount;
    const double half = decades / 2;
    const double step = 0.717 / decades;
    return {
        {s.PlotLabels[15], 0.03, 0.76 - (half + 0.67) * step, Rgb{0, 0, 0}},
        {s.PlotLabels[17], 0.03, 0.76 - (half + 0.33) * step, Rgb{0, 0, 0}},
        {s.PlotLabels[16], 0.05, 0.76 - (half - 0.5) * step, ConsoleColor(2)},
    };
}

void RedrawWithoutPicture(RandomState& s) {
    ApplyPlotLayout(s);
    AxisCaptions(s);
}

std::optional<std::string> FrequencyRowCaption(float xAxisSetting) {
    if (const FreqAxisRow* row = RowFor(xAxisSetting)) return std::string(row->caption);
    return std::nullopt;
}

std::vector<FrequencyLabel> FrequencyRowLabels(float xAxisSetting) {
    std::vector<FrequencyLabel> labels;
    const auto caption = FrequencyRowCaption(xAxisSetting);
    if (!caption) return labels;
    std::size_t pos = 0;
    while ((pos = caption->find_first_not_of(' ', pos)) != std::string::npos) {
        const std::size_t end = std::min(caption->find(' ', pos), caption->size());
        const std::string word = caption->substr(pos, end - pos);
        labels.push_back({word, LeadingNumber(word)});
        pos = end;
    }
    return labels;
}

std::optional<ResultTexts> ResultLabels(const RandomState& s, char decimal) {
    const auto units = s.UnitSystem();
    if (!units) return std::nullopt;
    const bool metric = units == Units::Metric;
    ResultTexts t;
    t.profile = "  " + ShownFileName(s.ProfileName, 20);
    auto mask = [decimal](double v, const char* m) { return FormatMask(v, m, decimal); };
    if (units == Units::English) {
        t.dref = "  Dref = " + mask(s.Dref, "####.#") + " MILS ";
        t.vref = "  Vref = " + mask(s.Vref, "###.##") + " IPS-PK";
        t.aref = "  Gref = " + GrmsText(s.Gref, *units, decimal) + " ";
        t.unitText = " G^2/Hz";
    } else {
        t.dref = "  Dref = " + mask(s.Dref * 0.0254, "###.##") + " MM    ";
        t.vref = "  Vref = " + mask(s.Vref * 2.54, "###.##") + " CM/S";
        t.aref = "  Gref = " + GrmsText(s.Gref, *units, decimal) + " ";
        t.unitText = metric ? "M^2/S^3" : " G^2/Hz";
    }
    return t;
}

std::string GrmsText(double g, Units units, char decimal) {
    if (units == Units::Metric) return FormatMask(g * 9.807, "####.#", decimal) + " M/S^2";
    return FormatMask(g, units == Units::English ? "###.##" : "###.#", decimal) + " G-RMS";
}

Screen ScreenOf(const RandomState& s, char decimal, Screen previous) {
    Screen screen = std::move(previous);
    screen.title = s.TestTitle;
    if (const auto row = FrequencyRowCaption(s.Param(prm::XAxisSetting)))
        screen.frequencyRow = *row;
    if (const auto texts = ResultLabels(s, decimal)) {
        screen.dref = texts->dref;
        screen.vref = texts->vref;
        screen.aref = texts->aref;
        screen.profile = texts->profile;
    }
    screen.force.clear();
    screen.forceReport.clear();
    const auto units = s.UnitSystem();
    if (const auto f = force::Compute(s.Params, s.Gref, force::Kind::RandomRms); f && units) {
        screen.force = force::LabelText(*f, *units, force::Kind::RandomRms);
        screen.forceReport = force::ReportLine(*f, *units, force::Kind::RandomRms, decimal);
    }
    return screen;
}

bool CursorReadoutExpired(float cursorTime, double now) {
    double elapsed = now - cursorTime;
    if (elapsed < 0 && elapsed > -86400.0) elapsed += 86400.0;  // the clock passed midnight
    return elapsed > 3.0;
}

std::optional<std::string> CursorReadoutText(const RandomState& s, double w, double h,
                                             char decimal) {
    const auto units = s.UnitSystem();
    if (!units) return std::nullopt;
    w = Whole(w);
    h = Whole(h);
    if (w <= 0 || h <= 0) return std::nullopt;
    const PlotLayout& l = s.Layout;
    const double f = std::exp(s.CursorX / (w * l.FreqAxisScale) + l.FreqLogMin);
    const double a = std::exp((h - s.CursorY) / (h * l.AsdAxisScale) + l.AsdLogMin);
    std::string text = "  Freq. = " + FormatMask(f, "####.#", decimal) + " Hz. " + ", ASD = ";
    // Metric decades are labelled two decades above the G^2/Hz axis, so the readout
    // reads the same scale as the labels beside it; Hybrid reads G^2/Hz as English.
    text += units == Units::Metric ? FormatMask(a * 100.0, "###.###", decimal)
                                   : FormatMask(a, "##.####", decimal);
    return text;
}

namespace {
void Step(float& setting, float delta, float lo, float hi) {
    setting += delta;
    if (setting < lo) setting = lo;
    if (setting > hi) setting = hi;
}
}  // namespace

void ZoomFreqIn(RandomState& s) {
    Step(s.Param(prm::XAxisSetting), -1, 1, 1e30f);
}
void ZoomFreqOut(RandomState& s) {
    Step(s.Param(prm::XAxisSetting), 1, -1e30f, 4);
}
void ZoomTopIn(RandomState& s) {
    Step(s.Param(prm::YMaxSetting), -1, 0, 1e30f);
}
void ZoomTopOut(RandomState& s) {
    Step(s.Param(prm::YMaxSetting), 1, -1e30f, 4);
}
void ZoomBottomIn(RandomState& s) {
    Step(s.Param(prm::YMinSetting), -1, 0, 1e30f);
}
void ZoomBottomOut(RandomState& s) {
    Step(s.Param(prm::YMinSetting), 1, -1e30f, 4);
}

}  // namespace vib::random
