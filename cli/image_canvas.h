#pragma once
// A Canvas over a QImage, for rendering plots to PNG files without a display. The
// picture maps twips to pixels at a fixed 15 twips per pixel, as a 96-dpi screen does.

#include <QImage>
#include <QPainter>
#include <string>

#include "platform/canvas.h"

namespace vib::cli {

class ImageCanvas : public Canvas {
  public:
    // The image and the twips rectangle (in twips of the image) the canvas draws into.
    ImageCanvas(QImage& image, QRectF pixelArea);
    ~ImageCanvas() override;

    double Width() const override { return area_.width() * kTwipsPerPixel; }
    double Height() const override { return area_.height() * kTwipsPerPixel; }
    void Line(double x1, double y1, double x2, double y2, Rgb color) override;
    void Text(double x, double y, const std::string& text, Rgb color) override;

    void Fill(Rgb color);

    static constexpr double kTwipsPerPixel = 15.0;

  private:
    QPointF ToPixel(double x, double y) const;
    QPainter painter_;
    QRectF area_;
};

// Text drawn outside the picture area (labels around the plot), in image pixels. With
// `centred`, the text is centred on topLeft.x() but kept inside the image.
void DrawLabel(QImage& image, QPointF topLeft, const std::string& text, Rgb color, int pointSize,
               bool centred = false, bool bold = false);

// The image as PNG bytes; an empty string, or what went wrong.
std::string EncodePng(const QImage& image, std::string& png);

// Makes sure a QGuiApplication exists (on the offscreen platform), as text rendering
// needs one; returns false when Qt could not start.
bool EnsureGuiApplication();

// Parses "WxH" (for example "1200x800"); nothing for malformed or out-of-range sizes.
bool ParseImageSize(const std::string& text, int& width, int& height);

}  // namespace vib::cli
