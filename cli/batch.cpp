// Running a command over its inputs: one profile as it always printed, or a library of
// them as JSON Lines, computed on several threads and printed in input order.
#include <sys/stat.h>

#include <cerrno>
#include <climits>
#include <filesystem>
#include <fstream>
#include <istream>
#include <map>
#include <new>
#include <ostream>
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

// The outputs of one input, in the order they are written, and how far that got.
struct Outputs {
    std::vector<std::string> paths;
    std::size_t written = 0;
};

Outcome Failed(const std::string& input, const Failure& f, bool lines,
               const Outputs* outputs = nullptr) {
    Outcome r;
    r.failed = true;
    r.err = f.problem.empty() ? FileErrorLine(f.path, f.error) : ProblemLine(f.path, f.problem);
    // Each output is whole, new or old; with two, the line says which is which.
    auto names = [](auto from, auto to) {
        std::string list;
        for (auto it = from; it != to; ++it) list += (list.empty() ? "" : ", ") + SafeText(*it);
        return list;
    };
    if (outputs && outputs->paths.size() > 1) {
        const auto split = outputs->paths.begin() + static_cast<std::ptrdiff_t>(outputs->written);
        if (outputs->written) r.err += "; written: " + names(outputs->paths.begin(), split);
        r.err += "; not written: " + names(split, outputs->paths.end());
    }
    r.err += "\n";
    if (!lines) return r;
    nlohmann::json e;
    const ErrorPlace place = PlaceOf(f.path, f.error);
    auto orNull = [](int v) { return v ? nlohmann::json(v) : nlohmann::json(nullptr); };
    e["number"] = f.problem.empty() ? nlohmann::json(f.error.number) : nlohmann::json(nullptr);
    e["description"] = f.problem.empty() ? f.error.description : f.problem;
    e["record"] = orNull(place.record);
    e["field"] = orNull(place.field);
    if (outputs && outputs->paths.size() > 1) {
        e["written"] = nlohmann::json::array();
        for (std::size_t i = 0; i < outputs->written; ++i)
            e["written"].push_back(outputs->paths[i]);
    }
    r.out = FileLine(input, {{"error", e}});
    return r;
}

// The name a line gives an input: the start-up profile has none of its own.
std::string NameOf(const std::string& input, const CommonOptions& o) {
    if (!input.empty()) return input;
    return o.startupName.empty() ? "the start-up profile" : o.startupName;
}

// The paths `input` writes, as --plot and --report name them for it.
std::vector<std::pair<const char*, std::string>> OutputsOf(const std::string& input,
                                                           const CommonOptions& o) {
    std::vector<std::pair<const char*, std::string>> paths;
    auto add = [&](const char* option, const std::string* pattern) {
        if (pattern)
            paths.emplace_back(option,
                               o.lines && !input.empty() ? OutputPath(*pattern, input) : *pattern);
    };
    add("--plot", o.plotPath);
    add("--report", o.reportPath);
    return paths;
}

Outcome Process(Job& job, const std::string& input, const CommonOptions& o, Io& io) {
    const std::string name = NameOf(input, o);
    const auto targets = OutputsOf(input, o);
    Outputs outputs;
    for (const auto& [option, path] : targets) outputs.paths.push_back(path);
    // A pipe or device is refused before any work, and before it could block the tool.
    for (const std::string& path : outputs.paths)
        if (FileError e = CheckSaveTarget(path)) return Failed(name, {path, e, {}}, o.lines);
    std::string failedFile = input;
    if (FileError e = job.Load(io.files, input, failedFile))
        return Failed(name, {failedFile.empty() ? name : failedFile, e, {}}, o.lines);

    // Each output is made in memory, then written whole, so each file is either new or as
    // it was; they are written one after the other, so a failure may come after an
    // earlier one is written, and the message then names those written and those not.
    std::vector<std::string> bytes;
    for (const auto& [option, path] : targets) {
        std::string made;
        if (std::string_view(option) == "--plot") {
            if (std::string problem = job.Plot(*io.renderer, o.width, o.height, made);
                !problem.empty())
                return Failed(name, {path, {}, problem}, o.lines, &outputs);
        } else if (FileError e = job.Report(*io.renderer, made)) {
            return Failed(name, {path, e, {}}, o.lines, &outputs);
        }
        bytes.push_back(std::move(made));
    }
    for (; outputs.written < outputs.paths.size(); ++outputs.written) {
        const std::string& path = outputs.paths[outputs.written];
        if (FileError e = io.files.Write(path, bytes[outputs.written]))
            return Failed(name, {path, e, {}}, o.lines, &outputs);
    }

    const nlohmann::json results = job.Json(o.keep);
    return {o.lines ? FileLine(name, results) : results.dump() + "\n", {}, false};
}

