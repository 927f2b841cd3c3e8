#pragma once
// What the Shock Setup commands say and decide apart from the window: their texts, the
// sample rate a duration needs and the notes a frequency entry shows.

#include <optional>
#include <string>
#include <vector>

#include "platform/param_block.h"

namespace vib::shock::app {

// P(29): the manual-mode level step; it only travels with the profile.
inline constexpr int kManualStepEntry = 29;

inline constexpr const char* kSetupTitle = "Setup Shock Pulse";
inline constexpr const char* kOutOfBoundsTitle = " Out Of Bounds";
inline constexpr const char* kAmplitudeRange = " The Number must be between 0.5 and 200.";
inline constexpr const char* kDurationRange = " The Number must be between 0.5 and 100.";
inline constexpr const char* kFrequencyRange = " The Number must be between 5 and 1000.";
inline constexpr const char* kLevelRange =
    " The Number must be between 1 and 25; the default value is 16.7.";

inline constexpr const char* kLongPulseNote =
    " Long duration pulses require Sampling Rates of 2.56 Khz or less; the rate has been "
    "changed.Lower Repetition Rates may also be required.";
inline constexpr const char* kShortPulseNote =
    " Short duration pulses require Sampling Rates of 10.24 Khz; the rate has been changed.";
inline constexpr const char* kBelowOneMsNote = " System performance is not specified below 1 msec.";
inline constexpr const char* kLowFrequencyNote =
    " Shaker system low-frequency performance may affect test results above 20 msec.";

// The amplitude's range where P(22) holds it in m/s^2 (Metric): the G range 0.5 to 200
// converted with the unit switch's factor 9.807, so an amplitude converted from G stays
// acceptable. Elsewhere the G range. The bounds are Single values, compared with the
// answer as it would be stored.
struct AmplitudeRange {
    float low, high;
    std::string message;  // the out-of-range text naming the bounds
};
AmplitudeRange AmplitudeRangeFor(std::optional<Units> units, char decimal);

// Sample-rate index P(13) for a duration in ms: 10.24 kHz below 5 ms, 5.12 kHz below
// 20 ms, 2.56 kHz below 40 ms, 1.28 kHz from there on. The rows of the rate table end at
// 19.99 and 39.99 ms; a duration just above a row's end (19.995 ms) still belongs to
// that row, so every duration gets a rate and a rebuilt pulse.
int RateIndexFor(float durationMs);

// The notes a frequency entry shows, in order; they come whether or not the number is
// in range.
std::vector<std::string> FrequencyNotes(double hz);

}  // namespace vib::shock::app
