#pragma once
// The parts of a run over many profiles that need no command: the list of files, the
// output names, and work spread over threads with the results kept in input order.

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <fstream>
#include <functional>
#include <iosfwd>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "platform/files.h"

namespace vib::cli {

// The file's name without its folder and its last extension: "a/navmat.prf" gives "navmat".
std::string BaseName(const std::string& path);

// `pattern` with every "{}" replaced by the input's base name.
std::string OutputPath(const std::string& pattern, const std::string& input);

// The inputs of a run in order: the command line's profiles, then the paths of a list
// (one a line, a CR before the line end dropped, empty lines skipped), each line read
// only when a worker asks for it, so a list from a pipe is worked on while its producer
// still writes it and memory does not grow with the list.
class InputList {
  public:
    // `list` may be null (no list); `listName` names it in errors.
    InputList(std::vector<std::string> profiles, std::istream* list, std::string listName)
        : profiles_(std::move(profiles)), list_(list), listName_(std::move(listName)) {}
    // The next path, or nothing at the end of the inputs or at a fault in the list (a
    // line no path can be, a read error); Error() then says which.
    std::optional<std::string> Next();
    const FileError& Error() const { return error_; }
    const std::string& ListName() const { return listName_; }

  private:
    std::vector<std::string> profiles_;
    std::size_t nextProfile_ = 0;
    std::istream* list_;
    std::string listName_;
    int line_ = 0;
    FileError error_;
};

// Opens the list a --files-from names: "-" is `standardInput`, a file is opened into
// `file`; `list` is then the stream to read.
FileError OpenList(const std::string& path, std::istream& standardInput, std::ifstream& file,
                   std::istream*& list);

// Starts a thread that runs `body`, or throws std::system_error as std::jthread does
// when the system has no more threads to give. Tests stand in for it.
using ThreadStarter = std::function<std::jthread(std::function<void()>)>;
inline std::jthread StartThread(std::function<void()> body) {
    return std::jthread(std::move(body));
}

// How a run spreads its work: over `jobs` threads started by `start`; `shortOfThreads`
// hears, before any work, how many could be started when not all could.
struct Pool {
    int jobs = 1;
    ThreadStarter start = StartThread;
    std::function<void(std::size_t started, std::size_t asked)> shortOfThreads;
};

// Calls work() with each input `next` gives (nothing: no more) on the pool's threads, and
// emit() with each result in input order, on the calling thread, as soon as it and all
// before it are done. `next` is called on one thread at a time, and never again once it
// has given nothing. Workers stay at most a bounded window ahead of the output, so memory
// does not grow with the number of inputs. Without threads (one job, or none could be
// started) the calling thread works alone, emitting each result before it asks for the
// next input. Neither `next` nor `work` may throw.
template <class Input, class Result>
void ForEachInOrder(const Pool& pool, const std::function<std::optional<Input>()>& next,
                    const std::function<Result(Input&)>& work,
                    const std::function<void(Result&)>& emit) {
    auto alone = [&] {
        while (std::optional<Input> in = next()) {
            Result r = work(*in);
            emit(r);
        }
    };
    if (pool.jobs <= 1) return alone();

    const auto asked = static_cast<std::size_t>(pool.jobs);
    const std::size_t window = 16 * asked;
    std::mutex m, reading;
    std::condition_variable ready, room;
    // The results of inputs emitted .. claimed - 1, the oldest first; empty until done.
    std::deque<std::optional<Result>> pending;
    std::size_t claimed = 0, emitted = 0;
    bool ended = false;  // `next` gave nothing: `claimed` is the count
    auto worker = [&] {
        while (true) {
            {
                std::unique_lock lock(m);
                room.wait(lock, [&] { return ended || claimed < emitted + window; });
                if (ended) return;
            }
            std::size_t i = 0;
            std::optional<Input> in;
            {
                // Reading a list may wait on a pipe; results go on being emitted meanwhile.
                std::lock_guard order(reading);
                {
                    std::lock_guard lock(m);
                    if (ended) return;
                }
                in = next();
                std::lock_guard lock(m);
                if (!in) {
                    ended = true;
                    room.notify_all();
                    ready.notify_one();
                    return;
                }
                i = claimed++;
                pending.emplace_back();
            }
            Result r = work(*in);
            {
                std::lock_guard lock(m);
                pending[i - emitted] = std::move(r);
            }
            ready.notify_one();
        }
    };

    std::vector<std::jthread> threads;
    for (std::size_t t = 0; t < asked; ++t) {
        try {
            threads.push_back(pool.start(worker));
        } catch (...) {
            break;  // the system has no more: go on with those there are
        }
    }
    if (threads.size() < asked && pool.shortOfThreads) pool.shortOfThreads(threads.size(), asked);
    if (threads.empty()) return alone();
    while (true) {
        Result r;
        {
            std::unique_lock lock(m);
            ready.wait(lock, [&] {
                return (!pending.empty() && pending.front()) || (ended && emitted == claimed);
            });
            if (pending.empty()) return;  // ended, and all emitted
            r = std::move(*pending.front());
            pending.pop_front();
            ++emitted;
        }
        room.notify_all();
        emit(r);
    }
}

}  // namespace vib::cli
