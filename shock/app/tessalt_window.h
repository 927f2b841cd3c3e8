#pragma once
// frmTSL, Tessalt's main window: the shell plus the shock calculator's hooks, the two
// zoom spin buttons and Timer1. The window works on the program's ShockState.

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "shell/shell_window.h"
#include "shock/redraw.h"
#include "shock/report.h"
#include "shock/state.h"
#include "shock/view.h"

namespace vib::shock::app {

class ResponseWindow;

class TessaltWindow : public shell::ShellWindow {
    Q_OBJECT
  public:
    TessaltWindow(ShockState& state, shell::Services& services, QWidget* parent = nullptr);
    ~TessaltWindow() override;

    void SyncMenuChecks();
    // Check marks, pulse synthesis, Test Profile on, full redraw.
    void Recompute();
    // The full redraw into picPlot, its labels, then the limit boxes; skipped while a
    // limit box of an earlier redraw is open.
    void Redraw();

    // One tick of Timer1: hides a cursor readout older than 3 seconds and redraws.
    void TimerTick();

    ShockState& State() { return state_; }

  protected:
    shell::ShellModel Model() override {
        return {state_.P,         {param::kMaxA, param::kMaxD, param::kMaxV},
                state_.TestTitle, state_.SubTitle1,
                state_.SubTitle2, state_.PrintColorMode,
                state_.View.abort};
    }
    void AddUnitValues(const shell::UnitFactors& factors,
                       std::vector<shell::UnitBound>& values) override;
    void RefreshAfterUnitChange() override { Recompute(); }
    void RedrawPlot() override { Redraw(); }
    bool ZoomKey(char key) override;
    void CursorClicked(int button, double xTwips, double yTwips) override;
    void PrintReport() override;
    void OpenProfileFile(const std::string& path) override;
    // A new mass or rated force: a redraw, whose check warns at once (never while a box
    // of an earlier redraw is open).
    void ForceSettingsChanged() override { Redraw(); }
    void PlotResized() override;

  private:
    void BuildControls();
    void BindProgramCommands();

    // View menu and zoom (tessalt_view.cpp).
    RedrawInputs Inputs();
    // Picture and labels of a redraw; returns the limit warnings for the caller to show.
    std::vector<std::string> DrawPicture();
    void ShowLabels(const RedrawOutput& out);
    void OnViewTest();
    void OnViewSrs();
    void OnViewTrace(int entry);
    void Zoom(ZoomCommand command);

    // Shock Setup and Manual Mode Steps (setup_commands.cpp).
    void BindSetupCommands();
    // The input box read as a number in the user's locale; nothing for Cancel, an empty
    // answer, text that is no number or a number beyond single precision.
    std::optional<double> AskNumber(const std::string& prompt, const std::string& title,
                                    const std::string& offer);
    // A parameter as the box offers it: text that reads back to the same Single.
    std::string Offer(float value);
    void OnResponseQ();
    void OnViewResponse();
    // The response spectrum's window follows the state while it is open.
    void UpdateResponse();
    void OutOfBounds(const std::string& text);
    void OnShape(int code);
    void OnAmplitude();
    void OnDurationTime();
    void OnDurationFreq();
    // Sample rate from the duration, then a recompute.
    void ChooseSampleRate();
    // Marks from P, synthesis and redraw, keeping the view.
    void Resynthesize();
    void OnPolarity(bool negative);
    void OnCompAuto();
    void OnCompManual();
    void OnCompLevel(int entry, const char* prompt);
    void OnManualSteps();

    // Profiles and the custom waveshape (file_commands.cpp).
    void OnOpenProfile();
    void OnSaveProfile();
    void OnCustomShape();

    ShockState& state_;
    std::unique_ptr<PeriodicTimer> timer_;  // Timer1
    LimitBoxes limitBoxes_;
    ResponseWindow* response_ = nullptr;  // owned by this window, made on first use
    ReportCaptions screen_;               // what the labels show, for the report
};

}  // namespace vib::shock::app
