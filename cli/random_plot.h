#pragma once

#include <string>
#include <vector>

#include "random/model.h"
#include "random/plot.h"

namespace vib::cli {

// The texts around the picture as the window shows them right after a redraw: the
// decade labels (taken after the drawing has blanked the legend entries, as every redraw
// after the first finds them), "ASD", the unit text and "Ave.", the title and the result
// row. Runs the layout step of the drawing on `s`.
struct RandomPlotTexts {
    std::vector<random::PlacedText> axis;  // placed by fractions of the image
    std::string title;
    std::string results;
};
RandomPlotTexts PlotTexts(random::RandomState& s);

// Renders the ASD plot with those texts and the frequency row into PNG bytes. Returns an
// empty string, or what went wrong.
std::string RenderRandomPlot(random::RandomState& s, int width, int height, std::string& png);

}  // namespace vib::cli
