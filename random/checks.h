#pragma once

#include <string>
#include <vector>

#include "model.h"

namespace vib::random {

inline constexpr const char* kMsgFreqTooLow = "Illegal Frequency- Too Low";
inline constexpr const char* kMsgFreqTooHigh = "Illegal Frequency- Too High";
inline constexpr const char* kMsgDispOverLimit = " Test Displacement Level > System D Limit ";
inline constexpr const char* kMsgVelOverLimit = " Test Velocity Level > System V Limit ";
inline constexpr const char* kMsgAccOverLimit = " Test Acceleration Level > System A Limit ";

// The texts of the boxes the test-level check shows, in order: one per breakpoint outside
// the range, then displacement, velocity and acceleration over the system limits, then
// the force when a moving mass and a rated force are set and the test needs more. Hybrid
// units compare too, in the units Hybrid shows (mm, cm/s, G), so a Hybrid user is warned
// like everyone else.
std::vector<std::string> CheckTestLevels(const RandomState& s);

}  // namespace vib::random
