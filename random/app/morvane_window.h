#pragma once
// frmMVR, Morvane's main window: the shell plus the random calculator's hooks. The
// window works on the program's RandomState; it owns none of it.

#include <memory>

#include "platform/files.h"
#include "random/model.h"
#include "random/plot.h"
#include "shell/shell_window.h"

namespace vib::random::app {

class ProfileEditor;

class MorvaneWindow : public shell::ShellWindow {
    Q_OBJECT
  public:
    MorvaneWindow(RandomState& state, shell::Services& services, QWidget* parent = nullptr);
    ~MorvaneWindow() override;

    // Menu check marks from Params.
    void SyncMenuChecks();
    // Check marks, line set-up, spectrum, results, then the full redraw.
    void Recompute();
    // The full redraw: a cleared picture, grid, spectrum (and abort lines), the texts
    // around the plot and the result labels.
    void Redraw();
    // The steps of the redraw; start-up repeats the first three once more.
    void DrawGrid();
    void DrawSpectrum();
    void DrawAxisText();
    // The labels beside the plot, printed on the window itself.
    void DrawDecadeLabels();
    // The frequency numbers under the plot, each under its grid line (part of the above).
    void DrawFrequencyRow();
    void ShowResultLabels();
    // Frequency and ASD under the last click in the plot.
    void ShowCursorReadout();

    // Zoom steps (keys and View menu).
    void ZoomFreqIn();
    void ZoomFreqOut();
    void ZoomTopIn();
    void ZoomTopOut();
    void ZoomBottomIn();
    void ZoomBottomOut();

    // Range, resolution and uniform abort limit.
    void SetRange(int index);
    void SetLines(int index);
    void SetOverallAbortLimit();
    // Upper and lower ends of the ASD axis.
    void SetYMax(float setting);
    void SetYMin(float setting);

    // The profile editor and the profile file commands.
    void ShowProfileEditor();
    void UpdateFromEditor();
    void CloseProfileEditor();
    void NewProfile();
    void OpenProfile();
    void SaveProfile();
    // The editor's Ctrl+V: a block of spreadsheet rows from the clipboard into the grid
    // from (row, column) on.
    void PasteIntoEditor(int row, int column);
    // Tools > Import Breakpoints... and Export Breakpoints...: CSV breakpoint lists.
    void ImportBreakpointList();
    void ExportBreakpointList();
    ProfileEditor* Editor() const { return editor_.get(); }

    float CursorX() const { return state_.CursorX; }
    float CursorY() const { return state_.CursorY; }
    RandomState& State() { return state_; }

  protected:
    shell::ShellModel Model() override {
        return {state_.Params,    {prm::MaxA, prm::MaxD, prm::MaxV},
                state_.TestTitle, state_.SubTitle1,
                state_.SubTitle2, state_.PrintColorMode,
                state_.AbortLines};
    }
    void AddUnitValues(const shell::UnitFactors& factors,
                       std::vector<shell::UnitBound>& values) override;
    void RefreshAfterUnitChange() override;
    void RedrawPlot() override { Redraw(); }
    bool ZoomKey(char key) override;
    void CursorClicked(int button, double xTwips, double yTwips) override;
    void PrintReport() override;
    void OpenProfileFile(const std::string& path) override;
    void ForceSettingsChanged() override;
    void PlotResized() override { Redraw(); }

  private:
    void BuildControls();
    void BindProgramCommands();
    void AfterZoom(bool axisTextFirst);
    // The boxes of the test-level check, one after the other.
    void ShowLevelCheckBoxes();

    RandomState& state_;
    Screen screen_;  // what the labels show, for the report
    std::unique_ptr<ProfileEditor> editor_;
};

}  // namespace vib::random::app
