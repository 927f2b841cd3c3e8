// Damaged and unusual files on a real disk, through the open, read and save routines the
// windows and the batch tool call: every undecodable file gets its error number and
// description and changes nothing; every readable one is read as written.

#include <sys/resource.h>

#include <cerrno>
#include <chrono>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "harness.h"
#include "platform/numbers.h"
#include "random/profile_file.h"
#include "random/spectrum.h"
#include "shock/model.h"
#include "shock/profile_file.h"
#include "shock/synthesis.h"

namespace vib {
namespace {

namespace fs = std::filesystem;
using fuzz::StateDifference;

const fs::path kCorpus = VIB_CORPUS_DIR;

class DamagedFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("vib_damaged_" + std::to_string(::getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        random::InitDefaults(random_);
        random_.TestTitle = "title before";
        random::RecomputeModel(random_);
        shock::InitDefaults(shock_);
        shock_.TestTitle = "title before";
        shock_.WaveFileName = "wave before.dat";
        shock_.CustomWave.fill(0.25f);
        shock_.CustomWave[shock::kWaveValues] = 0.0f;
        shock::SynthesizePulse(shock_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string Path(const std::string& name) const { return (dir_ / name).string(); }
    static std::string Slurp(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream ss;
        ss << in.rdbuf();
        return ss.str();
    }
    static void Put(const std::string& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }

    // Opens `path` with each reader that `which` names ("r" random, "s" shock, "w" wave)
    // and expects the same refusal from each, with nothing changed.
    void ExpectRefusedByAll(const std::string& path, const std::string& which, int number,
                            const char* description) {
        const random::RandomState randomBefore = random_;
        const shock::ShockState shockBefore = shock_;
        auto expect = [&](const char* reader, const FileError& e) {
            EXPECT_EQ(e.number, number) << reader << " " << path << ": " << e.detail;
            EXPECT_EQ(e.description, description) << reader << " " << path;
        };
        if (which.find('r') != std::string::npos)
            expect("random", random::OpenRandomProfile(files_, path, "caption", random_));
        if (which.find('s') != std::string::npos)
            expect("shock", shock::OpenShockProfile(files_, path, shock_));
        if (which.find('w') != std::string::npos)
            expect("waveshape", shock::ReadWaveshape(files_, path, shock_));
        EXPECT_EQ(StateDifference(randomBefore, random_), "") << path;
        EXPECT_EQ(StateDifference(shockBefore, shock_), "") << path;
    }

    fs::path dir_;
    LocalFileSystem files_;
    random::RandomState random_;
    shock::ShockState shock_;
};

TEST_F(DamagedFiles, UndecodableFilesGetTheirErrorAndChangeNothing) {
    const struct {
        const char* file;
        const char* readers;
        int number;
        const char* description;
    } cases[] = {
        {"random/bad-empty.prf", "rs", 62, "Input past end of file"},
        {"wave/bad-empty.dat", "w", 62, "Input past end of file"},
        {"random/bad-garbage.prf", "r", 13, "Type mismatch"},
        {"shock/bad-garbage.prf", "s", 13, "Type mismatch"},
        {"wave/bad-garbage.dat", "w", 13, "Type mismatch"},
        {"random/bad-99-records.prf", "r", 62, "Input past end of file"},
        {"shock/bad-99-records.prf", "s", 62, "Input past end of file"},
        {"random/bad-open-quote.prf", "r", 13, "Type mismatch"},
        {"shock/bad-open-quote.prf", "s", 13, "Type mismatch"},
        {"wave/bad-quoted.dat", "w", 13, "Type mismatch"},
        {"random/bad-nan.prf", "r", 13, "Type mismatch"},
        {"random/bad-inf.prf", "r", 13, "Type mismatch"},
        {"random/bad-1e39.prf", "r", 13, "Type mismatch"},
        {"shock/bad-nan.prf", "s", 13, "Type mismatch"},
        {"shock/bad-inf.prf", "s", 13, "Type mismatch"},
        {"shock/bad-1e39.prf", "s", 13, "Type mismatch"},
        {"wave/bad-nan.dat", "w", 13, "Type mismatch"},
        {"wave/bad-inf.dat", "w", 13, "Type mismatch"},
        {"wave/bad-1e39.dat", "w", 13, "Type mismatch"},
        {"wave/bad-1023-numbers.dat", "w", 62, "Input past end of file"},
        // Readable, but the results would be beyond any number.
        {"random/bad-range-overflow.prf", "r", 6, "Overflow"},
        {"shock/bad-zero-duration.prf", "s", 380, "Invalid profile value"},
        {"wave/bad-1e37.dat", "w", 380, "Invalid waveshape value"},
    };
    for (const auto& c : cases)
        ExpectRefusedByAll((kCorpus / c.file).string(), c.readers, c.number, c.description);
}

TEST_F(DamagedFiles, HugeFileIsRefusedBySizeWithoutBeingRead) {
    const std::string path = Path("huge.prf");
    {
        // Sparse: a gigabyte of size without a gigabyte of disk.
        std::ofstream out(path, std::ios::binary);
        out.seekp((std::streamoff(1) << 30) - 1);
        out.put('\0');
    }
    ASSERT_EQ(fs::file_size(path), std::uintmax_t(1) << 30);
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    const long peakKiBBefore = usage.ru_maxrss;
    const auto start = std::chrono::steady_clock::now();

    ExpectRefusedByAll(path, "rsw", 75, "Path/File access error");

    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_LT(elapsed, std::chrono::seconds(1));
    ::getrusage(RUSAGE_SELF, &usage);
    EXPECT_LT(usage.ru_maxrss - peakKiBBefore, 64 * 1024) << "KiB more at peak";
}

TEST_F(DamagedFiles, FolderOrVanishedFileInPlaceOfAFile) {
    fs::create_directory(Path("QTRFileR.1"));
    ExpectRefusedByAll(Path("QTRFileR.1"), "rsw", 75, "Path/File access error");

    // Chosen in the dialog, then gone before the read.
    const std::string chosen = Path("QTRFileC.2");
    fs::copy_file(kCorpus / "shock/ok-default.prf", chosen);
    fs::remove(chosen);
    ExpectRefusedByAll(chosen, "rsw", 53, "File not found");

    ExpectRefusedByAll(Path("gone/QTRWaveC.1"), "rsw", 76, "Path not found");
}

TEST_F(DamagedFiles, FailedSaveLeavesTheOldFileWhole) {
    const std::string randomPath = Path("QTRFileR.1");
    const std::string shockPath = Path("QTRFileC.1");
    ASSERT_FALSE(random::SaveRandomProfile(files_, randomPath, "old", random_));
    ASSERT_FALSE(shock::SaveShockProfile(files_, shockPath, shock_));
    const std::string oldRandom = Slurp(randomPath);
    const std::string oldShock = Slurp(shockPath);
    random_.Freq[2] = 123;
    shock_.P[shock::param::kAmplitude] = 77;

    const struct {
        WriteStep step;
        int errnoValue;
        int number;
    } faults[] = {
        {WriteStep::Open, EACCES, 70}, {WriteStep::Write, ENOSPC, 61}, {WriteStep::Write, EIO, 57},
        {WriteStep::Sync, EIO, 57},    {WriteStep::Rename, EXDEV, 75},
    };
    for (const auto& f : faults) {
        LocalFileSystem failing([&f](WriteStep s) { return s == f.step ? f.errnoValue : 0; });
        const FileError r = random::SaveRandomProfile(failing, randomPath, "new", random_);
        const FileError s = shock::SaveShockProfile(failing, shockPath, shock_);
        EXPECT_EQ(r.number, f.number) << int(f.step);
        EXPECT_EQ(s.number, f.number) << int(f.step);
        EXPECT_EQ(r.description, ErrorDescription(f.number));
        EXPECT_EQ(Slurp(randomPath), oldRandom) << int(f.step);
        EXPECT_EQ(Slurp(shockPath), oldShock) << int(f.step);
        // No half-written temporary is left beside the profiles.
        EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 2);
    }
    // Without the fault the same saves replace the files whole.
    ASSERT_FALSE(random::SaveRandomProfile(files_, randomPath, "new", random_));
    ASSERT_FALSE(shock::SaveShockProfile(files_, shockPath, shock_));
    random::RandomState reopened;
    random::InitDefaults(reopened);
    ASSERT_FALSE(random::OpenRandomProfile(files_, randomPath, "x", reopened));
    EXPECT_EQ(reopened.Freq[2], 123.0f);
    EXPECT_EQ(reopened.TestTitle, "new");
}

TEST_F(DamagedFiles, UnusualButReadableFilesAreReadAsWritten) {
    const std::string good = Slurp(kCorpus / "random/ok-metric-1000hz.prf");

    // LF line ends read exactly like CR LF.
    random::RandomState crlf = random_, lf = random_;
    Put(Path("crlf.prf"), good);
    std::string lfOnly;
    for (char c : good)
        if (c != '\r') lfOnly += c;
    Put(Path("lf.prf"), lfOnly);
    ASSERT_FALSE(random::OpenRandomProfile(files_, Path("crlf.prf"), "c", crlf));
    ASSERT_FALSE(random::OpenRandomProfile(files_, Path("lf.prf"), "c", lf));
    EXPECT_EQ(StateDifference(crlf, lf), "");
    EXPECT_EQ(lf.Params[random::prm::UnitsIndex], 1.0f);
    EXPECT_EQ(lf.Freq[8], 1000.0f);

    // A comment of a million characters moves no field after it.
    const std::string million(1000000, 'x');
    std::string longComment = good;
    longComment.replace(longComment.find("\"point 3\""), 9, '"' + million + '"');
    Put(Path("long.prf"), longComment);
    random::RandomState longRead = random_;
    ASSERT_FALSE(random::OpenRandomProfile(files_, Path("long.prf"), "c", longRead));
    EXPECT_EQ(longRead.Comment[3], million);
    EXPECT_EQ(longRead.Freq[4], crlf.Freq[4]);
    EXPECT_EQ(longRead.SubTitle1, crlf.SubTitle1);

    // Codes no menu sets are used as written; 0 in entry 31 reads as 5, in 51 as 0; a
    // first breakpoint below zero and a frequency of 1e30 keep the start line in range.
    random::RandomState odd = random_;
    ASSERT_FALSE(random::OpenRandomProfile(files_, (kCorpus / "random/ok-odd-codes.prf").string(),
                                           "c", odd));
    EXPECT_EQ(odd.Params[random::prm::RangeIndex], 9.0f);
    EXPECT_EQ(odd.Params[random::prm::LinesIndex], 7.0f);
    EXPECT_EQ(odd.LineCount, random_.LineCount);  // an unknown resolution keeps the lines
    EXPECT_EQ(odd.Params[random::prm::UnitsIndex], 5.0f);
    EXPECT_EQ(odd.Params[random::prm::Reserved31], 5.0f);
    EXPECT_EQ(odd.Params[random::prm::XAxisSetting], 0.0f);
    EXPECT_EQ(odd.Freq[1], -10.0f);
    EXPECT_EQ(odd.Freq[4], 1e30f);
    EXPECT_EQ(odd.StartLine, 0);

    shock::ShockState shockOdd = shock_;
    ASSERT_FALSE(
        shock::OpenShockProfile(files_, (kCorpus / "shock/ok-odd-codes.prf").string(), shockOdd));
    EXPECT_EQ(shockOdd.P[shock::param::kShape], 12.0f);
    EXPECT_EQ(shockOdd.P[shock::param::kRateIndex], 2.5f);
    EXPECT_EQ(shockOdd.P[shock::param::kPolarity], 3.0f);

    // A double quote in a text is saved as ' so it cannot end the text early and shift
    // the fields after it.
    random::RandomState quoted = random_;
    quoted.SubTitle1 = R"(12" drop, "Z" axis)";
    quoted.SubTitle2 = "after";
    quoted.Comment[100] = "\"";
    ASSERT_FALSE(random::SaveRandomProfile(files_, Path("q.prf"), "say \"go\"", quoted));
    random::RandomState requoted = random_;
    ASSERT_FALSE(random::OpenRandomProfile(files_, Path("q.prf"), "c", requoted));
    EXPECT_EQ(requoted.TestTitle, "say 'go'");
    EXPECT_EQ(requoted.SubTitle1, "12' drop, 'Z' axis");
    EXPECT_EQ(requoted.SubTitle2, "after");
    EXPECT_EQ(requoted.Comment[100], "'");

    // Numbers after the 1024th are ignored.
    ASSERT_FALSE(
        shock::ReadWaveshape(files_, (kCorpus / "wave/ok-2000-numbers.dat").string(), shock_));
    EXPECT_EQ(shock_.CustomWave[0], 0.25f);
    EXPECT_EQ(shock_.CustomWave[1023], -0.5f);
    EXPECT_EQ(shock_.CustomWave[1024], 0.0f);
}

// A profile of the other kind is refused as a type mismatch that names the kind and what
// opens it; no file either program writes is refused by its own program: the examples,
// the seed files of the original layout, and seeded saves of both programs with settings
// and levels as the menus and the editor give them.
TEST_F(DamagedFiles, ProfileOfTheOtherKindIsRefusedNamingWhatOpensIt) {
    struct File {
        std::string path;
        bool random;     // written by the random calculator
        bool crossSure;  // the other program must refuse it
    };
    std::vector<File> files;
    for (const bool random : {true, false}) {
        const char* kind = random ? "random" : "shock";
        for (const auto& e : fs::directory_iterator(fs::path(VIB_EXAMPLES) / kind))
            files.push_back({e.path().string(), random, true});
        for (const auto& e : fs::directory_iterator(kCorpus / kind))
            if (e.path().filename().string().rfind("ok-", 0) == 0)
                // Codes no menu sets may leave a file that shows no kind.
                files.push_back(
                    {e.path().string(), random, e.path().filename() != "ok-odd-codes.prf"});
    }
    std::mt19937 gen(29);
    auto pick = [&gen](int n) { return static_cast<int>(gen() % static_cast<unsigned>(n)); };
    auto between = [&gen](double lo, double hi) {
        return static_cast<float>(lo * std::pow(hi / lo, std::generate_canonical<double, 32>(gen)));
    };
    for (int i = 0; i < 100; ++i) {
        random::RandomState r;
        random::InitDefaults(r);
        r.Params[random::prm::RangeIndex] = static_cast<float>(pick(5));
        r.Params[random::prm::LinesIndex] = static_cast<float>(pick(4));
        r.Params[random::prm::UnitsIndex] = static_cast<float>(pick(3));
        r.Params[random::prm::SeparatorMode] = static_cast<float>(pick(2));
        const int points = pick(52);  // 0: every breakpoint cleared
        float f = between(1, 20);
        for (int k = 1; k <= 51; ++k) {
            r.Freq[k] = k <= points ? f : 0.0f;
            r.Asd[k] = k <= points ? between(1e-6, 10) : 0.0f;
            r.AbortDb[k] = static_cast<float>(pick(13));
            f *= between(1.05, 1.6);
        }
        const std::string path = Path("random-" + std::to_string(i) + ".prf");
        ASSERT_FALSE(random::SaveRandomProfile(files_, path, "t", r));
        files.push_back({path, true, true});

        shock::ShockState s;
        shock::InitDefaults(s);
        s.P[shock::param::kShape] = static_cast<float>(1 + pick(9));
        s.P[shock::param::kAmplitude] = between(0.5, 5000);
        s.P[shock::param::kDurationMs] = between(0.2, 200);
        s.P[shock::param::kPolarity] = static_cast<float>(1 + pick(2));
        s.P[shock::param::kRateIndex] = static_cast<float>(1 + pick(4));
        s.P[shock::param::kCompMode] = static_cast<float>(pick(2));
        s.P[shock::param::kUnits] = static_cast<float>(pick(3));
        const std::string shockPath = Path("shock-" + std::to_string(i) + ".prf");
        ASSERT_FALSE(shock::SaveShockProfile(files_, shockPath, s));
        files.push_back({shockPath, false, true});
    }

    for (const File& file : files) {
        random::RandomState r = random_;
        shock::ShockState s = shock_;
        const FileError asRandom = random::OpenRandomProfile(files_, file.path, "c", r);
        const FileError asShock = shock::OpenShockProfile(files_, file.path, s);
        const FileError& own = file.random ? asRandom : asShock;
        const FileError& other = file.random ? asShock : asRandom;
        EXPECT_NE(own.number, err::kTypeMismatch) << file.path << ": " << own.detail;
        if (!file.crossSure) continue;
        EXPECT_EQ(other.number, err::kTypeMismatch) << file.path;
        EXPECT_EQ(other.description, "Type mismatch") << file.path;
        const char* names[] = {file.random ? "random profile" : "shock profile",
                               file.random ? "Morvane" : "Tessalt",
                               file.random ? "vibcalc random" : "vibcalc shock"};
        for (const char* name : names)
            EXPECT_NE(other.detail.find(name), std::string::npos)
                << file.path << ": " << other.detail;
    }
    // A refusal changes nothing.
    random::RandomState r = random_;
    EXPECT_TRUE(random::OpenRandomProfile(files_, files.back().path, "c", r));
    EXPECT_EQ(StateDifference(random_, r), "");
}

}  // namespace
}  // namespace vib
