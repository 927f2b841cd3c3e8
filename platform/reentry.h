#pragma once
// Keeps a piece of work from starting again while it is still running: a handler whose
// modal box is open lets the event loop deliver the next click, key or timer tick.

namespace vib {

class ReentryGuard {
  public:
    bool Busy() const { return busy_; }
    // Runs `work` unless a run is still in progress; false when it was refused.
    template <class Work>
    bool Run(Work&& work) {
        if (busy_) return false;
        busy_ = true;
        struct Release {
            bool& flag;
            ~Release() { flag = false; }
        } release{busy_};
        work();
        return true;
    }

  private:
    bool busy_ = false;
};

}  // namespace vib
