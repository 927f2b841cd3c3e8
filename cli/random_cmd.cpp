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
    CommonOptions o;
    if (const auto status = ReadCommonOptions("random", args, {}, out, err, o)) return *status;
    const CommandLine& line = o.line;

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

    if (int status = MakeOutputs(
            err, files, o,
            [&](std::string& png) { return RenderRandomPlot(s, o.width, o.height, png); },
            [&](std::string& pdf) { return PrintRandomReportPdf(s, pdf); }))
        return status;

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
