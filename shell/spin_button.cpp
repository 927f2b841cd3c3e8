#include "spin_button.h"

#include <QBoxLayout>
#include <QToolButton>

namespace vib::shell {

SpinButton::SpinButton(Qt::Orientation orientation, QWidget* parent)
    : QWidget(parent), up_(new QToolButton(this)), down_(new QToolButton(this)) {
    const bool vertical = orientation == Qt::Vertical;
    up_->setObjectName("up");
    down_->setObjectName("down");
    up_->setArrowType(vertical ? Qt::UpArrow : Qt::RightArrow);
    down_->setArrowType(vertical ? Qt::DownArrow : Qt::LeftArrow);
    for (QToolButton* b : {up_, down_}) {
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        b->setAutoRepeat(true);
        b->setFocusPolicy(Qt::NoFocus);  // keys keep going to the window
    }
    auto* layout =
        new QBoxLayout(vertical ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight, this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(vertical ? up_ : down_);
    layout->addWidget(vertical ? down_ : up_);
    connect(up_, &QToolButton::clicked, this, &SpinButton::SpinUp);
    connect(down_, &QToolButton::clicked, this, &SpinButton::SpinDown);
}

}  // namespace vib::shell
