// Tessalt's check marks, recompute, redraw, result labels and zoom steps.
#include <QLabel>

#include "menus.h"
#include "platform/numbers.h"
#include "shock/integration.h"
#include "shock/model.h"
#include "shock/synthesis.h"
#include "tessalt_window.h"

namespace vib::shock::app {
namespace {

std::string LastChars(const std::string& text, std::size_t n) {
    return text.size() <= n ? text : text.substr(text.size() - n);
}

}  // namespace

void TessaltWindow::SyncMenuChecks() {
    const auto& P = state_.P;
    for (int code = 1; code <= 8; ++code) {
        if (P[param::kShape] != static_cast<float>(code)) continue;
        for (int other = 1; other <= 8; ++other) SetChecked(kShapeItems[other - 1], other == code);
    }
    if (P[param::kPolarity] == 2.0f) {
        SetChecked("mnuShockPolarityNeg", true);
        SetChecked("mnuShockPolarityPos", false);
    }
    if (P[param::kPolarity] == 1.0f) {
        SetChecked("mnuShockPolarityPos", true);
        SetChecked("mnuShockPolarityNeg", false);
    }
    const char* const units[] = {"mnuSystemUnitsEnglish", "mnuSystemUnitsMetric", "mnuSystemUnitsHybrid"};
    for (int u = 0; u < 3; ++u) {
        if (P[param::kUnits] != static_cast<float>(u)) continue;
        for (int other = 0; other < 3; ++other) SetChecked(units[other], other == u);
    }
    SetChecked("mnuViewDisp", P[24] == 2.0f);
    SetChecked("mnuViewVel", P[25] == 2.0f);
    SetChecked("mnuViewAcc", P[26] == 2.0f);
    if (P[shell::kPlotBackground] == 0.0f) {
        SetChecked("mnuViewPlotColorBlack", true);
        SetChecked("mnuViewPlotColorWhite", false);
    }
    if (P[shell::kPlotBackground] == 1.0f) {
        SetChecked("mnuViewPlotColorWhite", true);
        SetChecked("mnuViewPlotColorBlack", false);
    }
    SetChecked("mnuSystemSepsEnglish", P[shell::kSeparatorMode] == 0.0f);
    SetChecked("mnuSystemSepsReversed", P[shell::kSeparatorMode] == 1.0f);
}

void TessaltWindow::Recompute() {
    SyncMenuChecks();
    SynthesizePulse(state_);
    SetChecked("mnuViewTest", true);
    Redraw();
}

void TessaltWindow::Redraw() {
    Plot().Picture().Clear();
    Plot().update();
    state_.Aeff = ComputeAeff(state_);
    // The traces come with the plot; the pass already yields the peaks for the labels.
    if (Checked("mnuViewTest")) RunTestPass(state_);
    ShowResultLabels();
}

void TessaltWindow::ShowResultLabels() {
    const char dp = Svc().locale.decimal;
    auto set = [this](const char* name, const std::string& text) {
        if (QLabel* label = Label(name)) label->setText(QString::fromStdString(text));
    };
    set("lblTime", " " + Svc().clock.TimeText());
    set("lblDate", " " + Svc().clock.DateText());
    const float units = state_.P[param::kUnits];
    const double disp = state_.PeakDisp, vel = state_.PeakVel, acc = state_.PeakAcc;
    if (units == 0.0f) {
        set("lblDref", " Dref = " + FormatMask(2.0 * disp, "####.#", dp) + " MILS ");
        set("lblVref", " Vref = " + FormatMask(vel, "###.##", dp) + " IPS-PK");
        set("lblAref", " Gref = " + FormatMask(acc, "###.##", dp) + " G-PK  ");
    } else if (units == 1.0f) {
        set("lblDref", " Dref = " + FormatMask(disp * 0.0508, "###.##", dp) + " MM    ");
        set("lblVref", " Vref = " + FormatMask(vel * 2.54, "###.##", dp) + " CM/S");
        set("lblAref", " Gref = " + FormatMask(acc * 9.807, "####.#", dp) + " M/S^2 ");
    } else if (units == 2.0f) {
        set("lblDref", " Dref = " + FormatMask(disp * 0.0508, "####.#", dp) + " MM    ");
        set("lblVref", " Vref = " + FormatMask(vel * 2.54, "###.##", dp) + " CM/S");
        set("lblAref", " Gref = " + FormatMask(acc, "###.##", dp) + " G-PK ");
    }
    set("lblProfile", LastChars(state_.ProfileName, 20));
    if (Svc().clock.SecondsSinceMidnight() - cursorTime_ > 3.0)
        if (QLabel* cursor = Label("lblCursor")) cursor->setVisible(false);
    if (state_.BrandingMode == 9 || state_.BrandingMode == 10)
        setWindowTitle(QString::fromStdString(Texts().banner));
}

void TessaltWindow::ZoomXIn() {
    float& s = state_.XScale;
    s = StoreSingle(s * 0.5);
    if (s == 0.125f || s < 0.1f) s = 0.1f;
    Redraw();
}

void TessaltWindow::ZoomXOut() {
    float& s = state_.XScale;
    s = StoreSingle(s * 2.0);
    if (s == 0.2f) s = 0.25f;
    if (s > 8.0f) s = 8.0f;
    Redraw();
}

void TessaltWindow::ZoomYIn() {
    float& s = state_.YScale;
    s = StoreSingle(s * 0.5);
    if (s == 0.125f) s = 0.1f;
    if (s == 0.025f) s = 0.02f;
    if (s < 0.01f) s = 0.01f;
    Redraw();
}

void TessaltWindow::ZoomYOut() {
    float& s = state_.YScale;
    s = StoreSingle(s * 2.0);
    if (s == 0.04f) s = 0.05f;
    if (s == 0.2f) s = 0.25f;
    if (s > 4.0f) s = 4.0f;
    Redraw();
}

}  // namespace vib::shock::app
