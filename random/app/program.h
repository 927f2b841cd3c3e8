#pragma once
// Morvane as one object: its state, its main window and the start-up sequence. The
// executable runs it on the Qt services, the tests on scripted ones.

#include <memory>

#include "morvane_window.h"
#include "random/model.h"

namespace vib::random::app {

class MorvaneProgram {
  public:
    explicit MorvaneProgram(shell::Services& services);
    ~MorvaneProgram();

    // Main: defaults, line set-up, the window created, loaded and shown, the first
    // recompute and the start-up drawings.
    void Start();

    RandomState& State() { return state_; }
    MorvaneWindow& Window() { return *window_; }

  private:
    shell::Services& services_;
    RandomState state_;
    std::unique_ptr<MorvaneWindow> window_;
};

}  // namespace vib::random::app