// One input's work, whatever happens: a worker that runs out of memory or meets any
// other fault gives that profile's error line, and the run goes on.
Outcome ProcessSafely(const std::function<std::unique_ptr<Job>()>& makeJob,
                      const std::string& input, const CommonOptions& o, Io& io) {
    std::string problem;
    try {
        const std::unique_ptr<Job> job = makeJob();
        return Process(*job, input, o, io);
    } catch (const std::bad_alloc&) {
        problem = "not enough memory to compute it";
    } catch (const std::exception& e) {
        problem = "it could not be computed (" + SafeText(e.what(), kExcerptLimit) + ")";
    } catch (...) {
        problem = "it could not be computed";
    }
    try {
        const std::string name = NameOf(input, o);
        return Failed(name, {name, {}, problem}, o.lines);
    } catch (...) {
        return {{}, "vibcalc: not enough memory for a message\n", true};
    }
}

// A file as the system knows it: through links, and a hard link of it is the same; a
// name not taken yet by its normalised path.
std::string FileKey(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0)
        return "file " + std::to_string(st.st_dev) + ":" + std::to_string(st.st_ino);
    std::error_code ec;
    std::filesystem::path p = std::filesystem::weakly_canonical(path, ec);
    if (ec) p = std::filesystem::path(path).lexically_normal();
    return "name " + p.string();
}

// An output that would replace one of the run's inputs, or that another output also
// names: what is wrong, before any work is done.
std::optional<std::string> OutputClash(const std::vector<std::string>& inputs,
                                       const CommonOptions& o) {
    std::map<std::string, std::string> read;  // by key: the input's path
    for (const std::string& path : inputs)
        if (!path.empty()) read.emplace(FileKey(path), path);
    for (const std::string& path : o.sideInputs)
        if (path != "-") read.emplace(FileKey(path), path);
    struct Written {
        const char* option;
        std::string input, path;
    };
    std::map<std::string, Written> written;
    auto quoted = [](const std::string& s) { return "'" + SafeText(s) + "'"; };
    for (const std::string& input : inputs)
        for (const auto& [option, path] : OutputsOf(input, o)) {
            const std::string key = FileKey(path);
            if (const auto in = read.find(key); in != read.end())
                return std::string(option) + " " + quoted(path) + " would replace the input " +
                       quoted(in->second);
            const auto [at, isNew] = written.emplace(key, Written{option, input, path});
            if (isNew) continue;
            const Written& first = at->second;
            const bool sameOption = std::string_view(first.option) == option;
            if (first.input == input && !sameOption)
                return std::string(first.option) + " and " + option + " both name " + quoted(path);
            if (sameOption && BaseName(first.input) == BaseName(input))
                return "two profiles have the base name " + quoted(BaseName(input)) +
                       ", so their images or reports would be one file";
            return std::string(option) + " would write " + quoted(path) + " for " + quoted(input) +
                   ", as " + first.option + " does for " + quoted(first.input);
        }
    return std::nullopt;
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

std::optional<std::string> InputList::Next() {
    if (nextProfile_ < profiles_.size()) return profiles_[nextProfile_++];
    // One line at a time, each no longer than a path can be: a list without line ends
    // (/dev/zero) is refused at once instead of filling memory.
    while (list_ && !error_) {
        ++line_;
        std::string line;
        bool any = false;
        for (int c; (c = list_->rdbuf()->sbumpc()) != std::char_traits<char>::eof();) {
            any = true;
            if (c == '\n') break;
            if (c == '\0') {
                error_ = FileError::Make(
                    err::kPathFileAccess,
                    "line " + std::to_string(line_) + " holds a NUL byte, which no path can");
                return std::nullopt;
            }
            if (line.size() + 1 >= PATH_MAX) {
                error_ =
                    FileError::Make(err::kPathFileAccess, "line " + std::to_string(line_) +
                                                              " is longer than a path can be (" +
                                                              std::to_string(PATH_MAX) + " bytes)");
                return std::nullopt;
            }
            line += static_cast<char>(c);
        }
        if (!any) {
            if (list_->bad()) error_ = FileError::Make(err::kDeviceIo);
            list_ = nullptr;
            return std::nullopt;
        }
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty()) return line;
    }
    return std::nullopt;
}

