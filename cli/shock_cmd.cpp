#include <cstdlib>
#include <memory>
#include <optional>
#include <string>

#include "commands.h"
#include "messages.h"
#include "platform/numbers.h"
#include "report_clock.h"
#include "shock/checks.h"
#include "shock/model.h"
#include "shock/profile_file.h"
#include "shock/recompute.h"
#include "shock/response_spectrum.h"

namespace vib::cli {
namespace {

// "test", "srs", "abort" joined by commas, each at most once; or "response" alone, the
// response spectrum's own picture.
std::optional<shock::ShockView> ParseView(const std::string& text) {
    if (text == "response") return shock::ShockView{false, false, false, true};
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

struct Computed {
    shock::ShockState s;
    shock::PulseResults r;
    std::optional<shock::ResponseSpectrum> response;
};

nlohmann::json ResponseJson(const std::optional<shock::ResponseSpectrum>& r) {
    if (!r) return Absent();
    // Single precision is more than the curves carry, and keeps the lines short.
    auto floats = [](const std::vector<double>& v) {
        nlohmann::json a = nlohmann::json::array();
        for (double x : v) a.push_back(FloatJson(static_cast<float>(x)));
        return a;
    };
    return {
        {"q", FloatJson(static_cast<float>(r->q))}, {"freq_hz", floats(r->freqHz)},
        {"maximax_g", floats(r->maximaxG)},         {"positive_g", floats(r->positiveG)},
        {"negative_g", floats(r->negativeG)},       {"ideal_maximax_g", floats(r->idealMaximaxG)}};
}

namespace param = shock::param;
const Field<Computed> kFields[] = {
    {"shape", [](const Computed& c) { return FloatJson(c.s.P[param::kShape]); }},
    {"amplitude", [](const Computed& c) { return FloatJson(c.s.P[param::kAmplitude]); }},
    {"duration_ms", [](const Computed& c) { return FloatJson(c.s.P[param::kDurationMs]); }},
    {"units_index", [](const Computed& c) { return FloatJson(c.s.P[param::kUnits]); }},
    {"rate_index", [](const Computed& c) { return FloatJson(c.s.P[param::kRateIndex]); }},
    {"ratef", [](const Computed& c) { return FloatJson(c.s.RATEF); }},
    {"n", [](const Computed& c) { return FloatJson(c.s.N); }},
    {"comp_level", [](const Computed& c) { return FloatJson(c.s.CompLevel); }},
    {"aeff", [](const Computed& c) { return FloatJson(c.s.Aeff); }},
    {"w", [](const Computed& c) { return FloatArray(c.s.W); }},
    {"peak_acc", [](const Computed& c) { return FloatJson(c.s.PeakAcc); }},
    {"peak_vel", [](const Computed& c) { return FloatJson(c.s.PeakVel); }},
    {"peak_disp", [](const Computed& c) { return FloatJson(c.s.PeakDisp); }},
    {"srs", [](const Computed& c) { return FloatArray(c.r.srs); }},
    {"messages", [](const Computed& c) { return nlohmann::json(c.r.messages); }},
    {"response_spectrum", [](const Computed& c) { return ResponseJson(c.response); }},
    {"force",
     [](const Computed& c) {
         return ForceJson(c.s.P, shock::TestPeakG(c.s), force::Kind::ShockPeak);
     }},
};

// A file read once before the workers start, served to one reader from memory: the
// readers read through a file system, and every worker makes its own over the shared bytes.
class SharedFile final : public FileSystem {
  public:
    SharedFile(const std::string& path, std::string_view bytes) : path_(path), bytes_(bytes) {}
    FileError Read(const std::string& path, std::string& bytes) override {
        if (path != path_) return FileError::Make(err::kFileNotFound, path);
        bytes = bytes_;
        return {};
    }
    FileError Write(const std::string& path, std::string_view) override {
        return FileError::Make(err::kPermissionDenied, path);
    }

  private:
    const std::string& path_;
    std::string_view bytes_;
};

// What every profile of the run shares: the waveshape, the plot's view, the report's clock.
struct ShockRun {
    const std::string* wave = nullptr;
    std::string waveBytes;  // read once
    ForceOverrides force;
    std::optional<double> q;  // --q
    bool response = false;    // --response
    shock::ShockView view;
    std::optional<EpochClock> clock;
};

class ShockJob final : public Job {
  public:
    explicit ShockJob(const ShockRun& run) : run_(run) {}

    FileError Load(FileSystem& files, const std::string& path, std::string& failedFile) override {
        shock::ShockState& s = c_.s;
        shock::InitDefaults(s);
        if (!path.empty()) {
            if (FileError e = shock::OpenShockProfile(files, path, s)) return e;
            s.ProfileName = path;
        }
        if (run_.wave) {
            SharedFile wave(*run_.wave, run_.waveBytes);
            if (FileError e = shock::ReadWaveshape(wave, *run_.wave, s)) {
                failedFile = *run_.wave;
                return e;
            }
            s.P[param::kShape] = shock::CodeOf(shock::Shape::Custom);
        }
        run_.force.ApplyTo(s.P);
        if (run_.q) s.P[shock::kResponseQ] = StoreSingle(*run_.q);
        c_.r = shock::RecomputeAll(s);
        // Asked for, or set in the profile.
        if (run_.response || s.P[shock::kResponseQ] != 0)
            c_.response = shock::ComputeResponseSpectrum(s);
        return {};
    }
    std::string Plot(Renderer& r, int width, int height, std::string& png) override {
        // The redraw's own passes; the results printed are the same numbers.
        c_.s.View = run_.view;
        return r.ShockPlot(c_.s, width, height, png);
    }
    FileError Report(Renderer& r, std::string& pdf) override {
        return r.ShockReport(c_.s, run_.clock ? &*run_.clock : nullptr, pdf);
    }
    nlohmann::json Json(const KeySet& keep) const override { return FieldsJson(kFields, c_, keep); }

  private:
    const ShockRun& run_;
    Computed c_;
};

}  // namespace

int RunShock(const std::vector<std::string>& args, Io& io) {
    CommonOptions o;
    if (const auto status = ReadCommonOptions("shock", args, {"--wave", "--view", "--q"},
                                              KeysOf(kFields), io, o, {"--response"}))
        return *status;
    ShockRun run;
    run.wave = o.line.Value("--wave");
    if (run.wave) o.sideInputs.push_back(*run.wave);
    run.force = o.force;
    run.response = o.line.Flag("--response");
    if (const std::string* q = o.line.Value("--q")) {
        run.q = ParseStorableNumber(*q, kCLocale);
        if (!run.q || *run.q < shock::kMinQ || *run.q > shock::kMaxQ)
            return UsageError(io.err, "shock", "--q takes a number from 0.5 to 100");
    }
    const std::string* view = o.line.Value("--view");
    if (view && !o.plotPath) return UsageError(io.err, "shock", "--view needs --plot");
    std::optional<shock::ShockView> shown = shock::ShockView{};
    if (view) shown = ParseView(*view);
    if (!shown)
        return UsageError(io.err, "shock",
                          "--view takes test, srs and abort, joined by commas, or response");
    run.view = *shown;
    // The report's time and date: the desktop clock, or SOURCE_DATE_EPOCH when it is set.
    if (const char* epoch = std::getenv("SOURCE_DATE_EPOCH"); o.reportPath && epoch && *epoch) {
        const auto seconds = ParseSourceDateEpoch(epoch);
        if (!seconds)
            return UsageError(io.err, "shock",
                              "SOURCE_DATE_EPOCH must be whole seconds since 1970, before 10000");
        run.clock.emplace(*seconds);
    }
    // Read once here, after the usage is known good and before the renderer is needed.
    if (run.wave && (io.renderer || !(o.plotPath || o.reportPath))) {
        if (FileError e = io.files.Read(*run.wave, run.waveBytes)) {
            io.err << FileErrorLine(*run.wave, e) << "\n";
            return kExitFileError;
        }
    }
    return RunJobs("shock", o, io, [&run] { return std::make_unique<ShockJob>(run); });
}

}  // namespace vib::cli
