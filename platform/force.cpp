#include "force.h"

#include <cmath>

#include "numbers.h"

namespace vib::force {
namespace {

double Entry(std::span<const float> params, int index) {
    if (static_cast<std::size_t>(index) >= params.size()) return 0;
    const double v = params[static_cast<std::size_t>(index)];
    return std::isfinite(v) && v > 0 ? v : 0;
}

const char* Sense(Kind kind) {
    return kind == Kind::RandomRms ? "rms" : "pk";
}

std::string Whole(double v) {
    return FormatMask(v, "0", '.');
}

}  // namespace

Settings SettingsOf(std::span<const float> params) {
    return {Entry(params, kArmatureLb), Entry(params, kFixtureLb), Entry(params, kTestItemLb),
            Entry(params, kRatedLbf)};
}

std::optional<Result> Compute(std::span<const float> params, double accelerationG, Kind kind) {
    Result r;
    r.settings = SettingsOf(params);
    if (!r.settings.MassSet() || !std::isfinite(accelerationG)) return std::nullopt;
    const double g = std::fabs(accelerationG);
    // A pound of mass weighs a pound-force at 1 G.
    r.requiredLbf = r.settings.TotalLb() * g;
    r.requiredPeakLbf = kind == Kind::RandomRms ? 3.0 * r.requiredLbf : r.requiredLbf;
    const double rated = r.settings.ratedLbf;
    if (rated > 0 && r.requiredLbf > 0) {
        r.headroomDb = 20.0 * std::log10(rated / r.requiredLbf);
        const double item = rated / g - r.settings.armatureLb - r.settings.fixtureLb;
        r.maxTestItemLb = item > 0 ? item : 0.0;
    }
    return r;
}

double ShowForce(double lbf, Units units) {
    return units == Units::English ? lbf : lbf * kNewtonPerLbf;
}

double ShowMass(double lb, Units units) {
    return units == Units::English ? lb : lb * kKgPerLb;
}

const char* ForceUnit(Units units) {
    return units == Units::English ? "lbf" : "N";
}

const char* MassUnit(Units units) {
    return units == Units::English ? "lb" : "kg";
}

std::string LabelText(const Result& r, Units units, Kind kind) {
    return "  Force = " + Whole(ShowForce(r.requiredLbf, units)) + " " + ForceUnit(units) + " " +
           Sense(kind) + " ";
}

std::string ExceededText(const Result& r, Units units, Kind kind) {
    const std::string unit = std::string(" ") + ForceUnit(units) + " " + Sense(kind);
    return " Test Force " + Whole(ShowForce(r.requiredLbf, units)) + unit +
           " > System Force Limit " + Whole(ShowForce(r.settings.ratedLbf, units)) + unit + " ";
}

namespace {

std::string Mass(double lb, Units units, char decimal) {
    return FormatMask(ShowMass(lb, units), "0.#", decimal);
}

std::string MassesText(const Settings& s, Units units, char decimal) {
    return "Moving mass " + Mass(s.armatureLb, units, decimal) + " + " +
           Mass(s.fixtureLb, units, decimal) + " + " + Mass(s.testItemLb, units, decimal) + " " +
           MassUnit(units);
}

std::string HeadroomText(const Result& r, char decimal) {
    return "(" + FormatMask(*r.headroomDb, "0.00", decimal) + " dB)";
}

}  // namespace

ReportBoxTexts ReportBoxes(const Result& r, Units units, char decimal) {
    const Settings& s = r.settings;
    auto line = [&](const char* what, double lb) {
        return std::string(" ") + what + " " + Mass(lb, units, decimal) + " " + MassUnit(units);
    };
    ReportBoxTexts boxes;
    boxes.masses = {line("Armature", s.armatureLb), line("Fixture", s.fixtureLb),
                    line("Test item", s.testItemLb), line("Moving mass", s.TotalLb())};
    if (r.headroomDb)
        boxes.rating = " Rated " + Whole(ShowForce(s.ratedLbf, units)) + " " + ForceUnit(units) +
                       " " + HeadroomText(r, decimal);
    return boxes;
}

std::string ReportLine(const Result& r, Units units, Kind kind, char decimal) {
    const Settings& s = r.settings;
    std::string line = MassesText(s, units, decimal) + ", force " +
                       Whole(ShowForce(r.requiredLbf, units)) + " " + ForceUnit(units) + " " +
                       Sense(kind);
    if (r.headroomDb)
        line += " of " + Whole(ShowForce(s.ratedLbf, units)) + " " + HeadroomText(r, decimal);
    return line;
}

}  // namespace vib::force
