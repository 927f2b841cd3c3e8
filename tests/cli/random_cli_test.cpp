#include <gtest/gtest.h>

#include <QImage>

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "cli/commands.h"
#include "platform/files.h"
#include "random/profile_file.h"
#include "random/spectrum.h"
#include "tests/support/vibcalc_run.h"

namespace vib::cli {
namespace {

using testing::RunVibcalc;

std::string TempPath(const std::string& name) {
    return (std::filesystem::temp_directory_path() / (std::to_string(::getpid()) + "-" + name))
        .string();
}

TEST(VibcalcRandom, StartUpValuesWithExactlyTheDocumentedKeys) {
    const auto r = RunVibcalc({"random"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    const auto j = nlohmann::json::parse(r.out);
    std::vector<std::string> keys;
    for (auto it = j.begin(); it != j.end(); ++it) keys.push_back(it.key());
    std::sort(keys.begin(), keys.end());
    EXPECT_EQ(keys, (std::vector<std::string>{"df", "dref", "gref", "line_abort_db", "line_count",
                                              "lines_index", "messages", "range_factor",
                                              "range_index", "spectrum", "spectrum_size",
                                              "start_line", "units_index", "vref"}));
    EXPECT_EQ(j["range_index"], 3);
    EXPECT_EQ(j["lines_index"], 1);
    EXPECT_EQ(j["units_index"], 0);
    EXPECT_EQ(j["line_count"], 400);
    EXPECT_EQ(j["spectrum_size"], 512);
    EXPECT_EQ(j["df"], 5);
    EXPECT_EQ(j["range_factor"], 4);
    EXPECT_EQ(j["start_line"], 2);
    EXPECT_NEAR(j["gref"].get<double>(), 8.00, 0.005);
    EXPECT_NEAR(j["vref"].get<double>(), 7.76, 0.005);
    EXPECT_NEAR(j["dref"].get<double>(), 64.9, 0.05);
    EXPECT_EQ(j["spectrum"].size(), 513u);
    EXPECT_EQ(j["line_abort_db"].size(), 513u);
    EXPECT_TRUE(j["messages"].empty());

    // Every printed number reads back to the computed single-precision value.
    random::RandomState s;
    random::InitDefaults(s);
    random::RecomputeModel(s);
    EXPECT_EQ(float(j["gref"].get<double>()), s.Gref);
    EXPECT_NE(r.out.find("\"gref\":8.001052,"), std::string::npos) << "the float's shortest form";
    for (int i = 0; i <= 512; ++i)
        ASSERT_EQ(float(j["spectrum"][i].get<double>()), s.Spectrum[i]) << i;
}

TEST(VibcalcRandom, ReadsAProfileAndReportsItsWarnings) {
    random::RandomState s;
    random::InitDefaults(s);
    s.Params[random::prm::MaxA] = 7.9f;
    s.Freq[1] = 4;
    const std::string path = TempPath("warn.prf");
    LocalFileSystem fs;
    ASSERT_FALSE(random::SaveRandomProfile(fs, path, "t", s));
    const auto r = RunVibcalc({"random", path});
    std::filesystem::remove(path);
    ASSERT_EQ(r.status, 0) << r.err;
    const auto j = nlohmann::json::parse(r.out);
    EXPECT_EQ(j["messages"], (nlohmann::json{"Illegal Frequency- Too Low",
                                             " Test Acceleration Level > System A Limit "}));
    EXPECT_EQ(j["start_line"], 1);
}

TEST(VibcalcRandom, UnreadableProfileFailsWithOneLine) {
    const std::string path = TempPath("short.prf");
    std::ofstream(path) << "1,2,3,4,5,6,\"x\"\r\n";
    for (const std::string& p : {path, TempPath("does-not-exist.prf")}) {
        const auto r = RunVibcalc({"random", p});
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find(p), std::string::npos);
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    }
    EXPECT_NE(RunVibcalc({"random", path}).err.find("Input past end of file"), std::string::npos);
    std::filesystem::remove(path);
}

TEST(Vibcalc, UsageAndHelp) {
    // A usage mistake is one line and where to read more, not the whole help.
    const struct {
        std::vector<std::string> args;
        const char* line;
    } cases[] = {
        {{}, "vibcalc: a command is needed: random or shock"},
        {{"bogus"}, "vibcalc: unknown command 'bogus': random or shock"},
        {{"random", "--frobnicate"}, "vibcalc random: unknown option '--frobnicate'"},
        {{"shock", "--view", "srs"}, "vibcalc shock: --view needs --plot"},
    };
    for (const auto& c : cases) {
        const auto r = RunVibcalc(c.args);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, std::string(c.line) + "\nTry 'vibcalc --help'.\n");
    }
    const auto version = RunVibcalc({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out.rfind("vibcalc ", 0), 0u);
    const auto help = RunVibcalc({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("random [PROFILE...]"), std::string::npos);
    EXPECT_NE(help.out.find("shock [PROFILE...]"), std::string::npos);
}

}  // namespace
}  // namespace vib::cli

namespace vib::cli {
namespace {

TEST(VibcalcRandomPlot, RendersThePictureToAPng) {
    const std::string path = TempPath("plot.png");
    const auto r = RunVibcalc({"random", "--plot", path, "--size", "900x600"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NO_THROW(nlohmann::json::parse(r.out));  // the results are still printed
    QImage image(QString::fromStdString(path));
    std::filesystem::remove(path);
    ASSERT_EQ(image.size(), QSize(900, 600));
    // The picture is black with a cyan grid and a white trace.
    int black = 0, cyan = 0, white = 0;
    for (int y = 0; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); x += 2) {
            const QRgb c = image.pixel(x, y);
            black += c == qRgb(0, 0, 0);
            cyan += c == qRgb(0, 128, 128);
            white += c == qRgb(255, 255, 255);
        }
    EXPECT_GT(black, 30000);
    EXPECT_GT(cyan, 1000);
    EXPECT_GT(white, 50);
}

TEST(VibcalcRandomPlot, BadSizesAndUnwritablePaths) {
    for (const char* size : {"0x0", "100", "x600", "900x", "12x5000000", "900x600x3", "abcxdef"}) {
        const auto r = RunVibcalc({"random", "--plot", TempPath("p.png"), "--size", size});
        EXPECT_EQ(r.status, 2) << size;
    }
    EXPECT_EQ(RunVibcalc({"random", "--plot"}).status, 2);
    const auto r = RunVibcalc({"random", "--plot", "/nonexistent-folder/p.png"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("/nonexistent-folder/p.png"), std::string::npos);
}

}  // namespace
}  // namespace vib::cli

namespace vib::cli {
namespace {

// The batch tool over every seed-corpus file: a damaged file is one line on standard
// error and exit status 1, a good one a JSON object, and nothing ever prints NaN.
TEST(VibcalcCorpus, EveryFileGivesJsonOrOneLine) {
    const std::filesystem::path corpus = std::filesystem::path(VIB_TEST_DATA) / "corpus";
    const struct {
        const char* folder;
        std::vector<std::string> args;  // the file goes last
    } kinds[] = {{"random", {"random"}}, {"shock", {"shock"}}, {"wave", {"shock", "--wave"}}};
    int files = 0;
    for (const auto& kind : kinds) {
        for (const auto& entry : std::filesystem::directory_iterator(corpus / kind.folder)) {
            const std::string name = entry.path().filename().string();
            const bool bad = name.rfind("bad-", 0) == 0;
            if (!bad && name.rfind("ok-", 0) != 0) continue;
            ++files;
            std::vector<std::string> args = kind.args;
            args.push_back(entry.path().string());
            const auto r = RunVibcalc(args);
            if (bad) {
                EXPECT_EQ(r.status, 1) << name;
                EXPECT_EQ(r.out, "") << name;
                EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << name << ": " << r.err;
            } else {
                ASSERT_EQ(r.status, 0) << name << ": " << r.err;
                EXPECT_EQ(r.out.find("null"), std::string::npos) << name;  // NaN prints as null
                EXPECT_NO_THROW(nlohmann::json::parse(r.out)) << name;
            }
        }
    }
    EXPECT_GT(files, 30);
}

}  // namespace
}  // namespace vib::cli

namespace vib::cli {
namespace {

std::string PdfText(const std::string& pdf) {
    const std::string txt = pdf + ".txt";
    if (std::system(("pdftotext -layout '" + pdf + "' '" + txt + "' 2>/dev/null").c_str()) != 0)
        return {};
    std::ifstream in(txt);
    std::string text((std::istreambuf_iterator<char>(in)), {});
    std::filesystem::remove(txt);
    return text;
}

// Both reports print to a one-page PDF whose text holds the banner, the title and the
// results as the window shows them.
TEST(VibcalcReport, BothCalculatorsPrintTheirPageToPdf) {
    const struct {
        const char* command;
        std::vector<std::string> expected;
    } cases[] = {{"random",
                  {"RANDOM VIBRATION CALCULATOR", "ORVANTIS", "RANDOM VIBRATION TEST #",
                   "Gref = 8 G-RMS", "Vref = 7.76 IPS-PK", "Dref = 64.9 MILS"}},
                 {"shock",
                  {"DIGITAL SHOCK CONTROLLER", "ORVANTIS", "RESPONSE PLOT FOR SHOCK TEST #",
                   "Gref = 15 G-PK", "Vref = 19.67 IPS-PK", "Dref = 249.3 MILS"}}};
    for (const auto& c : cases) {
        const std::string pdf = TempPath(std::string(c.command) + "-report.pdf");
        const auto r = RunVibcalc({c.command, "--report", pdf});
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_NO_THROW(nlohmann::json::parse(r.out));
        std::ifstream in(pdf, std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)), {});
        EXPECT_EQ(bytes.rfind("%PDF", 0), 0u) << c.command;
        EXPECT_GT(bytes.size(), 2000u);
        const std::string text = PdfText(pdf);
        std::filesystem::remove(pdf);
        if (text.empty()) continue;  // no pdftotext on this machine
        EXPECT_EQ(std::count(text.begin(), text.end(), '\f'), 1) << "one page";
        for (const auto& e : c.expected)
            EXPECT_NE(text.find(e), std::string::npos) << c.command << ": " << e;
    }
    const auto bad = RunVibcalc({"random", "--report", "/nonexistent-folder/r.pdf"});
    EXPECT_EQ(bad.status, 1);
    EXPECT_EQ(bad.out, "");
}

}  // namespace
}  // namespace vib::cli
