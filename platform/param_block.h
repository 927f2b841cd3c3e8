#pragma once
// What both programs' parameter blocks hold in the same entries, and the unit system as a
// typed value over its stored code. The blocks stay floats, exactly as the files store
// them; code reads a code through the accessor, so a value that is no code (a damaged or
// future file) is seen as none instead of as a near miss.

#include <optional>

namespace vib {

namespace slot {
inline constexpr int kUnits = 22;           // the unit system's code
inline constexpr int kPlotBackground = 53;  // 0 black, 1 white
inline constexpr int kSeparatorMode = 62;   // 0 English, 1 reversed
}  // namespace slot

enum class Units { English = 0, Metric = 1, Hybrid = 2 };

// The unit system a stored code stands for; nothing unless it is exactly 0, 1 or 2.
constexpr std::optional<Units> UnitsOf(float code) {
    if (code == 0.0f) return Units::English;
    if (code == 1.0f) return Units::Metric;
    if (code == 2.0f) return Units::Hybrid;
    return std::nullopt;
}

constexpr float CodeOf(Units units) {
    return static_cast<float>(static_cast<int>(units));
}

}  // namespace vib
