#pragma once
// The command line of both commands, read by one set of rules: an option that takes a
// value takes exactly one, not empty, as "--name VALUE" or "--name=VALUE"; no option may
// be given twice; operands (the profiles) may not be empty.

#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace vib::cli {

struct CommandLine {
    bool help = false;
    std::vector<std::string> profiles;
    std::map<std::string, std::string, std::less<>> values;  // by option, e.g. "--plot"
    std::set<std::string, std::less<>> flags;                // options without a value

    bool Flag(std::string_view option) const { return flags.count(option) > 0; }

    const std::string* Value(std::string_view option) const {
        const auto it = values.find(option);
        return it == values.end() ? nullptr : &it->second;
    }
};

// Reads `args` for a command whose options are `valueOptions` and `flagOptions` (which
// take no value); returns what is wrong with them (one line, safe to print), or nothing.
std::optional<std::string> ParseCommandLine(const std::vector<std::string>& args,
                                            const std::vector<std::string_view>& valueOptions,
                                            CommandLine& line,
                                            const std::vector<std::string_view>& flagOptions = {});

// Parses "WxH" (for example "1200x800"); false for malformed or out-of-range sizes.
bool ParseImageSize(const std::string& text, int& width, int& height);

}  // namespace vib::cli
