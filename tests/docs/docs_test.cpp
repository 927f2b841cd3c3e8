// The written word against the program: the manual page lists the options `vibcalc
// --help` lists, for each command; the manual page and docs/vibcalc-json.md name every key
// vibcalc prints; the changelog's newest entry is the version; and every vibcalc command
// block of the README, the guide and the JSON reference runs.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <nlohmann/json.hpp>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/scratch_dir.h"

namespace vib {
namespace {

using Options = std::set<std::string>;

std::string Source(const std::string& path) {
    return testing::ScratchDir::Slurp(std::string(VIB_SOURCE) + "/" + path);
}

// Single quotes around a word for the shell.
std::string Quote(const std::string& s) {
    std::string q = "'";
    for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

struct Ran {
    int status;
    std::string out;
};

// A command line through bash, standard error kept with standard output.
Ran Shell(const std::string& command) {
    const std::string line = "bash -e -o pipefail -c " + Quote(command) + " 2>&1";
    FILE* p = ::popen(line.c_str(), "r");
    if (!p) return {-1, "popen failed"};
    std::string out;
    std::array<char, 4096> buf;
    while (const std::size_t n = std::fread(buf.data(), 1, buf.size(), p))
        out.append(buf.data(), n);
    const int status = ::pclose(p);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out};
}

Ran Vibcalc(const std::string& args) {
    return Shell(Quote(VIB_VIBCALC) + " " + args);
}

// Every "--name" in the text ("\-\-name" in troff).
Options OptionsIn(std::string text) {
    text = std::regex_replace(text, std::regex(R"(\\-)"), "-");
    Options found;
    const std::regex option(R"(--[a-z][a-z-]*[a-z])");
    for (std::sregex_iterator i(text.begin(), text.end(), option), end; i != end; ++i)
        found.insert(i->str());
    return found;
}

// The text from the line that starts with `from` up to the next line that starts with
// one of `to` ("" stands for an empty line), or the end.
std::string Between(const std::string& text, const std::string& from,
                    const std::vector<std::string>& to) {
    std::istringstream in(text);
    std::string line, out;
    bool inside = false;
    while (std::getline(in, line)) {
        if (inside)
            for (const auto& end : to)
                if (end.empty() ? line.empty() : line.rfind(end, 0) == 0) return out;
        if (!inside && line.rfind(from, 0) == 0) inside = true;
        if (inside) out += line + "\n";
    }
    return out;
}

std::string Help() {
    const Ran help = Vibcalc("--help");
    EXPECT_EQ(help.status, 0) << help.out;
    return help.out;
}

// The options each command takes, as --help groups them.
std::map<std::string, Options> HelpOptions(const std::string& help) {
    const Options both = OptionsIn(Between(help, "Options of both", {"With more than one"}));
    std::map<std::string, Options> byCommand = {
        {"random", OptionsIn(Between(help, "Options of random:", {"", "Options"}))},
        {"shock", OptionsIn(Between(help, "  shock [", {"  --help"}) +
                            Between(help, "Options of shock:", {"", "Options"}))}};
    for (auto& [command, options] : byCommand) options.insert(both.begin(), both.end());
    return byCommand;
}

std::string Listed(const Options& options) {
    std::string s;
    for (const auto& o : options) s += " " + o;
    return s;
}

TEST(ManualPage, SynopsisAndOptionsAreTheOnesHelpLists) {
    const std::string help = Help();
    const std::string page = Source("packaging/vibcalc.1");
    const std::string synopsis = Between(page, ".SH SYNOPSIS", {".SH"});
    for (const auto& [command, options] : HelpOptions(help)) {
        SCOPED_TRACE(command);
        EXPECT_FALSE(options.empty());
        const Options shown = OptionsIn(Between(synopsis, ".B vibcalc " + command, {".B vibcalc"}));
        EXPECT_EQ(Listed(shown), Listed(options))
            << "the manual page's synopsis of vibcalc " << command << " against --help";
    }
    // Each option has its own entry under OPTIONS (".TP" then ".B" or ".BI" naming it),
    // and no entry is for an option --help does not know.
    std::istringstream in(Between(page, ".SH OPTIONS", {".SH MANY"}));
    std::string line, previous, entries;
    while (std::getline(in, line)) {
        if (previous == ".TP") entries += line + "\n";
        previous = line;
    }
    EXPECT_EQ(Listed(OptionsIn(entries)), Listed(OptionsIn(help)))
        << "the OPTIONS entries against --help";
}

// The version lives in the CMake project() line alone; the changelog's newest entry must
// be that release, so no release goes out without its changes written down.
TEST(Changelog, NewestEntryIsTheVersionVibcalcPrints) {
    const Ran version = Vibcalc("--version");
    ASSERT_EQ(version.status, 0);
    std::smatch newest;
    const std::string changelog = Source("CHANGELOG.md");
    ASSERT_TRUE(std::regex_search(changelog, newest, std::regex(R"(\n## \[([0-9.]+)\] - )")));
    EXPECT_EQ(version.out, "vibcalc " + newest[1].str() + "\n");
}

// Every key of an object and of the objects inside it, arrays of objects included.
void Keys(const nlohmann::json& j, std::set<std::string>& keys) {
    if (j.is_object())
        for (const auto& [key, value] : j.items()) {
            keys.insert(key);
            Keys(value, keys);
        }
    if (j.is_array() && !j.empty() && j.front().is_structured()) Keys(j.front(), keys);
}

TEST(Reference, ManualPageAndJsonReferenceNameEveryKeyPrinted) {
    // The options that print the optional objects, as far as this build has them.
    const Options known = OptionsIn(Help());
    const std::map<std::string, std::string> printing = {{"--mass", "--mass 150,25,12"},
                                                         {"--rated-force", "--rated-force 4000"},
                                                         {"--response", "--response"},
                                                         {"--exact", "--exact"}};
    std::set<std::string> keys;
    for (const std::string command : {"random", "shock"}) {
        std::string args = command;
        for (const auto& [option, text] : printing)
            if (known.count(option) && (option != "--response" || command == "shock") &&
                (option != "--exact" || command == "random"))
                args += " " + text;
        const Ran run = Vibcalc(args);
        ASSERT_EQ(run.status, 0) << args << "\n" << run.out;
        Keys(nlohmann::json::parse(run.out), keys);
        // A batch line, and the line of a profile that cannot be read.
        const Ran batch = Vibcalc(command + " " + Quote(std::string(VIB_SOURCE) + "/LICENSE") +
                                  " --files-from /dev/null 2>/dev/null || true");
        Keys(nlohmann::json::parse(batch.out), keys);
    }
    ASSERT_TRUE(keys.count("gref") && keys.count("peak_disp") && keys.count("error"));
    const std::string page = Source("packaging/vibcalc.1");
    const std::string reference = Source("docs/vibcalc-json.md");
    for (const auto& key : keys) {
        EXPECT_NE(reference.find("`" + key + "`"), std::string::npos)
            << key << " is not in docs/vibcalc-json.md";
        EXPECT_TRUE(std::regex_search(page, std::regex("(^|[^a-z_])" + key + "([^a-z_]|$)")))
            << key << " is not in the manual page";
    }
}

// Each ```sh block of a document that runs vibcalc, with the line it starts on. Blocks
// that install or build (sudo, apt, cmake, scripts/) are the set-up's, not vibcalc's.
struct Block {
    std::string where, text;
};
std::vector<Block> VibcalcBlocks(const std::string& document) {
    std::vector<Block> blocks;
    std::istringstream in(Source(document));
    std::string line, text;
    int number = 0, start = 0;
    bool inside = false;
    while (std::getline(in, line)) {
        ++number;
        if (!inside && line.rfind("```sh", 0) == 0) {
            inside = true;
            start = number;
            text.clear();
        } else if (inside && line.rfind("```", 0) == 0) {
            inside = false;
            const std::regex vibcalc(R"((^|\n|\||\$\()\s*vibcalc )");
            const std::regex setup(R"(sudo |apt |apt-get |cmake |scripts/)");
            if (std::regex_search(text, vibcalc) && !std::regex_search(text, setup))
                blocks.push_back({document + ":" + std::to_string(start), text});
        } else if (inside) {
            text += line + "\n";
        }
    }
    return blocks;
}

class CommandBlocks : public testing::ScratchDir {};

TEST_F(CommandBlocks, EveryVibcalcBlockOfTheReadmeAndTheGuideSucceeds) {
    // Run from a folder that has the examples where the source tree has them, with the
    // build's vibcalc first on the path.
    std::filesystem::create_directory_symlink(std::string(VIB_SOURCE) + "/examples",
                                              Path("examples"));
    const std::string path = std::filesystem::path(VIB_VIBCALC).parent_path().string();
    // Under the leak sanitizer the renderer leaks what fontconfig keeps for the process.
    const std::string suppressions = Put(Path("lsan.supp"), "leak:libfontconfig.so\n");
    int blocks = 0;
    for (const std::string document : {"README.md", "docs/guide.md", "docs/vibcalc-json.md"}) {
        for (const Block& b : VibcalcBlocks(document)) {
            ++blocks;
            const Ran run =
                Shell("cd " + Quote(dir_.string()) + "; PATH=" + Quote(path) +
                      ":\"$PATH\"; export SOURCE_DATE_EPOCH=1258884000 LSAN_OPTIONS=suppressions=" +
                      Quote(suppressions) + "\n" + b.text);
            // The first lines say what went wrong; a usage text after them would only repeat.
            EXPECT_EQ(run.status, 0) << b.where << ":\n"
                                     << b.text << "---\n"
                                     << run.out.substr(0, 400);
        }
    }
    EXPECT_GE(blocks, 10) << "the documents should show vibcalc at work";
}

}  // namespace
}  // namespace vib
