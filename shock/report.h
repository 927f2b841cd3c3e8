#pragma once
// Tessalt's printed report: one landscape page with the frame, the plot box and its
// grid, the results table, every text of the window around the plot, and the plot
// content drawn again into the box. The traces carry the values the screen draws, so
// the screen's value labels printed beside the box read them. Printing changes nothing
// in the state: the test pass integrates on a copy.

#include <array>
#include <string>
#include <vector>

#include "platform/dialogs.h"
#include "platform/force.h"
#include "platform/page_steps.h"
#include "redraw.h"
#include "state.h"

namespace vib::shock {

// The captions of the window's labels that the page repeats.
struct ReportCaptions {
    std::string time, date, dref, vref, aref, profile;  // the results row
    std::string force;                                  // lblForce, empty without a mass
    force::ReportBoxTexts forceReport;                  // the masses and rating beside it
    std::array<std::string, 9> y;                       // lblY0 .. lblY8
    std::array<std::string, 5> x;                       // lblX1 .. lblX5
    std::string testTitle;                              // lblTestTitle
    std::string town;                                   // ends the banner
    char decimal = '.';                                 // for the two extra value labels
};

// The captions a redraw gave the labels (for callers without a window).
ReportCaptions CaptionsFromRedraw(const RedrawOutput& r, const std::string& testTitle,
                                  const std::string& town, char decimal);

inline constexpr double kBoxLeft = 0.15, kBoxRight = 0.9, kBoxTop = 0.1, kBoxBottom = 0.7;
inline constexpr double kBoxZero = 0.4;

std::vector<PageSegment> PlotBoxSegments();
std::vector<PageSegment> PageGridSegments();  // lines and ticks, dotted
std::vector<PageSegment> ResultTableSegments();

std::string ReportBanner(const std::string& town);
// While the response spectrum's window is open (View.response), the box shows the
// spectra with their own axis texts instead of the time traces and their labels.
std::vector<PageText> PageTexts(const ShockState& s, const ReportCaptions& c);

// Where sample i lies across the box, and a value's y clipped into it.
double PageSampleX(int i, float xScale, float ratef);
double PageClipY(double y);

struct PageTrace {
    PageSegment segment;
    Rgb color;
};
// The test-profile pass on paper (traces and abort band, sample by sample), ending at
// the first sample beyond the right edge. Integrates on a copy of `s`.
std::vector<PageTrace> TestProfileOnPage(const ShockState& s);
// The last screen spectrum as a connected curve through the tops of the screen's bars.
std::vector<PageTrace> SpectrumOnPage(const ShockState& s);

// The three routines of the report. A Cancel in the error box leaves the routine.
void PrintPageFrame(const ShockState& s, PageSteps& page);
void PrintPageText(const ShockState& s, const ReportCaptions& c, PageSteps& page);
void PrintPlotContent(const ShockState& s, PageSteps& page);

// Landscape, frame, texts, plot content, end of document: after a Cancel the report goes
// on with its next routine, so the page is still sent. Only a cancelled end of document
// abandons the job, so that no half-sent page is left open for the next report.
void PrintReport(const ShockState& s, const ReportCaptions& c, Printer& printer,
                 const PrintErrorHandler& onError);

}  // namespace vib::shock
