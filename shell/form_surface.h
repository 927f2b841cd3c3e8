#pragma once
// The main window's client area: a picture the program may print on (decade labels,
// axis captions) that also places every control in proportion to the window, as laid
// out on a design surface measured in twips. Fonts grow and shrink with the window
// within limits, so text stays readable on a small screen and modest on a large one.

#include <QRect>
#include <vector>

#include "picture.h"

namespace vib::shell {

class FormSurface : public PictureWidget {
    Q_OBJECT
  public:
    FormSurface(QSize designTwips, QWidget* parent = nullptr);

    // `design` is in twips of the design surface.
    void Place(QWidget* control, QRect design);
    QSize DesignTwips() const { return design_; }

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    struct Placed {
        QWidget* control;
        QRect design;
        double designPoints;
    };
    void Relayout();

    QSize design_;
    std::vector<Placed> placed_;
};

}  // namespace vib::shell
