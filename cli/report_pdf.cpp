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
    std::string Text() const { return error ? error.description : std::string(); }
};

// A canvas that only takes sizes: the shock redraw run for its labels and spectrum.
class SizeOnlyCanvas : public Canvas {
  public:
    SizeOnlyCanvas(double w, double h) : w_(w), h_(h) {}
    double Width() const override { return w_; }
    double Height() const override { return h_; }
    void Line(double, double, double, double, Rgb) override {}
    void Text(double, double, const std::string&, Rgb) override {}

  private:
    double w_, h_;
};

}  // namespace

std::string PrintRandomReportPdf(random::RandomState& s, const std::string& path) {
    if (!EnsureGuiApplication()) return "cannot start the drawing system";
    // The layout and labels the window's redraw leaves for the report.
    random::ApplyPlotLayout(s);
    random::AxisCaptions(s);
    random::ReportInputs in;
    in.testTitle = s.TestTitle.empty() ? random::kStartTitle : s.TestTitle;
    if (const auto r = random::ResultLabels(s, '.')) {
        in.dref = r->dref;
        in.vref = r->vref;
        in.aref = r->aref;
        in.profile = r->profile;
    }
    in.time = in.date = " ";
    in.town = shell::kMakerTown;
    QtPrinter printer;
    printer.SetOutputFile(path);
    FirstError failure;
    const bool done = random::PrintReport(s, in, printer, failure.Handler());
    if (!done || failure.error)
        return failure.error ? failure.Text() : "the report was not finished";
    return {};
}

std::string PrintShockReportPdf(shock::ShockState& s, const std::string& path) {
    if (!EnsureGuiApplication()) return "cannot start the drawing system";
    // The window's picture at its design size gives the labels and the last spectrum.
    SizeOnlyCanvas canvas(7000, 4455);
    const shock::RedrawOutput out = shock::RedrawPlot(s, canvas, {});
    const std::string title = s.TestTitle.empty() ? shock::kStartTitle : s.TestTitle;
    const shock::ReportCaptions captions =
        shock::CaptionsFromRedraw(out, title, shell::kMakerTown, '.');
    QtPrinter printer;
    printer.SetOutputFile(path);
    FirstError failure;
    shock::PrintReport(s, captions, printer, failure.Handler());
    return failure.Text();
}

}  // namespace vib::cli
