#include "picture.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace vib::shell {
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

void TwipsPicture::Line(double x1, double y1, double x2, double y2, Rgb color) {
    EnsureImage();
    PainterCanvas(image_, Area(), twipsPerPixel_).Line(x1, y1, x2, y2, color);
    CurrentX = x2;
    CurrentY = y2;
}

void TwipsPicture::PSet(double x, double y, Rgb color) {
    EnsureImage();
    PainterCanvas(image_, Area(), twipsPerPixel_).Dot(x, y, color);
    CurrentX = x;
    CurrentY = y;
}

void TwipsPicture::FillBox(double x1, double y1, double x2, double y2, Rgb color) {
    EnsureImage();
    PainterCanvas(image_, Area(), twipsPerPixel_).FillBox(x1, y1, x2, y2, color);
}

void TwipsPicture::Print(const std::string& text) {
    EnsureImage();
    PainterCanvas canvas(image_, Area(), twipsPerPixel_, fontPoints_);
    canvas.Text(CurrentX, CurrentY, text, fore_);
    CurrentX = 0;
    CurrentY += canvas.LineHeight();
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
