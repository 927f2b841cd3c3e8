#include "random_plot.h"

#include <QImage>

#include "image_canvas.h"

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

RandomPlotTexts PlotTexts(random::RandomState& s) {
    random::ApplyPlotLayout(s);
    RandomPlotTexts t;
    // The captions first: they blank the legend entries 11 to 14, which Metric decade
    // labels of a wide ASD range read.
    const std::vector<random::PlacedText> captions = random::AxisCaptions(s);
    t.axis = random::DecadeLabels(s);
    t.axis.insert(t.axis.end(), captions.begin(), captions.end());
    t.title = s.TestTitle;
    if (const auto r = random::ResultLabels(s, '.'))
        t.results = r->dref + "   " + r->vref + "   " + r->aref + "   " + r->profile;
    return t;
}

std::string RenderRandomPlot(random::RandomState& s, int width, int height, std::string& png) {
    if (!EnsureGuiApplication()) return "cannot start the drawing system";
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(kFace.r, kFace.g, kFace.b));
    const QRectF plot(QPointF(kPlotLeft * width, kPlotTop * height),
                      QPointF(kPlotRight * width, kPlotBottom * height));

    const RandomPlotTexts texts = PlotTexts(s);
    {
        PainterCanvas canvas(image, plot);
        canvas.Fill(s.Param(random::prm::PlotBackground) == 1.0f ? ConsoleColor(15)
                                                                 : ConsoleColor(0));
        random::DrawAsdPlot(s, true, canvas);
    }
    constexpr int kAxisPoints = 10;
    for (const auto& t : texts.axis)
        DrawLabel(image, QPointF(t.xFraction * width, t.yFraction * height - kAxisPoints), t.text,
                  t.color, kAxisPoints);
    DrawFrequencyRow(image, s, plot);
    DrawLabel(image, QPointF(plot.left(), 2), texts.title, kInk, 10);
    DrawLabel(image, QPointF(plot.left(), 0.84 * height), texts.results, kInk, 11);

    return EncodePng(image, png);
}

}  // namespace vib::cli
