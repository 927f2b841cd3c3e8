#pragma once
// vibcalc itself links no Qt, so a run that only computes starts as fast as a plain
// program. When images or reports are asked for, it becomes the renderer program (same
// command line, same standard streams), which is installed beside it.

#include <iosfwd>
#include <string>
#include <vector>

namespace vib::cli {

inline constexpr const char* kRendererName = "vibcalc-render";

// Where the renderer may be, in order, for the program at `self`: beside it (the build
// folder), then in its private folder `relativeFolder` from the program's folder (the
// installed layout).
std::vector<std::string> RendererCandidates(const std::string& self,
                                            const std::string& relativeFolder);

// Replaces this process with the renderer, given `argv` as it is. Returns only when that
// fails, after printing why; the exit status then.
int ExecRenderer(char** argv, std::ostream& err);

}  // namespace vib::cli
