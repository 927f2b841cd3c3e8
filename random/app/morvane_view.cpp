// Morvane's redraw, result labels and zoom steps.
#include <QLabel>
#include <algorithm>

#include "morvane_window.h"
#include "platform/numbers.h"

namespace vib::random::app {
namespace {

const char* const kFreqLabels[] = {
    "1            2                  5           10            20                             100         200           500Hz.",
    "2                 5           10            20                             100         200             500   1000Hz.",
    "5            10           20                               100         200                            1000      2000Hz.",
    "10         20                               100         200                             1000        2000      4000Hz."};

std::string LastChars(const std::string& text, std::size_t n) {
    return text.size() <= n ? text : text.substr(text.size() - n);
}

}  // namespace

void MorvaneWindow::Redraw() {
    Plot().Picture().Clear();
    Plot().update();
    ShowResultLabels();
}

void MorvaneWindow::ShowResultLabels() {
    const char dp = Svc().locale.decimal;
    auto set = [this](const char* name, const std::string& text) {
        if (QLabel* label = Label(name)) label->setText(QString::fromStdString(text));
    };
    set("lblTime", " ");
    set("lblDate", " ");
    const float x = state_.Param(prm::XAxisSetting);
    const float axis = x == 0.0f ? 3.0f : x;
    for (int k = 1; k <= 4; ++k)
        if (axis == static_cast<float>(k)) set("Label14", kFreqLabels[k - 1]);

    const float units = state_.Param(prm::UnitsIndex);
    if (units == 0.0f) {
        set("lblDref", "  Dref = " + FormatMask(state_.Dref, "####.#", dp) + " MILS ");
        set("lblVref", "  Vref = " + FormatMask(state_.Vref, "###.##", dp) + " IPS-PK");
        set("lblAref", "  Gref = " + FormatMask(state_.Gref, "###.##", dp) + " G-RMS ");
        state_.PlotLabels[17] = " G^2/Hz";
    } else if (units == 1.0f || units == 2.0f) {
        set("lblDref", "  Dref = " + FormatMask(double(state_.Dref) * 0.0254, "###.##", dp) + " MM    ");
        set("lblVref", "  Vref = " + FormatMask(double(state_.Vref) * 2.54, "###.##", dp) + " CM/S");
        set("lblAref", units == 1.0f
                           ? "  Gref = " + FormatMask(double(state_.Gref) * 9.807, "####.#", dp) + " M/S^2 "
                           : "  Gref = " + FormatMask(state_.Gref, "###.#", dp) + " G-RMS ");
        state_.PlotLabels[17] = "M^2/S^3";
    }
    set("lblProfile", "  " + LastChars(state_.ProfileName, 20));
    if (Svc().clock.SecondsSinceMidnight() - cursorTime_ > 3.0)
        if (QLabel* cursor = Label("lblCursor")) cursor->setVisible(false);
    setWindowTitle(QString::fromStdString(Texts().banner));
}

void MorvaneWindow::StepSetting(int entry, float step, float bound) {
    // Only the side the step moves towards is bounded; a loaded value beyond the other
    // side is stepped as it is.
    float& setting = state_.Param(entry);
    setting = step < 0 ? std::max(setting + step, bound) : std::min(setting + step, bound);
}

void MorvaneWindow::ZoomFreqIn() {
    StepSetting(prm::XAxisSetting, -1, 1);
    DrawAxisText();
    Redraw();
    DrawDecadeLabels();
}

void MorvaneWindow::ZoomFreqOut() {
    StepSetting(prm::XAxisSetting, 1, 4);
    DrawAxisText();
    Redraw();
    DrawDecadeLabels();
}

void MorvaneWindow::ZoomTopIn() {
    StepSetting(prm::YMaxSetting, -1, 0);
    Redraw();
    DrawAxisText();
    DrawDecadeLabels();
}

void MorvaneWindow::ZoomTopOut() {
    StepSetting(prm::YMaxSetting, 1, 4);
    Redraw();
    DrawAxisText();
    DrawDecadeLabels();
}

void MorvaneWindow::ZoomBottomIn() {
    StepSetting(prm::YMinSetting, -1, 0);
    Redraw();
    DrawAxisText();
    DrawDecadeLabels();
}

void MorvaneWindow::ZoomBottomOut() {
    StepSetting(prm::YMinSetting, 1, 4);
    Redraw();
    DrawAxisText();
    DrawDecadeLabels();
}

}  // namespace vib::random::app
