#include <ostream>

#include "commands.h"
#include "image_canvas.h"
#include "platform/files.h"
#include "random/checks.h"
#include "random/profile_file.h"
#include "random/spectrum.h"
#include "random_plot.h"
#include "report_pdf.h"

namespace vib::cli {

int RunRandom(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::string profile, plotPath, reportPath;
    int width = kDefaultPlotWidth, height = kDefaultPlotHeight;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") {
            out << UsageText();
            return kExitOk;
        }
        if (a == "--plot" || a == "--size" || a == "--report") {
            if (i + 1 >= args.size() || args[i + 1].empty()) {
                err << "vibcalc random: " << a << " needs a value\n\n" << UsageText();
                return kExitUsage;
            }
            const std::string& value = args[++i];
            if (a == "--plot") {
                plotPath = value;
            } else if (a == "--report") {
                reportPath = value;
            } else if (!ParseImageSize(value, width, height)) {
                err << "vibcalc random: --size takes WIDTHxHEIGHT in pixels, 200x150 to "
                       "8000x8000\n\n"
                    << UsageText();
                return kExitUsage;
            }
            continue;
        }
        if (!a.empty() && a[0] == '-') {
            err << "vibcalc random: unknown option '" << a << "'\n\n" << UsageText();
            return kExitUsage;
        }
        if (!profile.empty()) {
            err << "vibcalc random: only one profile may be given\n\n" << UsageText();
            return kExitUsage;
        }
        profile = a;
    }

    random::RandomState s;
    random::InitDefaults(s);
    if (profile.empty()) {
        random::RecomputeModel(s);
    } else {
        LocalFileSystem fs;
        if (FileError e = random::OpenRandomProfile(fs, profile, s.TestTitle, s)) {
            err << "vibcalc: " << profile << ": " << e.description << " (error " << e.number << ")";
            if (!e.detail.empty() && e.detail != profile) err << ": " << e.detail;
            err << "\n";
            return kExitFileError;
        }
    }

    if (!plotPath.empty()) {
        const std::string problem = RenderRandomPlot(s, plotPath, width, height);
        if (!problem.empty()) {
            err << "vibcalc: " << plotPath << ": " << problem << "\n";
            return kExitFileError;
        }
    }

    if (!reportPath.empty()) {
        const std::string problem = PrintRandomReportPdf(s, reportPath);
        if (!problem.empty()) {
            err << "vibcalc: " << reportPath << ": " << problem << "\n";
            return kExitFileError;
        }
    }

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
