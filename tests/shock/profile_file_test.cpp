#include <cerrno>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <limits>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "shock/model.h"
#include "shock/profile_file.h"
#include "shock/synthesis.h"

namespace vib::shock {
namespace {

namespace fs = std::filesystem;

class ShockFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("shock_files_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        InitDefaults(state_);
        SynthesizePulse(state_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string Path(const std::string& name) const { return (dir_ / name).string(); }
    static std::string Slurp(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream ss;
        ss << in.rdbuf();
        return ss.str();
    }
    static void Put(const std::string& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    // A profile of the start-up state with one entry of P changed.
    std::string ProfileWith(int k, float value) {
        ProfileRecords r = ToRecords(state_);
        r.numbers[k][0] = value;
        const std::string path = Path("p" + std::to_string(k) + ".prf");
        EXPECT_FALSE(WriteRecordFile(files_, path, r));
        return path;
    }
    // Everything a failed read must leave alone.
    static void ExpectSameState(const ShockState& a, const ShockState& b) {
        EXPECT_EQ(a.P, b.P);
        EXPECT_EQ(a.ProfileCol2, b.ProfileCol2);
        EXPECT_EQ(a.ProfileCol6, b.ProfileCol6);
        EXPECT_EQ(a.ProfileNote, b.ProfileNote);
        EXPECT_EQ(a.TestTitle, b.TestTitle);
        EXPECT_EQ(a.SubTitle2, b.SubTitle2);
        EXPECT_EQ(a.CustomWave, b.CustomWave);
        EXPECT_EQ(a.WaveFileName, b.WaveFileName);
        EXPECT_EQ(a.W, b.W);
    }

    fs::path dir_;
    LocalFileSystem files_;
    ShockState state_;
};

TEST_F(ShockFiles, SaveThenOpenRestoresParametersColumnsAndTexts) {
    state_.ProfileCol2[5] = 1.5f;
    state_.ProfileCol6[100] = -2e-7f;
    state_.ProfileNote[7] = "note seven";
    state_.TestTitle = "Drop test";
    state_.FileText1 = "one";
    state_.FileText2 = "two";
    state_.SubTitle1 = "sub one";
    state_.SubTitle2 = "sub two";
    const std::string path = Path("QTRFileC.1");
    ASSERT_FALSE(SaveShockProfile(files_, path, state_));

    const std::string bytes = Slurp(path);
    EXPECT_NE(bytes.find("\r\n9,0,0,0,0,0,\"\"\r\n0.1,0,0,0,0,0,\"\"\r\n"),
              std::string::npos);  // P(28), P(29)

    ShockState loaded;
    InitDefaults(loaded);
    loaded.P.fill(7.0f);
    ASSERT_FALSE(OpenShockProfile(files_, path, loaded));
    for (int k = 1; k <= kLastParam; ++k) EXPECT_EQ(loaded.P[k], state_.P[k]) << k;
    EXPECT_EQ(loaded.P[0], 7.0f);  // entry 0 is not stored
    EXPECT_EQ(loaded.P[38], 0.5f);
    EXPECT_EQ(loaded.ProfileCol2[5], 1.5f);
    EXPECT_EQ(loaded.ProfileCol6[100], -2e-7f);
    EXPECT_EQ(loaded.ProfileNote[7], "note seven");
    EXPECT_EQ(loaded.TestTitle, "Drop test");
    EXPECT_EQ(loaded.FileText1, "one");
    EXPECT_EQ(loaded.FileText2, "two");
    EXPECT_EQ(loaded.SubTitle1, "sub one");
    EXPECT_EQ(loaded.SubTitle2, "sub two");
}

TEST_F(ShockFiles, ProfileWithoutTextsKeepsTheCurrentOnes) {
    const std::string full = Path("full.prf");
    ASSERT_FALSE(SaveShockProfile(files_, full, state_));
    std::string bytes = Slurp(full);
    std::size_t end = 0;
    for (int line = 0; line < 100; ++line) end = bytes.find("\r\n", end) + 2;
    Put(Path("bare.prf"), bytes.substr(0, end));

    state_.TestTitle = "kept";
    state_.SubTitle1 = "kept too";
    ASSERT_FALSE(OpenShockProfile(files_, Path("bare.prf"), state_));
    EXPECT_EQ(state_.TestTitle, "kept");
    EXPECT_EQ(state_.SubTitle1, "kept too");
}

TEST_F(ShockFiles, FailedOpenLeavesTheStateAsItWas) {
    const std::string full = Path("full.prf");
    state_.P[2] = 40;
    ASSERT_FALSE(SaveShockProfile(files_, full, state_));
    const std::string bytes = Slurp(full);
    state_.P[2] = 15;
    const ShockState before = state_;

    Put(Path("short.prf"), bytes.substr(0, bytes.size() / 2));
    FileError e = OpenShockProfile(files_, Path("short.prf"), state_);
    EXPECT_EQ(e.number, err::kInputPastEnd);
    ExpectSameState(state_, before);

    std::string bad = bytes;
    bad.replace(bad.find("40,"), 2, "4x");
    Put(Path("bad.prf"), bad);
    e = OpenShockProfile(files_, Path("bad.prf"), state_);
    EXPECT_EQ(e.number, err::kTypeMismatch);
    ExpectSameState(state_, before);

    e = OpenShockProfile(files_, Path("missing.prf"), state_);
    EXPECT_EQ(e.number, err::kFileNotFound);
    ExpectSameState(state_, before);
}

TEST_F(ShockFiles, ValuesTheCommandsNeverSetAreKeptAndSavedBack) {
    ProfileRecords r = ToRecords(state_);
    r.numbers[1][0] = 12;     // shape
    r.numbers[4][0] = 3;      // polarity
    r.numbers[13][0] = 2.5f;  // rate index: factor 2.83
    r.numbers[32][0] = 7;     // compensation mode
    r.numbers[22][0] = 5;     // units
    const std::string in = Path("odd.prf");
    ASSERT_FALSE(WriteRecordFile(files_, in, r));
    ASSERT_FALSE(OpenShockProfile(files_, in, state_));
    EXPECT_EQ(state_.P[1], 12);
    EXPECT_EQ(state_.P[13], 2.5f);
    const std::string out = Path("odd_again.prf");
    ASSERT_FALSE(SaveShockProfile(files_, out, state_));
    EXPECT_EQ(Slurp(out), Slurp(in));
}

TEST_F(ShockFiles, RefusesValuesThatCannotBeComputed) {
    const struct {
        int entry;
        float value;
        const char* mentions;
    } cases[] = {
        {3, 0.0f, "duration"},        {3, -5.0f, "duration"},    {13, 200.0f, "sample-rate"},
        {13, -300.0f, "sample-rate"}, {3, 3e38f, "samples"},     {8, 1e5f, "abort band"},
        {8, -1e5f, "abort band"},     {2, 3.3e38f, "amplitude"},
    };
    SynthesizePulse(state_);
    const ShockState before = state_;
    for (const auto& c : cases) {
        const FileError e = OpenShockProfile(files_, ProfileWith(c.entry, c.value), state_);
        EXPECT_EQ(e.number, kInvalidValue) << c.entry << " = " << c.value;
        EXPECT_EQ(e.description, "Invalid profile value");
        EXPECT_NE(e.detail.find(c.mentions), std::string::npos) << e.detail;
        ExpectSameState(state_, before);
    }
    // Non-finite values cannot come from the file's syntax, but a state built otherwise
    // is refused the same way.
    ShockState odd = state_;
    odd.ProfileCol4[9] = std::nanf("");
    EXPECT_EQ(CheckComputable(odd).number, kInvalidValue);
    // A very short but positive duration is fine.
    EXPECT_FALSE(OpenShockProfile(files_, ProfileWith(3, 1e-30f), state_));
}

TEST_F(ShockFiles, FailedSaveKeepsTheOldFile) {
    const std::string path = Path("keep.prf");
    Put(path, "old contents");
    for (WriteStep step : {WriteStep::Open, WriteStep::Write, WriteStep::Rename}) {
        LocalFileSystem failing([step](WriteStep s) { return s == step ? EIO : 0; });
        const FileError e = SaveShockProfile(failing, path, state_);
        EXPECT_TRUE(e);
        EXPECT_EQ(Slurp(path), "old contents");
    }
    ShockState broken = state_;
    broken.P[50] = std::numeric_limits<float>::infinity();
    EXPECT_EQ(SaveShockProfile(files_, path, broken).number, err::kOverflow);
    EXPECT_EQ(Slurp(path), "old contents");
}

TEST_F(ShockFiles, WaveshapeReadsTheFirst1024Numbers) {
    std::string text;
    for (int j = 0; j < 1030; ++j) text += (j % 3 == 0 ? "1.0\r\n" : (j >= 1024 ? "junk," : "1,"));
    const std::string path = Path("QTRWaveC.1");
    Put(path, text);
    state_.CustomWave[1024] = 0.0f;
    ASSERT_FALSE(ReadWaveshape(files_, path, state_));
    for (int j = 0; j < kWaveValues; ++j) ASSERT_EQ(state_.CustomWave[j], 1.0f) << j;
    EXPECT_EQ(state_.CustomWave[1024], 0.0f);
    EXPECT_EQ(state_.WaveFileName, path);
    EXPECT_EQ(state_.P[param::kShape],
              CodeOf(Shape::HalfSine));  // selecting it is the command's step

    state_.P[param::kShape] = CodeOf(Shape::Custom);
    SynthesizePulse(state_);
    for (int i = 0; i < kWaveValues; ++i) ASSERT_EQ(state_.W[i], 80.0f) << i;
    EXPECT_EQ(state_.W[1024], 0.0f);
}

TEST_F(ShockFiles, FailedWaveshapeReadChangesNothing) {
    state_.CustomWave.fill(0.25f);
    state_.CustomWave[1024] = 0.0f;
    state_.WaveFileName = "earlier.dat";
    const ShockState before = state_;

    std::string shortText;
    for (int j = 0; j < 1000; ++j) shortText += "0.5\n";
    Put(Path("short.dat"), shortText);
    EXPECT_EQ(ReadWaveshape(files_, Path("short.dat"), state_).number, err::kInputPastEnd);
    ExpectSameState(state_, before);

    Put(Path("text.dat"), "0.5,abc," + shortText);
    EXPECT_EQ(ReadWaveshape(files_, Path("text.dat"), state_).number, err::kTypeMismatch);
    ExpectSameState(state_, before);

    std::string huge = "1e37\n";
    for (int j = 1; j < kWaveValues; ++j) huge += "0\n";
    Put(Path("huge.dat"), huge);
    const FileError e = ReadWaveshape(files_, Path("huge.dat"), state_);
    EXPECT_EQ(e.number, kInvalidValue);
    EXPECT_EQ(e.description, "Invalid waveshape value");
    ExpectSameState(state_, before);
}

}  // namespace
}  // namespace vib::shock
