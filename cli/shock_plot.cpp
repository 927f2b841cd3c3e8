#include "shock_plot.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>

#include "image_canvas.h"
#include "shock/redraw.h"
#include "shock/response_plot.h"
#include "shock/view.h"

namespace vib::cli {
namespace {

// The picture's share of the width, leaving room for the value labels on the left.
constexpr double kPlotLeft = 0.075, kPlotRight = 0.965;
constexpr double kPad = 8;
constexpr Rgb kFace{240, 240, 240};
constexpr Rgb kInk{0, 0, 0};
constexpr int kLabelPoints = 10;
constexpr int kTitlePoints = 11;
constexpr int kResultPoints = 11;

double LineHeight(int points) {
    QFont font;
    font.setPointSize(points);
    return QFontMetricsF(font).height();
}

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

// The window's four boxed result labels, side by side across the picture's width; a
// text too long for its box is cut at the box, as the label cuts it.
void DrawResultRow(QImage& image, const QRectF& row, const shock::ResultLabels& r) {
    const std::string texts[] = {r.dref, r.vref, r.aref, r.profile};
    const double gap = row.width() * 0.005;
    const double cell = (row.width() - 3 * gap) / 4;
    QPainter p(&image);
    QFont font = p.font();
    font.setPointSize(kResultPoints);
    p.setFont(font);
    for (int k = 0; k < 4; ++k) {
        const QRectF box(row.left() + k * (cell + gap), row.top(), cell, row.height());
        p.setClipping(false);
        p.setPen(QColor(128, 128, 128));
        p.drawRect(box.adjusted(0, 0, -1, -1));
        p.setClipRect(box.adjusted(1, 1, -1, -1));
        p.setPen(QColor(kInk.r, kInk.g, kInk.b));
        p.drawText(box.adjusted(4, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                   QString::fromStdString(texts[k]));
    }
}

}  // namespace

std::string RenderShockPlot(shock::ShockState& s, int width, int height, std::string& png) {
    if (!EnsureGuiApplication()) return "cannot start the drawing system";
    QImage image(width, height, QImage::Format_RGB32);
    if (s.View.response) {
        // The response spectrum's window picture, as the window shows it.
        image.fill(ToQColor(shock::PlotBackgroundColor(s)));
        {
            PainterCanvas canvas(image, QRectF(0, 0, width, height), 1.0, 9.0);
            shock::DrawResponse(
                shock::ResponseGeometryOf(shock::ComputeResponseSpectrum(s), s.UnitSystem()),
                canvas, s.P[slot::kPlotBackground]);
        }
        return EncodePng(image, png);
    }
    image.fill(QColor(kFace.r, kFace.g, kFace.b));

    // From the top: title, picture, two rows of time labels, the result row.
    const double labelRow = LineHeight(kLabelPoints);
    const double resultRow = LineHeight(kResultPoints) + 8;
    const double plotTop = kPad + LineHeight(kTitlePoints) + kPad;
    const double resultTop = height - kPad - resultRow;
    const double plotBottom = resultTop - kPad - 2 * labelRow - 4;
    const QRectF plot(QPointF(kPlotLeft * width, plotTop), QPointF(kPlotRight * width, plotBottom));

    shock::RedrawOutput out;
    {
        PainterCanvas canvas(image, plot);
        canvas.Fill(shock::PlotBackgroundColor(s));
        // No clock in a batch image: the same input gives the same picture.
        out = shock::RedrawPlot(s, canvas, {});
    }

    DrawLabel(image, QPointF(plot.center().x(), kPad), s.TestTitle, kInk, kTitlePoints, true, true);
    for (const shock::PlacedLabel& l : shock::PlaceAxisLabels(out.time, out.values)) {
        if (l.side == shock::LabelSide::Left) {
            DrawLeftLabel(image, plot, l.y, l.text);
        } else {
            const QPointF at(plot.left() + l.x * plot.width(),
                             plot.top() + l.y * plot.height() + 4 + l.row * labelRow);
            DrawLabel(image, at, l.text, kInk, kLabelPoints, true);
        }
    }
    DrawResultRow(image, QRectF(plot.left(), resultTop, plot.width(), resultRow), out.results);

    return EncodePng(image, png);
}

}  // namespace vib::cli
