#pragma once
// The parts of a run over many profiles that need no command: the list of files, the
// output names, and work spread over threads with the results kept in input order.

#include <algorithm>
#include <condition_variable>
#include <cstddef>
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

// One path a line, a CR before the line end dropped, empty lines skipped, appended to
// `paths`. "-" reads `standardInput`.
FileError ReadList(std::istream& in, std::vector<std::string>& paths);
FileError ReadListFile(const std::string& path, std::istream& standardInput,
                       std::vector<std::string>& paths);

// Calls work(0..count-1) on up to `jobs` threads and emit() with each result in index
// order, on the calling thread, as soon as it and all before it are done. Workers stay
// at most a bounded window ahead of the output, so memory does not grow with the count.
template <class Result>
void ForEachInOrder(std::size_t count, int jobs, const std::function<Result(std::size_t)>& work,
                    const std::function<void(Result&)>& emit) {
    if (jobs <= 1 || count <= 1) {
        for (std::size_t i = 0; i < count; ++i) {
            Result r = work(i);
            emit(r);
        }
        return;
    }
    const std::size_t threads = std::min<std::size_t>(static_cast<std::size_t>(jobs), count);
    const std::size_t window = 64 * threads;
    std::vector<std::optional<Result>> done(count);
    std::mutex m;
    std::condition_variable ready, room;
    std::size_t next = 0, emitted = 0;
    auto worker = [&] {
        while (true) {
            std::size_t i = 0;
            {
                std::unique_lock lock(m);
                room.wait(lock, [&] { return next >= count || next < emitted + window; });
                if (next >= count) return;
                i = next++;
            }
            Result r = work(i);
            {
                std::lock_guard lock(m);
                done[i] = std::move(r);
            }
            ready.notify_one();
        }
    };
    std::vector<std::jthread> pool;
    for (std::size_t t = 0; t < threads; ++t) pool.emplace_back(worker);
    for (std::size_t i = 0; i < count; ++i) {
        Result r;
        {
            std::unique_lock lock(m);
            ready.wait(lock, [&] { return done[i].has_value(); });
            r = std::move(*done[i]);
            done[i].reset();
            emitted = i + 1;
        }
        room.notify_all();
        emit(r);
    }
}

}  // namespace vib::cli
