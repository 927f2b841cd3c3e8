#include "view.h"

#include "model.h"
#include "platform/numbers.h"

namespace vib::shock {

void ToggleTestView(ShockView& v) {
    v.test = !v.test;
    if (v.test) v.srs = false;
}

void ToggleSrsView(ShockView& v) {
    v.srs = !v.srs;
    if (v.srs) v.test = false;
}

void ToggleAbortView(ShockView& v) {
    v.abort = !v.abort;
}

void ShowTestAfterRecompute(ShockView& v) {
    v.test = true;
    v.srs = false;
}

bool TraceShown(const ShockState& s, int entry) {
    return s.P[entry] == 2.0f;
}

void ToggleTrace(ShockState& s, int entry) {
    s.P[entry] = TraceShown(s, entry) ? 1.0f : 2.0f;
}

void SetPlotBackground(ShockState& s, bool white) {
    s.P[slot::kPlotBackground] = white ? 1.0f : 0.0f;
}

Rgb PlotBackgroundColor(const ShockState& s) {
    return ConsoleColor(s.P[slot::kPlotBackground] == 1.0f ? 15 : 0);
}

// The snaps compare single-precision values: halving 0.05f gives exactly 0.025f.
float ZoomedXIn(float xScale) {
    float x = StoreSingle(xScale * 0.5);
    if (x == 0.125f) x = 0.1f;
    if (x < 0.1f) x = 0.1f;
    return x;
}

float ZoomedXOut(float xScale) {
    float x = StoreSingle(xScale * 2.0);
    if (x == 0.2f) x = 0.25f;
    if (x > 8.0f) x = 8.0f;
    return x;
}

float ZoomedYIn(float yScale) {
    float y = StoreSingle(yScale * 0.5);
    if (y == 0.125f) y = 0.1f;
    if (y == 0.025f) y = 0.02f;
    if (y < 0.01f) y = 0.01f;
    return y;
}

float ZoomedYOut(float yScale) {
    float y = StoreSingle(yScale * 2.0);
    if (y == 0.04f) y = 0.05f;
    if (y == 0.2f) y = 0.25f;
    if (y > 4.0f) y = 4.0f;
    return y;
}

void ZoomXIn(ShockState& s) {
    s.XScale = ZoomedXIn(s.XScale);
}
void ZoomXOut(ShockState& s) {
    s.XScale = ZoomedXOut(s.XScale);
}
void ZoomYIn(ShockState& s) {
    s.YScale = ZoomedYIn(s.YScale);
}
void ZoomYOut(ShockState& s) {
    s.YScale = ZoomedYOut(s.YScale);
}

std::optional<ZoomCommand> ZoomForKey(char key) {
    switch (key) {
        case 'X':
            return ZoomCommand::XIn;
        case 'x':
            return ZoomCommand::XOut;
        case 'Y':
            return ZoomCommand::YIn;
        case 'y':
            return ZoomCommand::YOut;
        default:
            return std::nullopt;
    }
}

void ApplyZoom(ShockState& s, ZoomCommand command) {
    switch (command) {
        case ZoomCommand::XIn:
            return ZoomXIn(s);
        case ZoomCommand::XOut:
            return ZoomXOut(s);
        case ZoomCommand::YIn:
            return ZoomYIn(s);
        case ZoomCommand::YOut:
            return ZoomYOut(s);
    }
}

double SecondsSince(double since, double now) {
    constexpr double kDay = 86400.0;
    const double elapsed = now - since;
    return elapsed < 0.0 ? elapsed + kDay : elapsed;
}

bool CursorReadoutExpired(float cursorTime, double now) {
    return SecondsSince(cursorTime, now) > 3.0;
}

bool TimerHidesCursor(bool cursorVisible, float cursorTime, double now) {
    return cursorVisible && CursorReadoutExpired(cursorTime, now);
}

std::string CursorReadoutText(const ShockState& s, double w, double h, char decimal) {
    const double t = s.CursorX / w * s.XScale * 100.0;
    const double fromMiddle = (0.5 * h - s.CursorY) / h * s.YScale;
    const std::string time = "  Time = " + FormatMask(t, "###.#", decimal) + " Msec. ";
    if (s.UnitSystem() == Units::Metric)
        return time + ", Acc = " + FormatMask(fromMiddle * 1924.0, "###.##", decimal);
    return time + ", G = " + FormatMask(fromMiddle * 200.0, "###.##", decimal);
}

std::string ShowCursorReadout(ShockState& s, double x, double y, double now, double w, double h,
                              char decimal) {
    s.CursorX = StoreSingle(x);
    s.CursorY = StoreSingle(y);
    s.CursorTime = StoreSingle(now);
    return CursorReadoutText(s, w, h, decimal);
}

}  // namespace vib::shock
