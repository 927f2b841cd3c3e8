#include <memory>

#include "commands.h"
#include "random/checks.h"
#include "random/profile_file.h"
#include "random/spectrum.h"

namespace vib::cli {
namespace {

using random::RandomState;
namespace prm = random::prm;

const Field<RandomState> kFields[] = {
    {"range_index", [](const RandomState& s) { return FloatJson(s.Param(prm::RangeIndex)); }},
    {"lines_index", [](const RandomState& s) { return FloatJson(s.Param(prm::LinesIndex)); }},
    {"units_index", [](const RandomState& s) { return FloatJson(s.Param(prm::UnitsIndex)); }},
    {"line_count", [](const RandomState& s) { return nlohmann::json(s.LineCount); }},
    {"spectrum_size", [](const RandomState& s) { return nlohmann::json(s.SpectrumSize); }},
    {"df", [](const RandomState& s) { return FloatJson(s.LineSpacing()); }},
    {"range_factor", [](const RandomState& s) { return FloatJson(s.RangeFactor); }},
    {"start_line", [](const RandomState& s) { return nlohmann::json(s.StartLine); }},
    {"gref", [](const RandomState& s) { return FloatJson(s.Gref); }},
    {"vref", [](const RandomState& s) { return FloatJson(s.Vref); }},
    {"dref", [](const RandomState& s) { return FloatJson(s.Dref); }},
    {"spectrum", [](const RandomState& s) { return FloatArray(s.Spectrum); }},
    {"line_abort_db", [](const RandomState& s) { return FloatArray(s.LineAbortDb); }},
    {"messages", [](const RandomState& s) { return nlohmann::json(random::CheckTestLevels(s)); }},
    {"force",
     [](const RandomState& s) { return ForceJson(s.Params, s.Gref, force::Kind::RandomRms); }},
};

class RandomJob final : public Job {
  public:
    explicit RandomJob(const ForceOverrides& force) : force_(force) {}

    FileError Load(FileSystem& files, const std::string& path, std::string&) override {
        random::InitDefaults(s_);
        if (path.empty()) {
            random::RecomputeModel(s_);
        } else {
            if (FileError e = random::OpenRandomProfile(files, path, s_.TestTitle, s_)) return e;
            // As the window after opening it: the result row names the file.
            s_.ProfileName = path;
        }
        force_.ApplyTo(s_.Params);
        return {};
    }
    std::string Plot(Renderer& r, int width, int height, std::string& png) override {
        return r.RandomPlot(s_, width, height, png);
    }
    FileError Report(Renderer& r, std::string& pdf) override { return r.RandomReport(s_, pdf); }
    nlohmann::json Json(const KeySet& keep) const override { return FieldsJson(kFields, s_, keep); }

  private:
    const ForceOverrides& force_;
    RandomState s_;
};

}  // namespace

int RunRandom(const std::vector<std::string>& args, Io& io) {
    CommonOptions o;
    if (const auto status = ReadCommonOptions("random", args, {}, KeysOf(kFields), io, o))
        return *status;
    return RunJobs("random", o, io, [&o] { return std::make_unique<RandomJob>(o.force); });
}

}  // namespace vib::cli
