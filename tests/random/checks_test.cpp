#include "random/checks.h"

#include <gtest/gtest.h>

#include "random/spectrum.h"

namespace vib::random {
namespace {

using Texts = std::vector<std::string>;

RandomState Computed(float range = 3, float lines = 1) {
    RandomState s;
    InitDefaults(s);
    s.Params[prm::RangeIndex] = range;
    s.Params[prm::LinesIndex] = lines;
    RecomputeModel(s);
    return s;
}

TEST(CheckTestLevels, DefaultsPass) {
    EXPECT_EQ(CheckTestLevels(Computed()), Texts{});
}

TEST(CheckTestLevels, FrequenciesOutsideTheRange) {
    RandomState s = Computed();  // df 5 Hz, top 2000 Hz
    s.Freq[1] = 4;
    EXPECT_EQ(CheckTestLevels(s), Texts{kMsgFreqTooLow});
    s.Freq[1] = 5;
    EXPECT_EQ(CheckTestLevels(s), Texts{});
    s.Freq[4] = 2000.5f;
    EXPECT_EQ(CheckTestLevels(s), Texts{kMsgFreqTooHigh});
    // Every row of the table counts, also after the end of the profile, one box each.
    s.Freq[5] = 0;
    s.Freq[7] = 1;
    s.Freq[9] = 3000;
    s.Freq[11] = -4;  // 0 and below are never reported
    EXPECT_EQ(CheckTestLevels(s), (Texts{kMsgFreqTooHigh, kMsgFreqTooLow, kMsgFreqTooHigh}));

    RandomState fine = Computed(0, 3);  // df 0.15625 Hz, top 250 Hz
    fine.Freq[1] = 0.1f;
    fine.Freq[2] = 251;
    fine.Freq[3] = 250;  // the top itself passes
    fine.Freq[4] = 0;
    EXPECT_EQ(CheckTestLevels(fine), (Texts{kMsgFreqTooLow, kMsgFreqTooHigh}));
}

TEST(CheckTestLevels, LimitsInEachUnitSystem) {
    RandomState s = Computed();
    s.Params[prm::MaxA] = 7.9f;
    EXPECT_EQ(CheckTestLevels(s), Texts{kMsgAccOverLimit});
    s.Params[prm::MaxA] = s.Gref;  // equal passes
    EXPECT_EQ(CheckTestLevels(s), Texts{});
    s.Params[prm::MaxD] = 60;
    s.Params[prm::MaxV] = 7;
    s.Params[prm::MaxA] = 1;
    EXPECT_EQ(CheckTestLevels(s), (Texts{kMsgDispOverLimit, kMsgVelOverLimit, kMsgAccOverLimit}));

    // Metric: mm, cm/s and m/s^2 from the English results.
    s.Params[prm::UnitsIndex] = 1;
    s.Params[prm::MaxD] = 1.65f;  // 64.87 mils = 1.6478 mm
    s.Params[prm::MaxV] = 19.6f;  // 7.755 in/s = 19.698 cm/s
    s.Params[prm::MaxA] = 78.5f;  // 8.001 G = 78.47 m/s^2
    EXPECT_EQ(CheckTestLevels(s), Texts{kMsgVelOverLimit});

    // Hybrid: mm and cm/s like Metric, G like English.
    s.Params[prm::UnitsIndex] = 2;
    s.Params[prm::MaxD] = 1.6f;
    s.Params[prm::MaxV] = 20;
    s.Params[prm::MaxA] = 8;
    EXPECT_EQ(CheckTestLevels(s), (Texts{kMsgDispOverLimit, kMsgAccOverLimit}));

    s.Params[prm::UnitsIndex] = 5;  // no known unit system: no level test
    EXPECT_EQ(CheckTestLevels(s), Texts{});
}

}  // namespace
}  // namespace vib::random
