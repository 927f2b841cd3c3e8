#pragma once
// The unit systems and the exact factors applied when the user switches between them.
// The factors are stored constants, not reciprocals, so switching there and back drifts
// slightly; that drift is part of the behaviour users know.

#include <optional>
#include <vector>

#include "platform/param_block.h"

namespace vib::shell {

// One factor per quantity; an empty factor leaves the quantity as it is.
struct UnitFactors {
    std::optional<double> asd;           // ASD levels of the random profile
    std::optional<double> acceleration;  // MaxA and the shock pulse amplitude
    std::optional<double> velocity;      // MaxV
    std::optional<double> displacement;  // MaxD
};

// The factors of the switch from `from` to `to`; nothing for the same system or from a
// code that is no unit system.
UnitFactors FactorsBetween(std::optional<Units> from, Units to);

// value x factor in double precision, stored back as single; unchanged without factor.
float Convert(float value, const std::optional<double>& factor);

// A stored value that follows the unit system, with its factor for one switch.
struct UnitBound {
    float* value;
    std::optional<double> factor;
};

// Converts all the values or none: when a product would not be finite in single
// precision, nothing is changed and false is returned.
bool ConvertAll(const std::vector<UnitBound>& values);

}  // namespace vib::shell
