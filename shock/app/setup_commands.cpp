// The Shock Setup commands and Manual Mode Steps: each asks for at most one number,
// checks it, writes one parameter and runs as much of the recompute as it needs.
#include <cmath>

#include "menus.h"
#include "names.h"
#include "platform/numbers.h"
#include "pulse_setup.h"
#include "response_window.h"
#include "shock/model.h"
#include "shock/response_spectrum.h"
#include "shock/synthesis.h"
#include "tessalt_window.h"

namespace vib::shock::app {

std::string TessaltWindow::Offer(float value) {
    // The shortest text that reads back to the same Single, so accepting the offer
    // changes nothing.
    std::string offer = FloatToText(value);
    for (char& c : offer)
        if (c == '.') c = Svc().locale.decimal;
    return offer;
}

std::optional<double> TessaltWindow::AskNumber(const std::string& prompt, const std::string& title,
                                               const std::string& offer) {
    // A number that would be infinite in single precision is no number to store.
    return ParseStorableNumber(Svc().input.Ask(prompt, title, offer), Svc().locale);
}

void TessaltWindow::OutOfBounds(const std::string& text) {
    Svc().box.Show(text, BoxButtons::Ok, BoxIcon::None, kOutOfBoundsTitle);
}

void TessaltWindow::OnShape(int code) {
    SetChecked(names::mnuShockShapeCustom, false);
    state_.P[param::kShape] = static_cast<float>(code);
    Recompute();
}

void TessaltWindow::OnAmplitude() {
    float& amplitude = state_.P[param::kAmplitude];
    // Only Metric holds the amplitude in m/s^2; Hybrid (and any other setting) in G, as
    // the redraw reads it.
    const bool metric = state_.UnitSystem() == Units::Metric;
    const auto x = AskNumber(
        metric ? "Enter Shock Pulse Amplitude in M/Sec^2" : "Enter Shock Pulse Amplitude in G-peak",
        kSetupTitle, Offer(amplitude));
    if (!x) return;
    const AmplitudeRange range = AmplitudeRangeFor(state_.UnitSystem(), Svc().locale.decimal);
    const float stored = StoreSingle(*x);
    if (stored < range.low || stored > range.high) return OutOfBounds(range.message);
    amplitude = stored;
    // The amplitude enters only the drawing, so the pulse stays as synthesised.
    ShowTestAfterRecompute(state_.View);
    SyncMenuChecks();
    Redraw();
}

// The response spectrum's oscillator; entry 88 keeps it with the profile (0 reads as 10).
void TessaltWindow::OnResponseQ() {
    float& q = state_.P[kResponseQ];
    const auto x = AskNumber("Enter the Q of the response spectrum; the default value is 10.",
                             kSetupTitle, Offer(static_cast<float>(ResponseQ(state_))));
    if (!x) return;
    if (*x < kMinQ || *x > kMaxQ) return OutOfBounds(" The Number must be between 0.5 and 100.");
    q = StoreSingle(*x);
    UpdateResponse();
}

void TessaltWindow::OnViewResponse() {
    state_.View.response = !state_.View.response;
    if (state_.View.response && !response_) {
        response_ = new ResponseWindow(this);
        connect(response_, &ResponseWindow::Closed, this, [this] {
            state_.View.response = false;
            SyncMenuChecks();
        });
    }
    if (response_) response_->setVisible(state_.View.response);
    UpdateResponse();
    SyncMenuChecks();
}

void TessaltWindow::UpdateResponse() {
    if (response_ && state_.View.response) response_->ShowState(state_, Svc().locale.decimal);
}

void TessaltWindow::OnDurationTime() {
    float& duration = state_.P[param::kDurationMs];
    const auto x = AskNumber("Shock Pulse Duration In Msec.", kSetupTitle, Offer(duration));
    if (!x) return;
    if (*x < 0.5 || *x > 100) return OutOfBounds(kDurationRange);
    duration = StoreSingle(*x);
    ChooseSampleRate();
}

void TessaltWindow::OnDurationFreq() {
    float& duration = state_.P[param::kDurationMs];
    const auto f = AskNumber("Shock Pulse Duration Entered In Hertz", kSetupTitle,
                             Offer(StoreSingle(500.0 / duration)));
    if (!f) return;
    const bool inRange = *f >= 5 && *f <= 1000;
    if (!inRange) OutOfBounds(kFrequencyRange);
    for (const std::string& note : FrequencyNotes(*f))
        Svc().box.Show(note, BoxButtons::Ok, BoxIcon::None, "");
    if (!inRange) return;
    // The entry is the sine whose half period is the pulse duration.
    duration = StoreSingle(500.0 / *f);
    ChooseSampleRate();
}

void TessaltWindow::ChooseSampleRate() {
    const int index = RateIndexFor(state_.P[param::kDurationMs]);
    state_.P[param::kRateIndex] = static_cast<float>(index);
    state_.RATEF = StoreSingle(std::pow(2.0, index - 1));
    Recompute();
}

// Polarity and compensation change the pulse: the marks follow P, and the plot and the
// results show the new pulse at once, in the view that is shown.
void TessaltWindow::Resynthesize() {
    SyncMenuChecks();
    SynthesizePulse(state_);
    Redraw();
}

void TessaltWindow::OnPolarity(bool negative) {
    state_.P[param::kPolarity] = negative ? 2.0f : 1.0f;
    Resynthesize();
}

void TessaltWindow::OnCompAuto() {
    state_.P[param::kCompMode] = 0;
    state_.P[param::kPreLevel] = 13;
    state_.P[param::kPostLevel] = 13;
    Resynthesize();
}

void TessaltWindow::OnCompManual() {
    state_.P[param::kCompMode] = 1;
    if (state_.P[param::kPreLevel] < 1) state_.P[param::kPreLevel] = 13;
    if (state_.P[param::kPostLevel] < 1) state_.P[param::kPostLevel] = 13;
    Resynthesize();
}

void TessaltWindow::OnCompLevel(int entry, const char* prompt) {
    // The offer is the automatic level of the current shape, not the stored manual one,
    // in seven digits: the levels are 16.7, 23.58, 8.5 and 13.1 %.
    const float automatic = StoreSingle(AutoCompLevel(state_.PulseShape()) * 100.0);
    const auto x = AskNumber(prompt, kSetupTitle, FormatGeneral(automatic, Svc().locale.decimal));
    if (!x) return;
    if (*x < 1 || *x > 25) return OutOfBounds(kLevelRange);
    state_.P[static_cast<std::size_t>(entry)] = StoreSingle(*x);
    Recompute();
}

void TessaltWindow::OnManualSteps() {
    float& step = state_.P[kManualStepEntry];
    if (step == 0) step = 0.1f;  // never offer 0
    const auto x = AskNumber(" Enter the Manual Mode Level step size multiplier",
                             " Setup Manual Mode stepsize", Offer(step));
    if (x && *x > 0) step = StoreSingle(*x);
}

void TessaltWindow::BindSetupCommands() {
    for (int code = 1; code <= 8; ++code)
        BindAction(kShapeItems[code - 1], [this, code] { OnShape(code); });
    Bind(names::mnuShockShapeCustom, &TessaltWindow::OnCustomShape);
    Bind(names::mnuShockAmplitude, &TessaltWindow::OnAmplitude);
    Bind(names::mnuShockDurationTime, &TessaltWindow::OnDurationTime);
    Bind(names::mnuShockDurationFreq, &TessaltWindow::OnDurationFreq);
    BindAction(names::mnuShockPolarityPos, [this] { OnPolarity(false); });
    BindAction(names::mnuShockPolarityNeg, [this] { OnPolarity(true); });
    Bind(names::mnuShockCompAuto, &TessaltWindow::OnCompAuto);
    Bind(names::mnuShockCompManual, &TessaltWindow::OnCompManual);
    BindAction(names::mnuShockCompLevelsPre, [this] {
        OnCompLevel(param::kPreLevel,
                    "Shock Pulse Pre-compensation Pulse In %; the default value is 16.7.");
    });
    BindAction(names::mnuShockCompLevelsPost, [this] {
        OnCompLevel(param::kPostLevel,
                    "Shock Pulse Post-compensation Pulse In %; the default value is 16.7.");
    });
    Bind(names::mnuSystemManualSteps, &TessaltWindow::OnManualSteps);
    Bind(names::mnuViewResponseQ, &TessaltWindow::OnResponseQ);
    Bind(names::mnuViewResponse, &TessaltWindow::OnViewResponse);
    Bind(names::mnuFileOpenProfile, &TessaltWindow::OnOpenProfile);
    Bind(names::mnuFileSaveProfile, &TessaltWindow::OnSaveProfile);
}

}  // namespace vib::shock::app
