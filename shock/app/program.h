#pragma once
// Tessalt as one object: its state, its main window and the start-up sequence.

#include <memory>

#include "shock/state.h"
#include "tessalt_window.h"

namespace vib::shock::app {

class TessaltProgram {
  public:
    explicit TessaltProgram(shell::Services& services);
    ~TessaltProgram();

    // Main: defaults, the window created, loaded and shown, the first recompute.
    void Start();

    ShockState& State() { return state_; }
    TessaltWindow& Window() { return *window_; }

  private:
    shell::Services& services_;
    ShockState state_;
    std::unique_ptr<TessaltWindow> window_;
};

}  // namespace vib::shock::app
