// Replays the seed corpus through the fuzzers' checks and then a seeded, bounded run of
// mutations of it, so every build (with the sanitizers in CI) exercises the readers
// without clang. VIB_FUZZ_MUTATIONS and VIB_FUZZ_SEED change the run for longer hunts.

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "harness.h"

namespace vib::fuzz {
namespace {

namespace fs = std::filesystem;

struct Reader {
    const char* folder;
    Outcome (*check)(std::string_view);
};

void PrintTo(const Reader& reader, std::ostream* os) {
    *os << reader.folder;
}

const Reader kReaders[] = {
    {"random", RandomProfileOutcome},
    {"shock", ShockProfileOutcome},
    {"wave", WaveshapeOutcome},
    {"csv", BreakpointListOutcome},
};

struct SeedFile {
    std::string name;
    std::string bytes;
};

std::vector<SeedFile> Corpus(const char* folder) {
    std::vector<SeedFile> files;
    for (const auto& entry : fs::directory_iterator(fs::path(VIB_CORPUS_DIR) / folder)) {
        std::ifstream in(entry.path(), std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        files.push_back({entry.path().filename().string(), bytes.str()});
    }
    // Directory order differs between machines; the mutation run must not.
    std::sort(files.begin(), files.end(),
              [](const SeedFile& a, const SeedFile& b) { return a.name < b.name; });
    return files;
}

unsigned long EnvNumber(const char* name, unsigned long fallback) {
    const char* text = std::getenv(name);
    return text && *text ? std::strtoul(text, nullptr, 10) : fallback;
}

// Keeps an input that broke a property next to the test, for the fuzzers and a debugger.
std::string Keep(const std::string& name, const std::string& bytes) {
    const std::string path = "fuzz-fault-" + name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

// Edits that reach the readers' corners: field texts at the edge of the number range,
// delimiters and quotes that shift fields, cuts, splices and raw byte damage. Only the
// engine's own output is used, never a distribution, so a seed gives the same inputs on
// every standard library.
class Mutator {
  public:
    explicit Mutator(std::uint32_t seed) : gen_(seed) {}

    std::string Mutate(std::string bytes, const std::vector<SeedFile>& corpus) {
        const int edits = Below(3) == 0 ? 2 + Below(3) : 1;
        for (int i = 0; i < edits; ++i) Edit(bytes, corpus);
        if (bytes.size() > kMaxSize) bytes.resize(kMaxSize);
        return bytes;
    }

  private:
    static constexpr std::size_t kMaxSize = 64 * 1024;

    std::uint32_t Below(std::size_t n) { return n == 0 ? 0 : gen_() % n; }

    // Start and end of the field around `at`: fields end at commas and line ends.
    static std::pair<std::size_t, std::size_t> FieldAround(const std::string& s, std::size_t at) {
        const char* kDelims = ",\r\n";
        std::size_t begin = s.find_last_of(kDelims, at);
        begin = begin == std::string::npos ? 0 : begin + 1;
        std::size_t end = s.find_first_of(kDelims, at);
        if (end == std::string::npos) end = s.size();
        if (begin > end) begin = end;
        return {begin, end};
    }

    void Edit(std::string& s, const std::vector<SeedFile>& corpus) {
        static const char* kFields[] = {
            "0",
            "-0",
            "1E-45",
            "1.4E-45",
            "-1E-45",
            "1.1754942E-38",
            "1E-38",
            "3.4028235E+38",
            "3.4028236E+38",
            "-3.4028235E+38",
            "1E39",
            "nan",
            "inf",
            "-inf",
            "1e",
            "+1",
            ".",
            "-.5",
            "5.",
            "1e+",
            "32767",
            "32768",
            "-32769",
            "65536",
            "2147483648",
            "1E10",
            "-1E10",
            "1E30",
            "1E-30",
            "0.5",
            "9",
            "12",
            "200",
            "-300",
            "1e2147483648",
            "00000000000000000000000000000001",
            "\"\"",
            "\"text\"",
            "\"open",
            "a\"b",
            " ",
            "",
            "1,2",
            "1\r\n2",
            "&H10",
            "1D3",
            "0x10",
            "\xff",
        };
        static const char kBytes[] = {',', '"', '\r', '\n', ' ', '\t', '-',    '+',    '.',
                                      'E', 'e', '0',  '1',  '9', '\0', '\x7f', '\x80', '\xff'};
        const std::size_t n = s.size();
        switch (Below(9)) {
            case 0:
            case 1: {  // replace one field with a text at an edge
                if (n == 0) {
                    s = kFields[Below(std::size(kFields))];
                    break;
                }
                const auto [begin, end] = FieldAround(s, Below(n));
                s.replace(begin, end - begin, kFields[Below(std::size(kFields))]);
                break;
            }
            case 2:  // flip one bit
                if (n) s[Below(n)] ^= static_cast<char>(1u << Below(8));
                break;
            case 3:  // overwrite or insert a byte that matters to the syntax
                if (n && Below(2))
                    s[Below(n)] = kBytes[Below(sizeof kBytes)];
                else
                    s.insert(s.begin() + Below(n + 1), kBytes[Below(sizeof kBytes)]);
                break;
            case 4: {  // delete a run
                if (!n) break;
                const std::size_t at = Below(n);
                s.erase(at, 1 + Below(std::min<std::size_t>(n - at, 64)));
                break;
            }
            case 5:  // cut the end off
                s.resize(Below(n + 1));
                break;
            case 6: {  // repeat a run, e.g. a record or a number
                if (!n) break;
                const std::size_t at = Below(n);
                const std::size_t len = 1 + Below(std::min<std::size_t>(n - at, 256));
                s.insert(Below(n + 1), s.substr(at, len));
                break;
            }
            case 7: {  // splice in a piece of another seed file
                const std::string& other = corpus[Below(corpus.size())].bytes;
                if (other.empty()) break;
                const std::size_t at = Below(other.size());
                const std::size_t len = 1 + Below(std::min<std::size_t>(other.size() - at, 512));
                s.replace(Below(n + 1), Below(64), other.substr(at, len));
                break;
            }
            case 8: {  // swap line ends between CR LF and LF
                std::string out;
                const bool toLf = Below(2);
                for (char c : s) {
                    if (toLf && c == '\r') continue;
                    if (!toLf && c == '\n') out += '\r';
                    out += c;
                }
                s = std::move(out);
                break;
            }
        }
    }

    std::mt19937 gen_;
};

class Replay : public ::testing::TestWithParam<Reader> {};

TEST_P(Replay, SeedFilesKeepTheReaderProperties) {
    const Reader& reader = GetParam();
    const auto corpus = Corpus(reader.folder);
    ASSERT_GE(corpus.size(), 8u) << "corpus folder " << reader.folder << " is missing files";
    int opened = 0, refused = 0;
    for (const SeedFile& file : corpus) {
        const Outcome outcome = reader.check(file.bytes);
        EXPECT_EQ(outcome.fault, "") << file.name;
        if (file.name.rfind("ok-", 0) == 0) {
            EXPECT_TRUE(outcome.read) << file.name << " must open";
        } else if (file.name.rfind("bad-", 0) == 0) {
            EXPECT_FALSE(outcome.read) << file.name << " must be refused";
        }
        (outcome.read ? opened : refused) += 1;
    }
    // Both branches of the properties must be reached.
    EXPECT_GT(opened, 0);
    EXPECT_GT(refused, 0);
}

TEST_P(Replay, SeededMutationsKeepTheReaderProperties) {
    const Reader& reader = GetParam();
    const auto corpus = Corpus(reader.folder);
    ASSERT_FALSE(corpus.empty());
    const unsigned long count = EnvNumber("VIB_FUZZ_MUTATIONS", 5000);
    const unsigned long seed = EnvNumber("VIB_FUZZ_SEED", 20240610);
    Mutator mutator(static_cast<std::uint32_t>(seed));
    unsigned long opened = 0;
    for (unsigned long i = 0; i < count; ++i) {
        const SeedFile& base = corpus[i % corpus.size()];
        const std::string input = mutator.Mutate(base.bytes, corpus);
        const Outcome outcome = reader.check(input);
        if (!outcome.fault.empty()) {
            const std::string kept = Keep(
                std::string(reader.folder) + "-" + std::to_string(seed) + "-" + std::to_string(i),
                input);
            FAIL() << "mutation " << i << " of " << base.name << ": " << outcome.fault
                   << "\n  input kept in " << kept;
        }
        opened += outcome.read;
    }
    // Mutations that all fail would test only the refusal path.
    EXPECT_GT(opened, count / 20) << "of " << count;
}

INSTANTIATE_TEST_SUITE_P(Readers, Replay, ::testing::ValuesIn(kReaders),
                         [](const ::testing::TestParamInfo<Reader>& info) {
                             return std::string(info.param.folder);
                         });

}  // namespace
}  // namespace vib::fuzz
