#pragma once
// The numeric part of a recompute, for callers without a window: synthesis, the
// redraw's amplitude and a test-profile pass (peaks), without drawing.

#include <string>
#include <vector>

#include "spectrum.h"
#include "state.h"

namespace vib::shock {

// SynthesizePulse, Aeff as the redraw sets it, then a whole test pass.
void RecomputePulse(ShockState& s);

// Everything a redraw with the test profile and the spectrum shown would leave behind.
struct PulseResults {
    BarValues srs{};
    std::vector<std::string> messages;
};
PulseResults RecomputeAll(ShockState& s);

}  // namespace vib::shock
