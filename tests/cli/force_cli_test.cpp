// The force object and the what-if options, against the hand calculation: 80 lb of moving
// mass at G rms needs 80 x G lbf rms.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "tests/support/vibcalc_run.h"

namespace vib::cli {
namespace {

using testing::RunVibcalc;

const std::string kData = VIB_TEST_DATA;

TEST(VibcalcForce, RequiredForceHeadroomAndTheCheckInEveryUnitSystem) {
    struct Case {
        std::vector<std::string> args;
        double g;  // the profile's G rms or the pulse's peak G
        double ratedLbf;
        bool random;
    };
    // The start-up profile (8.00105 G rms); a Metric profile asked in kg and N
    // (20, 10, 50 lb = 9.072, 4.536, 22.68 kg; 100 lbf = 444.8 N); the start-up pulse.
    const Case cases[] = {
        {{"random", "--mass", "20,10,50", "--rated-force", "600"}, 8.00105, 600, true},
        {{"random", kData + "/corpus/random/ok-metric-1000hz.prf", "--mass", "9.072,4.536,22.68",
          "--rated-force", "444.8"},
         2.31896,
         100,
         true},
        {{"shock", "--mass=20,10,50", "--rated-force=600"}, 14.9955, 600, false},
    };
    for (const Case& c : cases) {
        const auto r = RunVibcalc(c.args);
        ASSERT_EQ(r.status, 0) << r.err;
        const auto j = nlohmann::json::parse(r.out);
        const auto& f = j["force"];
        const double required = 80 * c.g;
        EXPECT_NEAR(f["required_lbf"].get<double>(), required, required * 1e-4);
        EXPECT_NEAR(f["rated_lbf"].get<double>(), c.ratedLbf, 0.01);
        EXPECT_NEAR(f["headroom_db"].get<double>(), 20 * std::log10(c.ratedLbf / required), 1e-3);
        EXPECT_NEAR(f["max_test_item_lb"].get<double>(), std::max(0.0, c.ratedLbf / c.g - 30),
                    0.01);
        EXPECT_EQ(f.contains("required_peak_lbf"), c.random);
        if (c.random) {
            EXPECT_NEAR(f["required_peak_lbf"].get<double>(), 3 * required, 0.1);
        }
        ASSERT_FALSE(j["messages"].empty());
        const std::string exceeded = j["messages"].back();
        EXPECT_EQ(exceeded.rfind(" Test Force ", 0), 0u) << exceeded;
    }
    // Without a rated force there is nothing to exceed; without a mass, no force at all.
    const auto j = nlohmann::json::parse(RunVibcalc({"random", "--mass", "0,0,80"}).out);
    EXPECT_EQ(j["force"].size(), 5u);
    EXPECT_TRUE(j["messages"].empty());
    EXPECT_FALSE(nlohmann::json::parse(RunVibcalc({"random", "--rated-force", "600"}).out)
                     .contains("force"));
    // Profiles written before the force check open with it off.
    for (const char* command : {"random", "shock"}) {
        const std::string old = kData + "/corpus/" + command + "/ok-default.prf";
        EXPECT_FALSE(nlohmann::json::parse(RunVibcalc({command, old}).out).contains("force"));
    }
    for (const char* bad : {"20,10", "20,10,50,1", "20,-1,5", "a,b,c", "1e39,0,0"})
        EXPECT_EQ(RunVibcalc({"random", "--mass", bad}).status, kExitUsage) << bad;
}

}  // namespace
}  // namespace vib::cli
