// The File, View, Tools and Help commands of the shell and the exit question.
#include <QAction>

#include "names.h"
#include "platform/numbers.h"

#include "shell_window.h"

namespace vib::shell {

void ShellWindow::OnExit() {
    const BoxAnswer answer = services_.box.Show(texts_.exitQuestion, BoxButtons::YesNo,
                                                BoxIcon::Stop, texts_.programName);
    if (answer == BoxAnswer::No) return;
    ending_ = true;  // this path restores only the orientation; the unload must not run
    services_.printer.SetOrientation(static_cast<int>(RoundHalfEven(savedPrinterOrientation_)));
    services_.end.EndNow();
}

// Either print-colour item swaps both marks: each click toggles the mode, so the
// printout always matches what the menu shows.
void ShellWindow::OnPrintColor() {
    TogglePrintColor(Model());
    ShowShellSettings();
}

void ShellWindow::OnPlotBackground(int setting) {
    Plot().Picture().SetBackColor(ConsoleColor(setting == 1 ? 15 : 0));
    SetPlotBackground(Model(), setting);
    RedrawPlot();
    ShowShellSettings();
}

void ShellWindow::OnViewAbort() {
    ToggleAbortLines(Model());
    ShowShellSettings();
    RedrawPlot();
}

void ShellWindow::OnCopyPlot() {
    services_.box.Show(
        " This menu command copies the plot to the system clipboard to be pasted in other "
        "applications; press the PrintScreen key to copy the entire screen to the clipboard. "
        "The plot background color will be that set in the VIEW|PLOTBACKGROUND menu.",
        BoxButtons::Ok, BoxIcon::None, "Copy To Clipboard");
    services_.clipboard.Clear();
    services_.clipboard.SetImage(Plot().Picture().Image());
}

void ShellWindow::OnPrinterSetup() {
    RunWithRetry([this] { return services_.printer.ShowSetupDialog("QTR-8 Printer Setup"); });
}

void ShellWindow::ShowHelp(const std::string& text, const std::string& title) {
    services_.box.Show(text, BoxButtons::Ok, BoxIcon::None, title);
}

}  // namespace vib::shell
