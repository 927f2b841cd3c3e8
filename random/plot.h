#pragma once
// The ASD plot as geometry and texts: the axis layout, the grid, the spectrum and abort
// traces, the decade labels beside the plot, the result labels and the cursor readout.
// Everything here is plain computation over RandomState; the window and the batch tool
// render it through a Canvas.

#include <optional>
#include <string>
#include <vector>

#include "model.h"
#include "platform/canvas.h"
#include "platform/numbers.h"

namespace vib::random {

// DrawGrid's first step: the frequency table by XAxisSetting (0 becomes 3; other values
// outside 1..4 keep the previous layout) and the ASD table by the decade count (outside
// 1..8 the previous count and scale stay while the bottom follows the setting).
void ApplyPlotLayout(RandomState& s);

// Where a frequency and an ASD level lie in a picture of width w and height h (twips).
double FreqToX(const PlotLayout& l, double w, double freq);
double AsdToY(const PlotLayout& l, double h, double asd);

struct PlotSegment {
    double x1, y1, x2, y2;
    friend bool operator==(const PlotSegment&, const PlotSegment&) = default;
};

std::vector<PlotSegment> GridLines(const PlotLayout& l, double w, double h);

// The spectrum (factor 0), or the upper (+1) or lower (-1) abort line: one segment per
// line from StartLine to LineCount - 1, starting from the bottom edge under the first
// breakpoint. Values are limited to 0.1 .. h before their logarithm.
enum class Trace { Spectrum, UpperAbort, LowerAbort };
std::vector<PlotSegment> TracePath(const RandomState& s, double w, double h, Trace trace);

// The whole picture: grid, spectrum, abort lines when `abortLines`, subtitles. The
// caller clears the canvas to the background colour first. The window runs the three
// steps on their own, as its start-up and zoom steps order them.
void DrawAsdPlot(const RandomState& s, bool abortLines, Canvas& canvas);
void DrawGridLines(const RandomState& s, Canvas& canvas);
void DrawTraces(const RandomState& s, bool abortLines, Canvas& canvas);
void DrawSubtitles(const RandomState& s, Canvas& canvas);

inline constexpr Rgb kGridColor{0, 128, 128};
inline constexpr Rgb kAbortColor{255, 255, 0};
Rgb TraceColor(const RandomState& s);

// A text placed by fractions of the window (or of the rendered image) around the plot.
struct PlacedText {
    std::string text;
    double xFraction, yFraction;
    Rgb color;
};

// The decade labels beside the plot, bottom to top: English and Hybrid read the G^2/Hz
// decades, Metric two decades higher.
std::vector<PlacedText> DecadeLabels(const RandomState& s);
// "ASD", the unit text and "Ave." beside the decade labels. Sets PlotLabels 11 to 17 as
// the drawing does.
std::vector<PlacedText> AxisCaptions(RandomState& s);

// What the window's start-up redraw leaves in the state (the layout and the legend
// texts), for a report made where no window drew.
void RedrawWithoutPicture(RandomState& s);

// The frequency row under the plot for an axis setting of 1..4; nothing for others.
std::optional<std::string> FrequencyRowCaption(float xAxisSetting);

// The numbers of that row, each with the frequency it names ("2000Hz." names 2000), so
// they can be placed under their own grid lines instead of by blanks.
struct FrequencyLabel {
    std::string text;
    double freq;
};
std::vector<FrequencyLabel> FrequencyRowLabels(float xAxisSetting);

struct ResultTexts {
    std::string dref, vref, aref, profile, unitText;
};

// An overall acceleration in G as the Gref label shows it in `units`: "6.06 G-RMS",
// "59.4 M/S^2" with Metric, one decimal with Hybrid. The exact G rms of the report and
// the editor's status line use the same form.
std::string GrmsText(double g, Units units, char decimal);
// The result labels in the active unit system, with the locale's decimal separator;
// nothing for a unit code that is none of the three (the labels then stay as they are).
std::optional<ResultTexts> ResultLabels(const RandomState& s, char decimal);

// What the window shows in its labels, as plain data filled from the state: the window
// renders it, the report and vibcalc read it, so none of them reads a widget.
struct Screen {
    std::string title;                      // lblTestTitle
    std::string dref, vref, aref, profile;  // the result row
    std::string time = " ", date = " ";     // blank in this program
    std::string frequencyRow;               // Label14
    std::string force, forceReport;         // lblForce and the report's line; empty
                                            // (and hidden) without a moving mass
};
// The screen after a redraw of `s`: what the state leaves undetermined (a unit or axis
// code that is none) keeps what `previous` showed.
Screen ScreenOf(const RandomState& s, char decimal, Screen previous);

// True when a readout computed at `cursorTime` is older than 3 seconds at `now`
// (seconds since midnight; a readout from before midnight counts across it).
bool CursorReadoutExpired(float cursorTime, double now);

// Frequency and ASD under the click at (CursorX, CursorY). English and Hybrid: the ASD
// in G^2/Hz as the axis shows it; Metric: times 100, as the Metric decade labels read.
std::optional<std::string> CursorReadoutText(const RandomState& s, double w, double h,
                                             char decimal);

// The six zoom steps and the upper and lower limit menus: settings only; the caller
// redraws.
void ZoomFreqIn(RandomState& s);
void ZoomFreqOut(RandomState& s);
void ZoomTopIn(RandomState& s);
void ZoomTopOut(RandomState& s);
void ZoomBottomIn(RandomState& s);
void ZoomBottomOut(RandomState& s);

}  // namespace vib::random
