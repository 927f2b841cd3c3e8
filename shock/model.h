#pragma once
// Start-up values of the shock calculator.

#include "state.h"

namespace vib::shock {

inline constexpr const char* kDefaultProfileName = " DEFAULT PROFILE";
// Ten blanks in front, 38 underscores at the end.
inline constexpr const char* kStartTitle =
    "          RESPONSE PLOT FOR SHOCK TEST # ______________________________________";

// Every start-up value; reads no file.
void InitDefaults(ShockState& s);

// Amplitude in G, as the redraw sets it before the test pass.
float ComputeAeff(const ShockState& s);

}  // namespace vib::shock
