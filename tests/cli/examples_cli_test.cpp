// The published examples and breakpoint lists through vibcalc, as a batch user runs them.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "tests/support/vibcalc_run.h"

namespace vib::cli {
namespace {

using testing::RunVibcalc;
namespace fs = std::filesystem;

const std::string kExamples = VIB_EXAMPLES;

// Every example opens; the random ones with no message, the shock ones with the
// displacement box only where the pulse needs more stroke than the start-up limit. Given
// to the other command, each is refused as a type mismatch naming the command it needs.
TEST(VibcalcExamples, EveryExampleOpensWithTheMessagesItShould) {
    int count = 0;
    for (const char* command : {"random", "shock"})
        for (const auto& entry : fs::directory_iterator(kExamples + "/" + command)) {
            const std::string name = entry.path().stem().string();
            const auto r = RunVibcalc({command, entry.path().string()});
            ASSERT_EQ(r.status, 0) << name << ": " << r.err;
            const auto j = nlohmann::json::parse(r.out);
            const bool stroke = name == "half-sine-50g-11ms" || name == "half-sine-30g-18ms";
            EXPECT_EQ(j["messages"], stroke ? nlohmann::json{" Test Displacement > System D Limit "}
                                            : nlohmann::json::array())
                << name;
            if (std::string(command) == "shock") {
                EXPECT_EQ(j["rate_index"], 3) << name;
            }
            const std::string other = std::string(command) == "random" ? "shock" : "random";
            const auto refused = RunVibcalc({other, entry.path().string()});
            EXPECT_EQ(refused.status, 1) << name;
            EXPECT_EQ(refused.out, "") << name;
            EXPECT_NE(refused.err.find("(error 13)"), std::string::npos) << refused.err;
            EXPECT_NE(refused.err.find("vibcalc " + std::string(command)), std::string::npos)
                << refused.err;
            ++count;
        }
    EXPECT_EQ(count, 9);
}

TEST(VibcalcExact, TheStandardsFiguresBesideTheLineSums) {
    const auto r = RunVibcalc({"random", kExamples + "/random/navmat-p9492.prf", "--exact"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto j = nlohmann::json::parse(r.out);
    EXPECT_NEAR(j["gref_exact"].get<double>(), 6.06, 0.0606);
    EXPECT_NEAR(j["dref_exact"].get<double>(), 45.9, 0.05);
    EXPECT_NEAR(j["dref"].get<double>(), 52.1, 0.05);
    EXPECT_FALSE(nlohmann::json::parse(RunVibcalc({"random"}).out).contains("gref_exact"));
}

TEST(VibcalcPoints, AListFromAFileOrStandardInputReplacesTheBreakpoints) {
    const std::string list =
        "frequency_hz,asd,abort_db,comment\r\n20,0.01,6,\r\n80,+3 dB/oct,6,\r\n"
        "350,0 dB/oct,6,flat\r\n2000,-3 dB/oct,6,\r\n";
    const fs::path path = fs::temp_directory_path() / "vibcalc-points-navmat.csv";
    std::ofstream(path, std::ios::binary) << list;
    const std::vector<std::string> keys = {"--exact", "--fields", "gref,gref_exact,messages"};
    auto args = [&keys](std::vector<std::string> a) {
        a.insert(a.end(), keys.begin(), keys.end());
        return a;
    };
    const auto fromFile = RunVibcalc(args({"random", "--points", path.string()}));
    const auto fromInput = RunVibcalc(args({"random", "--points", "-"}), nullptr, list);
    ASSERT_EQ(fromFile.status, 0) << fromFile.err;
    // With --fields the line names its list, as every line names its file.
    auto j = nlohmann::json::parse(fromFile.out);
    auto fromInputJson = nlohmann::json::parse(fromInput.out);
    EXPECT_EQ(j["file"], path.string());
    EXPECT_EQ(fromInputJson["file"], "-");
    j.erase("file");
    fromInputJson.erase("file");
    EXPECT_EQ(j, fromInputJson);
    EXPECT_NEAR(j["gref_exact"].get<double>(), 6.06, 0.0606);
    EXPECT_EQ(j["messages"], nlohmann::json::array());
    // The other settings stay the profile's: its range and units.
    const auto ranged = RunVibcalc(
        {"random", VIB_TEST_DATA "/corpus/random/ok-metric-1000hz.prf", "--points", path.string()});
    ASSERT_EQ(ranged.status, 0) << ranged.err;
    EXPECT_EQ(nlohmann::json::parse(ranged.out)["range_index"], 2);
    EXPECT_EQ(nlohmann::json::parse(ranged.out)["units_index"], 1);
    fs::remove(path);

    const auto bad = RunVibcalc({"random", "--points", "-"}, nullptr, "20,0.01\n80,x\n");
    EXPECT_EQ(bad.status, 1);
    EXPECT_EQ(bad.out, "");
    EXPECT_EQ(bad.err,
              "vibcalc: standard input: Type mismatch (error 13): Line 2: the ASD level 'x' is "
              "not a number.\n");
    EXPECT_EQ(RunVibcalc({"random", "--points", "-", "--files-from", "-"}).status, 2);
}

// A list is refused where it could be read as another number or does not rise; a stored
// profile that does not rise is computed as it stands, with a message.
TEST(VibcalcPoints, ListsThatCouldMisleadAreRefusedAndStoredProfilesNamed) {
    const std::pair<const char*, const char*> lists[] = {
        {"20;0.001;6\n80;0.040;6\n", ""},
        {"20,0.01\n100,0.04\n80,0.04\n",
         "Line 3: the frequency 80 Hz does not rise above the 100 Hz of line 2."},
        {"20;1.000\n80;2.000\n", "Line 1: '1.000' reads as 1 or 1000; write 1 or 1000"},
    };
    for (const auto& [list, problem] : lists) {
        const auto r = RunVibcalc({"random", "--points", "-", "--fields", "gref"}, nullptr, list);
        EXPECT_EQ(r.status, *problem ? 1 : 0) << list;
        EXPECT_EQ(r.err, *problem ? "vibcalc: standard input: Type mismatch (error 13): " +
                                        std::string(problem) + "\n"
                                  : "");
    }
    std::ifstream in(kExamples + "/random/navmat-p9492.prf", std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::size_t record3 = text.find("\r\n", text.find("\r\n") + 2) + 2;
    text.replace(text.find(",350,", record3), 5, ",15,");
    const fs::path path = fs::temp_directory_path() / "vibcalc-not-rising.prf";
    std::ofstream(path, std::ios::binary) << text;
    const auto r = RunVibcalc({"random", path.string(), "--fields", "messages"});
    fs::remove(path);
    ASSERT_EQ(r.status, 0) << r.err;
    const auto messages = nlohmann::json::parse(r.out)["messages"];
    ASSERT_FALSE(messages.empty());
    EXPECT_EQ(messages[0].get<std::string>().rfind("Point 3 (15 Hz) does not rise above point 2 "
                                                   "(80 Hz)",
                                                   0),
              0u);
}

}  // namespace
}  // namespace vib::cli
