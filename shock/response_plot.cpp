#include "response_plot.h"

#include <algorithm>
#include <cmath>

#include "platform/numbers.h"

namespace vib::shock {
namespace {

constexpr double kLowHz = 10.0, kHighHz = 2000.0;
constexpr int kMostDecades = 6;

double Shown(double g, std::optional<Units> units) {
    return units == Units::Metric ? g * 9.807 : g;
}

const char* UnitText(std::optional<Units> units) {
    return units == Units::Metric ? "M/S^2" : "G";
}

}  // namespace

double ResponseX(double hz) {
    return (std::log10(hz) - std::log10(kLowHz)) / (std::log10(kHighHz) - std::log10(kLowHz));
}

double ResponseY(const ResponseGeometry& g, double value) {
    if (!(value > 0)) return 1.0;
    const double y = 1.0 - (std::log10(value) - g.lowDecade) / (g.highDecade - g.lowDecade);
    return std::clamp(y, 0.0, 1.0);
}

ResponseGeometry ResponseGeometryOf(const ResponseSpectrum& r, std::optional<Units> units) {
    ResponseGeometry g;
    g.title = "Maximax Shock Response Spectrum, Q = " + FormatGeneral(r.q);
    double lo = INFINITY, hi = 0;
    for (const auto* curve : {&r.maximaxG, &r.idealMaximaxG})
        for (double v : *curve)
            if (v > 0 && std::isfinite(v)) {
                lo = std::min(lo, Shown(v, units));
                hi = std::max(hi, Shown(v, units));
            }
    if (hi > 0) {
        g.highDecade = static_cast<int>(std::ceil(std::log10(hi) - 1e-9));
        g.lowDecade = static_cast<int>(std::floor(std::log10(lo) + 1e-9));
        g.lowDecade = std::clamp(g.lowDecade, g.highDecade - kMostDecades, g.highDecade - 1);
    }

    // Grid: 1 to 9 of each decade both ways, the frequency axis ending at 2 kHz.
    for (double decade = kLowHz; decade < kHighHz; decade *= 10)
        for (int m = 1; m <= 9 && decade * m <= kHighHz; ++m) {
            const double x = ResponseX(decade * m);
            g.segments.push_back({x, 0, x, 1, ResponsePen::Grid});
        }
    g.segments.push_back({1, 0, 1, 1, ResponsePen::Grid});
    for (int d = g.lowDecade; d < g.highDecade; ++d)
        for (int m = 1; m <= 9; ++m) {
            const double y = ResponseY(g, m * std::pow(10.0, d));
            g.segments.push_back({0, y, 1, y, ResponsePen::Grid});
        }
    g.segments.push_back({0, 0, 1, 0, ResponsePen::Grid});

    // The curves: the test pulse solid, the ideal one every other step, dashed.
    for (std::size_t k = 1; k < r.freqHz.size(); ++k) {
        const double x1 = ResponseX(r.freqHz[k - 1]), x2 = ResponseX(r.freqHz[k]);
        g.segments.push_back({x1, ResponseY(g, Shown(r.maximaxG[k - 1], units)), x2,
                              ResponseY(g, Shown(r.maximaxG[k], units)), ResponsePen::Test});
        if (k % 2)
            g.segments.push_back({x1, ResponseY(g, Shown(r.idealMaximaxG[k - 1], units)), x2,
                                  ResponseY(g, Shown(r.idealMaximaxG[k], units)),
                                  ResponsePen::Ideal});
    }

    for (int d = g.lowDecade; d <= g.highDecade; ++d)
        g.labels.push_back({-0.09, ResponseY(g, std::pow(10.0, d)) - 0.02,
                            FormatGeneral(std::pow(10.0, d)), ResponsePen::Ink});
    for (double hz : {10.0, 100.0, 1000.0, 2000.0})
        g.labels.push_back({ResponseX(hz) - 0.02, 1.02, FormatGeneral(hz), ResponsePen::Ink});
    g.labels.push_back({0.96, 1.07, "Hz", ResponsePen::Ink, true});
    g.labels.push_back({-0.09, -0.07, UnitText(units), ResponsePen::Ink});
    g.labels.push_back({0.62, 0.03, "Test pulse", ResponsePen::Test});
    g.labels.push_back({0.62, 0.08, "Ideal pulse, no compensation", ResponsePen::Ideal});
    return g;
}

ResponseBox ResponseBoxIn(double width, double height) {
    return {0.11 * width, 0.12 * height, 0.85 * width, 0.76 * height};
}

void DrawResponse(const ResponseGeometry& g, Canvas& c, float background) {
    const bool white = background == 1.0f;
    const Rgb ink = white ? Rgb{0, 0, 0} : Rgb{255, 255, 255};
    auto color = [&](ResponsePen pen) {
        switch (pen) {
            case ResponsePen::Grid:
                return white ? Rgb{128, 128, 128} : Rgb{0, 128, 128};
            case ResponsePen::Test:
                return white ? Rgb{255, 0, 0} : Rgb{255, 255, 0};
            case ResponsePen::Ideal:
                return white ? Rgb{0, 0, 255} : Rgb{255, 0, 255};
            case ResponsePen::Ink:
                break;
        }
        return ink;
    };
    const ResponseBox b = ResponseBoxIn(c.Width(), c.Height());
    auto x = [&b](double f) { return b.left + f * b.width; };
    auto y = [&b](double f) { return b.top + f * b.height; };
    // The grid first, so the curves stay on top of it.
    for (const ResponsePen pass : {ResponsePen::Grid, ResponsePen::Ideal, ResponsePen::Test})
        for (const auto& s : g.segments)
            if (s.pen == pass) c.Line(x(s.x1), y(s.y1), x(s.x2), y(s.y2), color(s.pen));
    for (const auto& l : g.labels) c.Text(x(l.x), y(l.y), l.text, color(l.pen));
    c.Text(b.left, 0.03 * c.Height(), g.title, ink);
}

std::string ResponseReadout(const ResponseSpectrum& r, std::optional<Units> units, double x,
                            char decimal) {
    if (r.freqHz.empty()) return {};
    std::size_t best = 0;
    for (std::size_t k = 1; k < r.freqHz.size(); ++k)
        if (std::fabs(ResponseX(r.freqHz[k]) - x) < std::fabs(ResponseX(r.freqHz[best]) - x))
            best = k;
    const std::string unit = std::string(" ") + UnitText(units);
    return "  Freq. = " + FormatMask(r.freqHz[best], "####.#", decimal) +
           " Hz, Test = " + FormatMask(Shown(r.maximaxG[best], units), "####.##", decimal) + unit +
           ", Ideal = " + FormatMask(Shown(r.idealMaximaxG[best], units), "####.##", decimal) +
           unit;
}

}  // namespace vib::shock
