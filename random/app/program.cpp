#include "program.h"

#include "random/spectrum.h"

namespace vib::random::app {

MorvaneProgram::MorvaneProgram(shell::Services& services) : services_(services) {}

MorvaneProgram::~MorvaneProgram() = default;

void MorvaneProgram::Start() {
    InitDefaults(state_);
    state_.TestTitle = kStartTitle;
    // The printer's orientation as found now is what the exit puts back.
    const float orientation = static_cast<float>(services_.printer.Orientation());
    SetupLines(state_);
    window_ = std::make_unique<MorvaneWindow>(state_, services_);
    window_->SetSavedPrinterOrientation(orientation);
    window_->Load();
    window_->ShowMaximizedOnScreen();
    window_->Recompute();
    window_->DrawGrid();
    window_->DrawAxisText();
    window_->DrawSpectrum();
}

}  // namespace vib::random::app