FileError OpenList(const std::string& path, std::istream& standardInput, std::ifstream& file,
                   std::istream*& list) {
    if (path == "-") {
        list = &standardInput;
        return {};
    }
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec))
        return FileError::Make(err::kPathFileAccess, path + " is a folder");
    errno = 0;
    file.open(path, std::ios::binary);
    if (!file.is_open())
        return FileError::Make(errno ? ErrorNumberForErrno(errno) : err::kFileNotFound, path);
    list = &file;
    return {};
}

int RunJobs(const std::string& command, const CommonOptions& o, Io& io,
            const std::function<std::unique_ptr<Job>()>& makeJob) {
    const bool outputs = o.plotPath || o.reportPath;
    // Before anything is read: the renderer program reads standard input itself.
    if (outputs && !io.renderer) return kExitNeedsRenderer;

    std::ifstream listFile;
    std::istream* list = nullptr;
    if (o.filesFrom)
        if (FileError e = OpenList(*o.filesFrom, io.in, listFile, list)) {
            io.err << FileErrorLine(*o.filesFrom, e) << "\n";
            return kExitFileError;
        }
    std::vector<std::string> profiles = o.line.profiles;
    if (!o.filesFrom && profiles.empty()) profiles.emplace_back();  // the start-up values
    const std::string listName = !o.filesFrom          ? ""
                                 : *o.filesFrom == "-" ? "standard input"
                                                       : *o.filesFrom;
    InputList inputs(std::move(profiles), list, listName);
    auto listFailed = [&] {
        if (!inputs.Error()) return false;
        io.err << FileErrorLine(inputs.ListName(), inputs.Error()) << "\n";
        return true;
    };

    // Outputs are checked against every input before any work, so with them the list is
    // read whole first; without, it is read as the work goes.
    std::optional<std::size_t> count;
    if (!o.filesFrom) count = o.line.profiles.size();
    if (outputs) {
        std::vector<std::string> all;
        while (std::optional<std::string> path = inputs.Next()) all.push_back(std::move(*path));
        if (listFailed()) return kExitFileError;
        count = all.size();
        for (const std::string* pattern : {o.plotPath, o.reportPath})
            if (pattern && all.size() > 1 && pattern->find("{}") == std::string::npos)
                return UsageError(io.err, command,
                                  "with several profiles, --plot and --report take a pattern "
                                  "with {} for each profile's base name");
        if (const auto problem = OutputClash(all, o)) return UsageError(io.err, command, *problem);
        inputs = InputList(std::move(all), nullptr, {});
    }

    Pool pool;
    // The renderer draws on one thread; reading and computing pay for more.
    pool.jobs = outputs ? 1 : o.jobs;
    if (pool.jobs == 0)
        pool.jobs = count && *count <= 1
                        ? 1
                        : static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    if (count)
        pool.jobs =
            static_cast<int>(std::min<std::size_t>(pool.jobs, std::max<std::size_t>(*count, 1)));
    pool.shortOfThreads = [&io](std::size_t started, std::size_t asked) {
        if (started)
            io.err << "vibcalc: only " << started << " of the " << asked
                   << " threads asked for could be started; going on with " << started << "\n";
        else
            io.err << "vibcalc: no thread could be started; working on one profile at a time\n";
    };
    bool anyFailed = false;
    ForEachInOrder<std::string, Outcome>(
        pool, [&inputs] { return inputs.Next(); },
        [&](std::string& input) { return ProcessSafely(makeJob, input, o, io); },
        [&](Outcome& r) {
            io.out << r.out;
            io.err << r.err;
            // Each line as soon as it is known, for a reader at the end of a pipe.
            io.out.flush();
            anyFailed = anyFailed || r.failed;
        });
    if (listFailed()) anyFailed = true;
    return anyFailed ? kExitFileError : kExitOk;
}

}  // namespace vib::cli
