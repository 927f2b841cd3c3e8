#include <optional>
#include <ostream>
#include <string>

#include "commands.h"
#include "platform/files.h"
#include "shock/model.h"
#include "shock/profile_file.h"
#include "shock/recompute.h"

namespace vib::cli {
namespace {

void ReportFileError(std::ostream& err, const std::string& path, const FileError& e) {
    err << "vibcalc: " << path << ": " << e.description;
    if (!e.detail.empty()) err << " (" << e.detail << ")";
    err << "\n";
}

}  // namespace

int RunShock(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::optional<std::string> profile;
    std::optional<std::string> wave;
    for (std::size_t a = 0; a < args.size(); ++a) {
        const std::string& arg = args[a];
        if (arg == "--wave") {
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
