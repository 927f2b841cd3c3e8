#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "cli/commands.h"
#include "shock/model.h"
#include "shock/profile_file.h"
#include "tests/support/vibcalc_run.h"

namespace vib::cli {
namespace {

using testing::RunVibcalc;

namespace fs = std::filesystem;

class ShockCommand : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("shock_cmd_" +
                std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    std::string Path(const std::string& name) const { return (dir_ / name).string(); }

    // A start-up profile with one entry changed.
    std::string Profile(int k, float value) {
        shock::ShockState s;
        shock::InitDefaults(s);
        s.P[k] = value;
        const std::string path = Path("profile.prf");
        LocalFileSystem files;
        EXPECT_FALSE(shock::SaveShockProfile(files, path, s));
        return path;
    }

    fs::path dir_;
};

TEST_F(ShockCommand, StartUpPulse) {
    const auto r = RunVibcalc({"shock"});
    ASSERT_EQ(r.status, kExitOk) << r.err;
    EXPECT_TRUE(r.err.empty());
    const auto j = nlohmann::json::parse(r.out);
    const std::vector<std::string> keys = {"shape",      "amplitude", "duration_ms", "units_index",
                                           "rate_index", "ratef",     "n",           "comp_level",
                                           "aeff",       "w",         "peak_acc",    "peak_vel",
                                           "peak_disp",  "srs",       "messages"};
    EXPECT_EQ(j.size(), keys.size());
    for (const auto& k : keys) EXPECT_TRUE(j.contains(k)) << k;
    EXPECT_EQ(j["shape"], 1);
    EXPECT_EQ(j["amplitude"], 15);
    EXPECT_EQ(j["duration_ms"], 10);
    EXPECT_EQ(j["rate_index"], 3);
    EXPECT_EQ(j["ratef"], 4);
    EXPECT_EQ(j["n"].get<double>(), 51.2);
    EXPECT_EQ(j["comp_level"].get<double>(), 0.167);
    EXPECT_EQ(j["aeff"], 15);
    ASSERT_EQ(j["w"].size(), 1025u);
    EXPECT_NEAR(j["w"][230].get<double>(), 79.98, 0.005);
    EXPECT_NEAR(j["w"][205].get<double>(), 0.98, 0.005);
    EXPECT_NEAR(j["w"][52].get<double>(), -1.31, 0.005);
    EXPECT_EQ(j["w"][256].get<double>(), 0.0);
    EXPECT_EQ(j["w"][461].get<double>(), 0.0);
    EXPECT_NEAR(j["peak_acc"].get<double>(), 14.996, 0.001);
    EXPECT_GT(j["peak_vel"].get<double>(), 0.0);
    EXPECT_GT(j["peak_disp"].get<double>(), 0.0);
    ASSERT_EQ(j["srs"].size(), 400u);
    EXPECT_TRUE(j["messages"].empty());
}

TEST_F(ShockCommand, ProfileLimitsGiveMessagesInOrder) {
    const std::string path = Profile(shock::param::kMaxA, 2);
    const auto r = RunVibcalc({"shock", path});
    ASSERT_EQ(r.status, kExitOk) << r.err;
    const auto j = nlohmann::json::parse(r.out);
    EXPECT_EQ(j["messages"], nlohmann::json::array({" Test Acceleration > System A Limit "}));
}

TEST_F(ShockCommand, ZeroDurationIsAFileErrorWithoutNumbers) {
    const std::string path = Profile(shock::param::kDurationMs, 0);
    const auto r = RunVibcalc({"shock", path});
    EXPECT_EQ(r.status, kExitFileError);
    EXPECT_TRUE(r.out.empty());
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1);
    EXPECT_NE(r.err.find(path), std::string::npos);
    EXPECT_NE(r.err.find("duration"), std::string::npos);
    EXPECT_EQ(r.err.find("nan"), std::string::npos);
}

TEST_F(ShockCommand, WaveSelectsTheCustomShape) {
    std::string text;
    for (int j = 0; j < 1024; ++j) text += "-0.5\n";
    std::ofstream(Path("w.dat"), std::ios::binary) << text;
    const auto r = RunVibcalc({"shock", "--wave", Path("w.dat")});
    ASSERT_EQ(r.status, kExitOk) << r.err;
    const auto j = nlohmann::json::parse(r.out);
    EXPECT_EQ(j["shape"], 9);
    EXPECT_EQ(j["w"][0], -40);
    EXPECT_EQ(j["w"][1023], -40);
    EXPECT_EQ(j["w"][1024], 0);
}

TEST_F(ShockCommand, FileAndUsageErrors) {
    auto r = RunVibcalc({"shock", Path("missing.prf")});
    EXPECT_EQ(r.status, kExitFileError);
    EXPECT_TRUE(r.out.empty());
    EXPECT_NE(r.err.find("File not found"), std::string::npos);

    r = RunVibcalc({"shock", "--wave", Path("missing.dat")});
    EXPECT_EQ(r.status, kExitFileError);
    EXPECT_NE(r.err.find("missing.dat"), std::string::npos);

    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"shock", "--wave"}, {"shock", "--bogus"}}) {
        r = RunVibcalc(args);
        EXPECT_EQ(r.status, kExitUsage);
        EXPECT_TRUE(r.out.empty());
    }
}

}  // namespace
}  // namespace vib::cli

namespace vib::cli {
namespace {

// The maximax spectrum on request, with Q from the option or the profile; at high
// natural frequencies every oscillator follows the pulse, so the curve ends at the peak.
TEST_F(ShockCommand, ResponseSpectrumOnRequestOrFromTheProfile) {
    struct Case {
        std::vector<std::string> args;
        double q;  // 0: no object
    };
    const std::string withQ = Profile(88, 25);
    const Case cases[] = {{{"shock"}, 0},
                          {{"shock", "--response"}, 10},
                          {{"shock", "--q", "2.5"}, 2.5},
                          {{"shock", withQ}, 25},
                          {{"shock", withQ, "--q=50"}, 50}};
    for (const Case& c : cases) {
        const auto r = RunVibcalc(c.args);
        ASSERT_EQ(r.status, 0) << r.err;
        const auto j = nlohmann::json::parse(r.out);
        ASSERT_EQ(j.contains("response_spectrum"), c.q > 0) << c.args.back();
        if (c.q == 0) continue;
        const auto& s = j["response_spectrum"];
        EXPECT_EQ(s["q"], c.q);
        ASSERT_EQ(s["freq_hz"].size(), 92u);
        EXPECT_NEAR(s["maximax_g"].back().get<double>(), 15.0, 0.15);
        for (const char* key : {"positive_g", "negative_g", "ideal_maximax_g"})
            EXPECT_EQ(s[key].size(), 92u);
    }
    for (const char* bad : {"0.4", "101", "ten"})
        EXPECT_EQ(RunVibcalc({"shock", "--q", bad}).status, kExitUsage) << bad;
    // The picture of the response spectrum's window; it stands alone among the views.
    const auto image = RunVibcalc({"shock", "--view", "response", "--plot", Path("r.png")});
    EXPECT_EQ(image.status, 0) << image.err;
    EXPECT_EQ(image.out, RunVibcalc({"shock"}).out);
    EXPECT_EQ(RunVibcalc({"shock", "--view", "response,test", "--plot", Path("r.png")}).status,
              kExitUsage);
    EXPECT_EQ(RunVibcalc({"shock", "--response", "--response"}).status, kExitUsage);
}

}  // namespace
}  // namespace vib::cli
