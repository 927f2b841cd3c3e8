#pragma once
// The batch tool's commands, callable in-process so tests need no subprocess.

#include <array>
#include <functional>
#include <iosfwd>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "options.h"
#include "platform/files.h"
#include "platform/force.h"
#include "renderer.h"

namespace vib::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFileError = 1;
inline constexpr int kExitUsage = 2;
// Never leaves the process: the command asks for images or reports and no renderer was
// given, so the caller hands the whole command line to the renderer program.
inline constexpr int kExitNeedsRenderer = -1;

// Where a run reads and writes. Profiles, waveshapes, images and reports go through
// `files`; a list of files given as "-" is read from `in`.
struct Io {
    std::istream& in;
    std::ostream& out;
    std::ostream& err;
    FileSystem& files;
    Renderer* renderer = nullptr;
};

// `args` excludes the program name.
int Run(const std::vector<std::string>& args, Io& io);

// Each gets the arguments after its command word.
int RunRandom(const std::vector<std::string>& args, Io& io);
int RunShock(const std::vector<std::string>& args, Io& io);

std::string UsageText();

// A JSON number that reads back to the same float: the float's shortest text, parsed as a
// double, which the JSON writer prints again in its shortest form.
nlohmann::json FloatJson(float v);

template <class Container>
nlohmann::json FloatArray(const Container& values) {
    nlohmann::json a = nlohmann::json::array();
    for (float v : values) a.push_back(FloatJson(v));
    return a;
}

inline constexpr const char* kTryHelp = "Try 'vibcalc --help'.";

// Prints the problem (one line) and kTryHelp; returns kExitUsage. `command` may be empty.
int UsageError(std::ostream& err, const std::string& command, const std::string& problem);

// The top-level keys a run prints: all, or those --fields names.
struct KeySet {
    std::vector<std::string> keys;  // empty: all
    bool operator()(std::string_view key) const;
};

// One input's work: read and compute, draw what is asked, then the results.
class Job {
  public:
    virtual ~Job() = default;
    // `path` empty: the start-up values. On failure `failedFile` names the file that
    // failed, which may be another than `path` (a waveshape).
    virtual FileError Load(FileSystem& files, const std::string& path, std::string& failedFile) = 0;
    virtual std::string Plot(Renderer& r, int width, int height, std::string& png) = 0;
    virtual FileError Report(Renderer& r, std::string& pdf) = 0;
    virtual nlohmann::json Json(const KeySet& keep) const = 0;
};

// A command's results as a table, so --fields can name them and builds only those kept.
template <class State>
struct Field {
    const char* key;
    nlohmann::json (*value)(const State&);
};

// A field whose value is `Absent()` is left out (the force without a moving mass).
inline nlohmann::json Absent() {
    return nlohmann::json(nlohmann::json::value_t::discarded);
}

template <class State, std::size_t N>
nlohmann::json FieldsJson(const Field<State> (&table)[N], const State& s, const KeySet& keep) {
    nlohmann::json j = nlohmann::json::object();
    for (const auto& f : table)
        if (keep(f.key))
            if (nlohmann::json v = f.value(s); !v.is_discarded()) j[f.key] = std::move(v);
    return j;
}

// What-if masses and rated force from the command line, in the profile's unit system.
struct ForceOverrides {
    std::optional<std::array<double, 3>> masses;  // armature, fixture, test item
    std::optional<double> rated;
    // Stores them, converted to lb and lbf, into the profile's parameter block.
    void ApplyTo(std::span<float> params) const;
};

// The "force" object, or Absent() when no mass is set.
nlohmann::json ForceJson(std::span<const float> params, double accelerationG, force::Kind kind);

template <class State, std::size_t N>
std::vector<std::string_view> KeysOf(const Field<State> (&table)[N]) {
    std::vector<std::string_view> keys;
    for (const auto& f : table) keys.push_back(f.key);
    return keys;
}

// The command line both commands read alike: `valueOptions` beside the shared ones
// (--plot, --size, --report, --files-from, --fields, --jobs, --mass, --rated-force) and
// --help.
struct CommonOptions {
    CommandLine line;
    const std::string* plotPath = nullptr;
    const std::string* reportPath = nullptr;
    const std::string* filesFrom = nullptr;
    int width = 1200, height = 800;
    KeySet keep;
    int jobs = 0;  // 0: one for each processor
    // One JSON object a line, each naming its file: several files, a list, or --fields.
    bool lines = false;
    ForceOverrides force;
    // What the line of the start-up profile names as its file (the --points list).
    std::string startupName;
    // Files the run reads beside the profiles (the list, --points, --wave), which no
    // output may replace.
    std::vector<std::string> sideInputs;
};
// Returns the exit status when the command is to end here (help, bad usage).
std::optional<int> ReadCommonOptions(const std::string& command,
                                     const std::vector<std::string>& args,
                                     std::vector<std::string_view> valueOptions,
                                     const std::vector<std::string_view>& keys, Io& io,
                                     CommonOptions& o,
                                     const std::vector<std::string_view>& flagOptions = {});

// Runs `makeJob`'s jobs over the inputs, prints their results (and failures) in input
// order and returns the exit status. Hands off (kExitNeedsRenderer) before reading
// anything when images or reports are asked for and `io` has no renderer. With them, an
// output that would replace an input or another output is bad usage, before any work.
int RunJobs(const std::string& command, const CommonOptions& o, Io& io,
            const std::function<std::unique_ptr<Job>()>& makeJob);

}  // namespace vib::cli
