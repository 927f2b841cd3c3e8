// What the batch tool writes and says when things go wrong: outputs written whole or not
// at all, one safe line per failure, the same rules for both commands, and the report's
// time and date.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include <nlohmann/json.hpp>

#include "cli/commands.h"
#include "cli/random_plot.h"
#include "random/profile_file.h"
#include "tests/support/scratch_dir.h"
#include "tests/support/vibcalc_run.h"

namespace vib::cli {
namespace {

namespace fs = std::filesystem;

using testing::RunVibcalc;
using testing::VibcalcResult;

// The program itself under a shell; its standard error comes back.
VibcalcResult Shell(const std::string& command) {
    const std::string errFile = (fs::path(VIB_SCRATCH) / "vibcalc-shell-err").string();
    const int raw = std::system((command + " >/dev/null 2>'" + errFile + "'").c_str());
    const std::string err = testing::ScratchDir::Slurp(errFile);
    fs::remove(errFile);
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, "", err};
}

// The page's text as a PDF viewer extracts it; empty without pdftotext.
std::string PdfText(const std::string& pdf) {
    const std::string txt = pdf + ".txt";
    if (std::system(("pdftotext -layout '" + pdf + "' '" + txt + "' 2>/dev/null").c_str()) != 0)
        return {};
    std::string text = testing::ScratchDir::Slurp(txt);
    fs::remove(txt);
    return text;
}

bool HasPdftotext() {
    return std::system("command -v pdftotext >/dev/null 2>&1") == 0;
}

using VibcalcOutputs = testing::ScratchDir;

// A write that fails part-way, or at the rename, exits 1 with one line and leaves the
// previous file byte for byte, for either output of either command.
TEST_F(VibcalcOutputs, AFailedWriteKeepsTheOldFile) {
    const struct {
        std::vector<std::string> args;
        WriteStep step;
        int error;
        const char* line;
    } cases[] = {
        {{"random", "--report"}, WriteStep::Write, ENOSPC, "Disk full (error 61)"},
        {{"random", "--plot"}, WriteStep::Write, ENOSPC, "Disk full (error 61)"},
        {{"shock", "--report"}, WriteStep::Sync, EIO, "Device I/O error (error 57)"},
        {{"shock", "--plot"}, WriteStep::Rename, EACCES, "Permission denied (error 70)"},
    };
    for (const auto& c : cases) {
        const std::string old = Put(Path("old-output"), "the previous contents");
        LocalFileSystem failing([&c](WriteStep s) { return s == c.step ? c.error : 0; });
        std::vector<std::string> args = c.args;
        args.push_back(old);
        const VibcalcResult r = RunVibcalc(args, &failing);
        const std::string what = c.args[0] + " " + c.args[1];
        EXPECT_EQ(r.status, 1) << what;
        EXPECT_EQ(r.out, "") << what;
        EXPECT_EQ(r.err, "vibcalc: " + old + ": " + c.line + "\n") << what;
        EXPECT_EQ(Slurp(old), "the previous contents") << what;
        EXPECT_EQ(Names(), std::vector<std::string>{"old-output"}) << what << ": no leftovers";
    }
}

// Each output is whole, new or old; when the second write fails the first is new, and the
// line says which were written and which not.
TEST_F(VibcalcOutputs, AFailedSecondWriteNamesWhatWasWritten) {
    const struct {
        int failingWrite;  // the save that fails: 1 the image, 2 the report
        bool imageNew;
        const char* said;
    } cases[] = {
        {1, false, "a.png: Disk full (error 61); not written: {}a.png, {}a.pdf"},
        {2, true, "a.pdf: Disk full (error 61); written: {}a.png; not written: {}a.pdf"},
    };
    for (const auto& c : cases) {
        const std::string png = Put(Path("a.png"), "old image"), pdf = Put(Path("a.pdf"), "old");
        int writes = 0;
        LocalFileSystem failing([&](WriteStep s) {
            return s == WriteStep::Write && ++writes == c.failingWrite ? ENOSPC : 0;
        });
        const VibcalcResult r = RunVibcalc({"random", "--plot", png, "--report", pdf}, &failing);
        std::string said = "vibcalc: " + Path(c.said);
        for (auto at = said.find("{}"); at != std::string::npos; at = said.find("{}"))
            said.replace(at, 2, Path(""));
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.err, said + "\n");
        EXPECT_EQ(Slurp(png) != "old image", c.imageNew) << c.said;
        EXPECT_EQ(Slurp(pdf), "old");
    }
    // A line of many names the outputs written in its error object.
    const std::string profile = Path("p.prf");
    random::RandomState s;
    random::InitDefaults(s);
    LocalFileSystem files;
    ASSERT_FALSE(random::SaveRandomProfile(files, profile, "t", s));
    int writes = 0;
    LocalFileSystem failing(
        [&](WriteStep step) { return step == WriteStep::Write && ++writes == 2 ? ENOSPC : 0; });
    const VibcalcResult r = RunVibcalc({"random", profile, "--fields", "gref", "--plot",
                                        Path("{}.png"), "--report", Path("{}.pdf")},
                                       &failing);
    EXPECT_EQ(nlohmann::json::parse(r.out)["error"]["written"],
              nlohmann::json::array({Path("p.png")}));
    // With one output there is nothing to tell apart: the error object is as it always was.
    writes = 1;
    const VibcalcResult one =
        RunVibcalc({"random", profile, "--fields", "gref", "--plot", Path("{}.png")}, &failing);
    EXPECT_FALSE(nlohmann::json::parse(one.out)["error"].contains("written")) << one.out;
}

