#pragma once
// The test's peaks against the shaker system's limits.

#include <string>
#include <vector>

#include "state.h"

namespace vib::shock {

inline constexpr const char* kDispLimitText = " Test Displacement > System D Limit ";
inline constexpr const char* kVelLimitText = " Test Velocity > System V Limit ";
inline constexpr const char* kAccLimitText = " Test Acceleration > System A Limit ";

// The warnings for every limit the last test pass exceeded, displacement, velocity,
// acceleration in that order; each comparison strict. Changes nothing.
std::vector<std::string> CheckTestLimits(const ShockState& s);

}  // namespace vib::shock
