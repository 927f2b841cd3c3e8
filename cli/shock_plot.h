#pragma once

#include <string>

#include "shock/state.h"

namespace vib::cli {

inline constexpr int kDefaultShockPlotWidth = 1200;
inline constexpr int kDefaultShockPlotHeight = 800;

// Renders Tessalt's plot as the window shows it for the state's View switches: the
// picture, the value and time labels around it, the result row above and the test title
// below, to a PNG. Returns an empty string, or what went wrong.
std::string RenderShockPlot(shock::ShockState& s, const std::string& path, int width, int height);

}  // namespace vib::cli
