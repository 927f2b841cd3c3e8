#include "model.h"

#include <cmath>

#include "platform/numbers.h"

namespace vib::shock {

void InitDefaults(ShockState& s) {
    s = ShockState{};
    s.BrandingMode = 9;

    auto& P = s.P;
    P[28] = 9;
    P[1] = 1;
    P[2] = 15;
    P[3] = 10;
    P[4] = 1;
    P[5] = 1;
    P[6] = 1;
    P[7] = 1;
    P[8] = 6;
    P[9] = 10;
    P[10] = 10;
    P[11] = 1;
    P[12] = 1;
    P[13] = 3;
    P[14] = 1;
    P[15] = 0;
    P[16] = 6;
    P[17] = 3;
    P[18] = 4;
    P[19] = 1000;
    P[20] = 100;
    P[21] = 100;
    P[22] = 0;
    P[23] = 0;
    P[24] = 2;
    P[25] = 2;
    P[26] = 2;
    P[27] = 4;
    P[29] = StoreSingle(0.1);
    P[30] = 0;
    P[31] = 1;
    P[32] = 0;
    P[35] = StoreSingle(16.7);
    P[36] = StoreSingle(16.7);
    P[37] = 20;
    P[38] = 0.5f;
    P[39] = 10;
    P[40] = 10;
    P[41] = 1;
    P[42] = 1;
    P[51] = 1;
    P[52] = 0.25f;
    P[53] = 0;
    P[54] = 2;
    P[59] = 1;
    P[60] = 0;
    P[62] = 0;
    P[65] = 1;
    P[66] = 10;
    P[67] = 1;
    for (int k = 71; k <= 74; ++k) P[k] = 10;
    for (int k = 75; k <= 78; ++k) P[k] = 1;

    s.XScale = P[param::kXScaleStart];
    s.YScale = P[param::kYScaleStart];
    s.RATEF = StoreSingle(std::pow(2.0, P[param::kRateIndex] - 1.0));
    s.ProfileName = kDefaultProfileName;
    s.TestTitle = kStartTitle;
    // Monochrome printing; the printer orientation is remembered by the shell.
    s.PrintColorMode = 1;
}

float ComputeAeff(const ShockState& s) {
    const float amplitude = s.P[param::kAmplitude];
    if (s.UnitSystem() == Units::Metric) return StoreSingle(amplitude * 0.102);
    return amplitude;
}

}  // namespace vib::shock
