#include "plot.h"

#include <cmath>

#include "checks.h"
#include "integration.h"
#include "model.h"
#include "platform/numbers.h"
#include "spectrum.h"
#include "view.h"

namespace vib::shock {

PlotSize ReadPlotSize(const Canvas& c) {
    return {static_cast<double>(RoundHalfEven(c.Width())),
            static_cast<double>(RoundHalfEven(c.Height()))};
}

std::vector<Segment> GridSegments(PlotSize p) {
    std::vector<Segment> out;
    out.reserve(89);
    for (int k = 0; k <= 9; ++k) {
        const double y = p.h - 0.1 * k * p.h;
        out.push_back({0, y, p.w, y});
    }
    for (int k = 0; k <= 19; ++k) {
        const double y = p.h - 0.05 * k * p.h;
        out.push_back({0, y, 0.015 * p.w, y});
    }
    for (int k = 1; k <= 10; ++k) {
        const double x = 0.1 * k * p.w;
        out.push_back({x, 0, x, p.h});
    }
    for (int k = 1; k <= 49; ++k) {
        const double x = 0.02 * k * p.w;
        out.push_back({x, 0.965 * p.h, x, p.h});
    }
    return out;
}

double SampleX(int i, double w, float xScale, float ratef) {
    return i * 0.00783 * w / (static_cast<double>(xScale) * ratef);
}

double ValueY(double u, double f, float yScale, double h) {
    return (0.5 - u * f / yScale) * h;
}

TraceFactors FactorsFor(std::optional<Units> units) {
    if (units == Units::Metric) return {0.005, 0.00127, 0.000127};
    if (units == Units::Hybrid) return {0.005, 0.00127, 0.0005};
    return {0.005, 0.005, 0.0005};
}

double PolaritySign(const ShockState& s) {
    return s.P[param::kPolarity] == 2.0f ? -1.0 : 1.0;
}

Rgb ForegroundColor(const ShockState& s) {
    return ConsoleColor(s.P[slot::kPlotBackground] == 1.0f ? 0 : 15);
}

double BandFactor(float db) {
    return std::exp(0.115 * db);
}

bool InMainPulse(int i, float n) {
    return 4.0 * n <= i && i <= 5.0 * n;
}

double BandY(double y, double factor, double h) {
    const double zero = 0.5 * h;
    return zero + factor * (y - zero);
}

double BarX(int i, double w, float ratef) {
    return i * 0.000625 * w * ratef;
}

double BarTopY(float previous, float current, float yScale, double h) {
    return h * (1.0 - (static_cast<double>(previous) + current) * 0.01 / yScale);
}

void DrawGrid(Canvas& c) {
    for (const Segment& g : GridSegments(ReadPlotSize(c)))
        c.Line(g.x1, g.y1, g.x2, g.y2, kGridColor);
}

TimeAxisLabels DrawTimeAxisLabels(const ShockState& s, char decimal) {
    // The spectrum axis reads 400..2000 Hz: the labels of XScale 20.
    const float scale = s.View.srs ? 20.0f : s.XScale;
    TimeAxisLabels out;
    out.unit = s.View.srs ? " HZ. " : "M-SEC.";
    out.spinVisible = !s.View.srs;
    for (int k = 0; k < 5; ++k)
        out.x[k] = FormatGeneral(StoreSingle(scale * 20.0 * (k + 1)), decimal);
    return out;
}

namespace {

struct TitleRow {
    const char* text;
    Rgb color;
};

struct ValueAxisCase {
    double top, step;  // label factors from lblY0 down
    TitleRow titles[3];
};

ValueAxisCase CaseFor(const ShockState& s) {
    if (s.View.srs)
        return {200,
                -20,
                {{" ", ConsoleColor(12)},
                 {"                       ", ConsoleColor(14)},
                 {"                          ", ConsoleColor(13)}}};
    const auto units = s.UnitSystem();
    if (units == Units::Metric)
        return {1000,
                -200,
                {{"ACCELERATION- M/Sec.^2", ConsoleColor(12)},
                 {"VELOCITY- CM/Sec.", ConsoleColor(14)},
                 {"DISPLACEMENT- MM-pk (X10)", ConsoleColor(5)}}};
    if (units == Units::Hybrid)
        return {100,
                -20,
                {{"ACCELERATION- G-Peak", ConsoleColor(12)},
                 {"VELOCITY- CM/Sec.", ConsoleColor(14)},
                 {"DISPLACEMENT- MM-pk (X10)", ConsoleColor(5)}}};
    return {100,
            -20,
            {{"ACCELERATION- G-Peak", ConsoleColor(12)},
             {"VELOCITY- IPS-Peak", ConsoleColor(14)},
             {"DISPLACEMENT- MILSp-p (X10)", ConsoleColor(13)}}};
}

}  // namespace

ValueAxisLabels DrawValueAxisLabels(const ShockState& s, Canvas& c, char decimal) {
    const PlotSize p = ReadPlotSize(c);
    const ValueAxisCase v = CaseFor(s);
    ValueAxisLabels out;
    for (int k = 0; k < 9; ++k)
        out[k] = FormatGeneral(StoreSingle(s.YScale * (v.top + v.step * k)), decimal);
    for (int row = 0; row < 3; ++row)
        c.Text(0.11 * p.w, 0.05 * (row + 1) * p.h, v.titles[row].text, v.titles[row].color);
    c.Text(0.5 * p.w, 0.05 * p.h, s.SubTitle1, ForegroundColor(s));
    c.Text(0.5 * p.w, 0.10 * p.h, s.SubTitle2, ForegroundColor(s));
    return out;
}

void PrintPlotTitle(const ShockState& s, Canvas& c) {
    const PlotSize p = ReadPlotSize(c);
    c.Text(0.11 * p.w, 0, s.PlotTitle, ForegroundColor(s));
}

std::vector<std::string> DrawTestProfilePass(ShockState& s, Canvas& c) {
    const PlotSize p = ReadPlotSize(c);
    s.PlotTitle = kTestTitle;
    PrintPlotTitle(s, c);

    const TraceFactors f = FactorsFor(s.UnitSystem());
    const double sign = PolaritySign(s);
    const bool acc = TraceShown(s, kAccShown);
    const bool vel = TraceShown(s, kVelShown);
    const bool disp = TraceShown(s, kDispShown);

    BeginTestPass(s);
    for (int i = kFirstTestSample; i <= kLastTestSample; ++i) {
        // The peaks come from the same step as the segments drawn.
        const TestSegment seg = StepTestPass(s, i);
        const double x0 = SampleX(i - 1, p.w, s.XScale, s.RATEF);
        const double x1 = SampleX(i, p.w, s.XScale, s.RATEF);
        auto y = [&](double u, double factor) { return ValueY(sign * u, factor, s.YScale, p.h); };
        if (acc) c.Line(x0, y(seg.accPrev, f.acc), x1, y(seg.accCur, f.acc), kAccColor);
        if (vel) c.Line(x0, y(seg.velPrev, f.vel), x1, y(seg.velCur, f.vel), kVelColor);
        if (disp) c.Line(x0, y(seg.dispPrev, f.disp), x1, y(seg.dispCur, f.disp), kDispColor);
    }
    return CheckTestLimits(s);
}

void DrawAbortBandPass(ShockState& s, Canvas& c) {
    const PlotSize p = ReadPlotSize(c);
    const bool negative = s.P[param::kPolarity] == 2.0f;
    const TraceFactors f = FactorsFor(s.UnitSystem());
    const Rgb color = ForegroundColor(s);
    // AccPrev is not reset: the first segment starts from whatever the last pass left.
    for (int i = kFirstTestSample; i <= kLastTestSample; ++i) {
        float a = StoreSingle(s.Aeff * 0.0125 * s.W[i]);
        if (negative) a = -a;
        s.AccCur = a;
        if (InMainPulse(i, s.N)) {
            const double x0 = SampleX(i - 1, p.w, s.XScale, s.RATEF);
            const double x1 = SampleX(i, p.w, s.XScale, s.RATEF);
            const double y0 = ValueY(s.AccPrev, f.acc, s.YScale, p.h);
            const double y1 = ValueY(a, f.acc, s.YScale, p.h);
            const double k = BandFactor(s.P[param::kAbortDb]);
            c.Line(x0, BandY(y0, k, p.h), x1, BandY(y1, k, p.h), color);
            c.Line(x0, BandY(y0, 1.0 / k, p.h), x1, BandY(y1, 1.0 / k, p.h), color);
        }
        s.AccPrev = a;
    }
}

void DrawSpectrumPass(ShockState& s, Canvas& c) {
    const PlotSize p = ReadPlotSize(c);
    s.PlotTitle = kSrsTitle;
    PrintPlotTitle(s, c);
    const BarValues bars = SpectrumPass(s);
    float previous = 0.0f;
    for (int i = 1; i <= kBars; ++i) {
        const float current = bars[i - 1];
        const double x = BarX(i, p.w, s.RATEF);
        c.Line(x, p.h, x, BarTopY(previous, current, s.YScale, p.h), kBarColor);
        previous = current;
    }
}

std::vector<std::string> DrawPlotContent(ShockState& s, Canvas& c) {
    std::vector<std::string> messages;
    if (s.View.test) messages = DrawTestProfilePass(s, c);
    if (s.View.abort) DrawAbortBandPass(s, c);
    if (s.View.srs) DrawSpectrumPass(s, c);
    return messages;
}

}  // namespace vib::shock
