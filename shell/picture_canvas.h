#pragma once
// The plots draw through vib::Canvas; on screen that canvas is a twips picture.

#include "picture.h"
#include "platform/canvas.h"

namespace vib::shell {

class PictureCanvas : public Canvas {
  public:
    explicit PictureCanvas(TwipsPicture& picture) : picture_(picture) {}
    double Width() const override { return picture_.ScaleWidth(); }
    double Height() const override { return picture_.ScaleHeight(); }
    void Line(double x1, double y1, double x2, double y2, Rgb color) override {
        picture_.Line(x1, y1, x2, y2, color);
    }
    void Text(double x, double y, const std::string& text, Rgb color) override {
        picture_.CurrentX = x;
        picture_.CurrentY = y;
        picture_.SetForeColor(color);
        picture_.Print(text);
    }

  private:
    TwipsPicture& picture_;
};

}  // namespace vib::shell
