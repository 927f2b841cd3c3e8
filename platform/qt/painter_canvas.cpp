#include "painter_canvas.h"

#include <QFontMetrics>
#include <algorithm>
#include <cmath>

namespace vib {

QColor ToQColor(Rgb c) {
    return QColor(c.r, c.g, c.b);
}

PainterCanvas::PainterCanvas(QImage& image, QRectF pixelArea, double twipsPerPixel,
                             double fontPoints)
    : own_(std::in_place, &image),
      painter_(*own_),
      area_(pixelArea),
      twipsPerPixel_(twipsPerPixel > 0 ? twipsPerPixel : 15.0),
      ratio_(image.devicePixelRatio() > 0 ? image.devicePixelRatio() : 1.0),
      picture_(true) {
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setClipRect(area_);
    SetFontSize(fontPoints);
}

PainterCanvas::PainterCanvas(QPainter& painter, QRectF pageArea, double fontPoints)
    : painter_(painter), area_(pageArea), twipsPerPixel_(1.0), ratio_(1.0), picture_(false) {
    SetFontSize(fontPoints);
}

void PainterCanvas::SetPen(double width, bool dotted) {
    penWidth_ = width;
    dotted_ = dotted;
}

QPointF PainterCanvas::ToPixel(double x, double y) const {
    // Logical pixels snapped to the device pixel grid, so a ratio of 1 keeps whole pixels
    // and a ratio of 2 draws curves at twice the resolution.
    if (!picture_) return {area_.left() + x, area_.top() + y};
    auto px = [this](double v) {
        const double p = std::floor(v / twipsPerPixel_ * ratio_);
        if (!(p > -1e6)) return -1e6 / ratio_;
        if (p > 1e6) return 1e6 / ratio_;
        return p / ratio_;
    };
    return {area_.left() + px(x), area_.top() + px(y)};
}

void PainterCanvas::Line(double x1, double y1, double x2, double y2, Rgb color) {
    if (std::isnan(x1) || std::isnan(y1) || std::isnan(x2) || std::isnan(y2)) return;
    QPen pen(ToQColor(color));
    pen.setWidthF(penWidth_);
    pen.setStyle(dotted_ ? Qt::DotLine : Qt::SolidLine);
    painter_.setPen(pen);
    // A one-device-pixel pen is drawn right of and below its points; a wider one is
    // centred on them, so it goes through the middle of the logical pixels to cover them.
    const QPointF centre = ratio_ > 1.0 ? QPointF(0.5, 0.5) : QPointF();
    painter_.drawLine(ToPixel(x1, y1) + centre, ToPixel(x2, y2) + centre);
}

void PainterCanvas::SetFontSize(double points) {
    QFont font = painter_.font();
    font.setPointSizeF(points);
    // A page's text is read back from the PDF too: ligatures would turn "fi" of "profile"
    // into one glyph that a search for "profile" does not find.
    if (!picture_) font.setStyleStrategy(QFont::PreferNoShaping);
    painter_.setFont(font);
}

// A picture measures text as the screen does; a page as its device does.
double PainterCanvas::LineHeight() const {
    if (!picture_) return QFontMetricsF(painter_.font(), painter_.device()).height();
    return QFontMetrics(painter_.font()).height() * twipsPerPixel_;
}

void PainterCanvas::Text(double x, double y, const std::string& text, Rgb color) {
    painter_.setPen(ToQColor(color));
    const QPointF at = ToPixel(x, y);
    const double ascent = picture_ ? QFontMetrics(painter_.font()).ascent()
                                   : QFontMetricsF(painter_.font(), painter_.device()).ascent();
    painter_.drawText(QPointF(at.x(), at.y() + ascent), QString::fromStdString(text));
}

void PainterCanvas::Dot(double x, double y, Rgb color) {
    // One logical pixel: a block of device pixels.
    const QPointF p = ToPixel(x, y);
    const int block = std::max(1, static_cast<int>(std::lround(ratio_)));
    const int left = static_cast<int>(std::lround(p.x() * ratio_));
    const int top = static_cast<int>(std::lround(p.y() * ratio_));
    painter_.fillRect(QRectF(QPointF(left, top) / ratio_, QSizeF(block, block) / ratio_),
                      ToQColor(color));
}

void PainterCanvas::FillBox(double x1, double y1, double x2, double y2, Rgb color) {
    const QPointF a = ToPixel(x1, y1);
    const QPointF b = ToPixel(x2, y2);
    const QRectF box(QPointF(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
                     QPointF(std::max(a.x(), b.x()) + 1, std::max(a.y(), b.y()) + 1));
    painter_.fillRect(box, ToQColor(color));
}

}  // namespace vib
