#include <filesystem>
#include <sstream>

#include <gtest/gtest.h>
#include <QImage>

#include "cli/commands.h"

namespace vib::cli {
namespace {

namespace fs = std::filesystem;

struct Result {
    int code;
    std::string out, err;
};

Result RunCli(std::vector<std::string> args) {
    std::ostringstream out, err;
    const int code = Run(args, out, err);
    return {code, out.str(), err.str()};
}

std::string TempPng(const std::string& name) {
    return (fs::temp_directory_path() / ("shock_plot_" + name + ".png")).string();
}

// Pixels of one colour inside the picture area.
int CountColour(const QImage& image, QRgb colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += image.pixel(x, y) == colour;
    return n;
}

TEST(VibcalcShockPlot, RendersTheTracesAndKeepsTheJson) {
    const std::string path = TempPng("start");
    fs::remove(path);
    const Result r = RunCli({"shock", "--plot", path, "--size", "900x600"});
    ASSERT_EQ(r.code, kExitOk) << r.err;
    EXPECT_EQ(r.out, RunCli({"shock"}).out);
    const QImage image(QString::fromStdString(path));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(900, 600));
    EXPECT_GT(CountColour(image, qRgb(0, 0, 0)), 100000);   // the black picture
    EXPECT_GT(CountColour(image, qRgb(255, 0, 0)), 300);    // acceleration
    EXPECT_GT(CountColour(image, qRgb(255, 255, 0)), 300);  // velocity
    EXPECT_GT(CountColour(image, qRgb(255, 255, 255)), 0);  // the plot title
    fs::remove(path);
}

TEST(VibcalcShockPlot, SpectrumViewDrawsBarsWithoutTraces) {
    const std::string path = TempPng("srs");
    ASSERT_EQ(RunCli({"shock", "--plot", path, "--view", "srs"}).code, kExitOk);
    const QImage image(QString::fromStdString(path));
    EXPECT_EQ(image.size(), QSize(1200, 800));
    EXPECT_GT(CountColour(image, qRgb(255, 0, 0)), 3000);
    EXPECT_EQ(CountColour(image, qRgb(255, 255, 0)), 0);
    fs::remove(path);
}

TEST(VibcalcShockPlot, BadOptionsAndUnwritablePaths) {
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"shock", "--plot", TempPng("x"), "--size", "100x100"},
          {"shock", "--plot", TempPng("x"), "--size", "wide"},
          {"shock", "--size", "900x600"},
          {"shock", "--plot", TempPng("x"), "--view", "test,test"},
          {"shock", "--plot", TempPng("x"), "--view", "plot"},
          {"shock", "--plot"}}) {
        const Result r = RunCli(args);
        EXPECT_EQ(r.code, kExitUsage) << args.back();
        EXPECT_NE(r.err.find("Usage:"), std::string::npos);
    }
    const Result r = RunCli({"shock", "--plot", "/nonexistent-folder/p.png"});
    EXPECT_EQ(r.code, kExitFileError);
    EXPECT_TRUE(r.out.empty());
    EXPECT_EQ(r.err, "vibcalc: /nonexistent-folder/p.png: cannot write the image\n");
}

}  // namespace
}  // namespace vib::cli
