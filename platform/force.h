#pragma once
// Can the shaker push this test? F = m x a with the whole moving mass: armature, fixture
// and test item. Both programs keep the masses and the shaker's rated force in the same
// parameter entries, which the original layout leaves at 0 and unused:
//   84 armature mass, lb      85 fixture mass, lb      86 test item mass, lb
//   87 rated force, lbf (random: rms; shock: peak)
// 0 means "not set". They are stored in lb and lbf whatever the unit system, converted
// only to show and to ask, so a build that knows nothing of them can switch units and
// save the file without making them wrong.

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "param_block.h"

namespace vib::force {

inline constexpr int kArmatureLb = 84;
inline constexpr int kFixtureLb = 85;
inline constexpr int kTestItemLb = 86;
inline constexpr int kRatedLbf = 87;

inline constexpr double kKgPerLb = 0.4536;
inline constexpr double kNewtonPerLbf = 4.448;

struct Settings {
    double armatureLb = 0, fixtureLb = 0, testItemLb = 0, ratedLbf = 0;
    bool MassSet() const { return armatureLb > 0 || fixtureLb > 0 || testItemLb > 0; }
    double TotalLb() const { return armatureLb + fixtureLb + testItemLb; }
};
// Entries that are negative or not finite count as not set.
Settings SettingsOf(std::span<const float> params);

// The force a test at `accelerationG` (rms for random, peak for shock) needs, and what
// the rated force leaves; nothing when no mass is set.
struct Result {
    Settings settings;
    double requiredLbf = 0;               // rms for random, peak for shock
    double requiredPeakLbf = 0;           // random: 3 sigma; shock: the same as requiredLbf
    std::optional<double> headroomDb;     // 20 log10(rated / required), with a rated force
    std::optional<double> maxTestItemLb;  // the item the rated force allows here, >= 0
    bool Exceeded() const { return headroomDb && *headroomDb < 0; }
};
enum class Kind { RandomRms, ShockPeak };
std::optional<Result> Compute(std::span<const float> params, double accelerationG, Kind kind);

// Force and mass in the active unit system: lbf and lb with English units, N and kg with
// Metric and Hybrid.
double ShowForce(double lbf, Units units);
double ShowMass(double lb, Units units);
const char* ForceUnit(Units units);  // "lbf" or "N"
const char* MassUnit(Units units);   // "lb" or "kg"

// The result label: " Force = 640 lbf rms " (random) or " Force = 1200 lbf pk " (shock).
std::string LabelText(const Result& r, Units units, Kind kind);
// The box when the required force exceeds the rated force, both in the active units.
std::string ExceededText(const Result& r, Units units, Kind kind);
// The report's line: the masses, the required force and, when rated, the headroom.
std::string ReportLine(const Result& r, Units units, Kind kind, char decimal);
// The same for the boxes of a results table, each text short enough for one box: the
// three masses with their sum (" Armature 20 lb", " Fixture 10 lb", " Test item 50 lb",
// " Moving mass 80 lb") and, when rated, " Rated 600 lbf (-0.56 dB)".
struct ReportBoxTexts {
    std::vector<std::string> masses;
    std::string rating;
};
ReportBoxTexts ReportBoxes(const Result& r, Units units, char decimal);

}  // namespace vib::force
