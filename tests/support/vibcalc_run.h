#pragma once
// The batch tool run in-process, as the tests of its commands call it.

#include <sstream>
#include <string>
#include <vector>

#include "cli/commands.h"

namespace vib::testing {

struct VibcalcResult {
    int status;
    std::string out, err;
};

// `files` stands in for the local file system (a fault hook, a memory file system).
inline VibcalcResult RunVibcalc(const std::vector<std::string>& args, FileSystem* files = nullptr) {
    std::ostringstream out, err;
    LocalFileSystem local;
    const int status = cli::Run(args, out, err, files ? *files : local);
    return {status, out.str(), err.str()};
}

}  // namespace vib::testing
