#include "pulse_setup.h"

#include "platform/numbers.h"
#include "shock/model.h"

namespace vib::shock::app {

AmplitudeRange AmplitudeRangeFor(std::optional<Units> units, char decimal) {
    if (units != Units::Metric) return {0.5f, 200.0f, kAmplitudeRange};
    const float low = StoreSingle(0.5 * 9.807);
    const float high = StoreSingle(200 * 9.807);
    return {low, high,
            " The Number must be between " + FormatGeneral(low, decimal) + " and " +
                FormatGeneral(high, decimal) + "."};
}

int RateIndexFor(float durationMs) {
    const float d = durationMs;
    // The table's rows; their ends are compared as the Single values 19.99f and 39.99f.
    if (d < 5.0f) return 4;
    if (d >= 5.0f && d <= 19.99f) return 3;
    if (d >= 20.0f && d <= 39.99f) return 2;
    if (d >= 40.0f) return 1;
    // Between two rows: the row below, as if it ran up to 20 or 40 ms; the finer rate
    // still fits the whole pulse into the sample arrays (N stays below 102.4).
    return d < 20.0f ? 3 : 2;
}

std::vector<std::string> FrequencyNotes(double hz) {
    std::vector<std::string> notes;
    if (hz < 25) notes.push_back(kLongPulseNote);
    if (hz > 100) notes.push_back(kShortPulseNote);
    if (hz > 500) notes.push_back(kBelowOneMsNote);
    if (hz <= 25) notes.push_back(kLowFrequencyNote);
    return notes;
}

}  // namespace vib::shock::app
