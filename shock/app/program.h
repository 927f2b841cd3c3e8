#pragma once
// Tessalt as one object: its state, its main window and the start-up sequence.

#include <memory>

#include "shock/state.h"
#include "tessalt_window.h"

namespace vib::shock::app {

class TessaltProgram {
public:
    // `timer` drives Timer1 (the tests pass a scripted one); null: a Qt timer.
    TessaltProgram(shell::Services& services, std::unique_ptr<PeriodicTimer> timer = nullptr);
    ~TessaltProgram();

    // Main: defaults, the window created, loaded and shown, the first recompute.
    void Start();

    ShockState& State() { return state_; }
    TessaltWindow& Window() { return *window_; }

private:
    shell::Services& services_;
    std::unique_ptr<PeriodicTimer> timer_;
    ShockState state_;
    std::unique_ptr<TessaltWindow> window_;
};

}  // namespace vib::shock::app
