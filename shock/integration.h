#pragma once
// Sample-by-sample integration of the pulse to acceleration, velocity and displacement.
// The plot's test-profile pass drives it one sample at a time and draws the segments it
// returns, so the traces and the peaks always come from the same numbers.

#include "state.h"

namespace vib::shock {

inline constexpr int kFirstTestSample = 1;
inline constexpr int kLastTestSample = 1023;

// One sample's step: each trace runs from its Prev value to its Cur value.
struct TestSegment {
    float accPrev = 0.0f, accCur = 0.0f;
    float velPrev = 0.0f, velCur = 0.0f;
    float dispPrev = 0.0f, dispCur = 0.0f;
};

// Resets the running values and the peaks. Aeff must be set before the pass.
void BeginTestPass(ShockState& s);

// Advances the integration by sample i (kFirstTestSample..kLastTestSample, in order) and
// updates the peaks.
TestSegment StepTestPass(ShockState& s, int i);

// A whole pass without drawing.
void RunTestPass(ShockState& s);

}  // namespace vib::shock
