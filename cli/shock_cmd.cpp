#include <cstdlib>
#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include "commands.h"
#include "image_canvas.h"
#include "messages.h"
#include "options.h"
#include "platform/qt/qt_services.h"
#include "report_clock.h"
#include "report_pdf.h"
#include "shock/model.h"
#include "shock/profile_file.h"
#include "shock/recompute.h"
#include "shock_plot.h"

namespace vib::cli {
namespace {

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

int RunShock(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
             FileSystem& files) {
    CommonOptions o;
    if (const auto status = ReadCommonOptions("shock", args, {"--wave", "--view"}, out, err, o))
        return *status;
    const CommandLine& line = o.line;
    const std::string* wave = line.Value("--wave");
    const std::string* view = line.Value("--view");
    if (view && !o.plotPath) return UsageError(err, "shock", "--view needs --plot");
    std::optional<shock::ShockView> shown = shock::ShockView{};
    if (view) shown = ParseView(*view);
    if (!shown)
        return UsageError(err, "shock", "--view takes test, srs and abort, joined by commas");

    // The report's time and date: the desktop clock, or SOURCE_DATE_EPOCH when it is set.
    std::unique_ptr<Clock> clock = std::make_unique<QtClock>();
    if (const char* epoch = std::getenv("SOURCE_DATE_EPOCH"); o.reportPath && epoch && *epoch) {
        const auto seconds = ParseSourceDateEpoch(epoch);
        if (!seconds)
            return UsageError(err, "shock",
                              "SOURCE_DATE_EPOCH must be whole seconds since 1970, before 10000");
        clock = std::make_unique<EpochClock>(*seconds);
    }

    shock::ShockState s;
    shock::InitDefaults(s);
    if (line.profile) {
        if (FileError e = shock::OpenShockProfile(files, *line.profile, s)) {
            err << FileErrorLine(*line.profile, e) << "\n";
            return kExitFileError;
        }
        s.ProfileName = *line.profile;
    }
    if (wave) {
        if (FileError e = shock::ReadWaveshape(files, *wave, s)) {
            err << FileErrorLine(*wave, e) << "\n";
            return kExitFileError;
        }
        s.P[shock::param::kShape] = shock::CodeOf(shock::Shape::Custom);
    }

    const shock::PulseResults r = shock::RecomputeAll(s);
    const auto plot = [&](std::string& png) {
        // The redraw's own passes; the results printed below are the same numbers.
        s.View = *shown;
        return RenderShockPlot(s, o.width, o.height, png);
    };
    const auto report = [&](std::string& pdf) { return PrintShockReportPdf(s, *clock, pdf); };
    if (int status = MakeOutputs(err, files, o, plot, report)) return status;

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
