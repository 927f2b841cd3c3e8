// Print Report: the page of the report module, fed with the window's label captions and
// answered by the shell's error box.
#include <QLabel>
#include <utility>

#include "morvane_window.h"
#include "random/report.h"

namespace vib::random::app {

void MorvaneWindow::PrintReport() {
    auto caption = [this](const char* name) {
        const QLabel* label = Label(name);
        return label ? label->text().toStdString() : std::string();
    };
    ReportInputs in;
    in.testTitle = caption("lblTestTitle");
    in.dref = caption("lblDref");
    in.vref = caption("lblVref");
    in.aref = caption("lblAref");
    in.profile = caption("lblProfile");
    in.time = caption("lblTime");
    in.date = caption("lblDate");
    in.abortLines = Checked("mnuViewAbort");
    in.printColorMode = PrintColorMode();
    in.town = shell::kMakerTown;
    // The shell's box answers for the failed printer call: it returns true on Retry,
    // when the repeated "step" (already done by the report) succeeds.
    random::PrintReport(state_, in, Svc().printer, [this](const FileError& error) {
        bool shown = false;
        return RunWithRetry([&] { return std::exchange(shown, true) ? FileError{} : error; });
    });
}

}  // namespace vib::random::app
