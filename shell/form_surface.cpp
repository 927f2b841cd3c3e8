#include "form_surface.h"

#include <QResizeEvent>
#include <algorithm>
#include <cmath>

namespace vib::shell {
namespace {

// Font growth is bounded: below 0.85 text would not fit its label any more, above 1.6
// it would look shouted on a large screen.
constexpr double kMinFontScale = 0.85;
constexpr double kMaxFontScale = 1.6;

}  // namespace

FormSurface::FormSurface(QSize designTwips, QWidget* parent)
    : PictureWidget(parent), design_(designTwips) {
    Picture().SetBackColor(Rgb{240, 240, 240});
}

void FormSurface::Place(QWidget* control, QRect design) {
    placed_.push_back({control, design, control->font().pointSizeF()});
    Relayout();
}

void FormSurface::resizeEvent(QResizeEvent* event) {
    PictureWidget::resizeEvent(event);
    Relayout();
}

void FormSurface::Relayout() {
    const double tpp = Picture().TwipsPerPixel();
    const double sx = width() * tpp / design_.width();
    const double sy = height() * tpp / design_.height();
    const double fontScale = std::clamp(std::min(sx, sy), kMinFontScale, kMaxFontScale);
    for (const Placed& p : placed_) {
        const int left = static_cast<int>(std::lround(p.design.left() * sx / tpp));
        const int top = static_cast<int>(std::lround(p.design.top() * sy / tpp));
        const int right =
            static_cast<int>(std::lround((p.design.left() + p.design.width()) * sx / tpp));
        const int bottom =
            static_cast<int>(std::lround((p.design.top() + p.design.height()) * sy / tpp));
        p.control->setGeometry(left, top, std::max(1, right - left), std::max(1, bottom - top));
        if (p.designPoints > 0) {
            QFont font = p.control->font();
            font.setPointSizeF(p.designPoints * fontScale);
            p.control->setFont(font);
        }
    }
}

}  // namespace vib::shell
