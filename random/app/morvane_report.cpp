// Print Report: the page of the report module, fed with what the window shows and
// answered by the shell's error box.
#include "morvane_window.h"
#include "random/report.h"

namespace vib::random::app {

void MorvaneWindow::PrintReport() {
    random::PrintReport(state_,
                        ReportInputsOf(state_, screen_, shell::kMakerTown, Svc().locale.decimal),
                        Svc().printer, [this](const FileError& error) { return AskRetry(error); });
}

}  // namespace vib::random::app
