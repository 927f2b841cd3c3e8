#pragma once
// ShellWindow: the main-window base that both calculators share.
//
// It does: build the menu bar from a tree (every item bound to its command, or the start
// stops) and route each shell command (units, separators, limits, titles, print colour,
// plot background, abort lines, refresh, clipboard copy, printer set-up, print, help,
// exit) and the keyboard to its handler; run the shared settings' commands on the
// program's ShellModel (shell_model.h, no Qt) and show the marks and title that model
// gives; hold the client surface with its proportional layout, the twips picture picPlot
// and the labels by name; run every handler through one guard, so no handler starts
// while another (or one of its modal boxes) is still open; restore the printer settings
// on unload; show the "Error # ... Occured" Retry/Cancel box for printer and file steps.
//
// It holds no setting of its own: what a mark, a label or the report shows comes from the
// program's state, and a widget is only ever written, never read back.
//
// It does not: compute, draw the plot, read or write files, or know what a program's
// zoom steps, cursor readout and report do. A program supplies the hooks below:
//   Model()                 where its state keeps the shared settings;
//   AddUnitValues()         its own unit-bound values, converted with the limits;
//   RefreshAfterUnitChange(), RedrawPlot(), PlotResized()   its redraws;
//   ZoomKey(), CursorClicked(), PrintReport()               its keys, clicks and page;
//   ForceSettingsChanged()  its labels and checks after a new mass or rated force.
// It builds its window with BuildMenus, AddLabel, PlacePlot and PlaceControl, binds its
// own commands with Bind/BindAction, and calls ShowShellSettings after changing the
// shared settings itself (opening a profile, say).

#include <QMainWindow>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "form_surface.h"
#include "menu_tree.h"
#include "platform/reentry.h"
#include "services.h"
#include "shell_model.h"
#include "texts.h"
#include "units.h"

class QLabel;

namespace vib::shell {

class ShellWindow : public QMainWindow {
    Q_OBJECT
  public:
    ShellWindow(const char* objectName, Services& services, ShellTexts texts, QSize designTwips,
                QWidget* parent = nullptr);
    ~ShellWindow() override;

    // The load handler: maximised window state, printer font size remembered.
    void Load();
    // Shows the window maximised; sized to the screen first, so it fills the screen
    // also where no window manager honours the maximised state.
    void ShowMaximizedOnScreen();

    QAction* Action(const std::string& name) const;
    bool Checked(const std::string& name) const;
    void SetChecked(const std::string& name, bool checked);
    QLabel* Label(const std::string& name) const;
    // Shows `text` in the label of that name, if the window has one.
    void ShowText(const std::string& name, const std::string& text);
    PictureWidget& Plot() { return *plot_; }
    FormSurface& Surface() { return *surface_; }
    Services& Svc() { return services_; }
    const ShellTexts& Texts() const { return texts_; }

    void SetSavedPrinterOrientation(float orientation) { savedPrinterOrientation_ = orientation; }
    float SavedPrinterFontSize() const { return savedPrinterFontSize_; }

    // Runs `step` until it succeeds or the user cancels the error box; true on success.
    bool RunWithRetry(const std::function<FileError()>& step);
    // Opens the profile the command line names, as File > Open Profile does once its
    // dialog returned it (the error box with Retry included).
    void OpenStartProfile(const std::string& path);
    // The error box for a step that has already failed; true when the user chose Retry.
    bool AskRetry(const FileError& error);
    // The caption of a label by name; empty when there is no such label.
    std::string Caption(const std::string& name) const;

    // The menu items no handler is bound to, sorted.
    std::vector<std::string> UnboundItems() const;

    // Runs a handler unless another is still running; false when it was refused.
    bool Guarded(const std::function<void()>& handler);
    bool Busy() const { return guard_.Busy(); }

    // The plot background colour of a setting: black for 0, bright white for 1.
    static Rgb BackgroundColor(float setting);

    // The folder of the published example profiles of one kind ("random", "shock"): the
    // installed one beside the program (share/vibration-calculators/examples), else the
    // source tree's when run from a build; empty when neither is there.
    static std::string ExamplesFolder(const std::string& kind);
    // The user's guide: the installed one (share/vibration-calculators/docs), else the
    // source tree's; empty when neither is there.
    static std::string GuideFile();

  protected:
    // --- hooks each program supplies ---
    // The shared settings where the program's state holds them.
    virtual ShellModel Model() = 0;
    // The program's own unit-bound values (ASD levels, pulse amplitude) with their
    // factors, for the shell to convert together with the limits.
    virtual void AddUnitValues(const UnitFactors& factors, std::vector<UnitBound>& values) = 0;
    virtual void RefreshAfterUnitChange() = 0;
    virtual void RedrawPlot() = 0;
    // Runs the zoom step of a case-sensitive key; false when the key is no zoom key.
    virtual bool ZoomKey(char key) = 0;
    virtual void CursorClicked(int button, double xTwips, double yTwips) = 0;
    virtual void PrintReport() = 0;
    // Opens a profile file the user chose, as File > Open Profile does after its dialog.
    virtual void OpenProfileFile(const std::string& path) = 0;
    // A moving mass or the rated force changed: the result labels show the new force and
    // the program's limit checks run at once, their boxes never on top of open ones.
    virtual void ForceSettingsChanged() = 0;
    // The plot area changed size (after the event, outside painting, not inside a
    // handler). Default: nothing; the old image is shown scaled until the next redraw.
    virtual void PlotResized() {}

    // --- building blocks for the program windows ---
    // The marks of the shared settings and the test title, as the model has them.
    void ShowShellSettings();
    void BuildMenus(const std::vector<MenuItem>& tree);
    QLabel* AddLabel(const char* name, const QString& caption, QRect design,
                     Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);
    void PlacePlot(QRect design);
    void PlaceControl(QWidget* control, QRect design) { surface_->Place(control, design); }
    // Connects an action to a handler of the program window; the handler runs guarded
    // and sees the check mark as it was before the click. Throws std::logic_error when
    // the menu has no item of that name.
    template <class W>
    void Bind(const char* name, void (W::*handler)()) {
        BindAction(name, [this, handler] { (static_cast<W*>(this)->*handler)(); });
    }
    void BindAction(const char* name, std::function<void()> handler);

    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void BindShellCommands();
    void HandleKey(char key);
    // System menu
    void SwitchUnits(Units target);
    void OnSeparators(bool reversed);
    void AskLimit(const LimitTexts& texts, int slot);
    void OnMovingMass();
    void OnMaxForce();
    void OnTitle();
    void OnSubTitle(int which);
    // File, View, Tools, Help
    void OnExit();
    void OnPrintColor();
    void OnPlotBackground(int setting);
    void OnViewAbort();
    void OnCopyPlot();
    void OnPrinterSetup();
    void ShowHelp(const std::string& text, const std::string& title);
    void OnHelpFile();
    void OnOpenExample();

    Services& services_;
    ShellTexts texts_;
    FormSurface* surface_;
    PictureWidget* plot_;
    ReentryGuard guard_;
    std::set<std::string> bound_;
    bool ending_ = false;
    bool resizePending_ = false;
    float savedPrinterOrientation_ = kPortrait;
    float savedPrinterFontSize_ = 0;
};

}  // namespace vib::shell
