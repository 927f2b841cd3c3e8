#include "integration.h"

#include <cmath>

#include "platform/numbers.h"

namespace vib::shock {

void BeginTestPass(ShockState& s) {
    s.AccPrev = s.VelPrev = s.DispPrev = 0.0f;
    s.PeakAcc = s.PeakVel = s.PeakDisp = 0.0f;
}

TestSegment StepTestPass(ShockState& s, int i) {
    TestSegment seg;
    // 80 in W is the full amplitude; velocity in in/s and displacement in mils, with
    // the sample interval folded into the factors.
    const double step = s.RATEF * 0.25;

    s.AccCur = StoreSingle(s.Aeff * 0.0125 * s.W[i]);
    seg.accPrev = s.AccPrev;
    seg.accCur = s.AccCur;
    s.AccPrev = s.AccCur;

    s.VelCur = StoreSingle(s.VelPrev + s.AccCur * 0.08 / step);
    seg.velPrev = s.VelPrev;
    seg.velCur = s.VelCur;
    s.VelPrev = s.VelCur;

    s.DispCur = StoreSingle(s.DispPrev + s.VelCur * 0.153 / step);
    seg.dispPrev = s.DispPrev;
    seg.dispCur = s.DispCur;
    s.DispPrev = s.DispCur;

    if (std::fabs(s.AccPrev) > s.PeakAcc) s.PeakAcc = std::fabs(s.AccPrev);
    if (std::fabs(s.VelPrev) > s.PeakVel) s.PeakVel = std::fabs(s.VelPrev);
    if (std::fabs(s.DispPrev) > s.PeakDisp) s.PeakDisp = std::fabs(s.DispPrev);
    return seg;
}

void RunTestPass(ShockState& s) {
    BeginTestPass(s);
    for (int i = kFirstTestSample; i <= kLastTestSample; ++i) StepTestPass(s, i);
}

}  // namespace vib::shock
