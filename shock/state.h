#pragma once
// The whole program-wide state of the shock calculator, in one object that every
// command, pass and file routine works on.

#include <array>
#include <optional>
#include <string>

#include "platform/param_block.h"

namespace vib::shock {

inline constexpr int kLastParam = 100;    // P(0..100); entries 1..100 travel in profiles
inline constexpr int kLastSample = 1024;  // W(0..1024)
inline constexpr int kWaveValues = 1024;  // a waveshape file fills CustomWave(0..1023)
inline constexpr int kBars = 400;         // spectrum bars 1..400
inline constexpr int kTransformPoints = 1024;

// The meaning of the parameter entries the calculator reads. Entries not named here are
// carried through profiles unchanged.
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
inline constexpr int kUnits = slot::kUnits;  // 0 English, 1 Metric, 2 Hybrid
inline constexpr int kCompMode = 32;         // 0 automatic, 1 manual
inline constexpr int kPreLevel = 35;         // manual levels, percent of the amplitude
inline constexpr int kPostLevel = 36;
inline constexpr int kXScaleStart = 51;
inline constexpr int kYScaleStart = 52;
}  // namespace param

// The pulse shapes, by the code P(1) stores.
enum class Shape {
    HalfSine = 1,
    TerminalSawtooth,
    InitialSawtooth,
    Triangle,
    Trapezoid,
    QuarterSine,
    Cusp,
    SineBurst,
    Custom
};

// The shape a stored code stands for; nothing unless it is exactly 1 to 9.
constexpr std::optional<Shape> ShapeOf(float code) {
    for (int c = 1; c <= 9; ++c)
        if (code == static_cast<float>(c)) return static_cast<Shape>(c);
    return std::nullopt;
}

constexpr float CodeOf(Shape shape) {
    return static_cast<float>(static_cast<int>(shape));
}

using ParamArray = std::array<float, kLastParam + 1>;
using SampleArray = std::array<float, kLastSample + 1>;

// The View menu's three pass switches; the window mirrors them into its checkmarks. The
// trace switches live in P(24..26) because profiles carry them.
struct ShockView {
    bool test = true;       // Test Profile
    bool srs = false;       // Shock Response Spectrum
    bool abort = false;     // Abort Limits
    bool response = false;  // the maximax response spectrum's window is open
};

struct ShockState {
    // Parameter block; the meaning of each entry is named above.
    ParamArray P{};
    std::optional<Units> UnitSystem() const { return UnitsOf(P[param::kUnits]); }
    std::optional<Shape> PulseShape() const { return ShapeOf(P[param::kShape]); }

    // Synthesised pulse (80 = 100 % of the amplitude) and the custom waveshape
    // (1.0 = 100 %; entry 1024 is never read from a file and stays 0).
    SampleArray W{};
    SampleArray CustomWave{};

    // Derived by the synthesis and the redraw.
    float RATEF = 0.0f;
    float N = 0.0f;
    float CompLevel = 0.0f;
    float Aeff = 0.0f;

    // Running values of the waveform integration and the peaks of the last test pass:
    // G, inches per second, mils zero-to-peak.
    float AccCur = 0.0f, AccPrev = 0.0f;
    float VelCur = 0.0f, VelPrev = 0.0f;
    float DispCur = 0.0f, DispPrev = 0.0f;
    float PeakAcc = 0.0f, PeakVel = 0.0f, PeakDisp = 0.0f;

    // Last spectrum (element 0 unused; the printed report reads them) and last bar value.
    SampleArray SpecRe{};
    SampleArray SpecIm{};
    float SrsValue = 0.0f;

    // Texts.
    std::string ProfileName;
    std::string TestTitle;
    std::string SubTitle1, SubTitle2;
    std::string FileText1, FileText2;
    std::string WaveFileName;

    // Profile columns this program never interprets but saves back unchanged.
    ParamArray ProfileCol2{}, ProfileCol3{}, ProfileCol4{}, ProfileCol5{}, ProfileCol6{};
    std::array<std::string, kLastParam + 1> ProfileNote;

    // View and shell settings set at start-up.
    float XScale = 0.0f;
    float YScale = 0.0f;
    ShockView View;
    std::string PlotTitle;  // set by the pass that draws last
    // Last click on the plot (twips) and when it was read out (seconds since midnight).
    float CursorX = 0.0f, CursorY = 0.0f, CursorTime = 0.0f;
    int BrandingMode = 0;
    int PrintColorMode = 0;
};

}  // namespace vib::shock
