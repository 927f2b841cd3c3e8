#include "picture.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace vib::shell {
namespace {

QColor ToQColor(Rgb c) {
    return QColor(c.r, c.g, c.b);
}

}  // namespace

void TwipsPicture::SetPixelSize(QSize pixels, double twipsPerPixel, double devicePixelRatio) {
    pixels_ = pixels.expandedTo(QSize(1, 1));
    twipsPerPixel_ = twipsPerPixel > 0 ? twipsPerPixel : 15.0;
    ratio_ = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
}

void TwipsPicture::SetBackColor(Rgb color) {
    back_ = color;
    Clear();
}

void TwipsPicture::Clear() {
    const QSize device(static_cast<int>(std::ceil(pixels_.width() * ratio_)),
                       static_cast<int>(std::ceil(pixels_.height() * ratio_)));
    image_ = QImage(device, QImage::Format_RGB32);
    // Painters on the image then work in logical pixels and scale to device pixels.
    image_.setDevicePixelRatio(ratio_);
    image_.fill(ToQColor(back_));
    CurrentX = CurrentY = 0;
}

void TwipsPicture::EnsureImage() {
    if (image_.isNull()) Clear();
}

QPointF TwipsPicture::ToPixel(double x, double y) const {
    // Logical pixels snapped to the device pixel grid, so a ratio of 1 keeps whole pixels
    // and a ratio of 2 draws curves at twice the resolution. Far-off coordinates are
    // clamped first; the painter clips.
    auto px = [this](double v) {
        const double p = std::floor(v / twipsPerPixel_ * ratio_);
        if (!(p > -1e6)) return -1e6 / ratio_;
        if (p > 1e6) return 1e6 / ratio_;
        return p / ratio_;
    };
    return {px(x), px(y)};
}

void TwipsPicture::Line(double x1, double y1, double x2, double y2, Rgb color) {
    EnsureImage();
    QPainter painter(&image_);
    painter.setPen(ToQColor(color));
    // A one-device-pixel pen is drawn right of and below its points; a wider one is
    // centred on them, so it goes through the middle of the logical pixels to cover them.
    const QPointF centre = ratio_ > 1.0 ? QPointF(0.5, 0.5) : QPointF();
    painter.drawLine(ToPixel(x1, y1) + centre, ToPixel(x2, y2) + centre);
    CurrentX = x2;
    CurrentY = y2;
}

void TwipsPicture::PSet(double x, double y, Rgb color) {
    EnsureImage();
    // One logical pixel: a block of device pixels.
    const QPointF p = ToPixel(x, y);
    const int block = std::max(1, static_cast<int>(std::lround(ratio_)));
    const int left = static_cast<int>(std::lround(p.x() * ratio_));
    const int top = static_cast<int>(std::lround(p.y() * ratio_));
    const QRect dots = QRect(left, top, block, block).intersected(image_.rect());
    for (int j = dots.top(); j <= dots.bottom(); ++j)
        for (int i = dots.left(); i <= dots.right(); ++i)
            image_.setPixelColor(i, j, ToQColor(color));
    CurrentX = x;
    CurrentY = y;
}

void TwipsPicture::FillBox(double x1, double y1, double x2, double y2, Rgb color) {
    EnsureImage();
    QPainter painter(&image_);
    // Both corner pixels are inside the box, whatever the density.
    const QPointF a = ToPixel(x1, y1);
    const QPointF b = ToPixel(x2, y2);
    const QRectF box(QPointF(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
                     QPointF(std::max(a.x(), b.x()) + 1, std::max(a.y(), b.y()) + 1));
    painter.fillRect(box, ToQColor(color));
}

void TwipsPicture::Print(const std::string& text) {
    EnsureImage();
    QPainter painter(&image_);
    QFont font = painter.font();
    font.setPointSizeF(fontPoints_);
    painter.setFont(font);
    painter.setPen(ToQColor(fore_));
    const QFontMetrics metrics(font);
    const QPointF at = ToPixel(CurrentX, CurrentY);
    painter.drawText(QPointF(at.x(), at.y() + metrics.ascent()), QString::fromStdString(text));
    CurrentX = 0;
    CurrentY += metrics.height() * twipsPerPixel_;
}

PictureWidget::PictureWidget(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureWidget::paintEvent(QPaintEvent*) {
    // Moved to a screen of another density: the program redraws at the new ratio, and
    // the old image is shown scaled until then.
    if (picture_.DevicePixelRatio() != devicePixelRatioF()) {
        picture_.SetPixelSize(size(), 1440.0 / logicalDpiX(), devicePixelRatioF());
        emit Resized();
    }
    QPainter painter(this);
    const QImage& image = picture_.Image();
    if (image.isNull()) {
        painter.fillRect(rect(), ToQColor(picture_.BackColor()));
    } else if (image.deviceIndependentSize() == QSizeF(size())) {
        painter.drawImage(0, 0, image);
    } else {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(rect(), image);
    }
}

void PictureWidget::resizeEvent(QResizeEvent*) {
    picture_.SetPixelSize(size(), 1440.0 / logicalDpiX(), devicePixelRatioF());
    emit Resized();
}

void PictureWidget::mousePressEvent(QMouseEvent* event) {
    const double tpp = picture_.TwipsPerPixel();
    emit MouseDown(static_cast<int>(event->button()), event->position().x() * tpp,
                   event->position().y() * tpp);
}

}  // namespace vib::shell
