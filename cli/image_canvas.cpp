#include "image_canvas.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>

namespace vib::cli {
namespace {
QColor ToQColor(Rgb c) {
    return QColor(c.r, c.g, c.b);
}
}  // namespace

ImageCanvas::ImageCanvas(QImage& image, QRectF pixelArea) : painter_(&image), area_(pixelArea) {
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setClipRect(area_);
}

ImageCanvas::~ImageCanvas() {
    painter_.end();
}

QPointF ImageCanvas::ToPixel(double x, double y) const {
    return {area_.left() + x / kTwipsPerPixel, area_.top() + y / kTwipsPerPixel};
}

void ImageCanvas::Line(double x1, double y1, double x2, double y2, Rgb color) {
    // Far-off points (a line running out of the picture) are clipped, not overflowed.
    auto finite = [](double v) { return std::isfinite(v) && std::fabs(v) < 1e7; };
    if (!finite(x1) || !finite(y1) || !finite(x2) || !finite(y2)) return;
    painter_.setPen(QPen(ToQColor(color), 1));
    painter_.drawLine(ToPixel(x1, y1), ToPixel(x2, y2));
}

void ImageCanvas::Text(double x, double y, const std::string& text, Rgb color) {
    painter_.setPen(ToQColor(color));
    QFont font = painter_.font();
    font.setPointSize(8);
    painter_.setFont(font);
    const QPointF p = ToPixel(x, y);
    painter_.drawText(QRectF(p, QSizeF(4000, 100)), Qt::AlignLeft | Qt::AlignTop,
                      QString::fromStdString(text));
}

void ImageCanvas::Fill(Rgb color) {
    painter_.fillRect(area_, ToQColor(color));
}

void DrawLabel(QImage& image, QPointF topLeft, const std::string& text, Rgb color, int pointSize,
               bool centred, bool bold) {
    QPainter p(&image);
    QFont font = p.font();
    font.setPointSize(pointSize);
    font.setBold(bold);
    p.setFont(font);
    p.setPen(ToQColor(color));
    const QString q = QString::fromStdString(text);
    QPointF at = topLeft;
    if (centred) {
        const double w = QFontMetricsF(font).horizontalAdvance(q);
        // A text wider than the image starts at its left edge.
        at.setX(std::max(0.0, std::min(at.x() - w / 2, image.width() - w - 1)));
    }
    p.drawText(QRectF(at, QSizeF(image.width(), 200)), Qt::AlignLeft | Qt::AlignTop, q);
}

bool EnsureGuiApplication() {
    if (QGuiApplication::instance()) return true;
    static int argc = 1;
    static char name[] = "vibcalc";
    static char* argv[] = {name, nullptr};
    // The batch tool never shows a window, so it never needs a display; and Qt's own
    // start-up notes would only clutter a script's standard error.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            fprintf(stderr, "%s\n", qPrintable(message));
    });
    static std::unique_ptr<QGuiApplication> app = std::make_unique<QGuiApplication>(argc, argv);
    return app != nullptr;
}

bool ParseImageSize(const std::string& text, int& width, int& height) {
    const auto x = text.find_first_of("xX");
    if (x == std::string::npos || x == 0 || x + 1 >= text.size()) return false;
    try {
        std::size_t used = 0;
        const int w = std::stoi(text.substr(0, x), &used);
        if (used != x) return false;
        const int h = std::stoi(text.substr(x + 1), &used);
        if (used != text.size() - x - 1) return false;
        if (w < 200 || h < 150 || w > 8000 || h > 8000) return false;
        width = w;
        height = h;
        return true;
    } catch (...) {
        return false;
    }
}

std::string EncodePng(const QImage& image, std::string& png) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG")) return "cannot encode the image";
    png = buffer.data().toStdString();
    return {};
}

}  // namespace vib::cli
