// Print Report: the page of the report module, fed with the window's label captions and
// the View menu as it stands, answered by the shell's error box.
#include "names.h"
#include "shock/report.h"
#include "tessalt_window.h"

namespace vib::shock::app {

void TessaltWindow::PrintReport() {
    auto caption = [this](const std::string& name) { return Caption(name); };
    ReportCaptions c;
    c.time = caption(names::lblTime);
    c.date = caption(names::lblDate);
    c.dref = caption(names::lblDref);
    c.vref = caption(names::lblVref);
    c.aref = caption(names::lblAref);
    c.profile = caption(names::lblProfile);
    for (int k = 0; k < 9; ++k) c.y[k] = caption("lblY" + std::to_string(k));
    for (int k = 0; k < 5; ++k) c.x[k] = caption("lblX" + std::to_string(k + 1));
    c.testTitle = caption(names::lblTestTitle);
    c.town = shell::kMakerTown;
    c.decimal = Svc().locale.decimal;
    ShockState printed = state_;
    printed.View = ViewFromMenu();
    shock::PrintReport(printed, c, Svc().printer,
                       [this](const FileError& error) { return AskRetry(error); });
}

}  // namespace vib::shock::app
