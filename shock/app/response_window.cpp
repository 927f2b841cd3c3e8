#include "response_window.h"

#include <QCloseEvent>
#include <QImage>
#include <QMouseEvent>
#include <QPixmap>
#include <QVBoxLayout>

#include "platform/qt/painter_canvas.h"
#include "shock/model.h"
#include "shock/view.h"

namespace vib::shock::app {
namespace {

constexpr int kWidth = 720, kHeight = 480;

}  // namespace

ResponseWindow::ResponseWindow(QWidget* owner) : QWidget(owner, Qt::Window) {
    setObjectName("frmResponse");
    auto* layout = new QVBoxLayout(this);
    picture_ = new QLabel(this);
    picture_->setObjectName("picResponse");
    picture_->setFixedSize(kWidth, kHeight);
    picture_->installEventFilter(this);
    cursor_ = new QLabel(" ", this);
    cursor_->setObjectName("lblResponseCursor");
    layout->addWidget(picture_);
    layout->addWidget(cursor_);
}

void ResponseWindow::ShowState(const ShockState& s, char decimal) {
    ResponseSpectrum spectrum = ComputeResponseSpectrum(s);
    const float background = s.P[slot::kPlotBackground];
    // The timer's redraws change nothing here: the picture and a readout stay.
    if (shown_ && spectrum == spectrum_ && units_ == s.UnitSystem() && decimal_ == decimal &&
        background_ == background)
        return;
    shown_ = true;
    spectrum_ = std::move(spectrum);
    units_ = s.UnitSystem();
    decimal_ = decimal;
    background_ = background;
    const ResponseGeometry g = ResponseGeometryOf(spectrum_, units_);
    setWindowTitle(QString::fromStdString(g.title));
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(ToQColor(PlotBackgroundColor(s)));
    {
        PainterCanvas canvas(image, QRectF(0, 0, kWidth, kHeight), 1.0, 8.0);
        DrawResponse(g, canvas, background);
    }
    picture_->setPixmap(QPixmap::fromImage(image));
    cursor_->setText(" ");
}

void ResponseWindow::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    emit Closed();
}

bool ResponseWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == picture_ && event->type() == QEvent::MouseButtonPress) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const ResponseBox b = ResponseBoxIn(kWidth, kHeight);
        const double x = (mouse->position().x() - b.left) / b.width;
        cursor_->setText(QString::fromStdString(ResponseReadout(spectrum_, units_, x, decimal_)));
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace vib::shock::app
