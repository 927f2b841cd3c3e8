// The windows on a screen of two device pixels per logical pixel, and the printed report
// at the printer's own resolution.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPageLayout>

#include "platform/qt/qt_printer.h"
#include "random/app/program.h"
#include "tests/support/scripted_services.h"

namespace vib {
namespace {

int argc = 1;
char arg0[] = "high_density_tests";
char* argv[] = {arg0, nullptr};

class HighDensityTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        // Read once, when the application starts.
        qputenv("QT_SCALE_FACTOR", "2");
        if (!QApplication::instance()) new QApplication(argc, argv);
    }
};

// 2x2 device-pixel blocks, one per logical pixel, that are not of one colour: detail
// finer than a logical pixel, which an enlarged low-density image cannot have.
int SplitBlocks(const QImage& image) {
    int n = 0;
    for (int y = 0; y + 1 < image.height(); y += 2)
        for (int x = 0; x + 1 < image.width(); x += 2) {
            const QRgb c = image.pixel(x, y);
            n += image.pixel(x + 1, y) != c || image.pixel(x, y + 1) != c ||
                 image.pixel(x + 1, y + 1) != c;
        }
    return n;
}

TEST_F(HighDensityTest, PlotIsDrawnAndShownAtDevicePixels) {
    testing::TestServices t;
    random::app::MorvaneProgram program(t.services);
    program.Start();
    shell::PictureWidget& plot = program.Window().Plot();
    ASSERT_EQ(plot.devicePixelRatioF(), 2.0);

    const QImage& image = plot.Picture().Image();
    EXPECT_EQ(image.size(), plot.size() * 2);
    EXPECT_EQ(image.devicePixelRatio(), 2.0);
    // The drawing code still sees the control's size in twips of logical pixels.
    EXPECT_DOUBLE_EQ(plot.Picture().ScaleWidth(), plot.width() * plot.Picture().TwipsPerPixel());
    // The axis labels are rendered at the device resolution.
    EXPECT_GT(SplitBlocks(image), 100);

    // The widget shows the image pixel for pixel, not rescaled.
    const QImage shown = plot.grab().toImage().convertToFormat(image.format());
    ASSERT_EQ(shown.size(), image.size());
    EXPECT_EQ(shown, image);
}

TEST_F(HighDensityTest, ReportIsDrawnInPrinterPixelsWithoutImages) {
    double width = 0, height = 0;
    QByteArray bytes;
    {
        QtPrinter printer;
        printer.SetOutputToMemory();
        ASSERT_FALSE(printer.PageSize(width, height));
        // Positions are printer pixels at print resolution: the page is several
        // thousand of them wide, whatever the screen's density.
        EXPECT_GT(width, 7.0 * 300);
        EXPECT_GT(height, 9.0 * 300);
        ASSERT_FALSE(printer.Line(0, 0, width, height, Rgb{0, 0, 0}));
        printer.SetCurrentX(width / 10);
        printer.SetCurrentY(height / 10);
        ASSERT_FALSE(printer.Print("RANDOM VIBRATION REPORT"));
        EXPECT_GT(printer.CurrentY(), height / 10);
        ASSERT_FALSE(printer.EndDoc());
        bytes = QByteArray::fromStdString(printer.TakeDocument());
    }
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    // Lines and text go to the page as vectors and glyphs, not as a picture.
    EXPECT_FALSE(bytes.contains("/Subtype /Image"));
}

}  // namespace
}  // namespace vib
