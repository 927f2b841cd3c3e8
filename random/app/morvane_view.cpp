// Morvane's redraw, the texts around the plot, the cursor readout and the zoom steps.
// The geometry and texts come from the plot module; this file only puts them on screen.
#include <QFontMetricsF>
#include <QLabel>
#include <algorithm>

#include "morvane_window.h"
#include "names.h"
#include "profile_editor.h"
#include "random/plot.h"
#include "shell/picture_canvas.h"

namespace vib::random::app {

void MorvaneWindow::Redraw() {
    // Every command that changes the profile or the units ends here, so an open editor
    // never keeps showing (and later writing back) what the model no longer holds.
    if (editor_) editor_->Follow(state_);
    // The picture follows the background setting, also when a profile brought it.
    shell::TwipsPicture& picture = Plot().Picture();
    const Rgb back = BackgroundColor(state_.Param(prm::PlotBackground));
    if (!(picture.BackColor() == back)) picture.SetBackColor(back);
    picture.Clear();
    DrawGrid();
    DrawSpectrum();
    DrawAxisText();
    ShowResultLabels();
}

void MorvaneWindow::DrawGrid() {
    ApplyPlotLayout(state_);
    shell::PictureCanvas canvas(Plot().Picture());
    DrawGridLines(state_, canvas);
    Plot().update();
}

void MorvaneWindow::DrawSpectrum() {
    shell::PictureCanvas canvas(Plot().Picture());
    DrawTraces(state_, state_.AbortLines, canvas);
    Plot().update();
}

void MorvaneWindow::DrawAxisText() {
    shell::PictureCanvas canvas(Plot().Picture());
    DrawSubtitles(state_, canvas);
    Plot().update();
    DrawDecadeLabels();
}

void MorvaneWindow::DrawDecadeLabels() {
    shell::TwipsPicture& form = Surface().Picture();
    // The window's own picture holds only the texts around the plot, all drawn here, so
    // it is simply renewed at a new size.
    if (form.Image().deviceIndependentSize() != QSizeF(Surface().size())) form.Clear();
    const double fw = form.ScaleWidth();
    const double fh = form.ScaleHeight();
    // The whole strip left of the plot is drawn afresh, from the window's top edge (the
    // top label stands above the plot's top), so a label or unit text of an earlier view
    // never shows through.
    form.FillBox(0, 0, 0.1 * fw - 15, 0.8 * fh, form.BackColor());
    form.SetFontSize(12);
    shell::PictureCanvas canvas(form);
    const double lineHeight = 0.02 * fh;  // labels are centred on their grid line
    for (const auto& t : DecadeLabels(state_))
        canvas.Text(t.xFraction * fw, t.yFraction * fh - lineHeight, t.text, t.color);
    form.SetFontSize(9);
    for (const auto& t : AxisCaptions(state_))
        canvas.Text(t.xFraction * fw, t.yFraction * fh - lineHeight, t.text, t.color);
    DrawFrequencyRow();
    Surface().update();
}

void MorvaneWindow::DrawFrequencyRow() {
    // Label14 keeps the row's caption, but its blanks line the numbers up with the grid
    // only in one font at one width; drawn here, each number sits under its own line.
    QLabel* row = Label(names::Label14);
    if (!row) return;
    row->setVisible(false);
    shell::TwipsPicture& form = Surface().Picture();
    const double tpp = form.TwipsPerPixel();
    const double formWidth = Surface().width() * tpp;
    const QRect area = row->geometry();
    const QRect plot = Plot().geometry();
    form.FillBox(0, area.top() * tpp, formWidth, (area.bottom() + 1) * tpp, form.BackColor());
    const QFont font = row->font();
    form.SetFontSize(font.pointSizeF());
    form.SetForeColor(Rgb{0, 0, 0});
    const QFontMetricsF metrics(font);
    for (const auto& label : FrequencyRowLabels(state_.Param(prm::XAxisSetting))) {
        const double width = metrics.horizontalAdvance(QString::fromStdString(label.text)) * tpp;
        const double x = plot.left() * tpp + FreqToX(state_.Layout, plot.width() * tpp, label.freq);
        form.CurrentX = std::clamp(x - width / 2, 0.0, std::max(0.0, formWidth - width));
        form.CurrentY = area.top() * tpp;
        form.Print(label.text);
    }
}

void MorvaneWindow::ShowResultLabels() {
    screen_ = ScreenOf(state_, Svc().locale.decimal, std::move(screen_));
    ShowText(names::lblTestTitle, screen_.title);
    ShowText(names::lblTime, screen_.time);
    ShowText(names::lblDate, screen_.date);
    ShowText(names::Label14, screen_.frequencyRow);
    ShowText(names::lblDref, screen_.dref);
    ShowText(names::lblVref, screen_.vref);
    ShowText(names::lblAref, screen_.aref);
    ShowText(names::lblProfile, screen_.profile);
    ShowText(names::lblForce, screen_.force);
    if (QLabel* force = Label(names::lblForce)) force->setVisible(!screen_.force.empty());
    // The result row's unit text is also the legend's, as the report prints it.
    if (const auto texts = ResultLabels(state_, Svc().locale.decimal))
        state_.PlotLabels[17] = texts->unitText;
    if (CursorReadoutExpired(state_.CursorTime, Svc().clock.SecondsSinceMidnight()))
        if (QLabel* cursor = Label(names::lblCursor)) cursor->setVisible(false);
    setWindowTitle(QString::fromStdString(Texts().banner));
}

void MorvaneWindow::CursorClicked(int, double xTwips, double yTwips) {
    state_.CursorX = static_cast<float>(xTwips);
    state_.CursorY = static_cast<float>(yTwips);
    ShowCursorReadout();
}

void MorvaneWindow::ShowCursorReadout() {
    state_.CursorTime = static_cast<float>(Svc().clock.SecondsSinceMidnight());
    const shell::TwipsPicture& picture = Plot().Picture();
    QLabel* cursor = Label(names::lblCursor);
    if (!cursor) return;
    // Hybrid units keep the previous text; the label is shown in every case.
    if (const auto text = CursorReadoutText(state_, picture.ScaleWidth(), picture.ScaleHeight(),
                                            Svc().locale.decimal))
        cursor->setText(QString::fromStdString(*text));
    cursor->setVisible(true);
}

void MorvaneWindow::AfterZoom(bool axisTextFirst) {
    if (axisTextFirst) DrawAxisText();
    Redraw();
    if (!axisTextFirst) DrawAxisText();
    DrawDecadeLabels();
}

void MorvaneWindow::ZoomFreqIn() {
    random::ZoomFreqIn(state_);
    AfterZoom(true);
}

void MorvaneWindow::ZoomFreqOut() {
    random::ZoomFreqOut(state_);
    AfterZoom(true);
}

void MorvaneWindow::ZoomTopIn() {
    random::ZoomTopIn(state_);
    AfterZoom(false);
}

void MorvaneWindow::ZoomTopOut() {
    random::ZoomTopOut(state_);
    AfterZoom(false);
}

void MorvaneWindow::ZoomBottomIn() {
    random::ZoomBottomIn(state_);
    AfterZoom(false);
}

void MorvaneWindow::ZoomBottomOut() {
    random::ZoomBottomOut(state_);
    AfterZoom(false);
}

void MorvaneWindow::SetYMax(float setting) {
    state_.Param(prm::YMaxSetting) = setting;
    Redraw();
}

void MorvaneWindow::SetYMin(float setting) {
    state_.Param(prm::YMinSetting) = setting;
    Redraw();
}

}  // namespace vib::random::app
