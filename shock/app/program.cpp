#include "program.h"

#include "shock/model.h"

namespace vib::shock::app {

TessaltProgram::TessaltProgram(shell::Services& services) : services_(services) {}

TessaltProgram::~TessaltProgram() = default;

void TessaltProgram::Start() {
    InitDefaults(state_);
    // The printer's orientation as found now is what the exit puts back.
    const float orientation = static_cast<float>(services_.printer.Orientation());
    window_ = std::make_unique<TessaltWindow>(state_, services_);
    window_->SetSavedPrinterOrientation(orientation);
    window_->Load();
    window_->ShowMaximizedOnScreen();
    // Guarded like every handler: a limit box of the first redraw holds off the timer.
    window_->Guarded([this] { window_->Recompute(); });
}

}  // namespace vib::shock::app
