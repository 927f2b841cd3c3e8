// The force check's numbers against the worked example a test engineer does by hand:
// 20 lb armature + 10 lb fixture + 50 lb item at 8 G rms need 80 x 8 = 640 lbf rms.
#include "platform/force.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>

namespace vib::force {
namespace {

std::array<float, 101> Block(float armature, float fixture, float item, float rated) {
    std::array<float, 101> p{};
    p[kArmatureLb] = armature;
    p[kFixtureLb] = fixture;
    p[kTestItemLb] = item;
    p[kRatedLbf] = rated;
    return p;
}

TEST(Force, WorkedExamples) {
    struct Case {
        float armature, fixture, item, rated;
        double g;
        Kind kind;
        double required, peak, headroomDb, maxItem;  // NAN: none
    };
    const double none = std::nan("");
    const Case cases[] = {
        // 20 log10(600 / 640) = -0.5606 dB; 600 / 8 - 30 = 45 lb.
        {20, 10, 50, 600, 8.0, Kind::RandomRms, 640, 1920, -0.5606, 45},
        {20, 10, 50, 0, 8.0, Kind::RandomRms, 640, 1920, none, none},
        // 1000 lbf peak for a 40 lb moving mass at 50 G: 2000 needed, -6.02 dB, no item fits.
        {30, 10, 0, 1000, 50.0, Kind::ShockPeak, 2000, 2000, -6.0206, 0},
        {0, 0, 10, 500, -25.0, Kind::ShockPeak, 250, 250, 6.0206, 20},
    };
    for (const Case& c : cases) {
        const auto p = Block(c.armature, c.fixture, c.item, c.rated);
        const auto r = Compute(p, c.g, c.kind);
        ASSERT_TRUE(r);
        EXPECT_DOUBLE_EQ(r->requiredLbf, c.required);
        EXPECT_DOUBLE_EQ(r->requiredPeakLbf, c.peak);
        EXPECT_EQ(r->headroomDb.has_value(), !std::isnan(c.headroomDb));
        if (r->headroomDb) {
            EXPECT_NEAR(*r->headroomDb, c.headroomDb, 5e-5);
            EXPECT_NEAR(*r->maxTestItemLb, c.maxItem, 1e-9);
        }
        EXPECT_EQ(r->Exceeded(), r->headroomDb && c.headroomDb < 0);
    }
}

TEST(Force, NotSetWhenNoMassIsUsable) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    EXPECT_FALSE(Compute(Block(0, 0, 0, 600), 8.0, Kind::RandomRms));
    EXPECT_FALSE(Compute(Block(-5, nan, 0, 600), 8.0, Kind::RandomRms));
    EXPECT_FALSE(Compute(Block(20, 0, 0, 0), std::nan(""), Kind::RandomRms));
    // A damaged rated force is no rated force.
    EXPECT_FALSE(Compute(Block(20, 0, 0, -600), 8.0, Kind::RandomRms)->headroomDb);
}

TEST(Force, TextsInTheActiveUnits) {
    const auto r = *Compute(Block(20, 10, 50, 600), 8.0, Kind::RandomRms);
    EXPECT_EQ(LabelText(r, Units::English, Kind::RandomRms), "  Force = 640 lbf rms ");
    // 640 lbf x 4.448 = 2846.7 N; 600 lbf = 2668.8 N.
    EXPECT_EQ(LabelText(r, Units::Metric, Kind::RandomRms), "  Force = 2847 N rms ");
    EXPECT_EQ(ExceededText(r, Units::English, Kind::RandomRms),
              " Test Force 640 lbf rms > System Force Limit 600 lbf rms ");
    EXPECT_EQ(ExceededText(r, Units::Hybrid, Kind::ShockPeak),
              " Test Force 2847 N pk > System Force Limit 2669 N pk ");
    // 20 lb = 9.072 kg, 10 lb = 4.536 kg, 50 lb = 22.68 kg.
    EXPECT_EQ(ReportLine(r, Units::Metric, Kind::RandomRms, ','),
              "Moving mass 9,1 + 4,5 + 22,7 kg, force 2847 N rms of 2669 (-0,56 dB)");
    const ReportBoxTexts boxes = ReportBoxes(r, Units::Metric, ',');
    EXPECT_EQ(boxes.masses,
              (std::vector<std::string>{" Armature 9,1 kg", " Fixture 4,5 kg", " Test item 22,7 kg",
                                        " Moving mass 36,3 kg"}));
    EXPECT_EQ(boxes.rating, " Rated 2669 N (-0,56 dB)");
}

}  // namespace
}  // namespace vib::force
