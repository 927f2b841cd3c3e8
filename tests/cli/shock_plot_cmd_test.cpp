#include <algorithm>
#include <filesystem>
#include <sstream>

#include <gtest/gtest.h>
#include <QImage>

#include "cli/commands.h"
#include "shock/model.h"
#include "shock/profile_file.h"
#include "tests/support/vibcalc_run.h"

namespace vib::cli {
namespace {

using testing::RunVibcalc;

namespace fs = std::filesystem;

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
    const auto r = RunVibcalc({"shock", "--plot", path, "--size", "900x600"});
    ASSERT_EQ(r.status, kExitOk) << r.err;
    EXPECT_EQ(r.out, RunVibcalc({"shock"}).out);
    const QImage image(QString::fromStdString(path));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(900, 600));
    EXPECT_GT(CountColour(image, qRgb(0, 0, 0)), 100000);   // the black picture
    EXPECT_GT(CountColour(image, qRgb(255, 0, 0)), 300);    // acceleration
    EXPECT_GT(CountColour(image, qRgb(255, 255, 0)), 300);  // velocity
    // The plot title, white text smoothed onto the black picture: light grey pixels
    // inside the picture, where nothing else is grey.
    QRect picture;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == qRgb(0, 0, 0)) picture |= QRect(x, y, 1, 1);
    int light = 0;
    for (int y = picture.top(); y <= picture.bottom(); ++y)
        for (int x = picture.left(); x <= picture.right(); ++x) {
            const QRgb p = image.pixel(x, y);
            light += qRed(p) == qGreen(p) && qGreen(p) == qBlue(p) && qRed(p) > 200;
        }
    EXPECT_GT(light, 20);
    fs::remove(path);
}

TEST(VibcalcShockPlot, SpectrumViewDrawsBarsWithoutTraces) {
    const std::string path = TempPng("srs");
    ASSERT_EQ(RunVibcalc({"shock", "--plot", path, "--view", "srs"}).status, kExitOk);
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
        const auto r = RunVibcalc(args);
        EXPECT_EQ(r.status, kExitUsage) << args.back();
        EXPECT_TRUE(r.err.ends_with("\nTry 'vibcalc --help'.\n"));
    }
    const auto r = RunVibcalc({"shock", "--plot", "/nonexistent-folder/p.png"});
    EXPECT_EQ(r.status, kExitFileError);
    EXPECT_TRUE(r.out.empty());
    EXPECT_EQ(r.err, "vibcalc: /nonexistent-folder/p.png: Path not found (error 76)\n");
}

// The rows of an image that differ from another image of the same size.
std::pair<int, int> ChangedRows(const QImage& a, const QImage& b) {
    int first = a.height(), last = -1;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) {
                first = std::min(first, y);
                last = std::max(last, y);
                break;
            }
    return {first, last};
}

// Laid out as the window: the test title above the picture, the results row below the
// time labels. A profile that changes only the title, or only the profile name, changes
// only the rows above, or only the rows below, the black picture.
TEST(VibcalcShockPlot, TitleAbovePictureResultsBelow) {
    const fs::path dir = fs::temp_directory_path() / "shock_plot_layout";
    fs::remove_all(dir);
    auto render = [&dir](const std::string& folder, const std::string& name,
                         const std::string& title) {
        fs::create_directories(dir / folder);
        shock::ShockState s;
        shock::InitDefaults(s);
        s.TestTitle = title;
        const std::string profile = (dir / folder / name).string();
        LocalFileSystem files;
        EXPECT_FALSE(shock::SaveShockProfile(files, profile, s));
        const std::string png = (dir / folder / "plot.png").string();
        EXPECT_EQ(RunVibcalc({"shock", profile, "--plot", png}).status, kExitOk);
        return QImage(QString::fromStdString(png));
    };
    // The result row shows the last 20 characters of the name: the same for both folders.
    const QImage first = render("one", "with-a-long-name.prf", "FIRST TITLE");
    const QImage retitled = render("two", "with-a-long-name.prf", "ANOTHER TITLE ALTOGETHER");
    const QImage renamed = render("one", "other-profile-name.prf", "FIRST TITLE");
    fs::remove_all(dir);

    int top = -1, bottom = -1;  // of the picture: the rows that are mostly black
    for (int y = 0; y < first.height(); ++y) {
        int black = 0;
        for (int x = 0; x < first.width(); ++x) black += first.pixel(x, y) == qRgb(0, 0, 0);
        if (black > first.width() / 2) {
            if (top < 0) top = y;
            bottom = y;
        }
    }
    ASSERT_GT(top, 0);
    const auto [titleFirst, titleLast] = ChangedRows(first, retitled);
    EXPECT_LE(titleFirst, titleLast);
    EXPECT_LT(titleLast, top) << "the title is above the picture";
    const auto [resultFirst, resultLast] = ChangedRows(first, renamed);
    EXPECT_LE(resultFirst, resultLast);
    EXPECT_GT(resultFirst, bottom + 30) << "the results are below the time labels";
}

}  // namespace
}  // namespace vib::cli
