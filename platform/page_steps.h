#pragma once
// Drawing one report page at positions given as fractions of the printable page, with
// every printer call run under the report's error box: a failed call is repeated while
// the user answers Retry, and Cancel is handed back so the report can leave the routine
// it is in. Both calculators' reports draw through this.

#include <functional>
#include <string>
#include <vector>

#include "platform/dialogs.h"

namespace vib {

// Answers the "Error # ... Occured" box for a failed printer call: true means Retry.
using PrintErrorHandler = std::function<bool(const FileError&)>;

// PrintColorMode 2 prints in colour; every other value in black.
inline constexpr int kPrintInColor = 2;
Rgb PrintColor(int printColorMode, int palette);

// A line or a text placed by fractions of the page width (x) and height (y).
struct PageSegment {
    double x1, y1, x2, y2;
    friend bool operator==(const PageSegment&, const PageSegment&) = default;
};
struct PageText {
    std::string text;
    double x, y;
    Rgb color;
    bool opaque = false;  // on a white box of its own, over the lines drawn before
};

// The four sides of a rectangle through two corners.
std::vector<PageSegment> RectangleSides(double left, double top, double right, double bottom);
// The double border of a report page with the four short diagonals joining its corners.
std::vector<PageSegment> PageBorderSegments();

class PageSteps {
  public:
    PageSteps(Printer& printer, PrintErrorHandler onError)
        : printer_(printer), onError_(std::move(onError)) {}

    // Reads the printable width and height, taken as whole units. Each call below
    // returns false when a failure of its printer call was answered with Cancel.
    bool ReadPage();
    bool HasPage() const { return hasPage_; }
    double Width() const { return width_; }
    double Height() const { return height_; }

    bool Line(const PageSegment& s, Rgb color);
    bool Lines(const std::vector<PageSegment>& segments, Rgb color);
    bool Text(const PageText& t);
    bool Texts(const std::vector<PageText>& texts);
    bool EndDoc();
    Printer& Device() { return printer_; }

  private:
    bool Run(const std::function<FileError()>& call);

    Printer& printer_;
    PrintErrorHandler onError_;
    bool hasPage_ = false;
    double width_ = 0, height_ = 0;
};

}  // namespace vib
