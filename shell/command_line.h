#pragma once
// The calculators' command line: `NAME [PROFILE]`, `--help` and `--version`. No Qt here:
// the window only acts on what this says.

#include <string>
#include <vector>

namespace vib::shell {

struct CommandLine {
    enum class Action { Run, Help, Version, Usage };
    Action action = Action::Run;
    std::string profile;        // Run: the profile to open once the window is up, or empty
    bool startupProbe = false;  // Run: the measuring aid of run_calculator.h
    std::string message;        // Usage: the one line that says what is wrong
};

// `args` without the program's name. --help and --version win wherever they stand (before
// a "--"), so they answer even beside options the toolkit would take. After "--" every
// argument is a file name.
CommandLine ParseCommandLine(const std::vector<std::string>& args, const std::string& executable);

// What --help prints. `about` says what the program is, `batch` the vibcalc command that
// computes the same without a window.
std::string CommandLineHelp(const std::string& executable, const std::string& about,
                            const std::string& batch);

}  // namespace vib::shell
