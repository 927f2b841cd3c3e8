#include "shock_plot.h"

#include <QFontMetricsF>
#include <QImage>

#include "image_canvas.h"
#include "shock/redraw.h"
#include "shock/view.h"

namespace vib::cli {
namespace {

// The picture's share of the image, leaving room for the value labels on the left, the
// results above and the time labels and test title below.
constexpr double kPlotLeft = 0.075, kPlotRight = 0.965, kPlotTop = 0.06, kPlotBottom = 0.86;
constexpr Rgb kFace{240, 240, 240};
constexpr Rgb kInk{0, 0, 0};
constexpr int kLabelPoints = 10;

// A value label ends just left of the picture, centred on its grid line.
void DrawLeftLabel(QImage& image, const QRectF& plot, double yFraction, const std::string& text) {
    QFont font;
    font.setPointSize(kLabelPoints);
    const QFontMetricsF metrics(font);
    const double w = metrics.horizontalAdvance(QString::fromStdString(text));
    const QPointF at(plot.left() - 8 - w,
                     plot.top() + yFraction * plot.height() - metrics.height() / 2);
    DrawLabel(image, at, text, kInk, kLabelPoints);
}

}  // namespace

std::string RenderShockPlot(shock::ShockState& s, const std::string& path, int width, int height) {
    if (!EnsureGuiApplication()) return "cannot start the drawing system";
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(kFace.r, kFace.g, kFace.b));
    const QRectF plot(QPointF(kPlotLeft * width, kPlotTop * height),
                      QPointF(kPlotRight * width, kPlotBottom * height));

    shock::RedrawOutput out;
    {
        ImageCanvas canvas(image, plot);
        canvas.Fill(shock::PlotBackgroundColor(s));
        // No clock in a batch image: the same input gives the same picture.
        out = shock::RedrawPlot(s, canvas, {});
    }

    const double rowHeight = QFontMetricsF([] {
                                 QFont f;
                                 f.setPointSize(kLabelPoints);
                                 return f;
                             }())
                                 .height();
    for (const shock::PlacedLabel& l : shock::PlaceAxisLabels(out.time, out.values)) {
        if (l.side == shock::LabelSide::Left) {
            DrawLeftLabel(image, plot, l.y, l.text);
        } else {
            const QPointF at(plot.left() + l.x * plot.width(),
                             plot.top() + l.y * plot.height() + 4 + l.row * rowHeight);
            DrawLabel(image, at, l.text, kInk, kLabelPoints, true);
        }
    }

    const shock::ResultLabels& r = out.results;
    const std::string results = r.dref + "     " + r.vref + "     " + r.aref + "     " + r.profile;
    DrawLabel(image, QPointF(plot.left(), 0.012 * height), results, kInk, kLabelPoints + 1);
    DrawLabel(image, QPointF(plot.left(), plot.bottom() + 4 + 2.4 * rowHeight), s.TestTitle, kInk,
              kLabelPoints);

    if (!image.save(QString::fromStdString(path), "PNG")) return "cannot write the image";
    return {};
}

}  // namespace vib::cli
