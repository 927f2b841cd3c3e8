#pragma once
// One drawing interface for the plots: the window's picture, an image for the batch tool
// and the tests' recorder all implement it, so every target draws with the same code.
// Units are twips; the origin is the top-left corner, y grows downwards.

#include <string>

#include "platform/dialogs.h"

namespace vib {

class Canvas {
  public:
    virtual ~Canvas() = default;
    virtual double Width() const = 0;
    virtual double Height() const = 0;
    virtual void Line(double x1, double y1, double x2, double y2, Rgb color) = 0;
    // Text with its top-left corner at (x, y).
    virtual void Text(double x, double y, const std::string& text, Rgb color) = 0;
};

}  // namespace vib
