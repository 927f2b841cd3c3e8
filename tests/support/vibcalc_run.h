#pragma once
// The batch tool run in-process, as the tests of its commands call it.

#include <sstream>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/qt_renderer.h"

namespace vib::testing {

struct VibcalcResult {
    int status;
    std::string out, err;
};

// `files` stands in for the local file system (a fault hook, a memory file system).
// `in` is what a list given as "-" reads.
inline VibcalcResult RunVibcalc(const std::vector<std::string>& args, FileSystem* files = nullptr,
                                const std::string& in = {}) {
    std::istringstream input(in);
    std::ostringstream out, err;
    LocalFileSystem local;
    cli::QtRenderer renderer;
    cli::Io io{input, out, err, files ? *files : local, &renderer};
    const int status = cli::Run(args, io);
    return {status, out.str(), err.str()};
}

}  // namespace vib::testing
