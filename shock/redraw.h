#pragma once
// The whole redraw as the window and the batch tool run it, the result labels above the
// plot, and the gate that keeps the limit boxes from stacking up or re-entering a redraw.

#include <optional>
#include <string>
#include <vector>

#include "platform/canvas.h"
#include "platform/dialogs.h"
#include "platform/force.h"
#include "platform/reentry.h"
#include "plot.h"
#include "state.h"

namespace vib::shock {

// What a redraw needs from the desktop.
struct RedrawInputs {
    std::string timeText;  // the desktop's short formats
    std::string dateText;
    double now = 0.0;    // seconds since midnight
    char decimal = '.';  // the locale's decimal separator for the labels
    std::string banner;  // the calculator's window caption
};

struct ResultLabels {
    std::string time, date;             // lblTime, lblDate
    std::string dref, vref, aref;       // lblDref, lblVref, lblAref
    std::string profile;                // lblProfile
    std::string force;                  // lblForce: empty (and hidden) without a moving mass
    force::ReportBoxTexts forceReport;  // the report's masses and rating beside it
    bool hideCursor = false;            // lblCursor has lapsed
    std::optional<std::string> caption;
};

// The result row in the active unit system with the display masks.
ResultLabels ShowResultLabels(const ShockState& s, const RedrawInputs& in);

struct RedrawOutput {
    TimeAxisLabels time;
    ValueAxisLabels values;
    ResultLabels results;
    std::vector<std::string> limitMessages;  // to show after the picture is complete
};

// Aeff, grid, axis labels, the passes and the result labels, into a canvas the caller has
// cleared to PlotBackgroundColor.
RedrawOutput RedrawPlot(ShockState& s, Canvas& c, const RedrawInputs& in);
// The same redraw where no window draws (a report made in a batch): the passes run on a
// picture of the window's design size that keeps nothing.
RedrawOutput RedrawWithoutPicture(ShockState& s, const RedrawInputs& in);

// What the limit checks compare: the peaks of the test pass, the unit system, the three
// limits and the force check's masses and rated force.
struct CheckedValues {
    float peakAcc, peakVel, peakDisp;
    float units, maxD, maxV, maxA;
    double armatureLb, fixtureLb, testItemLb, ratedLbf;  // as the force check reads them
    friend bool operator==(const CheckedValues&, const CheckedValues&) = default;
};
CheckedValues CheckedValuesOf(const ShockState& s);

// Shows the limit boxes of a redraw one after the other. The boxes are modal, so the
// timer and other commands still run while one is open; the window asks Busy() before
// each redraw and skips it meanwhile, so no redraw runs inside a box and no second set of
// boxes opens on top of the first. A check of the same values as the check before
// shows nothing: zooming, refreshing or the timer redraw an unchanged test, while a
// change of the peaks, the units or a limit warns again.
class LimitBoxes {
  public:
    bool Busy() const { return guard_.Busy(); }
    void Show(MessageBox& box, const std::vector<std::string>& messages,
              const CheckedValues& checked);

  private:
    ReentryGuard guard_;
    std::optional<CheckedValues> last_;
};

// Where a label around the picture stands, relative to the picture: beside it (right
// edge of the text at x, centred on y) or under it (centred on x, top at y, `row` lines
// further down).
enum class LabelSide { Left, Below };
struct PlacedLabel {
    std::string name;
    std::string text;
    double x, y;  // fractions of the picture's width and height
    LabelSide side;
    int row = 0;
};
std::vector<PlacedLabel> PlaceAxisLabels(const TimeAxisLabels& time, const ValueAxisLabels& values);

}  // namespace vib::shock
