// The response spectrum's geometry: log-log positions worked out by hand, the decades
// the curves need, the units, and the readout.
#include "shock/response_plot.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vib::shock {
namespace {

// Two points: 10 Hz and 2000 Hz, from 0.5 to 150 G (decades 10^-1 to 10^3).
ResponseSpectrum TwoPoints() {
    ResponseSpectrum r;
    r.q = 10;
    r.freqHz = {10, 100.79, 2000};
    r.maximaxG = {0.5, 23.1, 150};
    r.positiveG = r.negativeG = r.maximaxG;
    r.idealMaximaxG = {1, 22.3, 149};
    return r;
}

TEST(ResponsePlot, LogLogPositions) {
    // log10(2000) - 1 = 2.30103: 100 Hz stands at 1 / 2.30103 of the width.
    EXPECT_NEAR(ResponseX(100), 0.434588, 1e-6);
    EXPECT_DOUBLE_EQ(ResponseX(10), 0);
    EXPECT_NEAR(ResponseX(2000), 1, 1e-12);
    const ResponseGeometry g = ResponseGeometryOf(TwoPoints(), Units::English);
    EXPECT_EQ(g.lowDecade, -1);
    EXPECT_EQ(g.highDecade, 3);
    EXPECT_DOUBLE_EQ(ResponseY(g, 1.0), 0.75);  // one decade of four above the bottom
    EXPECT_DOUBLE_EQ(ResponseY(g, 1000.0), 0);
    EXPECT_DOUBLE_EQ(ResponseY(g, 0.0), 1);  // nothing to show: the bottom
    EXPECT_EQ(g.title, "Maximax Shock Response Spectrum, Q = 10");
    for (const auto& s : g.segments)
        for (double v : {s.x1, s.y1, s.x2, s.y2}) ASSERT_TRUE(v >= 0 && v <= 1);
    // Metric shows m/s^2: 150 G = 1471 m/s^2 needs the fourth decade.
    const ResponseGeometry m = ResponseGeometryOf(TwoPoints(), Units::Metric);
    EXPECT_EQ(m.highDecade, 4);
    EXPECT_EQ(m.lowDecade, 0);
    auto hasLabel = [](const ResponseGeometry& g, const std::string& text) {
        for (const auto& l : g.labels)
            if (l.text == text) return true;
        return false;
    };
    EXPECT_TRUE(hasLabel(m, "M/S^2"));
    EXPECT_TRUE(hasLabel(g, "G"));
    EXPECT_TRUE(hasLabel(g, "0.1"));
    EXPECT_TRUE(hasLabel(g, "1000"));
}

TEST(ResponsePlot, ReadoutAtTheNearestFrequency) {
    EXPECT_EQ(ResponseReadout(TwoPoints(), Units::English, ResponseX(90), '.'),
              "  Freq. = 100.8 Hz, Test = 23.1 G, Ideal = 22.3 G");
    EXPECT_EQ(ResponseReadout(TwoPoints(), Units::Metric, 0.99, ','),
              "  Freq. = 2000 Hz, Test = 1471,05 M/S^2, Ideal = 1461,24 M/S^2");
    EXPECT_EQ(ResponseReadout({}, Units::English, 0.5, '.'), "");
}

}  // namespace
}  // namespace vib::shock
