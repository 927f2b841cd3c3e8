#include <algorithm>
#include <filesystem>
#include <istream>
#include <memory>
#include <optional>

#include "commands.h"
#include "messages.h"
#include "random/breakpoint_table.h"
#include "random/checks.h"
#include "random/exact.h"
#include "random/profile_file.h"
#include "random/spectrum.h"

namespace vib::cli {
namespace {

using random::RandomState;
namespace prm = random::prm;

struct Computed {
    RandomState s;
    std::optional<random::ExactResults> exact;  // asked for with --exact
};

nlohmann::json Exact(const Computed& c, double random::ExactResults::*value) {
    return c.exact ? FloatJson(StoreSingle((*c.exact).*value)) : Absent();
}

const Field<Computed> kFields[] = {
    {"range_index", [](const Computed& c) { return FloatJson(c.s.Param(prm::RangeIndex)); }},
    {"lines_index", [](const Computed& c) { return FloatJson(c.s.Param(prm::LinesIndex)); }},
    {"units_index", [](const Computed& c) { return FloatJson(c.s.Param(prm::UnitsIndex)); }},
    {"line_count", [](const Computed& c) { return nlohmann::json(c.s.LineCount); }},
    {"spectrum_size", [](const Computed& c) { return nlohmann::json(c.s.SpectrumSize); }},
    {"df", [](const Computed& c) { return FloatJson(c.s.LineSpacing()); }},
    {"range_factor", [](const Computed& c) { return FloatJson(c.s.RangeFactor); }},
    {"start_line", [](const Computed& c) { return nlohmann::json(c.s.StartLine); }},
    {"gref", [](const Computed& c) { return FloatJson(c.s.Gref); }},
    {"vref", [](const Computed& c) { return FloatJson(c.s.Vref); }},
    {"dref", [](const Computed& c) { return FloatJson(c.s.Dref); }},
    {"gref_exact", [](const Computed& c) { return Exact(c, &random::ExactResults::gref); }},
    {"vref_exact", [](const Computed& c) { return Exact(c, &random::ExactResults::vref); }},
    {"dref_exact", [](const Computed& c) { return Exact(c, &random::ExactResults::dref); }},
    {"spectrum", [](const Computed& c) { return FloatArray(c.s.Spectrum); }},
    {"line_abort_db", [](const Computed& c) { return FloatArray(c.s.LineAbortDb); }},
    {"messages",
     [](const Computed& c) {
         std::vector<std::string> messages = random::CheckTestLevels(c.s);
         if (std::string rise = random::NotRisingMessage(c.s); !rise.empty())
             messages.insert(messages.begin(), std::move(rise));
         return nlohmann::json(messages);
     }},
    {"force",
     [](const Computed& c) { return ForceJson(c.s.Params, c.s.Gref, force::Kind::RandomRms); }},
};

std::string PointsName(const std::string& path);

// The --points list, read and parsed once before the workers start and shared by them
// read-only. An abort limit the list leaves empty stays empty, so that each profile's
// import gives it that profile's own default.
struct PointsList {
    std::vector<random::TableRow> rows;
    std::string problem;
};

PointsList ParsePoints(std::string_view text) {
    random::BreakpointTable table = random::ReadBreakpointTable(
        text, 1, kCLocale, '.', std::nullopt, random::TableSource::File);
    return {std::move(table.rows), std::move(table.problem)};
}

// What every profile of the run shares.
struct RandomRun {
    ForceOverrides force;
    bool exact = false;
    const std::string* pointsPath = nullptr;  // --points
    PointsList points;
};

class RandomJob final : public Job {
  public:
    explicit RandomJob(const RandomRun& run) : run_(run) {}

    FileError Load(FileSystem& files, const std::string& path, std::string& failedFile) override {
        RandomState& s = c_.s;
        random::InitDefaults(s);
        if (path.empty()) {
            random::RecomputeModel(s);
        } else {
            if (FileError e = random::OpenRandomProfile(files, path, s.TestTitle, s)) return e;
            // As the window after opening it: the result row names the file.
            s.ProfileName = path;
        }
        if (run_.pointsPath) {
            if (FileError e = TakePoints(s)) {
                failedFile = PointsName(*run_.pointsPath);
                return e;
            }
            if (path.empty() && *run_.pointsPath != "-") s.ProfileName = *run_.pointsPath;
        }
        run_.force.ApplyTo(s.Params);
        if (run_.exact) c_.exact = random::ExactResultsOf(s);
        return {};
    }
    std::string Plot(Renderer& r, int width, int height, std::string& png) override {
        return r.RandomPlot(c_.s, width, height, png);
    }
    FileError Report(Renderer& r, std::string& pdf) override { return r.RandomReport(c_.s, pdf); }
    nlohmann::json Json(const KeySet& keep) const override { return FieldsJson(kFields, c_, keep); }

