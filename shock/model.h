#pragma once
// Start-up values of the shock calculator and the meaning of the parameter entries it
// reads. Entries not named here are carried through profiles unchanged.

#include "state.h"

namespace vib::shock {

namespace param {
inline constexpr int kShape = 1;       // 1..9: the shape codes below
inline constexpr int kAmplitude = 2;   // peak; G (English, Hybrid) or m/s^2 (Metric)
inline constexpr int kDurationMs = 3;  // one pulse duration; one cycle for the burst
inline constexpr int kPolarity = 4;    // 1 positive, 2 negative
inline constexpr int kAbortDb = 8;     // abort band level
inline constexpr int kRateIndex = 13;  // 1..4: 1.28 kHz x 2^(index - 1)
inline constexpr int kMaxD = 19;       // system limits, in the active units
inline constexpr int kMaxV = 20;
inline constexpr int kMaxA = 21;
inline constexpr int kUnits = 22;     // 0 English, 1 Metric, 2 Hybrid
inline constexpr int kCompMode = 32;  // 0 automatic, 1 manual
inline constexpr int kPreLevel = 35;  // manual levels, percent of the amplitude
inline constexpr int kPostLevel = 36;
inline constexpr int kXScaleStart = 51;
inline constexpr int kYScaleStart = 52;
}  // namespace param

// Shape codes as stored in P(1).
inline constexpr float kHalfSine = 1;
inline constexpr float kTerminalSawtooth = 2;
inline constexpr float kInitialSawtooth = 3;
inline constexpr float kTriangle = 4;
inline constexpr float kTrapezoid = 5;
inline constexpr float kQuarterSine = 6;
inline constexpr float kCusp = 7;
inline constexpr float kSineBurst = 8;
inline constexpr float kCustom = 9;

inline constexpr float kUnitsEnglish = 0;
inline constexpr float kUnitsMetric = 1;
inline constexpr float kUnitsHybrid = 2;

inline constexpr const char* kDefaultProfileName = " DEFAULT PROFILE";
// Ten blanks in front, 38 underscores at the end.
inline constexpr const char* kStartTitle =
    "          RESPONSE PLOT FOR SHOCK TEST # ______________________________________";

// Every start-up value; reads no file.
void InitDefaults(ShockState& s);

// Amplitude in G, as the redraw sets it before the test pass.
float ComputeAeff(const ShockState& s);

}  // namespace vib::shock