// An output may replace neither an input nor another output: bad usage, before any work.
TEST_F(VibcalcOutputs, AnOutputThatIsAnInputOrAnotherOutputIsBadUsage) {
    random::RandomState s;
    random::InitDefaults(s);
    LocalFileSystem files;
    const std::string a = Path("a.prf"), b = Path("b.prf");
    ASSERT_FALSE(random::SaveRandomProfile(files, a, "t", s));
    ASSERT_FALSE(random::SaveRandomProfile(files, b, "t", s));
    const std::string points = Put(Path("p.csv"), "20,0.01,6,\n2000,0.01,6,\n");
    const std::string list = Put(Path("list.txt"), a + "\n" + b + "\n");
    ASSERT_EQ(::link(a.c_str(), Path("linked.png").c_str()), 0);
    auto q = [](const std::string& path) { return "'" + path + "'"; };
    const struct {
        std::vector<std::string> args;
        std::string problem;
    } cases[] = {
        {{"random", a, b, "--plot", Path("{}.prf")},
         "--plot " + q(a) + " would replace the input " + q(a)},
        {{"random", "--files-from", list, "--report", Path("{}.prf")},
         "--report " + q(a) + " would replace the input " + q(a)},
        {{"random", a, "--plot", Path("x"), "--report", Path("sub/../x")},
         "--plot and --report both name " + q(Path("sub/../x"))},
        {{"random", a, "--plot", Path("linked.png")},
         "--plot " + q(Path("linked.png")) + " would replace the input " + q(a)},
        {{"random", a, "--points", points, "--report", points},
         "--report " + q(points) + " would replace the input " + q(points)},
        {{"random", a, "--files-from", list, "--plot", Path("{}.png"), "--fields", "gref"},
         "two profiles have the base name 'a', so their images or reports would be one file"},
        {{"random", a, b, "--plot", Path("{}.png"), "--report", Path("a.png")},
         "with several profiles, --plot and --report take a pattern with {} for each "
         "profile's base name"},
        {{"shock", a, "--wave", points, "--plot", points},
         "--plot " + q(points) + " would replace the input " + q(points)},
    };
    const std::vector<std::string> before = Names();
    for (const auto& c : cases) {
        const VibcalcResult r = RunVibcalc(c.args);
        EXPECT_EQ(r.status, 2) << c.problem;
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, "vibcalc " + c.args[0] + ": " + c.problem + "\nTry 'vibcalc --help'.\n");
    }
    EXPECT_EQ(Names(), before) << "nothing written";
    // One profile with --fields takes a plain name: its line, and the image.
    const VibcalcResult one =
        RunVibcalc({"random", a, "--fields", "gref", "--plot", Path("one.png")});
    EXPECT_EQ(one.status, 0) << one.err;
    EXPECT_EQ(nlohmann::json::parse(one.out)["file"], a);
    EXPECT_EQ(Slurp(Path("one.png")).substr(1, 3), "PNG");
}

