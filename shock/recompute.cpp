#include "recompute.h"

#include "checks.h"
#include "integration.h"
#include "model.h"
#include "synthesis.h"

namespace vib::shock {

void RecomputePulse(ShockState& s) {
    SynthesizePulse(s);
    s.Aeff = ComputeAeff(s);
    RunTestPass(s);
}

PulseResults RecomputeAll(ShockState& s) {
    RecomputePulse(s);
    PulseResults r;
    // The checks run at the end of the test pass, before the spectrum pass.
    r.messages = CheckTestLimits(s);
    r.srs = SpectrumPass(s);
    return r;
}

}  // namespace vib::shock
