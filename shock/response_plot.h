#pragma once
// The response spectrum's picture as geometry: log-log axes, decades, the test curve
// solid and the ideal one dashed, legend and title, in fractions of the plot box (x from
// its left, y from its top; labels may stand outside it). The window, the batch tool's
// image and the report map the same geometry into their own boxes.

#include <optional>
#include <string>
#include <vector>

#include "platform/canvas.h"
#include "platform/param_block.h"
#include "response_spectrum.h"

namespace vib::shock {

enum class ResponsePen { Grid, Test, Ideal, Ink };

struct ResponseGeometry {
    struct Segment {
        double x1, y1, x2, y2;
        ResponsePen pen;
    };
    struct Label {
        double x, y;  // the text's top-left corner
        std::string text;
        ResponsePen pen;
        bool frequencyUnit = false;  // "Hz": a page with little room below the box moves it
    };
    std::vector<Segment> segments;
    std::vector<Label> labels;
    std::string title;                  // with Q
    int lowDecade = 0, highDecade = 1;  // the value axis spans 10^low to 10^high
};

// The axis runs from 10 Hz to 2 kHz. Values show in G, or m/s^2 under Metric; the value
// axis takes the whole decades both curves need, at most six.
ResponseGeometry ResponseGeometryOf(const ResponseSpectrum& r, std::optional<Units> units);

// Where a frequency and a value stand, as fractions of the box.
double ResponseX(double hz);
double ResponseY(const ResponseGeometry& g, double value);

// Where the plot box stands in a picture of `width` x `height`: room for the decade
// labels left, the title above and the frequency labels below.
struct ResponseBox {
    double left, top, width, height;
};
ResponseBox ResponseBoxIn(double width, double height);

// The geometry drawn into the whole of `c`, the title above the box; grid, curves and
// texts in the colours of the plot background (0 black, 1 white).
void DrawResponse(const ResponseGeometry& g, Canvas& c, float background);

// The readout under a click at `x` (a fraction of the box): the nearest natural
// frequency and both values there, in the active units.
std::string ResponseReadout(const ResponseSpectrum& r, std::optional<Units> units, double x,
                            char decimal);

}  // namespace vib::shock
