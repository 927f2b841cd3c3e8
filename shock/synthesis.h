#pragma once
// Builds the compensated pulse W from the parameters: a positive bump and a negative
// half-sine before the main pulse, their mirror image after it, both flattened at the
// compensation level, so the table ends the test nearly at rest.

#include "state.h"

namespace vib::shock {

// Automatic compensation level (fraction of the amplitude) for a shape code.
float AutoCompLevel(std::optional<Shape> shape);

// Recomputes RATEF, N, CompLevel and W. Draws nothing.
void SynthesizePulse(ShockState& s);

}  // namespace vib::shock
