#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>

#include "shell/form_surface.h"
#include "shell/picture.h"

namespace vib::shell {
namespace {

int argc = 1;
char arg0[] = "shell_tests";
char* argv[] = {arg0, nullptr};

class PictureTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (!QApplication::instance()) new QApplication(argc, argv);
    }
};

TEST_F(PictureTest, TwipsMapToPixelsAtFifteenPerPixel) {
    TwipsPicture p;
    p.SetPixelSize(QSize(200, 100), 15.0);
    EXPECT_EQ(p.ScaleWidth(), 3000);
    EXPECT_EQ(p.ScaleHeight(), 1500);
    p.SetBackColor(Rgb{0, 0, 0});
    p.Line(0, 750, 3000, 750, Rgb{255, 255, 0});
    EXPECT_EQ(p.Image().pixelColor(100, 50), QColor(255, 255, 0));
    EXPECT_EQ(p.Image().pixelColor(100, 49), QColor(0, 0, 0));
    p.PSet(150, 1485, Rgb{0, 255, 0});
    EXPECT_EQ(p.Image().pixelColor(10, 99), QColor(0, 255, 0));
}

TEST_F(PictureTest, ClearTakesTheCurrentSizeAndBackground) {
    TwipsPicture p;
    p.SetPixelSize(QSize(10, 10), 15.0);
    p.SetBackColor(Rgb{255, 255, 255});
    p.SetPixelSize(QSize(30, 20), 15.0);
    EXPECT_EQ(p.Image().size(), QSize(10, 10));  // shown scaled until the next clear
    p.Clear();
    EXPECT_EQ(p.Image().size(), QSize(30, 20));
    EXPECT_EQ(p.Image().pixelColor(29, 19), QColor(255, 255, 255));
}

TEST_F(PictureTest, FarOffCoordinatesAreClippedNotFatal) {
    TwipsPicture p;
    p.SetPixelSize(QSize(20, 20), 15.0);
    p.Clear();
    p.Line(-1e30, -1e30, 1e30, 1e30, Rgb{255, 0, 0});
    p.Line(0, 0, std::numeric_limits<double>::quiet_NaN(), 10, Rgb{255, 0, 0});
    p.PSet(-500, 99999, Rgb{255, 0, 0});
    EXPECT_EQ(p.Image().size(), QSize(20, 20));
}

TEST_F(PictureTest, PrintMovesToTheNextLine) {
    TwipsPicture p;
    p.SetPixelSize(QSize(200, 200), 15.0);
    p.Clear();
    p.CurrentX = 300;
    p.CurrentY = 150;
    p.Print("Hz");
    EXPECT_EQ(p.CurrentX, 0);
    EXPECT_GT(p.CurrentY, 150 + 100);
}

TEST_F(PictureTest, SurfaceKeepsControlsInProportion) {
    FormSurface surface(QSize(9000, 6000));
    auto* label = new QLabel("x", &surface);
    surface.resize(600, 400);  // the design size at 15 twips per pixel
    surface.show();
    surface.Place(label, QRect(900, 600, 1800, 300));
    EXPECT_EQ(label->geometry(), QRect(60, 40, 120, 20));
    surface.resize(1200, 800);
    EXPECT_EQ(label->geometry(), QRect(120, 80, 240, 40));
    const double grown = label->font().pointSizeF();
    surface.resize(3000, 2000);
    EXPECT_EQ(label->geometry(), QRect(300, 200, 600, 100));
    EXPECT_DOUBLE_EQ(label->font().pointSizeF(), grown);  // font growth is capped
}

}  // namespace
}  // namespace vib::shell
