#include "profile_file.h"

#include <cmath>
#include <vector>

#include "model.h"
#include "platform/numbers.h"
#include "recompute.h"

namespace vib::shock {
namespace {

constexpr int kColumns = ProfileRecords::kNumbers;

std::array<const ParamArray*, kColumns> Columns(const ShockState& s) {
    return {&s.P, &s.ProfileCol2, &s.ProfileCol3, &s.ProfileCol4, &s.ProfileCol5, &s.ProfileCol6};
}
std::array<ParamArray*, kColumns> Columns(ShockState& s) {
    return {&s.P, &s.ProfileCol2, &s.ProfileCol3, &s.ProfileCol4, &s.ProfileCol5, &s.ProfileCol6};
}

FileError Invalid(const std::string& description, const std::string& detail) {
    FileError e;
    e.number = kInvalidValue;
    e.description = description;
    e.detail = detail;
    return e;
}

std::string Text(double v) {
    return FormatGeneral(v);
}

template <class Array>
bool AllFinite(const Array& a) {
    for (float v : a)
        if (!std::isfinite(v)) return false;
    return true;
}

}  // namespace

ProfileRecords ToRecords(const ShockState& s) {
    ProfileRecords r;
    const auto cols = Columns(s);
    for (int k = 1; k <= ProfileRecords::kRecords; ++k) {
        for (int f = 0; f < kColumns; ++f) r.numbers[k][f] = (*cols[f])[k];
        r.notes[k] = s.ProfileNote[k];
    }
    r.trailer = {s.TestTitle, s.FileText1, s.FileText2, s.SubTitle1, s.SubTitle2};
    r.trailerCount = ProfileRecords::kTrailer;
    return r;
}

void FromRecords(const ProfileRecords& r, ShockState& s) {
    const auto cols = Columns(s);
    for (int k = 1; k <= ProfileRecords::kRecords; ++k) {
        for (int f = 0; f < kColumns; ++f) (*cols[f])[k] = r.numbers[k][f];
        s.ProfileNote[k] = r.notes[k];
    }
    std::string* texts[] = {&s.TestTitle, &s.FileText1, &s.FileText2, &s.SubTitle1, &s.SubTitle2};
    for (int t = 0; t < r.trailerCount && t < ProfileRecords::kTrailer; ++t)
        *texts[t] = r.trailer[t];
}

FileError CheckComputable(const ShockState& s) {
    const char* kWhat = "Invalid profile value";
    const auto cols = Columns(s);
    for (int k = 1; k <= kLastParam; ++k)
        for (int f = 0; f < kColumns; ++f)
            if (!std::isfinite((*cols[f])[k]))
                return Invalid(kWhat, "record " + std::to_string(k) + ", field " +
                                          std::to_string(f + 1) + " is not a finite number");

    const auto& P = s.P;
    const float duration = P[param::kDurationMs];
    if (!(duration > 0.0f))
        return Invalid(
            kWhat, "record 3 (pulse duration) is " + Text(duration) + " ms; it must be above 0");

    const float rateIndex = P[param::kRateIndex];
    const float ratef = StoreSingle(std::pow(2.0, rateIndex - 1.0));
    if (!std::isfinite(ratef) || !(ratef > 0.0f))
        return Invalid(kWhat, "record 13 (sample-rate index) is " + Text(rateIndex) +
                                  "; its rate factor is not a finite number above 0");
    const float n = StoreSingle(static_cast<double>(duration) * 1.28 * ratef);
    if (!std::isfinite(n) || !(n > 0.0f))
        return Invalid(kWhat, "pulse duration " + Text(duration) + " ms at sample-rate index " +
                                  Text(rateIndex) + " gives no finite number of samples above 0");

    // The abort band scales the trace by this factor and by its inverse.
    const double band = std::exp(0.115 * P[param::kAbortDb]);
    if (!std::isfinite(band) || !std::isfinite(1.0 / band))
        return Invalid(kWhat, "record 8 (abort band level) is " + Text(P[param::kAbortDb]) +
                                  " dB; the band cannot be drawn");

    // Anything else that overflows (a huge amplitude or waveshape) shows in a trial run.
    ShockState trial = s;
    const PulseResults r = RecomputeAll(trial);
    if (!AllFinite(trial.W) || !AllFinite(r.srs) || !std::isfinite(trial.PeakAcc) ||
        !std::isfinite(trial.PeakVel) || !std::isfinite(trial.PeakDisp))
        return Invalid(kWhat,
                       "amplitude " + Text(P[param::kAmplitude]) +
                           " (record 2) or the waveshape makes the pulse exceed the number range");
    return {};
}

FileError OpenShockProfile(FileSystem& fs, const std::string& path, ShockState& s) {
    // Starting from the current texts keeps the ones a file without trailer lacks.
    ProfileRecords records = ToRecords(s);
    records.trailerCount = 0;
    if (FileError e = ReadRecordFile(fs, path, records)) return e;
    if (FileError e = CheckProfileKind(records, ProfileKind::Shock)) return e;

    ShockState candidate = s;
    FromRecords(records, candidate);
    if (FileError e = CheckComputable(candidate)) return e;
    s = std::move(candidate);
    return {};
}

FileError SaveShockProfile(FileSystem& fs, const std::string& path, const ShockState& s) {
    return WriteRecordFile(fs, path, ToRecords(s));
}

FileError ReadWaveshape(FileSystem& fs, const std::string& path, ShockState& s) {
    std::string bytes;
    if (FileError e = fs.Read(path, bytes)) return e;
    std::vector<float> values;
    if (FileError e = DecodeNumbers(bytes, kWaveValues, values)) return e;

    ShockState candidate = s;
    for (int j = 0; j < kWaveValues; ++j) candidate.CustomWave[j] = values[j];
    candidate.CustomWave[kWaveValues] = 0.0f;
    candidate.WaveFileName = path;

    for (int j = 0; j < kWaveValues; ++j)
        if (!std::isfinite(StoreSingle(80.0 * values[j])))
            return Invalid("Invalid waveshape value", "value " + std::to_string(j + 1) + " (" +
                                                          Text(values[j]) +
                                                          ") is too large for the pulse");
    // The waveshape is checked as the custom shape it is about to become.
    ShockState trial = candidate;
    trial.P[param::kShape] = CodeOf(Shape::Custom);
    if (FileError e = CheckComputable(trial)) {
        e.description = "Invalid waveshape value";
        return e;
    }
    s = std::move(candidate);
    return {};
}

}  // namespace vib::shock
