#include "options.h"

#include <algorithm>

#include "messages.h"

namespace vib::cli {

std::optional<std::string> ParseCommandLine(const std::vector<std::string>& args,
                                            const std::vector<std::string_view>& valueOptions,
                                            CommandLine& line,
                                            const std::vector<std::string_view>& flagOptions) {
    auto known = [&valueOptions](std::string_view name) {
        return std::find(valueOptions.begin(), valueOptions.end(), name) != valueOptions.end();
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") {
            line.help = true;
            continue;
        }
        if (std::find(flagOptions.begin(), flagOptions.end(), a) != flagOptions.end()) {
            if (!line.flags.insert(a).second) return a + " may be given only once";
            continue;
        }
        if (a.size() > 1 && a[0] == '-') {
            const auto equals = a.find('=');
            const std::string name = a.substr(0, equals);
            if (!known(name)) return "unknown option '" + SafeText(name, kExcerptLimit) + "'";
            std::string value;
            if (equals != std::string::npos) {
                value = a.substr(equals + 1);
            } else if (i + 1 < args.size() && args[i + 1].rfind("--", 0) != 0) {
                // An option right after another is a forgotten value, not a file name.
                value = args[++i];
            }
            if (value.empty()) return name + " needs a value";
            if (!line.values.emplace(name, value).second) return name + " may be given only once";
            continue;
        }
        if (a.empty()) return "the profile name is empty";
        line.profiles.push_back(a);
    }
    return std::nullopt;
}

bool ParseImageSize(const std::string& text, int& width, int& height) {
    const auto x = text.find_first_of("xX");
    if (x == std::string::npos || x == 0 || x + 1 >= text.size()) return false;
    try {
        std::size_t used = 0;
        const int w = std::stoi(text.substr(0, x), &used);
        if (used != x) return false;
        const int h = std::stoi(text.substr(x + 1), &used);
        if (used != text.size() - x - 1) return false;
        if (w < 200 || h < 150 || w > 8000 || h > 8000) return false;
        width = w;
        height = h;
        return true;
    } catch (...) {
        return false;
    }
}

}  // namespace vib::cli
