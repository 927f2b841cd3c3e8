#pragma once
// The one drawing path onto pixels: the window's picture and the batch tool's images
// both draw through it. Twips map to logical pixels from the area's corner and snap to
// the device-pixel grid; a line is one device pixel wide; a text stands with its top-left
// corner at its point. Far-off points are clamped and a point that is no number draws
// nothing, so a wild value can never overflow the painter.

#include <QColor>
#include <QImage>
#include <QPainter>
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

    double Width() const override { return area_.width() * twipsPerPixel_; }
    double Height() const override { return area_.height() * twipsPerPixel_; }
    void Line(double x1, double y1, double x2, double y2, Rgb color) override;
    void Text(double x, double y, const std::string& text, Rgb color) override;

    void SetFontSize(double points);
    // The height of one line of text, in twips.
    double LineHeight() const;
    // One logical pixel, and a box whose corner pixels are both inside it.
    void Dot(double x, double y, Rgb color);
    void FillBox(double x1, double y1, double x2, double y2, Rgb color);
    void Fill(Rgb color) { painter_.fillRect(area_, ToQColor(color)); }

  private:
    QPointF ToPixel(double x, double y) const;

    QPainter painter_;
    QRectF area_;
    double twipsPerPixel_;
    double ratio_;
};

}  // namespace vib
