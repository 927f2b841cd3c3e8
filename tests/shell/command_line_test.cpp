// The calculators' command line, as the desktop entries and a user's shell give it.
#include "shell/command_line.h"

#include <gtest/gtest.h>

namespace vib::shell {
namespace {

using Action = CommandLine::Action;

TEST(CalculatorCommandLine, ProfileHelpVersionAndOneLineForAMistake) {
    const struct {
        std::vector<std::string> args;
        Action action;
        std::string profile;  // Run: the profile opened; Usage: the line shown
    } cases[] = {
        {{}, Action::Run, ""},
        {{"file.prf"}, Action::Run, "file.prf"},
        {{"/home/u/my tests/QTRFileR.001"}, Action::Run, "/home/u/my tests/QTRFileR.001"},
        {{"--help"}, Action::Help, ""},
        {{"-h"}, Action::Help, ""},
        {{"--version"}, Action::Version, ""},
        {{"file.prf", "--help"}, Action::Help, ""},
        {{"--bogus", "--version"}, Action::Version, ""},
        {{"--", "--help"}, Action::Run, "--help"},  // a file of that name
        {{"-"}, Action::Run, "-"},
        {{"--bogus"}, Action::Usage, "morvane: unknown option '--bogus'"},
        {{"a.prf", "b.prf"}, Action::Usage, "morvane: one profile at most ('a.prf' and 'b.prf')"},
        {{""}, Action::Usage, "morvane: an empty profile name"},
    };
    for (const auto& c : cases) {
        const CommandLine line = ParseCommandLine(c.args, "morvane");
        const std::string what = c.args.empty() ? "(none)" : c.args[0];
        EXPECT_EQ(line.action, c.action) << what;
        EXPECT_EQ(c.action == Action::Usage ? line.message : line.profile, c.profile) << what;
    }
    EXPECT_TRUE(ParseCommandLine({"--startup-probe"}, "tessalt").startupProbe);
    const std::string help =
        CommandLineHelp("tessalt", "Tessalt, the shock calculator.\n", "vibcalc shock");
    EXPECT_EQ(help.rfind("Usage: tessalt [PROFILE]\n", 0), 0u);
    for (const char* part : {"--help", "--version", "'vibcalc shock'", "File > Open Profile"})
        EXPECT_NE(help.find(part), std::string::npos) << part;
}

}  // namespace
}  // namespace vib::shell
