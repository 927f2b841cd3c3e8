#include "model.h"

#include <cmath>

#include "platform/numbers.h"

namespace vib::random {

float RandomState::LineSpacing() const {
    return StoreSingle(double(BaseLineSpacing) * RangeFactor);
}
float RandomState::RangeTop() const {
    return StoreSingle(500.0 * RangeFactor);
}

void InitDefaults(RandomState& s) {
    s = RandomState{};
    auto& p = s.Params;
    // Settings the program uses.
    p[prm::DefaultAbortDb] = 6;
    p[prm::RangeIndex] = 3;
    p[prm::MaxA] = 100;
    p[prm::MaxD] = 1000;
    p[prm::MaxV] = 100;
    p[prm::UnitsIndex] = 0;
    p[prm::Reserved31] = 5;
    p[prm::XAxisSetting] = 3;
    p[prm::YMaxSetting] = 1;
    p[prm::PlotBackground] = 0;
    p[prm::YMinSetting] = 1;
    p[prm::SeparatorMode] = 0;
    p[67] = 1;
    p[prm::LinesIndex] = 1;
    // Entries that are only saved and loaded, with their fixed start values.
    const std::pair<int, float> carried[] = {
        {0, 2},   {1, 600}, {2, 6},   {3, 3},     {4, 3},     {7, 2},   {8, 2},     {9, 10},
        {10, 10}, {11, 1},  {12, 1},  {13, 2},    {14, 2},    {16, 10}, {20, 1},    {21, 1},
        {23, 1},  {24, 60}, {28, 9},  {29, 0.1f}, {36, 60},   {37, 20}, {38, 0.5f}, {39, 10},
        {40, 10}, {41, 1},  {42, 1},  {43, 2},    {44, 1},    {45, 1},  {46, 1},    {47, 2},
        {48, 1},  {49, 1},  {50, 1},  {57, 9},    {61, 2000}, {65, 1},  {66, 10},   {71, 10},
        {72, 10}, {73, 10}, {74, 10}, {75, 1},    {76, 1},    {77, 1},  {78, 1},    {80, 1},
        {81, 1},  {82, 1},  {83, 1}};
    for (auto [index, value] : carried) p[static_cast<std::size_t>(index)] = value;

    const float freq[] = {10, 100, 500, 2000};
    const float asd[] = {0.001f, 0.1f, 0.1f, 0.001f};
    for (int k = 0; k < 4; ++k) {
        s.Freq[k + 1] = freq[k];
        s.Asd[k + 1] = asd[k];
    }
    s.Reserved1[0] = 0;
    s.Reserved1[1] = 3;
    s.AbortDb.fill(p[prm::DefaultAbortDb]);

    s.ProfileName = kDefaultProfileName;
    s.PlotLabels = {"",     "10-6", "10-5", "10-4",    "10-3", "10-2", "0.1",
                    "1.0",  "10",   "100",  "1000",    "Ch#1", "Ch#2", "Ch#3",
                    "Ch#4", "ASD",  "Ave.", "G^2/Hz.", "",     "",     ""};
    s.RangeFactor = StoreSingle(std::pow(2.0, double(p[prm::RangeIndex]) - 1.0));
    SetupLines(s);
}

void SetupLines(RandomState& s) {
    const float lines = s.Param(prm::LinesIndex);
    static constexpr struct {
        std::int16_t count, size;
        float spacing;
    } kLines[] = {{200, 256, 2.5f}, {400, 512, 1.25f}, {800, 1024, 0.625f}, {1600, 2048, 0.3125f}};
    for (int i = 0; i < 4; ++i) {
        if (lines == float(i)) {
            s.LineCount = kLines[i].count;
            s.SpectrumSize = kLines[i].size;
            s.BaseLineSpacing = kLines[i].spacing;
        }
    }
    s.Spectrum.assign(static_cast<std::size_t>(s.SpectrumSize) + 1, 0.0f);
    s.LineAbortDb.assign(static_cast<std::size_t>(s.SpectrumSize) + 1, 0.0f);
}

void NewProfileModel(RandomState& s) {
    s.Freq[1] = StoreSingle(2.5 * s.RangeFactor);
    s.Asd[1] = 0.001f;
    s.Freq[2] = StoreSingle(500.0 * s.RangeFactor);
    s.Asd[2] = 0.001f;
    for (int k = 3; k <= kEditableEntries; ++k) {
        s.Freq[k] = 0;
        s.Asd[k] = 0;
    }
    // A new profile has no file and no title yet; the old ones would name another test.
    s.TestTitle = kStartTitle;
    s.ProfileName = kDefaultProfileName;
}

}  // namespace vib::random
