#pragma once

#include <string>

#include "shock/state.h"

namespace vib::cli {

// Renders Tessalt's plot for the state's View switches as the window lays it out: the
// test title above the picture, the value labels left of it, the time labels under it and
// the row of boxed results below, into PNG bytes. Returns an empty string, or what went
// wrong.
std::string RenderShockPlot(shock::ShockState& s, int width, int height, std::string& png);

}  // namespace vib::cli
