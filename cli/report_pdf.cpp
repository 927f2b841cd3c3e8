#include "report_pdf.h"

#include "image_canvas.h"
#include "platform/qt/qt_printer.h"
#include "random/plot.h"
#include "random/report.h"
#include "shell/texts.h"
#include "shock/model.h"
#include "shock/redraw.h"
#include "shock/report.h"

namespace vib::cli {
namespace {

// Batch printing has nobody to answer the error box: the first failure ends the page.
struct FirstError {
    FileError error;
    PrintErrorHandler Handler() {
        return [this](const FileError& e) {
            if (!error) error = e;
            return false;
        };
    }
};

FileError NoDrawingSystem() {
    return FileError::Make(err::kPrinterError, "cannot start the drawing system");
}

// The page in memory, or the printer's error; a page that was not finished is an error.
FileError TakePage(QtPrinter& printer, const FirstError& failure, bool done, std::string& pdf) {
    if (failure.error) return failure.error;
    pdf = printer.TakeDocument();
    if (!done || pdf.empty())
        return FileError::Make(err::kPrinterError, "the report was not finished");
    return {};
}

}  // namespace

FileError PrintRandomReportPdf(random::RandomState& s, std::string& pdf) {
    if (!EnsureGuiApplication()) return NoDrawingSystem();
    random::RedrawWithoutPicture(s);
    random::Screen screen = random::ScreenOf(s, '.', {});
    if (screen.title.empty()) screen.title = random::kStartTitle;
    const random::ReportInputs in = random::ReportInputsOf(s, screen, shell::kMakerTown, '.');
    QtPrinter printer;
    printer.SetOutputToMemory();
    FirstError failure;
    const bool done = random::PrintReport(s, in, printer, failure.Handler());
    return TakePage(printer, failure, done, pdf);
}

FileError PrintShockReportPdf(shock::ShockState& s, const Clock& clock, std::string& pdf) {
    if (!EnsureGuiApplication()) return NoDrawingSystem();
    shock::RedrawInputs in;
    in.timeText = clock.TimeText();
    in.dateText = clock.DateText();
    in.now = clock.SecondsSinceMidnight();
    const shock::RedrawOutput out = shock::RedrawWithoutPicture(s, in);
    const std::string title = s.TestTitle.empty() ? shock::kStartTitle : s.TestTitle;
    const shock::ReportCaptions captions =
        shock::CaptionsFromRedraw(out, title, shell::kMakerTown, '.');
    QtPrinter printer;
    printer.SetOutputToMemory();
    FirstError failure;
    shock::PrintReport(s, captions, printer, failure.Handler());
    return TakePage(printer, failure, true, pdf);
}

}  // namespace vib::cli
