#include "shell/units.h"

#include <gtest/gtest.h>

#include "platform/dialogs.h"

namespace vib::shell {
namespace {

TEST(UnitFactors, TableRowsConvertOnlyWhatTheyName) {
    const UnitFactors em = FactorsBetween(Units::English, Units::Metric);
    EXPECT_EQ(*em.asd, 96.16);
    EXPECT_EQ(*em.acceleration, 9.807);
    EXPECT_EQ(*em.velocity, 2.54);
    EXPECT_EQ(*em.displacement, 0.0254);
    const UnitFactors me = FactorsBetween(Units::Metric, Units::English);
    EXPECT_EQ(*me.asd, 0.0104);
    EXPECT_EQ(*me.acceleration, 0.102);
    EXPECT_EQ(*me.velocity, 0.3937);
    EXPECT_EQ(*me.displacement, 39.37);
    const UnitFactors hm = FactorsBetween(Units::Hybrid, Units::Metric);
    EXPECT_TRUE(hm.asd && hm.acceleration);
    EXPECT_FALSE(hm.velocity || hm.displacement);
    const UnitFactors eh = FactorsBetween(Units::English, Units::Hybrid);
    EXPECT_FALSE(eh.asd || eh.acceleration);
    EXPECT_EQ(*eh.velocity, 2.54);
    const UnitFactors mh = FactorsBetween(Units::Metric, Units::Hybrid);
    EXPECT_EQ(*mh.asd, 0.0104);
    EXPECT_FALSE(mh.velocity);
    const UnitFactors he = FactorsBetween(Units::Hybrid, Units::English);
    EXPECT_EQ(*he.displacement, 39.37);
    EXPECT_FALSE(he.acceleration);
}

TEST(UnitFactors, SameSystemOrUnknownCodeConvertsNothing) {
    for (Units u : {Units::English, Units::Metric, Units::Hybrid}) {
        const UnitFactors f = FactorsBetween(u, u);
        EXPECT_FALSE(f.asd || f.acceleration || f.velocity || f.displacement);
    }
    const UnitFactors f = FactorsBetween(std::nullopt, Units::Metric);
    EXPECT_FALSE(f.asd || f.acceleration);
}

TEST(UnitFactors, RoundTripsDriftAsTheStoredFactorsSay) {
    auto there_and_back = [](float v, auto pick) {
        return Convert(Convert(v, pick(FactorsBetween(Units::English, Units::Metric))),
                       pick(FactorsBetween(Units::Metric, Units::English)));
    };
    EXPECT_FLOAT_EQ(Convert(0.1f, FactorsBetween(Units::English, Units::Metric).asd), 9.616f);
    EXPECT_FLOAT_EQ(there_and_back(0.1f, [](const UnitFactors& f) { return f.asd; }), 0.1000064f);
    EXPECT_FLOAT_EQ(Convert(100.0f, FactorsBetween(Units::English, Units::Metric).acceleration),
                    980.7f);
    EXPECT_FLOAT_EQ(there_and_back(100.0f, [](const UnitFactors& f) { return f.acceleration; }),
                    100.0314f);
    EXPECT_FLOAT_EQ(there_and_back(1000.0f, [](const UnitFactors& f) { return f.displacement; }),
                    999.998f);
    EXPECT_FLOAT_EQ(there_and_back(100.0f, [](const UnitFactors& f) { return f.velocity; }),
                    99.9998f);
}

TEST(UnitFactors, EnglishViaHybridToMetricEqualsDirectSwitch) {
    const float values[] = {0.1f, 100.0f, 1000.0f, 7.25f};
    for (float v : values) {
        const UnitFactors eh = FactorsBetween(Units::English, Units::Hybrid),
                          hm = FactorsBetween(Units::Hybrid, Units::Metric),
                          em = FactorsBetween(Units::English, Units::Metric);
        EXPECT_EQ(Convert(Convert(v, eh.asd), hm.asd), Convert(v, em.asd));
        EXPECT_EQ(Convert(Convert(v, eh.acceleration), hm.acceleration),
                  Convert(v, em.acceleration));
        EXPECT_EQ(Convert(Convert(v, eh.velocity), hm.velocity), Convert(v, em.velocity));
        EXPECT_EQ(Convert(Convert(v, eh.displacement), hm.displacement),
                  Convert(v, em.displacement));
    }
}

TEST(UnitsOf, OnlyExactWholeCodesCount) {
    EXPECT_EQ(UnitsOf(0.0f), Units::English);
    EXPECT_EQ(UnitsOf(-0.0f), Units::English);
    EXPECT_EQ(UnitsOf(2.0f), Units::Hybrid);
    for (float code : {1.5f, 3.0f, -1.0f, 1.0000001f})
        EXPECT_EQ(UnitsOf(code), std::nullopt) << code;
}

TEST(FilterPairs, SplitsDescriptionPatternPairs) {
    const auto pairs = SplitFilterPairs(
        "All Profiles (QTRFileR.*)|QTRFileR.*|All Profiles (*.prf)|*.prf|All Files (*.*)|*.*");
    ASSERT_EQ(pairs.size(), 3u);
    EXPECT_EQ(pairs[0].first, "All Profiles (QTRFileR.*)");
    EXPECT_EQ(pairs[0].second, "QTRFileR.*");
    EXPECT_EQ(pairs[2].second, "*.*");
    EXPECT_EQ(SplitFilterPairs("Lonely description").size(), 0u);
    EXPECT_EQ(SplitFilterPairs("A|a|B").size(), 1u);
}

TEST(ConsoleColors, PaletteEndsAndOutOfRange) {
    EXPECT_EQ(ConsoleColor(0), (Rgb{0, 0, 0}));
    EXPECT_EQ(ConsoleColor(3), (Rgb{0, 128, 128}));
    EXPECT_EQ(ConsoleColor(14), (Rgb{255, 255, 0}));
    EXPECT_EQ(ConsoleColor(15), (Rgb{255, 255, 255}));
    EXPECT_EQ(ConsoleColor(16), (Rgb{0, 0, 0}));
}

}  // namespace
}  // namespace vib::shell
