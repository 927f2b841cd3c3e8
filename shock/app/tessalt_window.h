#pragma once
// frmTSL, Tessalt's main window: the shell plus the shock calculator's hooks, the two
// zoom spin buttons and Timer1. The window works on the program's ShockState.

#include <memory>

#include "shell/shell_window.h"
#include "shock/state.h"

namespace vib::shell {
class SpinButton;
}

namespace vib::shock::app {

class TessaltWindow : public shell::ShellWindow {
    Q_OBJECT
public:
    // `timer` drives Timer1; without one the window makes its own Qt timer by that name.
    TessaltWindow(ShockState& state, shell::Services& services,
                  std::unique_ptr<PeriodicTimer> timer = nullptr, QWidget* parent = nullptr);
    ~TessaltWindow() override;

    void SyncMenuChecks();
    // Check marks, pulse synthesis, Test Profile on, full redraw.
    void Recompute();
    // The full redraw: for now an empty picture in the background colour, the test
    // pass that yields the peaks, and the result labels.
    void Redraw();

    void ZoomXIn();
    void ZoomXOut();
    void ZoomYIn();
    void ZoomYOut();
    // One tick of Timer1: hides a cursor readout older than 3 seconds and redraws.
    void TimerTick();

    float CursorX() const { return cursorX_; }
    float CursorY() const { return cursorY_; }
    ShockState& State() { return state_; }

protected:
    float& Param(int index) override { return state_.P[static_cast<std::size_t>(index)]; }
    std::string& SubTitle(int which) override { return which == 1 ? state_.SubTitle1 : state_.SubTitle2; }
    int& PrintColorMode() override { return state_.PrintColorMode; }
    void ConvertUnitValues(const shell::UnitFactors& factors) override;
    void RefreshAfterUnitChange() override { Recompute(); }
    void RedrawPlot() override { Redraw(); }
    bool ZoomKey(char key) override;
    void CursorClicked(int button, double xTwips, double yTwips) override;
    void PrintReport() override {}

private:
    void BuildControls();
    void BindProgramCommands();
    void ShowResultLabels();

    ShockState& state_;
    std::unique_ptr<PeriodicTimer> timer_;
    float cursorX_ = 0, cursorY_ = 0, cursorTime_ = 0;
};

}  // namespace vib::shock::app
