#pragma once
// Tessalt's plot: the grid, the axis labels and trace titles, and the three passes (test
// profile, abort band, spectrum bars), drawn into a Canvas in twips. The window's picture
// and the batch tool's image run the same code. The caller clears the canvas to
// PlotBackgroundColor first; the limit warnings come back to the caller, which shows them
// once the picture is complete.

#include <array>
#include <string>
#include <vector>

#include "platform/canvas.h"
#include "state.h"

namespace vib::shock {

struct Segment {
    double x1, y1, x2, y2;
    friend bool operator==(const Segment&, const Segment&) = default;
};

inline constexpr Rgb kGridColor = {0, 128, 128};  // console 3
inline constexpr Rgb kAccColor = {255, 0, 0};     // console 12
inline constexpr Rgb kVelColor = {255, 255, 0};   // console 14
inline constexpr Rgb kDispColor = {255, 0, 255};  // console 13, in every unit system
inline constexpr Rgb kBarColor = {255, 0, 0};     // console 12

inline constexpr const char* kTestTitle = " TEST PROFILE ";
inline constexpr const char* kSrsTitle = " SHOCK RESPONSE SPECTRUM ";

// The canvas size as whole twips, as each drawing routine reads it.
struct PlotSize {
    double w, h;
};
PlotSize ReadPlotSize(const Canvas& c);

// Ten horizontal lines from the bottom up, 20 ticks on the left edge, ten vertical lines
// and 49 ticks on the bottom edge.
std::vector<Segment> GridSegments(PlotSize p);

// Where sample i lies: 100 ms x XScale spans the width at 1.28 x RATEF kHz.
double SampleX(int i, double w, float xScale, float ratef);
// A value u with its trace factor f; the zero line is at half height.
double ValueY(double u, double f, float yScale, double h);

// Trace factors by unit system: acceleration in G always, velocity and displacement in
// the units the trace titles name.
struct TraceFactors {
    double acc, vel, disp;
};
TraceFactors FactorsFor(std::optional<Units> units);

// The traces show the test as it runs: inverted for negative polarity (P(4) = 2), like
// the abort band. The peaks and the checks are magnitudes and do not change.
double PolaritySign(const ShockState& s);

// What is drawn in white on the black background (the plot title, the sub-titles, the
// abort band) is drawn in black on the white one, where white would not show.
Rgb ForegroundColor(const ShockState& s);

// The abort band: k from the level in dB, the main pulse's sample span, and one band line
// (k or 1/k times the distance from the zero line).
double BandFactor(float db);
bool InMainPulse(int i, float n);
double BandY(double y, double factor, double h);

// Spectrum bar i (1..400): its x, and the y of its top from the previous and current bar
// values. At RATEF 8 the bars beyond 200 lie right of the picture.
double BarX(int i, double w, float ratef);
double BarTopY(float previous, float current, float yScale, double h);

void DrawGrid(Canvas& c);

// The time labels under the plot, the axis unit and whether the time spin button shows.
// The spectrum view labels a 400..2000 Hz axis without touching XScale.
struct TimeAxisLabels {
    std::array<std::string, 5> x;  // lblX1 .. lblX5
    std::string unit;              // lblXaxis
    bool spinVisible = true;       // spnXaxis
};
TimeAxisLabels DrawTimeAxisLabels(const ShockState& s, char decimal);

// The value labels beside the plot (lblY0 top .. lblY8), after printing the three trace
// titles and the two sub-titles into the canvas.
using ValueAxisLabels = std::array<std::string, 9>;
ValueAxisLabels DrawValueAxisLabels(const ShockState& s, Canvas& c, char decimal);

void PrintPlotTitle(const ShockState& s, Canvas& c);

// The passes; each sets PlotTitle and prints it. The test pass drives the integration
// sample by sample (and so sets the peaks) and returns the limit warnings.
std::vector<std::string> DrawTestProfilePass(ShockState& s, Canvas& c);
void DrawAbortBandPass(ShockState& s, Canvas& c);
void DrawSpectrumPass(ShockState& s, Canvas& c);

// Every pass switched on in the View menu, in order; the limit warnings of the test pass
// (none when it is off).
std::vector<std::string> DrawPlotContent(ShockState& s, Canvas& c);

}  // namespace vib::shock
