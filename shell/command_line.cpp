#include "command_line.h"

namespace vib::shell {

CommandLine ParseCommandLine(const std::vector<std::string>& args, const std::string& executable) {
    CommandLine line;
    for (const std::string& a : args) {
        if (a == "--") break;
        if (a == "--help" || a == "-h" || a == "--version") {
            line.action =
                a == "--version" ? CommandLine::Action::Version : CommandLine::Action::Help;
            return line;
        }
    }
    auto usage = [&](std::string message) {
        CommandLine bad;
        bad.action = CommandLine::Action::Usage;
        bad.message = executable + ": " + std::move(message);
        return bad;
    };
    bool files = false;  // after "--"
    for (const std::string& a : args) {
        if (!files && a == "--") {
            files = true;
        } else if (!files && a == "--startup-probe") {
            line.startupProbe = true;
        } else if (!files && a.size() > 1 && a[0] == '-') {
            return usage("unknown option '" + a + "'");
        } else if (!line.profile.empty()) {
            return usage("one profile at most ('" + line.profile + "' and '" + a + "')");
        } else if (a.empty()) {
            return usage("an empty profile name");
        } else {
            line.profile = a;
        }
    }
    return line;
}

std::string CommandLineHelp(const std::string& executable, const std::string& about,
                            const std::string& batch) {
    return "Usage: " + executable + " [PROFILE]\n" + "\n" + about +
           "\n"
           "With PROFILE, opens that profile file as File > Open Profile does.\n"
           "\n"
           "  --help     this text\n"
           "  --version  the version\n"
           "\n" +
           "'" + batch + "' computes the same without a window.\n";
}

}  // namespace vib::shell
