#pragma once
// What rendering plots to PNG files without a display needs beside the painter canvas
// (platform/qt/painter_canvas.h), which draws the plot itself at 15 twips per pixel, as
// a 96-dpi screen does.

#include <QImage>
#include <string>

#include "platform/qt/painter_canvas.h"

namespace vib::cli {

// Text drawn outside the picture area (labels around the plot), in image pixels. With
// `centred`, the text is centred on topLeft.x() but kept inside the image.
void DrawLabel(QImage& image, QPointF topLeft, const std::string& text, Rgb color, int pointSize,
               bool centred = false, bool bold = false);

// The image as PNG bytes; an empty string, or what went wrong.
std::string EncodePng(const QImage& image, std::string& png);

// Makes sure a QGuiApplication exists (on the offscreen platform), as text rendering
// needs one; returns false when Qt could not start.
bool EnsureGuiApplication();

}  // namespace vib::cli
