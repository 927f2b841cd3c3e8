// Tessalt's check marks, recompute, redraw, View menu, zoom steps, cursor readout and
// Timer1: the window's side of the plot module.
#include <QLabel>

#include "menus.h"
#include "names.h"
#include "shell/picture_canvas.h"
#include "shell/spin_button.h"
#include "shock/model.h"
#include "shock/synthesis.h"
#include "shock/view.h"
#include "tessalt_window.h"

namespace vib::shock::app {

void TessaltWindow::SyncMenuChecks() {
    for (const auto& [name, checked] : TessaltMarks(state_)) SetChecked(name, checked);
    ShowShellSettings();
}

void TessaltWindow::Recompute() {
    SynthesizePulse(state_);
    ShowTestAfterRecompute(state_.View);
    SyncMenuChecks();
    Redraw();
}

RedrawInputs TessaltWindow::Inputs() {
    RedrawInputs in;
    in.timeText = Svc().clock.TimeText();
    in.dateText = Svc().clock.DateText();
    in.now = Svc().clock.SecondsSinceMidnight();
    in.decimal = Svc().locale.decimal;
    in.banner = Texts().banner;
    return in;
}

void TessaltWindow::Redraw() {
    // A limit box of an earlier redraw is still open: this redraw would draw under it
    // and could open a second set of boxes on top.
    if (limitBoxes_.Busy()) return;
    const std::vector<std::string> messages = DrawPicture();
    // The boxes come after the picture and labels are complete, so the user sees what
    // they warn about; only a test-profile pass checks.
    if (state_.View.test) limitBoxes_.Show(Svc().box, messages, CheckedValuesOf(state_));
}

void TessaltWindow::PlotResized() {
    // The picture takes its new size at the next clear. Only the drawing is renewed: a
    // change of window size is no reason to repeat the limit warnings.
    if (!limitBoxes_.Busy()) DrawPicture();
}

std::vector<std::string> TessaltWindow::DrawPicture() {
    shell::TwipsPicture& picture = Plot().Picture();
    picture.SetBackColor(PlotBackgroundColor(state_));  // also clears
    shell::PictureCanvas canvas(picture);
    const RedrawOutput out = shock::RedrawPlot(state_, canvas, Inputs());
    screen_ = CaptionsFromRedraw(out, state_.TestTitle, shell::kMakerTown, Svc().locale.decimal);
    ShowLabels(out);
    UpdateResponse();
    Plot().update();
    return out.limitMessages;
}

void TessaltWindow::ShowLabels(const RedrawOutput& out) {
    for (int k = 0; k < 5; ++k) ShowText("lblX" + std::to_string(k + 1), out.time.x[k]);
    ShowText(names::lblXaxis, out.time.unit);
    if (auto* spin = findChild<shell::SpinButton*>(names::spnXaxis))
        spin->setVisible(out.time.spinVisible);
    for (int k = 0; k < 9; ++k) ShowText("lblY" + std::to_string(k), out.values[k]);

    ShowText(names::lblTestTitle, state_.TestTitle);
    const ResultLabels& r = out.results;
    ShowText(names::lblTime, r.time);
    ShowText(names::lblDate, r.date);
    ShowText(names::lblDref, r.dref);
    ShowText(names::lblVref, r.vref);
    ShowText(names::lblAref, r.aref);
    ShowText(names::lblProfile, r.profile);
    ShowText(names::lblForce, r.force);
    if (QLabel* force = Label(names::lblForce)) force->setVisible(!r.force.empty());
    if (QLabel* credits = Label(names::lblStatus)) credits->setVisible(r.force.empty());
    if (r.hideCursor)
        if (QLabel* cursor = Label(names::lblCursor)) cursor->setVisible(false);
    if (r.caption) setWindowTitle(QString::fromStdString(*r.caption));
}

void TessaltWindow::OnViewTest() {
    ToggleTestView(state_.View);
    SyncMenuChecks();
    Redraw();
}

void TessaltWindow::OnViewSrs() {
    ToggleSrsView(state_.View);
    SyncMenuChecks();
    Redraw();
}

void TessaltWindow::OnViewTrace(int entry) {
    ToggleTrace(state_, entry);
    SyncMenuChecks();
    Redraw();
}

void TessaltWindow::Zoom(ZoomCommand command) {
    ApplyZoom(state_, command);
    Redraw();
}

bool TessaltWindow::ZoomKey(char key) {
    const auto command = ZoomForKey(key);
    if (command) Zoom(*command);
    return command.has_value();
}

void TessaltWindow::CursorClicked(int, double xTwips, double yTwips) {
    const shell::TwipsPicture& picture = Plot().Picture();
    const std::string text =
        ShowCursorReadout(state_, xTwips, yTwips, Svc().clock.SecondsSinceMidnight(),
                          picture.ScaleWidth(), picture.ScaleHeight(), Svc().locale.decimal);
    if (QLabel* cursor = Label(names::lblCursor)) {
        cursor->setText(QString::fromStdString(text));
        cursor->setVisible(true);
    }
}

void TessaltWindow::TimerTick() {
    if (limitBoxes_.Busy()) return;
    QLabel* cursor = Label(names::lblCursor);
    if (!cursor) return;
    if (!TimerHidesCursor(!cursor->isHidden(), state_.CursorTime,
                          Svc().clock.SecondsSinceMidnight()))
        return;
    cursor->setVisible(false);
    Redraw();
}

}  // namespace vib::shock::app