  private:
    // The list's breakpoints in place of the profile's, as Import Breakpoints takes them,
    // with this profile's units and default abort limit; refused as a profile is when
    // its levels drive the results beyond any number.
    FileError TakePoints(RandomState& s) const {
        RandomState next = s;
        if (std::string problem = random::ImportBreakpoints(run_.points.rows, next);
            !problem.empty())
            return FileError::Make(err::kTypeMismatch, problem);
        random::RecomputeModel(next);
        if (!random::ResultsFinite(next))
            return FileError::Make(err::kOverflow, "its levels give results beyond any number");
        s = std::move(next);
        return {};
    }

    const RandomRun& run_;
    Computed c_;
};

std::string PointsName(const std::string& path) {
    return path == "-" ? "standard input" : path;
}

// A breakpoint list is a few kilobytes; a longer text or line is no list, and is refused
// before it could fill memory (standard input may be /dev/zero).
constexpr std::size_t kMaxPointsBytes = 1u << 20;
constexpr std::size_t kMaxPointsLine = 64u << 10;

// Standard input or a file, read whole once for every profile of the run.
FileError ReadPoints(Io& io, const std::string& path, std::string& text) {
    const FileError tooLarge =
        FileError::Make(err::kOverflow, "more than 1 MiB, larger than any breakpoint list");
    if (path == "-") {
        char chunk[1 << 16];
        while (text.size() <= kMaxPointsBytes && io.in) {
            io.in.read(chunk, sizeof chunk);
            text.append(chunk, static_cast<std::size_t>(io.in.gcount()));
        }
        if (io.in.bad()) return FileError::Make(err::kDeviceIo);
    } else {
        std::error_code ec;
        if (const auto size = std::filesystem::file_size(path, ec); !ec && size > kMaxPointsBytes)
            return tooLarge;
        if (FileError e = io.files.Read(path, text)) return e;
    }
    if (text.size() > kMaxPointsBytes) return tooLarge;
    int line = 1;
    for (std::size_t start = 0;; ++line) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        if (end - start > kMaxPointsLine)
            return FileError::Make(err::kOverflow, "Line " + std::to_string(line) +
                                                       ": longer than 64 KiB, more than any "
                                                       "breakpoint line");
        if (end == text.size()) return {};
        start = end + 1;
    }
}

}  // namespace

int RunRandom(const std::vector<std::string>& args, Io& io) {
    CommonOptions o;
    if (const auto status =
            ReadCommonOptions("random", args, {"--points"}, KeysOf(kFields), io, o, {"--exact"}))
        return *status;
    RandomRun run;
    run.force = o.force;
    run.pointsPath = o.line.Value("--points");
    // The exact keys are computed when asked for, by name or with --exact.
    run.exact = o.line.Flag("--exact");
    for (const std::string& key : o.keep.keys) run.exact = run.exact || key.ends_with("_exact");
    if (run.pointsPath) {
        if (*run.pointsPath == "-" && o.filesFrom && *o.filesFrom == "-")
            return UsageError(io.err, "random",
                              "--points - and --files-from - cannot both read standard input");
        // The renderer reads the list again itself, so standard input is left to it.
        if ((o.plotPath || o.reportPath) && !io.renderer) return kExitNeedsRenderer;
        std::string text;
        FileError e = ReadPoints(io, *run.pointsPath, text);
        if (!e) {
            run.points = ParsePoints(text);
            if (!run.points.problem.empty())
                e = FileError::Make(err::kTypeMismatch, run.points.problem);
        }
        if (e) {
            io.err << FileErrorLine(PointsName(*run.pointsPath), e) << "\n";
            return kExitFileError;
        }
        o.startupName = *run.pointsPath;
        o.sideInputs.push_back(*run.pointsPath);
    }
    return RunJobs("random", o, io, [&run] { return std::make_unique<RandomJob>(run); });
}

}  // namespace vib::cli
