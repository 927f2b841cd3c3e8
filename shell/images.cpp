#include "images.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <numbers>

namespace vib::shell {
namespace {

const QColor kNavy(20, 40, 90);
const QColor kAmber(230, 160, 30);

QPixmap Blank(QSize size) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

}  // namespace

QPixmap LogoPixmap(QSize size) {
    QPixmap pixmap = Blank(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(1, 1, size.width() - 2, size.height() - 2);
    p.setBrush(kNavy);
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(r, r.width() * 0.15, r.height() * 0.15);
    p.setPen(QPen(kAmber, std::max(1.0, r.width() * 0.08)));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(
        r.adjusted(r.width() * 0.2, r.height() * 0.2, -r.width() * 0.2, -r.height() * 0.2));
    QFont font = p.font();
    font.setBold(true);
    font.setPixelSize(std::max(6, static_cast<int>(r.height() * 0.3)));
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(r, Qt::AlignCenter, "O");
    return pixmap;
}

QPixmap BadgePixmap(QSize size) {
    QPixmap pixmap = Blank(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QFont font = p.font();
    font.setBold(true);
    font.setPixelSize(std::max(6, size.height() / 2));
    p.setFont(font);
    p.setPen(kNavy);
    p.drawText(QRect(QPoint(0, 0), size), Qt::AlignCenter, "ORVANTIS");
    return pixmap;
}

QPixmap SinePixmap(QSize size) {
    QPixmap pixmap = Blank(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0, 128, 128), 1));
    p.drawLine(0, size.height() / 2, size.width(), size.height() / 2);
    QPainterPath path;
    const double w = size.width(), h = size.height();
    for (int i = 0; i <= 100; ++i) {
        const double x = w * i / 100.0;
        const double y = h / 2 - (h * 0.4) * std::sin(2 * std::numbers::pi * 2 * i / 100.0);
        if (i == 0)
            path.moveTo(x, y);
        else
            path.lineTo(x, y);
    }
    p.setPen(QPen(kNavy, std::max(1.0, h / 16)));
    p.drawPath(path);
    return pixmap;
}

QIcon ProgramIcon(bool shock) {
    QIcon icon;
    for (int side : {16, 32, 64}) {
        QPixmap pixmap(side, side);
        pixmap.fill(kNavy);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(kAmber, std::max(1.0, side / 12.0)));
        QPainterPath path;
        for (int i = 0; i <= 64; ++i) {
            const double t = i / 64.0;
            double v;
            if (shock)
                v = (t > 0.3 && t < 0.7) ? std::sin((t - 0.3) / 0.4 * std::numbers::pi) : 0;
            else
                v = 0.5 * std::sin(t * 37.0) * std::cos(t * 11.0);  // a noisy trace
            const double x = side * (0.1 + 0.8 * t);
            const double y = side * (0.75 - 0.5 * v);
            if (i == 0)
                path.moveTo(x, y);
            else
                path.lineTo(x, y);
        }
        p.drawPath(path);
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

}  // namespace vib::shell