// A full disk as the real program meets it: the file size limit, with its signal ignored
// so that the write fails instead of ending the process.
TEST_F(VibcalcOutputs, FileSizeLimitFailsTheReportAndKeepsTheOldFile) {
    const std::string old = Put(Path("report.pdf"), "the previous report");
    const VibcalcResult r =
        Shell("bash -c \"trap '' XFSZ; ulimit -f 1; exec '" VIB_VIBCALC "' random --report '" +
              old + "'\"");
    EXPECT_EQ(r.status, 1) << r.err;
    EXPECT_EQ(r.err, "vibcalc: " + old + ": Disk full (error 61)\n");
    EXPECT_EQ(Slurp(old), "the previous report");
}

// A pipe or device is refused before anything is drawn, without blocking.
TEST_F(VibcalcOutputs, OnlyRegularFilesAreWritten) {
    const std::string fifo = Path("fifo");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const auto& args : {std::vector<std::string>{"random", "--plot", fifo},
                             std::vector<std::string>{"shock", "--report", "/dev/null"}}) {
        const VibcalcResult r = RunVibcalc(args);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.err, "vibcalc: " + args[2] +
                             ": Path/File access error (error 75): is not a regular file\n");
    }
}

// Both commands read their command line by the same rules; nothing is written.
TEST_F(VibcalcOutputs, EmptyProfilesAndRepeatedOptionsAreBadUsage) {
    const std::string a = Path("a.png"), b = Path("b.pdf");
    for (const std::string command : {"random", "shock"}) {
        for (const std::vector<std::string>& rest : std::vector<std::vector<std::string>>{
                 {""},
                 {"--plot", a, "--plot", a},
                 {"--plot=" + a, "--plot", a},
                 {"--report", b, "--report", b},
                 {"--plot", a, "--size", "900x600", "--size", "900x600"},
                 {"--plot", "--size", "900x600"},
                 {"--size", "900x600"},
                 {"--report", ""},
             }) {
            std::vector<std::string> args{command};
            args.insert(args.end(), rest.begin(), rest.end());
            const VibcalcResult r = RunVibcalc(args);
            EXPECT_EQ(r.status, 2) << command << " " << ::testing::PrintToString(rest);
            EXPECT_EQ(r.out, "");
            EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 2) << r.err;
            EXPECT_TRUE(r.err.ends_with("\nTry 'vibcalc --help'.\n")) << r.err;
        }
    }
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"shock", "--wave", ""}, {"shock", "--wave", "w.dat", "--wave", "w.dat"}}) {
        EXPECT_EQ(RunVibcalc(args).status, 2) << ::testing::PrintToString(args);
    }
    EXPECT_TRUE(Names().empty());
}

