#include "picture.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

namespace vib::shell {
namespace {

QColor ToQColor(Rgb c) { return QColor(c.r, c.g, c.b); }

}  // namespace

void TwipsPicture::SetPixelSize(QSize pixels, double twipsPerPixel) {
    pixels_ = pixels.expandedTo(QSize(1, 1));
    twipsPerPixel_ = twipsPerPixel > 0 ? twipsPerPixel : 15.0;
}

void TwipsPicture::SetBackColor(Rgb color) {
    back_ = color;
    Clear();
}

void TwipsPicture::Clear() {
    image_ = QImage(pixels_, QImage::Format_RGB32);
    image_.fill(ToQColor(back_));
    CurrentX = CurrentY = 0;
}

void TwipsPicture::EnsureImage() {
    if (image_.isNull()) Clear();
}

QPoint TwipsPicture::ToPixel(double x, double y) const {
    // Far-off coordinates are clamped before the integer conversion; the painter clips.
    auto px = [this](double v) {
        const double p = std::floor(v / twipsPerPixel_);
        if (!(p > -1e6)) return -1000000;
        if (p > 1e6) return 1000000;
        return static_cast<int>(p);
    };
    return {px(x), px(y)};
}

void TwipsPicture::Line(double x1, double y1, double x2, double y2, Rgb color) {
    EnsureImage();
    QPainter painter(&image_);
    painter.setPen(ToQColor(color));
    painter.drawLine(ToPixel(x1, y1), ToPixel(x2, y2));
    CurrentX = x2;
    CurrentY = y2;
}

void TwipsPicture::PSet(double x, double y, Rgb color) {
    EnsureImage();
    const QPoint p = ToPixel(x, y);
    if (image_.rect().contains(p)) image_.setPixelColor(p, ToQColor(color));
    CurrentX = x;
    CurrentY = y;
}

void TwipsPicture::FillBox(double x1, double y1, double x2, double y2, Rgb color) {
    EnsureImage();
    QPainter painter(&image_);
    painter.fillRect(QRect(ToPixel(x1, y1), ToPixel(x2, y2)).normalized(), ToQColor(color));
}

void TwipsPicture::Print(const std::string& text) {
    EnsureImage();
    QPainter painter(&image_);
    QFont font = painter.font();
    font.setPointSizeF(fontPoints_);
    painter.setFont(font);
    painter.setPen(ToQColor(fore_));
    const QFontMetrics metrics(font);
    const QPoint at = ToPixel(CurrentX, CurrentY);
    painter.drawText(at.x(), at.y() + metrics.ascent(), QString::fromStdString(text));
    CurrentX = 0;
    CurrentY += metrics.height() * twipsPerPixel_;
}

PictureWidget::PictureWidget(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QImage& image = picture_.Image();
    if (image.isNull()) {
        painter.fillRect(rect(), ToQColor(picture_.BackColor()));
    } else if (image.size() == size()) {
        painter.drawImage(0, 0, image);
    } else {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(rect(), image);
    }
}

void PictureWidget::resizeEvent(QResizeEvent*) {
    picture_.SetPixelSize(size(), 1440.0 / logicalDpiX());
    emit Resized();
}

void PictureWidget::mousePressEvent(QMouseEvent* event) {
    const double tpp = picture_.TwipsPerPixel();
    emit MouseDown(static_cast<int>(event->button()), event->position().x() * tpp,
                   event->position().y() * tpp);
}

}  // namespace vib::shell
