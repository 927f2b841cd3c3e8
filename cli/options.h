#pragma once
// The command line of both commands, read by one set of rules: an option that takes a
// value takes exactly one, not empty, as "--name VALUE" or "--name=VALUE"; no option may
// be given twice; at most one operand (the profile), and not an empty one.

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vib::cli {

struct CommandLine {
    bool help = false;
    std::optional<std::string> profile;
    std::map<std::string, std::string, std::less<>> values;  // by option, e.g. "--plot"

    const std::string* Value(std::string_view option) const {
        const auto it = values.find(option);
        return it == values.end() ? nullptr : &it->second;
    }
};

// Reads `args` for a command whose options are `valueOptions`; returns what is wrong
// with them (one line, safe to print), or nothing.
std::optional<std::string> ParseCommandLine(const std::vector<std::string>& args,
                                            const std::vector<std::string_view>& valueOptions,
                                            CommandLine& line);

}  // namespace vib::cli