// Text from a hostile file or file name reaches standard error as one short line, from
// every reader of both commands (the line's format is FileErrorLine's own test).
TEST_F(VibcalcOutputs, HostileFilesGiveOneSafeLine) {
    const std::string junk = "\x1b[2J" + std::string(20000, 'A') + "\x07";
    const std::string profile = Put(Path("evil.prf"), "1,2," + junk + "\r\n");
    const std::string wave = Put(Path("evil.dat"), "1\n2\n" + junk + "\n");
    const std::string missing = Path("no\x1b[31mfile\r.prf");
    for (const auto& args : std::vector<std::vector<std::string>>{{"random", profile},
                                                                  {"shock", profile},
                                                                  {"shock", "--wave", wave},
                                                                  {"random", missing},
                                                                  {"shock", missing}}) {
        const VibcalcResult r = RunVibcalc(args);
        EXPECT_EQ(r.status, 1);
        EXPECT_LT(r.err.size(), 300u) << r.err;
        EXPECT_EQ(std::count_if(r.err.begin(), r.err.end(),
                                [](char ch) { return (unsigned char)ch < 0x20; }),
                  1)
            << "only the closing line break: " << r.err;
    }
}

// After opening a profile the window's result row names the file, and a Metric decade
// label that reads a legend entry shows its blanks.
TEST_F(VibcalcOutputs, RandomShowsWhatTheWindowShowsAfterOpening) {
    random::RandomState s;
    random::InitDefaults(s);
    s.Params[random::prm::UnitsIndex] = 1;
    s.Params[random::prm::YMaxSetting] = 0;
    s.Params[random::prm::YMinSetting] = 0;
    const std::string profile = Path("a-metric-setup-1.prf");
    LocalFileSystem files;
    ASSERT_FALSE(random::SaveRandomProfile(files, profile, "METRIC TEST", s));

    const RandomPlotTexts texts = PlotTexts(s);
    ASSERT_EQ(s.Layout.DecadeCount, 4);
    std::vector<std::string> decades;
    for (int k = 0; k <= 4; ++k) decades.push_back(texts.axis[k].text);
    EXPECT_EQ(decades, (std::vector<std::string>{"1.0", "10", "100", "1000", "     "}));

    const std::string pdf = Path("r.pdf");
    const VibcalcResult r = RunVibcalc({"random", profile, "--report", pdf});
    ASSERT_EQ(r.status, 0) << r.err;
    if (!HasPdftotext()) GTEST_SKIP() << "no pdftotext";
    const std::string text = PdfText(pdf);
    EXPECT_NE(text.find("a-metric-setup-1.prf"), std::string::npos) << text;
    EXPECT_EQ(text.find("DEFAULT PROFILE"), std::string::npos);
    EXPECT_EQ(text.find("Ch#"), std::string::npos);
}

// The shock report's time and date: with SOURCE_DATE_EPOCH the same page under any time
// zone and language; Morvane's report keeps its boxes blank.
TEST_F(VibcalcOutputs, SourceDateEpochFixesTheShockReportsTimeAndDate) {
    if (!HasPdftotext()) GTEST_SKIP() << "no pdftotext";
    auto report = [this](const std::string& command, const std::string& env) {
        const std::string pdf = Path(command + ".pdf");
        const VibcalcResult r =
            Shell("env -u LC_ALL -u LC_TIME -u LANGUAGE SOURCE_DATE_EPOCH=86400 " + env +
                  " '" VIB_VIBCALC "' " + command + " --report '" + pdf + "'");
        EXPECT_EQ(r.status, 0) << r.err;
        return PdfText(pdf);
    };
    const std::string utc = report("shock", "TZ=UTC LANG=C.UTF-8");
    const std::string east = report("shock", "TZ=XYZ-14 LANG=de_DE.UTF-8");
    EXPECT_EQ(utc, east);
    EXPECT_NE(utc.find("00:00"), std::string::npos) << utc;
    EXPECT_NE(utc.find("1970-01-02"), std::string::npos);
    const std::string random = report("random", "TZ=UTC LANG=C.UTF-8");
    EXPECT_EQ(random.find("1970"), std::string::npos);
    EXPECT_EQ(random.find("00:00"), std::string::npos);

    const VibcalcResult bad = Shell(
        "SOURCE_DATE_EPOCH=yesterday '" VIB_VIBCALC "' shock --report '" + Path("x.pdf") + "'");
    EXPECT_EQ(bad.status, 2);
}

}  // namespace
}  // namespace vib::cli
