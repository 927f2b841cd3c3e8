#pragma once
// The View menu, the zoom steps and the cursor readout as state changes and texts. The
// window maps its menu items, keys, spin buttons, mouse-downs and timer onto these and
// redraws afterwards; nothing here draws.

#include <optional>
#include <string>

#include "platform/dialogs.h"
#include "state.h"

namespace vib::shock {

// Test Profile and the spectrum switch each other off whenever one is switched on, by the
// menu or by a recompute (which always shows Test Profile); both may be off, never both
// on: time traces under Hz labels would read wrong.
void ToggleTestView(ShockView& v);
void ToggleSrsView(ShockView& v);
void ToggleAbortView(ShockView& v);
void ShowTestAfterRecompute(ShockView& v);

// The trace switches P(24) displacement, P(25) velocity, P(26) acceleration: 2 shown,
// anything else hidden. A toggle writes 2 or 1.
inline constexpr int kDispShown = 24;
inline constexpr int kVelShown = 25;
inline constexpr int kAccShown = 26;
bool TraceShown(const ShockState& s, int entry);
void ToggleTrace(ShockState& s, int entry);

// The plot background entry: 0 black, 1 white.
void SetPlotBackground(ShockState& s, bool white);
Rgb PlotBackgroundColor(const ShockState& s);

// One zoom step with the snap that keeps the scale on its ladder (time axis 0.1, 0.25,
// 0.5 ... 8; value axis 0.01, 0.02, 0.05, 0.1, 0.25, 0.5 ... 4).
float ZoomedXIn(float xScale);
float ZoomedXOut(float xScale);
float ZoomedYIn(float yScale);
float ZoomedYOut(float yScale);
// The same on the state; the caller redraws.
void ZoomXIn(ShockState& s);
void ZoomXOut(ShockState& s);
void ZoomYIn(ShockState& s);
void ZoomYOut(ShockState& s);

enum class ZoomCommand { XIn, XOut, YIn, YOut };
// Keys "X", "x", "Y", "y", matched case-sensitively; nothing for any other key.
std::optional<ZoomCommand> ZoomForKey(char key);
void ApplyZoom(ShockState& s, ZoomCommand command);

// Elapsed seconds from `since` to `now` on a clock that restarts at midnight: a `now`
// before `since` means the day has turned.
double SecondsSince(double since, double now);
// The readout lapses after 3 seconds.
bool CursorReadoutExpired(float cursorTime, double now);
// What the timer does every 250 ms: hide a visible readout that has lapsed, then redraw.
bool TimerHidesCursor(bool cursorVisible, float cursorTime, double now);

// The readout for a click at (CursorX, CursorY) on a picture of inner size w x h twips:
// the time in ms and the acceleration under the pointer. English and Hybrid read G, as
// their value axis does; Metric reads m/s^2.
std::string CursorReadoutText(const ShockState& s, double w, double h, char decimal);

// Mouse-down: stores the click and its time and returns the readout text.
std::string ShowCursorReadout(ShockState& s, double x, double y, double now, double w, double h,
                              char decimal);

}  // namespace vib::shock
