#pragma once
// The test's peaks against the shaker system's limits.

#include <string>
#include <vector>

#include "state.h"

namespace vib::shock {

inline constexpr const char* kDispLimitText = " Test Displacement > System D Limit ";
inline constexpr const char* kVelLimitText = " Test Velocity > System V Limit ";
inline constexpr const char* kAccLimitText = " Test Acceleration > System A Limit ";

// The test pulse's peak acceleration in G: max |W(i)| x Aeff / 80 over i = 1 to 1023,
// compensation included, as the force check uses it.
double TestPeakG(const ShockState& s);

// The warnings for every limit the last test pass exceeded, displacement, velocity,
// acceleration in that order, then the force when a moving mass and a rated force are set
// and the pulse needs more; each comparison strict. Changes nothing.
std::vector<std::string> CheckTestLimits(const ShockState& s);

}  // namespace vib::shock
