#include "image_canvas.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>

namespace vib::cli {
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

std::string EncodePng(const QImage& image, std::string& png) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG")) return "cannot encode the image";
    png = buffer.data().toStdString();
    return {};
}

}  // namespace vib::cli
