#pragma once
// The unit systems and the exact factors applied when the user switches between them.
// The factors are stored constants, not reciprocals, so switching there and back drifts
// slightly; that drift is part of the behaviour users know.

#include <optional>
#include <vector>

namespace vib::shell {

inline constexpr int kEnglish = 0;
inline constexpr int kMetric = 1;
inline constexpr int kHybrid = 2;

// One factor per quantity; an empty factor leaves the quantity as it is.
struct UnitFactors {
    std::optional<double> asd;           // ASD levels of the random profile
    std::optional<double> acceleration;  // MaxA and the shock pulse amplitude
    std::optional<double> velocity;      // MaxV
    std::optional<double> displacement;  // MaxD
};

// The factors of the switch from `from` to `to`; nothing for the same system or for a
// unit code outside 0..2.
UnitFactors FactorsBetween(int from, int to);

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

// The unit code a stored setting stands for, or -1 when it is not exactly 0, 1 or 2.
int UnitCode(float setting);

}  // namespace vib::shell
