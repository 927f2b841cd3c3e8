#pragma once
// The batch tool's commands, callable in-process so tests need no subprocess.

#include <iosfwd>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

namespace vib::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFileError = 1;
inline constexpr int kExitUsage = 2;

// `args` excludes the program name.
int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// Each gets the arguments after its command word.
int RunRandom(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunShock(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

std::string UsageText();

// A JSON number that reads back to the same float: the float's shortest text, parsed as a
// double, which the JSON writer prints again in its shortest form.
nlohmann::json FloatJson(float v);

template <class Container>
nlohmann::json FloatArray(const Container& values) {
    nlohmann::json a = nlohmann::json::array();
    for (float v : values) a.push_back(FloatJson(v));
    return a;
}

}  // namespace vib::cli
