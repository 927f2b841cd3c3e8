// Print Report: the page of the report module, fed with what the window's labels show and
// the state's view, answered by the shell's error box.
#include "shock/report.h"
#include "tessalt_window.h"

namespace vib::shock::app {

void TessaltWindow::PrintReport() {
    // The title changes without a redraw; everything else is as the last redraw left it.
    screen_.testTitle = state_.TestTitle;
    shock::PrintReport(state_, screen_, Svc().printer,
                       [this](const FileError& error) { return AskRetry(error); });
}

}  // namespace vib::shock::app
