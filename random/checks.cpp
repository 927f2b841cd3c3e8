#include "checks.h"

#include "platform/force.h"
#include "platform/numbers.h"

namespace vib::random {

std::vector<std::string> CheckTestLevels(const RandomState& s) {
    std::vector<std::string> messages;
    const float df = s.LineSpacing();
    const float top = s.RangeTop();
    for (int k = 1; k <= kEditableEntries; ++k) {
        const float f = s.Freq[k];
        if (f > 0 && f < df) messages.emplace_back(kMsgFreqTooLow);
        if (f > 0 && f > top) messages.emplace_back(kMsgFreqTooHigh);
    }

    const auto units = s.UnitSystem();
    float d = 0, v = 0, a = 0;
    if (units == Units::English) {
        d = s.Dref;
        v = s.Vref;
        a = s.Gref;
    } else if (units == Units::Metric) {
        d = StoreSingle(s.Dref * 0.0254);
        v = StoreSingle(s.Vref * 2.54);
        a = StoreSingle(s.Gref * 9.807);
    } else if (units == Units::Hybrid) {
        d = StoreSingle(s.Dref * 0.0254);
        v = StoreSingle(s.Vref * 2.54);
        a = s.Gref;
    } else {
        return messages;
    }
    if (d > s.Param(prm::MaxD)) messages.emplace_back(kMsgDispOverLimit);
    if (v > s.Param(prm::MaxV)) messages.emplace_back(kMsgVelOverLimit);
    if (a > s.Param(prm::MaxA)) messages.emplace_back(kMsgAccOverLimit);
    // The rated random force against the whole moving weight at the test's G rms.
    if (const auto f = force::Compute(s.Params, s.Gref, force::Kind::RandomRms); f && f->Exceeded())
        messages.push_back(force::ExceededText(*f, *units, force::Kind::RandomRms));
    return messages;
}

}  // namespace vib::random
