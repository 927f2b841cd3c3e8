#pragma once
// Morvane's program-wide state: the breakpoint profile, the parameter block, the derived
// analysis settings, the line spectrum with its results, and the texts. Every routine of
// the random calculator works on one RandomState.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/param_block.h"

namespace vib::random {

inline constexpr int kTableSize = 101;        // entries 0..100
inline constexpr int kEditableEntries = 50;   // rows of the profile editor
inline constexpr int kUnitConvertedAsd = 65;  // Asd entries 0..64 follow a unit switch

// Entries of Params that the program uses.
namespace prm {
inline constexpr int DefaultAbortDb = 5;
inline constexpr int RangeIndex = 6;
inline constexpr int MaxA = 17;
inline constexpr int MaxD = 18;
inline constexpr int MaxV = 19;
inline constexpr int UnitsIndex = slot::kUnits;
inline constexpr int Reserved31 = 31;  // a loaded 0 here becomes 5
inline constexpr int XAxisSetting = 51;
inline constexpr int YMaxSetting = 52;
inline constexpr int PlotBackground = slot::kPlotBackground;
inline constexpr int YMinSetting = 54;
inline constexpr int SeparatorMode = slot::kSeparatorMode;
inline constexpr int LinesIndex = 68;
}  // namespace prm

inline constexpr float kSpectrumFloor = 1e-6f;

// The test title on screen until the user or a profile gives one.
inline constexpr const char* kStartTitle = "RANDOM VIBRATION TEST # ______________________________";
// The profile's name until a file is opened or saved.
inline constexpr const char* kDefaultProfileName = " DEFAULT PROFILE";

// The plot's axis layout. It survives between redraws because settings outside the
// tables leave the previous layout in force.
struct PlotLayout {
    float FreqMin = 5.0f;
    float FreqMax = 2000.0f;
    float FreqLogMin = 1.60943f;
    float FreqAxisScale = 0.1669f;
    std::int16_t DecadeCount = 4;
    float AsdLogMin = -6.9077554f;  // ln 0.001
    float AsdAxisScale = 0.1086f;
};

struct RandomState {
    // Breakpoint tables; entry 0 is never part of the profile.
    std::array<float, kTableSize> Params{};
    std::array<float, kTableSize> Freq{};
    std::array<float, kTableSize> Asd{};
    std::array<float, kTableSize> AbortDb{};
    std::array<float, kTableSize> Reserved1{};
    std::array<float, kTableSize> Reserved2{};
    std::array<std::string, kTableSize> Comment;

    // Derived analysis settings.
    std::int16_t LineCount = 400;
    std::int16_t SpectrumSize = 512;
    float BaseLineSpacing = 1.25f;
    float RangeFactor = 4.0f;

    // Line spectrum, index 0..SpectrumSize, and the results (always English units).
    std::vector<float> Spectrum;
    std::vector<float> LineAbortDb;
    std::int16_t StartLine = 0;
    float Gref = 0.0f;
    float Vref = 0.0f;
    float Dref = 0.0f;

    // Texts carried by the profile file and shown on the plot.
    std::string ProfileName;
    std::string TestTitle;
    std::string SubTitle1;
    std::string SubTitle2;
    std::string FileText1;
    std::string FileText2;
    std::array<std::string, 21> PlotLabels;

    // Settings of the window that the report follows: the print colour (2: colour) and
    // View > Abort Limits.
    int PrintColorMode = 0;
    bool AbortLines = true;

    // The plot's own state: its layout and the last click in the picture (twips), with
    // the clock reading (seconds since midnight) when its readout was computed.
    PlotLayout Layout;
    float CursorX = 0.0f;
    float CursorY = 0.0f;
    float CursorTime = -1e9f;

    float Param(int index) const { return Params[static_cast<std::size_t>(index)]; }
    // The unit system of the profile; nothing for a code that is none.
    std::optional<Units> UnitSystem() const { return UnitsOf(Param(prm::UnitsIndex)); }
    float& Param(int index) { return Params[static_cast<std::size_t>(index)]; }
    // df: the spacing of the analysis lines in Hz.
    float LineSpacing() const;
    // The top of the frequency range, 500 x RangeFactor.
    float RangeTop() const;
};

// Every built-in start value; no file is read.
void InitDefaults(RandomState& s);

// LineCount, SpectrumSize and BaseLineSpacing from LinesIndex (unchanged when it is not
// 0..3), then fresh zero-filled Spectrum and LineAbortDb arrays.
void SetupLines(RandomState& s);

// The model part of New Profile: a flat 0.001 G^2/Hz profile across the selected range,
// entries 3 to 50 cleared; abort limits, comments and entries above 50 kept; the start
// title and the default profile name.
void NewProfileModel(RandomState& s);

}  // namespace vib::random
