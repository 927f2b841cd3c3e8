#pragma once

#include <string>

#include "random/model.h"

namespace vib::cli {

inline constexpr int kDefaultPlotWidth = 1200;
inline constexpr int kDefaultPlotHeight = 800;

// Renders the ASD plot as the window shows it, with the labels around the picture (the
// decade labels, "ASD" and the unit text, the frequency row, the results), to a PNG.
// Returns an empty string, or what went wrong.
std::string RenderRandomPlot(random::RandomState& s, const std::string& path, int width,
                             int height);

}  // namespace vib::cli
