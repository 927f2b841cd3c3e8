#pragma once
// The batch tool's commands, callable in-process so tests need no subprocess.

#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "options.h"
#include "platform/files.h"

namespace vib::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFileError = 1;
inline constexpr int kExitUsage = 2;

// `args` excludes the program name. Profiles, waveshapes, images and reports are read and
// written through `files` (the local file system when not given).
int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
        FileSystem& files);

// Each gets the arguments after its command word.
int RunRandom(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
              FileSystem& files);
int RunShock(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
             FileSystem& files);

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

// Shared steps of both commands. Each prints its one line (and the usage for bad usage)
// and returns the exit status, or kExitOk when all is well.
int UsageError(std::ostream& err, const std::string& command, const std::string& problem);

// The command line both commands read alike: `valueOptions` (beside --plot, --size and
// --report, which both take), --help, the image size (--size only with --plot) and the
// output paths, refused before any work when they cannot be written. Returns the exit
// status when the command is to end here (help, bad usage, an output that is no file).
struct CommonOptions {
    CommandLine line;
    const std::string* plotPath = nullptr;
    const std::string* reportPath = nullptr;
    int width = 1200, height = 800;
};
std::optional<int> ReadCommonOptions(const std::string& command,
                                     const std::vector<std::string>& args,
                                     std::vector<std::string_view> valueOptions, std::ostream& out,
                                     std::ostream& err, CommonOptions& o);

// Makes the asked-for image (`plot` returns what went wrong, or nothing) and report in
// memory, then writes them, the image first, so a failure leaves both old files; prints
// the one line of a failure and returns the exit status.
int MakeOutputs(std::ostream& err, FileSystem& files, const CommonOptions& o,
                const std::function<std::string(std::string& png)>& plot,
                const std::function<FileError(std::string& pdf)>& report);

}  // namespace vib::cli
