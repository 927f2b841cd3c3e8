#include "handoff.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <ostream>

#include "commands.h"
#include "messages.h"

#ifndef VIB_RENDERER_FOLDER
#define VIB_RENDERER_FOLDER "../libexec/vibcalc"
#endif

namespace vib::cli {

std::vector<std::string> RendererCandidates(const std::string& self,
                                            const std::string& relativeFolder) {
    const std::filesystem::path folder = std::filesystem::path(self).parent_path();
    return {(folder / kRendererName).string(),
            (folder / relativeFolder / kRendererName).lexically_normal().string()};
}

int ExecRenderer(char** argv, std::ostream& err) {
    std::error_code ec;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) {
        err << "vibcalc: cannot find where vibcalc is, so not its renderer: " << ec.message()
            << "\n";
        return kExitFileError;
    }
    const auto candidates = RendererCandidates(self.string(), VIB_RENDERER_FOLDER);
    for (const std::string& path : candidates) {
        if (::access(path.c_str(), X_OK) != 0) continue;
        ::execv(path.c_str(), argv);
        err << "vibcalc: cannot start the renderer " << SafeText(path) << ": "
            << std::strerror(errno) << "\n";
        return kExitFileError;
    }
    err << "vibcalc: images and reports need " << kRendererName
        << ", which is not installed beside vibcalc (looked for " << SafeText(candidates.back())
        << ")\n";
    return kExitFileError;
}

}  // namespace vib::cli
