#include "qt_renderer.h"

#include "platform/qt/qt_services.h"
#include "random_plot.h"
#include "report_pdf.h"
#include "shock_plot.h"

namespace vib::cli {

std::string QtRenderer::RandomPlot(random::RandomState& s, int width, int height,
                                   std::string& png) {
    return RenderRandomPlot(s, width, height, png);
}

FileError QtRenderer::RandomReport(random::RandomState& s, std::string& pdf) {
    return PrintRandomReportPdf(s, pdf);
}

std::string QtRenderer::ShockPlot(shock::ShockState& s, int width, int height, std::string& png) {
    return RenderShockPlot(s, width, height, png);
}

FileError QtRenderer::ShockReport(shock::ShockState& s, const Clock* clock, std::string& pdf) {
    if (clock) return PrintShockReportPdf(s, *clock, pdf);
    const QtClock desktop;
    return PrintShockReportPdf(s, desktop, pdf);
}

}  // namespace vib::cli
