#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <string>

#include "shell/form_surface.h"
#include "shell/picture.h"

namespace vib::shell {
namespace {

int argc = 1;
char arg0[] = "shell_tests";
char* argv[] = {arg0, nullptr};

// Empty when the images match pixel for pixel, else the first pixel that differs.
std::string FirstDifference(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) return "sizes differ";
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixelColor(x, y) != b.pixelColor(x, y))
                return "at " + std::to_string(x) + "," + std::to_string(y) + ": " +
                       a.pixelColor(x, y).name().toStdString() + " against " +
                       b.pixelColor(x, y).name().toStdString();
    return {};
}

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

// On a screen of two device pixels per logical pixel the same twips land on the same
// logical pixels, drawn with twice the pixels each way.
TEST_F(PictureTest, DoubleDensityKeepsTwipsAndDoublesThePixels) {
    TwipsPicture p;
    p.SetPixelSize(QSize(200, 100), 15.0, 2.0);
    p.SetBackColor(Rgb{0, 0, 0});
    EXPECT_EQ(p.ScaleWidth(), 3000);
    EXPECT_EQ(p.ScaleHeight(), 1500);
    EXPECT_EQ(p.Image().size(), QSize(400, 200));
    EXPECT_EQ(p.Image().devicePixelRatio(), 2.0);
    EXPECT_EQ(p.Image().deviceIndependentSize(), QSizeF(200, 100));

    p.Line(0, 750, 3000, 750, Rgb{255, 255, 0});  // logical row 50
    const QImage& image = p.Image();
    EXPECT_EQ(image.pixelColor(200, 99), QColor(0, 0, 0));
    EXPECT_EQ(image.pixelColor(200, 100), QColor(255, 255, 0));
    EXPECT_EQ(image.pixelColor(200, 101), QColor(255, 255, 0));
    EXPECT_EQ(image.pixelColor(200, 102), QColor(0, 0, 0));

    p.PSet(150, 1485, Rgb{0, 255, 0});  // logical pixel (10, 99)
    for (QPoint d : {QPoint(20, 198), QPoint(21, 198), QPoint(20, 199), QPoint(21, 199)})
        EXPECT_EQ(p.Image().pixelColor(d), QColor(0, 255, 0)) << d.x() << "," << d.y();
    EXPECT_EQ(p.Image().pixelColor(22, 198), QColor(0, 0, 0));
    EXPECT_EQ(p.Image().pixelColor(19, 199), QColor(0, 0, 0));
}

// Axis-parallel lines, boxes and points cover exactly the area they cover at one device
// pixel per logical pixel; only the pixel count differs.
TEST_F(PictureTest, DoubleDensityCoversTheSameAreaAsSingle) {
    auto draw = [](double ratio) {
        TwipsPicture p;
        p.SetPixelSize(QSize(120, 80), 15.0, ratio);
        p.SetBackColor(Rgb{255, 255, 255});
        p.Line(150, 300, 1500, 300, Rgb{255, 0, 0});
        p.Line(600, 0, 600, 1200, Rgb{0, 0, 255});
        p.FillBox(1620, 1190, 900, 450, Rgb{0, 128, 0});  // corners in either order
        p.PSet(1785, 15, Rgb{0, 0, 0});
        return p.Image();
    };
    const QImage single = draw(1.0);
    const QImage doubled = draw(2.0);
    EXPECT_EQ(FirstDifference(doubled, single.scaled(single.size() * 2, Qt::IgnoreAspectRatio,
                                                     Qt::FastTransformation)),
              "");
}

// Text is rendered at the device resolution, not drawn at screen resolution and scaled.
TEST_F(PictureTest, DoubleDensityTextIsRenderedAtDeviceResolution) {
    auto draw = [](double ratio) {
        TwipsPicture p;
        p.SetPixelSize(QSize(120, 40), 15.0, ratio);
        p.SetBackColor(Rgb{255, 255, 255});
        p.SetForeColor(Rgb{0, 0, 0});
        p.SetFontSize(10);
        p.CurrentX = 150;
        p.CurrentY = 75;
        p.Print("G rms 8.00");
        return p.Image();
    };
    auto inked = [](const QImage& image) {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                n += image.pixelColor(x, y) != QColor(Qt::white);
        return n;
    };
    const QImage single = draw(1.0);
    const QImage doubled = draw(2.0);
    ASSERT_GT(inked(single), 20);
    // About four times the ink: same text, same place, twice the pixels each way.
    EXPECT_GT(inked(doubled), 3 * inked(single));
    EXPECT_LT(inked(doubled), 5 * inked(single));
    EXPECT_NE(FirstDifference(doubled, single.scaled(single.size() * 2, Qt::IgnoreAspectRatio,
                                                     Qt::FastTransformation)),
              "");
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
