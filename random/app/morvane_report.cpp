// Print Report: the page of the report module, fed with the window's label captions and
// answered by the shell's error box.
#include "morvane_window.h"
#include "random/report.h"

namespace vib::random::app {

void MorvaneWindow::PrintReport() {
    auto caption = [this](const char* name) { return Caption(name); };
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
    random::PrintReport(state_, in, Svc().printer,
                        [this](const FileError& error) { return AskRetry(error); });
}

}  // namespace vib::random::app
