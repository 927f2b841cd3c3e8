#include <optional>
#include <ostream>
#include <string>

#include "commands.h"
#include "image_canvas.h"
#include "platform/files.h"
#include "report_pdf.h"
#include "shock/model.h"
#include "shock/profile_file.h"
#include "shock/recompute.h"
#include "shock_plot.h"

namespace vib::cli {
namespace {

void ReportFileError(std::ostream& err, const std::string& path, const FileError& e) {
    err << "vibcalc: " << path << ": " << e.description;
    if (!e.detail.empty()) err << " (" << e.detail << ")";
    err << "\n";
}

// "test", "srs", "abort" joined by commas; at least one, each at most once.
std::optional<shock::ShockView> ParseView(const std::string& text) {
    shock::ShockView v{false, false, false};
    std::size_t start = 0;
    while (true) {
        const auto comma = text.find(',', start);
        const std::string word = text.substr(start, comma - start);
        bool* flag = word == "test"    ? &v.test
                     : word == "srs"   ? &v.srs
                     : word == "abort" ? &v.abort
                                       : nullptr;
        if (!flag || *flag) return std::nullopt;
        *flag = true;
        if (comma == std::string::npos) return v;
        start = comma + 1;
    }
}

}  // namespace

int RunShock(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::optional<std::string> profile;
    std::optional<std::string> wave;
    std::optional<std::string> plotPath, size, view, reportPath;
    for (std::size_t a = 0; a < args.size(); ++a) {
        const std::string& arg = args[a];
        if (arg == "--plot" || arg == "--size" || arg == "--view" || arg == "--report") {
            std::optional<std::string>& value = arg == "--plot"     ? plotPath
                                                : arg == "--size"   ? size
                                                : arg == "--report" ? reportPath
                                                                    : view;
            if (a + 1 >= args.size() || args[a + 1].empty() || value) {
                err << "vibcalc: shock: " << arg << " needs one value\n\n" << UsageText();
                return kExitUsage;
            }
            value = args[++a];
        } else if (arg == "--wave") {
            if (a + 1 >= args.size() || wave) {
                err << "vibcalc: shock: --wave needs one waveshape file\n\n" << UsageText();
                return kExitUsage;
            }
            wave = args[++a];
        } else if (arg.rfind("--wave=", 0) == 0 && !wave) {
            wave = arg.substr(7);
        } else if (arg.size() > 1 && arg[0] == '-') {
            err << "vibcalc: shock: unknown option '" << arg << "'\n\n" << UsageText();
            return kExitUsage;
        } else if (!profile) {
            profile = arg;
        } else {
            err << "vibcalc: shock: more than one profile given\n\n" << UsageText();
            return kExitUsage;
        }
    }

    int width = kDefaultShockPlotWidth, height = kDefaultShockPlotHeight;
    if ((size || view) && !plotPath) {
        err << "vibcalc: shock: --size and --view need --plot\n\n" << UsageText();
        return kExitUsage;
    }
    if (size && !ParseImageSize(*size, width, height)) {
        err << "vibcalc: shock: --size takes WIDTHxHEIGHT in pixels, 200x150 to 8000x8000\n\n"
            << UsageText();
        return kExitUsage;
    }
    std::optional<shock::ShockView> shown = shock::ShockView{};
    if (view) shown = ParseView(*view);
    if (!shown) {
        err << "vibcalc: shock: --view takes test, srs and abort, joined by commas\n\n"
            << UsageText();
        return kExitUsage;
    }

    shock::ShockState s;
    shock::InitDefaults(s);
    LocalFileSystem fs;
    if (profile) {
        if (FileError e = shock::OpenShockProfile(fs, *profile, s)) {
            ReportFileError(err, *profile, e);
            return kExitFileError;
        }
        s.ProfileName = *profile;
    }
    if (wave) {
        if (FileError e = shock::ReadWaveshape(fs, *wave, s)) {
            ReportFileError(err, *wave, e);
            return kExitFileError;
        }
        s.P[shock::param::kShape] = shock::kCustom;
    }

    const shock::PulseResults r = shock::RecomputeAll(s);
    if (plotPath) {
        // The redraw's own passes; the results printed below are the same numbers.
        s.View = *shown;
        const std::string problem = RenderShockPlot(s, *plotPath, width, height);
        if (!problem.empty()) {
            err << "vibcalc: " << *plotPath << ": " << problem << "\n";
            return kExitFileError;
        }
    }
    if (reportPath) {
        const std::string problem = PrintShockReportPdf(s, *reportPath);
        if (!problem.empty()) {
            err << "vibcalc: " << *reportPath << ": " << problem << "\n";
            return kExitFileError;
        }
    }
    const auto& P = s.P;
    nlohmann::json j;
    j["shape"] = FloatJson(P[shock::param::kShape]);
    j["amplitude"] = FloatJson(P[shock::param::kAmplitude]);
    j["duration_ms"] = FloatJson(P[shock::param::kDurationMs]);
    j["units_index"] = FloatJson(P[shock::param::kUnits]);
    j["rate_index"] = FloatJson(P[shock::param::kRateIndex]);
    j["ratef"] = FloatJson(s.RATEF);
    j["n"] = FloatJson(s.N);
    j["comp_level"] = FloatJson(s.CompLevel);
    j["aeff"] = FloatJson(s.Aeff);
    j["w"] = FloatArray(s.W);
    j["peak_acc"] = FloatJson(s.PeakAcc);
    j["peak_vel"] = FloatJson(s.PeakVel);
    j["peak_disp"] = FloatJson(s.PeakDisp);
    j["srs"] = FloatArray(r.srs);
    j["messages"] = r.messages;
    out << j.dump() << "\n";
    return kExitOk;
}

}  // namespace vib::cli
