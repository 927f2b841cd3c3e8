#pragma once
// frmMVR, Morvane's main window: the shell plus the random calculator's hooks. The
// window works on the program's RandomState; it owns none of it.

#include "random/model.h"
#include "shell/shell_window.h"

namespace vib::random::app {

class MorvaneWindow : public shell::ShellWindow {
    Q_OBJECT
public:
    MorvaneWindow(RandomState& state, shell::Services& services, QWidget* parent = nullptr);

    // Menu check marks from Params.
    void SyncMenuChecks();
    // Check marks, line set-up, spectrum, results, then the full redraw.
    void Recompute();
    // The full redraw: for now an empty picture in the background colour and the
    // result labels.
    void Redraw();
    // The drawings that start-up repeats after the first recompute; the plot issues
    // fill them in.
    void DrawGrid() {}
    void DrawAxisText() {}
    void DrawSpectrum() {}
    void DrawDecadeLabels() {}

    // Zoom steps (keys and View menu).
    void ZoomFreqIn();
    void ZoomFreqOut();
    void ZoomTopIn();
    void ZoomTopOut();
    void ZoomBottomIn();
    void ZoomBottomOut();

    float CursorX() const { return cursorX_; }
    float CursorY() const { return cursorY_; }
    RandomState& State() { return state_; }

protected:
    float& Param(int index) override { return state_.Param(index); }
    std::string& SubTitle(int which) override { return which == 1 ? state_.SubTitle1 : state_.SubTitle2; }
    int& PrintColorMode() override { return printColorMode_; }
    void ConvertUnitValues(const shell::UnitFactors& factors) override;
    void RefreshAfterUnitChange() override;
    void RedrawPlot() override { Redraw(); }
    bool ZoomKey(char key) override;
    void CursorClicked(int button, double xTwips, double yTwips) override;
    void PrintReport() override {}
    void PlotResized() override { Redraw(); }

private:
    void BuildControls();
    void BindProgramCommands();
    void ShowResultLabels();
    void StepSetting(int entry, float step, float bound);

    RandomState& state_;
    int printColorMode_;
    float cursorX_ = 0, cursorY_ = 0, cursorTime_ = 0;
};

}  // namespace vib::random::app
