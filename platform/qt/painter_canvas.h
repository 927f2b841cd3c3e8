#pragma once
// The one drawing path: the window's picture, the batch tool's images and the printed
// page all draw through it. On a picture, twips map to logical pixels from the area's
// corner and snap to the device-pixel grid, and a line is one device pixel wide; on a
// page, the printer's own units are drawn as they are, with the page's pen. A text
// stands with its top-left corner at its point. Far-off points are clamped and a point
// that is no number draws nothing, so a wild value can never overflow the painter.

#include <QColor>
#include <QImage>
#include <QPainter>
#include <optional>
#include <string>

#include "platform/canvas.h"

namespace vib {

QColor ToQColor(Rgb c);

class PainterCanvas final : public Canvas {
  public:
    // Draws into `pixelArea` (logical pixels) of `image`, clipped to it; `twipsPerPixel`
    // twips make one logical pixel; texts in `fontPoints`.
    PainterCanvas(QImage& image, QRectF pixelArea, double twipsPerPixel = 15.0,
                  double fontPoints = 8.0);
    // A page being printed with `painter`, in the device's own units.
    PainterCanvas(QPainter& painter, QRectF pageArea, double fontPoints);

    double Width() const override { return area_.width() * twipsPerPixel_; }
    double Height() const override { return area_.height() * twipsPerPixel_; }
    void Line(double x1, double y1, double x2, double y2, Rgb color) override;
    void Text(double x, double y, const std::string& text, Rgb color) override;

    void SetFontSize(double points);
    // The pen of the lines that follow: a width in device units, solid or dotted.
    void SetPen(double width, bool dotted);
    // The height of one line of text, in twips.
    double LineHeight() const;
    // One logical pixel, and a box whose corner pixels are both inside it.
    void Dot(double x, double y, Rgb color);
    void FillBox(double x1, double y1, double x2, double y2, Rgb color);
    void Fill(Rgb color) { painter_.fillRect(area_, ToQColor(color)); }

  private:
    QPointF ToPixel(double x, double y) const;

    std::optional<QPainter> own_;
    QPainter& painter_;
    QRectF area_;
    double twipsPerPixel_;
    double ratio_;
    bool picture_;  // snapped to pixels, metrics of the screen's font
    double penWidth_ = 1.0;
    bool dotted_ = false;
};

}  // namespace vib
