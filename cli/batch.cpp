// Running a command over its inputs: one profile as it always printed, or a library of
// them as JSON Lines, computed on several threads and printed in input order.
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <istream>
#include <ostream>
#include <set>
#include <thread>

#include "batch.h"
#include "commands.h"
#include "messages.h"

namespace vib::cli {
namespace {

// One input's lines: what goes to standard output and to standard error, ends included.
struct Outcome {
    std::string out, err;
    bool failed = false;
};

std::string JsonText(const nlohmann::json& j) {
    // A file name need not be UTF-8; the JSON stays valid and stderr names it exactly.
    return j.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

// The object with "file" first, so a reader of the lines sees at once what each is about.
std::string FileLine(const std::string& input, const nlohmann::json& rest) {
    const std::string body = JsonText(rest);
    return "{\"file\":" + JsonText(input) + (body.size() > 2 ? "," + body.substr(1) : "}") + "\n";
}

// What went wrong with one input: a file error, or a renderer's problem in words.
struct Failure {
    std::string path;
    FileError error;
    std::string problem;
};

Outcome Failed(const std::string& input, const Failure& f, bool lines) {
    Outcome r;
    r.failed = true;
    r.err = (f.problem.empty() ? FileErrorLine(f.path, f.error) : ProblemLine(f.path, f.problem)) +
            "\n";
    if (!lines) return r;
    nlohmann::json e;
    const ErrorPlace place = PlaceOf(f.path, f.error);
    auto orNull = [](int v) { return v ? nlohmann::json(v) : nlohmann::json(nullptr); };
    e["number"] = f.problem.empty() ? nlohmann::json(f.error.number) : nlohmann::json(nullptr);
    e["description"] = f.problem.empty() ? f.error.description : f.problem;
    e["record"] = orNull(place.record);
    e["field"] = orNull(place.field);
    r.out = FileLine(input, {{"error", e}});
    return r;
}

Outcome Process(Job& job, const std::string& input, const CommonOptions& o, Io& io) {
    std::string plotPath, reportPath;
    if (o.plotPath) plotPath = o.lines ? OutputPath(*o.plotPath, input) : *o.plotPath;
    if (o.reportPath) reportPath = o.lines ? OutputPath(*o.reportPath, input) : *o.reportPath;
    // A pipe or device is refused before any work, and before it could block the tool.
    for (const std::string* path : {&plotPath, &reportPath})
        if (!path->empty())
            if (FileError e = CheckSaveTarget(*path)) return Failed(input, {*path, e, {}}, o.lines);
    std::string failedFile = input;
    if (FileError e = job.Load(io.files, input, failedFile))
        return Failed(input, {failedFile, e, {}}, o.lines);

    // Both are made in memory, then written, the image first: a failure leaves both old files.
    std::string png, pdf;
    if (!plotPath.empty())
        if (std::string problem = job.Plot(*io.renderer, o.width, o.height, png); !problem.empty())
            return Failed(input, {plotPath, {}, problem}, o.lines);
    if (!reportPath.empty())
        if (FileError e = job.Report(*io.renderer, pdf))
            return Failed(input, {reportPath, e, {}}, o.lines);
    for (const auto& [path, bytes] : {std::pair{&plotPath, &png}, std::pair{&reportPath, &pdf}})
        if (!path->empty())
            if (FileError e = io.files.Write(*path, *bytes))
                return Failed(input, {*path, e, {}}, o.lines);

    const nlohmann::json results = job.Json(o.keep);
    return {o.lines ? FileLine(input, results) : results.dump() + "\n", {}, false};
}

}  // namespace

std::string BaseName(const std::string& path) {
    return std::filesystem::path(path).filename().stem().string();
}

std::string OutputPath(const std::string& pattern, const std::string& input) {
    const std::string base = BaseName(input);
    std::string out;
    std::size_t start = 0;
    for (auto at = pattern.find("{}"); at != std::string::npos; at = pattern.find("{}", start)) {
        out.append(pattern, start, at - start).append(base);
        start = at + 2;
    }
    return out.append(pattern, start);
}

FileError ReadList(std::istream& in, std::vector<std::string>& paths) {
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty()) paths.push_back(line);
    }
    if (in.bad()) return FileError::Make(err::kDeviceIo);
    return {};
}

FileError ReadListFile(const std::string& path, std::istream& standardInput,
                       std::vector<std::string>& paths) {
    if (path == "-") return ReadList(standardInput, paths);
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec))
        return FileError::Make(err::kPathFileAccess, path + " is a folder");
    errno = 0;
    std::ifstream list(path, std::ios::binary);
    if (!list.is_open())
        return FileError::Make(errno ? ErrorNumberForErrno(errno) : err::kFileNotFound, path);
    return ReadList(list, paths);
}

int RunJobs(const std::string& command, const CommonOptions& o, Io& io,
            const std::function<std::unique_ptr<Job>()>& makeJob) {
    const bool outputs = o.plotPath || o.reportPath;
    // Before anything is read: the renderer program reads standard input itself.
    if (outputs && !io.renderer) return kExitNeedsRenderer;

    std::vector<std::string> inputs = o.line.profiles;
    if (o.filesFrom)
        if (FileError e = ReadListFile(*o.filesFrom, io.in, inputs)) {
            io.err << FileErrorLine(*o.filesFrom, e) << "\n";
            return kExitFileError;
        }
    if (!o.lines && inputs.empty()) inputs.emplace_back();  // the start-up values
    if (outputs && o.lines) {
        std::set<std::string> seen;
        for (const std::string& input : inputs)
            if (!seen.insert(BaseName(input)).second)
                return UsageError(io.err, command,
                                  "two profiles have the base name '" +
                                      SafeText(BaseName(input), kExcerptLimit) +
                                      "', so their images or reports would be one file");
    }

    // The renderer draws on one thread; reading and computing pay for more.
    int jobs = outputs ? 1 : o.jobs;
    if (jobs == 0 && inputs.size() > 1)
        jobs = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    bool anyFailed = false;
    ForEachInOrder<Outcome>(
        inputs.size(), jobs,
        [&](std::size_t i) {
            const std::unique_ptr<Job> job = makeJob();
            return Process(*job, inputs[i], o, io);
        },
        [&](Outcome& r) {
            io.out << r.out;
            io.err << r.err;
            anyFailed = anyFailed || r.failed;
        });
    return anyFailed ? kExitFileError : kExitOk;
}

}  // namespace vib::cli
