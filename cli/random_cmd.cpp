#include <ostream>

#include "commands.h"
#include "image_canvas.h"
#include "messages.h"
#include "options.h"
#include "random/checks.h"
#include "random/profile_file.h"
#include "random/spectrum.h"
#include "random_plot.h"
#include "report_pdf.h"

namespace vib::cli {

int RunRandom(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
              FileSystem& files) {
    CommandLine line;
    if (const auto problem = ParseCommandLine(args, {"--plot", "--size", "--report"}, line))
        return UsageError(err, "random", *problem);
    if (line.help) {
        out << UsageText();
        return kExitOk;
    }
    const std::string* plotPath = line.Value("--plot");
    const std::string* size = line.Value("--size");
    const std::string* reportPath = line.Value("--report");
    int width = kDefaultPlotWidth, height = kDefaultPlotHeight;
    if (size && !plotPath) return UsageError(err, "random", "--size needs --plot");
    if (size && !ParseImageSize(*size, width, height))
        return UsageError(err, "random",
                          "--size takes WIDTHxHEIGHT in pixels, 200x150 to 8000x8000");
    if (int status = CheckOutputs(err, {plotPath, reportPath})) return status;

    random::RandomState s;
    random::InitDefaults(s);
    if (!line.profile) {
        random::RecomputeModel(s);
    } else {
        if (FileError e = random::OpenRandomProfile(files, *line.profile, s.TestTitle, s)) {
            err << FileErrorLine(*line.profile, e) << "\n";
            return kExitFileError;
        }
        // As the window after opening it: the result row names the file.
        s.ProfileName = *line.profile;
    }

    // Both outputs are complete in memory before either file is touched.
    std::string png, pdf;
    if (plotPath) {
        const std::string problem = RenderRandomPlot(s, width, height, png);
        if (!problem.empty()) {
            err << ProblemLine(*plotPath, problem) << "\n";
            return kExitFileError;
        }
    }
    if (reportPath) {
        if (FileError e = PrintRandomReportPdf(s, pdf)) {
            err << FileErrorLine(*reportPath, e) << "\n";
            return kExitFileError;
        }
    }
    if (plotPath)
        if (int status = WriteOutput(err, files, *plotPath, png)) return status;
    if (reportPath)
        if (int status = WriteOutput(err, files, *reportPath, pdf)) return status;

    nlohmann::json j;
    j["range_index"] = FloatJson(s.Param(random::prm::RangeIndex));
    j["lines_index"] = FloatJson(s.Param(random::prm::LinesIndex));
    j["units_index"] = FloatJson(s.Param(random::prm::UnitsIndex));
    j["line_count"] = s.LineCount;
    j["spectrum_size"] = s.SpectrumSize;
    j["df"] = FloatJson(s.LineSpacing());
    j["range_factor"] = FloatJson(s.RangeFactor);
    j["start_line"] = s.StartLine;
    j["gref"] = FloatJson(s.Gref);
    j["vref"] = FloatJson(s.Vref);
    j["dref"] = FloatJson(s.Dref);
    j["spectrum"] = FloatArray(s.Spectrum);
    j["line_abort_db"] = FloatArray(s.LineAbortDb);
    j["messages"] = random::CheckTestLevels(s);
    out << j.dump() << "\n";
    return kExitOk;
}

}  // namespace vib::cli
