// Print Report: the page of the report module, fed with the window's label captions and
// answered by the shell's error box.
#include "morvane_window.h"
#include "names.h"
#include "random/report.h"

namespace vib::random::app {

void MorvaneWindow::PrintReport() {
    auto caption = [this](const char* name) { return Caption(name); };
    ReportInputs in;
    in.testTitle = caption(names::lblTestTitle);
    in.dref = caption(names::lblDref);
    in.vref = caption(names::lblVref);
    in.aref = caption(names::lblAref);
    in.profile = caption(names::lblProfile);
    in.time = caption(names::lblTime);
    in.date = caption(names::lblDate);
    in.abortLines = Checked(names::mnuViewAbort);
    in.printColorMode = PrintColorMode();
    in.town = shell::kMakerTown;
    random::PrintReport(state_, in, Svc().printer,
                        [this](const FileError& error) { return AskRetry(error); });
}

}  // namespace vib::random::app
