#pragma once
// Morvane's printed report: one landscape page that repeats the screen plot with the
// layout of the last screen redraw (so a zoom shows on paper too), the result boxes, the
// title and the banner. Plain computation and printer calls; the window supplies the
// label captions and answers the error box.

#include <string>
#include <vector>

#include "model.h"
#include "platform/dialogs.h"
#include "platform/page_steps.h"
#include "plot.h"

namespace vib::random {

// What the page repeats from the window: its label texts and two settings.
struct ReportInputs {
    std::string testTitle;  // lblTestTitle
    std::string dref, vref, aref, profile, time, date;
    std::string force;       // the force line, empty without a moving mass
    std::string exact;       // the exact G rms of the breakpoints, under the result boxes
    bool abortLines = true;  // View > Abort Limits
    int printColorMode = 0;
    std::string town;  // ends the banner
};

// The page's inputs from the state and what the window shows.
// The exact G rms is worked out here, when a page is made, in the locale's form.
ReportInputs ReportInputsOf(const RandomState& s, const Screen& screen, const std::string& town,
                            char decimal);

// The plot box on the page, as fractions of the page.
inline constexpr double kBoxLeft = 0.15, kBoxRight = 0.9, kBoxTop = 0.1, kBoxBottom = 0.7;

// Where the subtitles and the ASD unit text stand on the page.
inline constexpr double kSubTitleX = 0.30, kSubTitle1Y = 0.106, kSubTitle2Y = 0.13;
inline constexpr double kUnitTextX = 0.08;

double PageFreqX(const PlotLayout& l, double freq);
double PageAsdY(const PlotLayout& l, double asd);

// The plot box outline, the dotted grid of the layout, the six result boxes.
std::vector<PageSegment> PlotBoxSegments();
std::vector<PageSegment> PageGridSegments(const PlotLayout& l);
std::vector<PageSegment> ResultBoxSegments();

// The screen's grid, and its spectrum or an abort line, mapped into the box; the traces
// are cut at the box's edges as the window's picture cuts them, so a zoomed axis keeps
// the curve inside the box.
std::vector<PageSegment> PageTracePath(const RandomState& s, Trace trace);

std::string ReportBanner(const std::string& town);
// The texts of the texts step in the order printed: results, decade labels, legend,
// frequency numbers, title, banner.
std::vector<PageText> ReportTexts(const RandomState& s, const ReportInputs& in);
// The two subtitles inside the box, printed opaque by the frame step after the grid.
std::vector<PageText> SubtitleTexts(const RandomState& s);

// The three drawing steps; each returns false when the user cancelled a failed step.
// The frame step ends with the subtitles, so the grid stays behind them and the
// spectrum in front.
bool PrintFrame(const RandomState& s, const ReportInputs& in, PageSteps& page);
bool PrintSpectrum(const RandomState& s, const ReportInputs& in, PageSteps& page);
bool PrintTexts(const RandomState& s, const ReportInputs& in, PageSteps& page);

// Landscape, frame, spectrum, texts, end of document. A Cancel in the error box abandons
// the report and the print job, so no half-drawn page reaches the printer; returns false
// then.
bool PrintReport(const RandomState& s, const ReportInputs& in, Printer& printer,
                 const PrintErrorHandler& onError);

}  // namespace vib::random
