#include "random_plot.h"

#include <QImage>

#include "image_canvas.h"
#include "random/plot.h"

namespace vib::cli {
namespace {

// The window's proportions: the plot spans 0.043 to 0.76 of the height, with the decade
// labels at 0.05 of the width to its left.
constexpr double kPlotLeft = 0.12, kPlotRight = 0.98, kPlotTop = 0.043, kPlotBottom = 0.76;
constexpr Rgb kFace{240, 240, 240};
constexpr Rgb kInk{0, 0, 0};

// The frequency row, each number under its own grid line.
void DrawFrequencyRow(QImage& image, const random::RandomState& s, const QRectF& plot) {
    for (const auto& label : random::FrequencyRowLabels(s.Param(random::prm::XAxisSetting))) {
        const double x = plot.left() + random::FreqToX(s.Layout, plot.width(), label.freq);
        DrawLabel(image, QPointF(x, plot.bottom() + 4), label.text, kInk, 9, true);
    }
}

}  // namespace

std::string RenderRandomPlot(random::RandomState& s, const std::string& path, int width,
                             int height) {
    if (!EnsureGuiApplication()) return "cannot start the drawing system";
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(kFace.r, kFace.g, kFace.b));
    const QRectF plot(QPointF(kPlotLeft * width, kPlotTop * height),
                      QPointF(kPlotRight * width, kPlotBottom * height));

    random::ApplyPlotLayout(s);
    {
        ImageCanvas canvas(image, plot);
        canvas.Fill(s.Param(random::prm::PlotBackground) == 1.0f ? ConsoleColor(15)
                                                                 : ConsoleColor(0));
        random::DrawAsdPlot(s, true, canvas);
    }
    auto place = [&](const random::PlacedText& t, int points) {
        DrawLabel(image, QPointF(t.xFraction * width, t.yFraction * height - points), t.text,
                  t.color, points);
    };
    for (const auto& t : random::DecadeLabels(s)) place(t, 10);
    for (const auto& t : random::AxisCaptions(s)) place(t, 10);
    DrawFrequencyRow(image, s, plot);

    DrawLabel(image, QPointF(plot.left(), 2), s.TestTitle, kInk, 10);
    if (const auto r = random::ResultLabels(s, '.')) {
        const std::string line = r->dref + "   " + r->vref + "   " + r->aref + "   " + r->profile;
        DrawLabel(image, QPointF(plot.left(), 0.84 * height), line, kInk, 11);
    }
    if (!image.save(QString::fromStdString(path), "PNG")) return "cannot write the image";
    return {};
}

}  // namespace vib::cli
