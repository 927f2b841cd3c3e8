#include "checks.h"

#include <algorithm>
#include <cmath>

#include "model.h"
#include "platform/force.h"

namespace vib::shock {

double TestPeakG(const ShockState& s) {
    double peak = 0;
    for (int i = 1; i < kLastSample; ++i) peak = std::max(peak, std::fabs(double(s.W[i])));
    return peak * s.Aeff / 80.0;
}

std::vector<std::string> CheckTestLimits(const ShockState& s) {
    const auto& P = s.P;
    const auto units = s.UnitSystem();
    const double disp = s.PeakDisp;  // mils, zero-to-peak
    const double vel = s.PeakVel;    // in/s
    const double acc = s.PeakAcc;    // G

    // Each test in the units the limits are held in for the active unit system.
    double dispTest = 0.0, velTest = 0.0, accTest = 0.0;
    if (units == Units::English) {
        dispTest = 2.0 * disp;  // mils peak-to-peak
        velTest = vel;
        accTest = acc;
    } else if (units == Units::Metric) {
        dispTest = disp * 0.0508;  // mm peak-to-peak
        velTest = vel * 2.54;      // cm/s
        accTest = acc * 9.807;     // m/s^2
    } else if (units == Units::Hybrid) {
        // Hybrid shows mm, cm/s and G; a check skipped here would pass every test.
        dispTest = disp * 0.0508;
        velTest = vel * 2.54;
        accTest = acc;
    } else {
        return {};
    }

    std::vector<std::string> out;
    if (dispTest > P[param::kMaxD]) out.emplace_back(kDispLimitText);
    if (velTest > P[param::kMaxV]) out.emplace_back(kVelLimitText);
    if (accTest > P[param::kMaxA]) out.emplace_back(kAccLimitText);
    if (const auto f = force::Compute(P, TestPeakG(s), force::Kind::ShockPeak); f && f->Exceeded())
        out.push_back(force::ExceededText(*f, *units, force::Kind::ShockPeak));
    return out;
}

}  // namespace vib::shock
