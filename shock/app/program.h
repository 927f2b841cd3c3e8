#pragma once
// Tessalt as one object: its state, its main window and the start-up sequence.

#include <memory>

#include "shock/state.h"
#include "tessalt_window.h"

namespace vib::shock::app {

class TessaltProgram {
  public:
    // `files` holds the profiles and waveshapes; `timer` drives Timer1 (the tests pass
    // scripted ones); a null timer: a Qt timer.
    TessaltProgram(shell::Services& services, FileSystem& files,
                   std::unique_ptr<PeriodicTimer> timer = nullptr);
    ~TessaltProgram();

    // Main: defaults, the window created, loaded and shown, the first recompute.
    void Start();

    ShockState& State() { return state_; }
    TessaltWindow& Window() { return *window_; }

  private:
    shell::Services& services_;
    FileSystem& files_;
    std::unique_ptr<PeriodicTimer> timer_;
    ShockState state_;
    std::unique_ptr<TessaltWindow> window_;
};

}  // namespace vib::shock::app
