// Many profiles in one run: JSON Lines in input order, failures on their own line, the
// list, the fields, the output patterns, and the Qt-free program handing off to its
// renderer.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <atomic>
#include <chrono>
#include <climits>
#include <cstdio>
#include <sstream>
#include <stdexcept>
#include <system_error>
#include <thread>

#include "cli/batch.h"
#include "cli/handoff.h"
#include "cli/messages.h"
#include "random/profile_file.h"
#include "random/spectrum.h"
#include "shock/model.h"
#include "shock/profile_file.h"
#include "tests/support/scratch_dir.h"
#include "tests/support/vibcalc_run.h"

namespace vib::cli {
namespace {

using testing::RunVibcalc;

std::vector<nlohmann::json> Lines(const std::string& out) {
    std::vector<nlohmann::json> lines;
    std::istringstream in(out);
    for (std::string line; std::getline(in, line);) lines.push_back(nlohmann::json::parse(line));
    return lines;
}

std::string RunProgram(const std::string& command) {
    std::string out;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) return out;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        out.append(buffer, n);
    ::pclose(pipe);
    return out;
}

class Batch : public testing::ScratchDir {
  protected:
    // A random profile whose flat level gives G rms = sqrt(asd x 1980 Hz) on 20-2000 Hz.
    std::string RandomProfile(const std::string& name, float asd) {
        random::RandomState s;
        random::InitDefaults(s);
        s.Freq[1] = 20;
        s.Freq[2] = 2000;
        s.Freq[3] = 0;
        s.Asd[1] = s.Asd[2] = asd;
        LocalFileSystem files;
        EXPECT_FALSE(random::SaveRandomProfile(files, Path(name), "t", s));
        return Path(name);
    }
};

TEST_F(Batch, DamagedFileInTheMiddleGivesItsErrorLineAndTheRunGoesOn) {
    const std::string a = RandomProfile("a.prf", 0.01f), c = RandomProfile("c.prf", 0.04f);
    const std::string bad = Put(Path("bad.prf"), "0,0,0,abc,0,0,\"\"\r\n");
    const auto r = RunVibcalc({"random", a, bad, c, "--fields", "gref"});
    EXPECT_EQ(r.status, kExitFileError);
    const auto lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0]["file"], a);
    EXPECT_NEAR(lines[0]["gref"].get<double>(), std::sqrt(0.01 * 1980), 0.05);
    EXPECT_EQ(lines[1], nlohmann::json::parse(R"({"file": ")" + bad + R"(", "error": {
        "number": 13, "description": "Type mismatch", "record": 1, "field": 4}})"));
    EXPECT_EQ(lines[2]["file"], c);
    EXPECT_NEAR(lines[2]["gref"].get<double>(), std::sqrt(0.04 * 1980), 0.05);
    EXPECT_EQ(lines[2].size(), 2u);  // file and gref only
    // One message line, for the damaged file.
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    EXPECT_NE(r.err.find("bad.prf: Type mismatch (error 13): record 1, field 4"),
              std::string::npos);
    // The line starts with the file, so a reader sees at once what it is about.
    EXPECT_EQ(r.out.rfind("{\"file\":", 0), 0u);
}

TEST_F(Batch, ListsFromAFileOrStandardInputInOrderOnAnyNumberOfThreads) {
    std::string list;
    std::vector<std::string> expected;
    for (int i = 0; i < 60; ++i) {
        const std::string p = RandomProfile("p" + std::to_string(i) + ".prf", 0.001f * (i + 1));
        list += p + (i % 2 ? "\r\n" : "\n\n");  // CR line ends and blank lines are fine
        expected.push_back(p);
    }
    Put(Path("list.txt"), list);
    const auto one = RunVibcalc({"random", "--files-from", Path("list.txt"), "--jobs", "1"});
    ASSERT_EQ(one.status, 0) << one.err;
    for (const char* jobs : {"2", "7"}) {
        const auto many =
            RunVibcalc({"random", "--files-from", "-", "--jobs", jobs}, nullptr, list);
        EXPECT_EQ(many.out, one.out) << jobs;
    }
    const auto lines = Lines(one.out);
    ASSERT_EQ(lines.size(), expected.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i]["file"], expected[i]);
        EXPECT_NEAR(lines[i]["gref"].get<double>(), std::sqrt(0.001 * (i + 1) * 1980), 0.01);
    }
    // Each line carries the whole object of a single run, plus its file.
    const auto single = nlohmann::json::parse(RunVibcalc({"random", expected[5]}).out);
    nlohmann::json withFile = single;
    withFile["file"] = expected[5];
    EXPECT_EQ(lines[5], withFile);
}

TEST_F(Batch, UsageMistakesEndTheRunBeforeAnyWork) {
    const std::string a = RandomProfile("a.prf", 0.01f);
    const std::string b = RandomProfile("b.prf", 0.01f);
    Put(Path("x.prf"), "");
    const std::vector<std::vector<std::string>> cases = {
        {"random", a, b, "--fields", "gref,bogus"},
        {"random", a, b, "--fields", "gref,,vref"},
        {"random", a, b, "--jobs", "0"},
        {"random", a, b, "--jobs", "two"},
        {"random", "--fields", "gref"},
        {"random", a, b, "--plot", Path("same.png")},
        {"random", a, b, "--report", Path("same.pdf")},
        {"shock", a, b, "--fields", "gref"},
        // Two inputs with one base name would write one image over the other.
        {"random", a, Path("x.prf"), Path("sub/../a.prf"), "--plot", Path("{}.png")},
    };
    for (const auto& args : cases) {
        const auto r = RunVibcalc(args);
        EXPECT_EQ(r.status, kExitUsage) << ::testing::PrintToString(args);
        EXPECT_EQ(r.out, "");
    }
    EXPECT_EQ(RunVibcalc({"random", "--files-from", Path("missing.txt")}).status, kExitFileError);
}

TEST_F(Batch, PatternsNameEachProfilesImageAndReport) {
    const std::string a = RandomProfile("alpha.prf", 0.01f), b = RandomProfile("beta.prf", 0.02f);
    const auto r = RunVibcalc({"random", a, b, "--plot", Path("{}-plot.png"), "--report",
                               Path("{}.pdf"), "--fields", "gref"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(Names(), (std::vector<std::string>{"alpha-plot.png", "alpha.pdf", "alpha.prf",
                                                 "beta-plot.png", "beta.pdf", "beta.prf"}));
    EXPECT_EQ(Slurp(Path("beta.pdf")).rfind("%PDF", 0), 0u);
}

TEST_F(Batch, TheWaveshapeAppliesToEveryShockProfile) {
    std::string wave;
    for (int i = 0; i < 1024; ++i) wave += i < 100 ? "1\r\n" : "0\r\n";
    Put(Path("w.dat"), wave);
    std::vector<std::string> args = {"shock", "--wave", Path("w.dat"), "--fields", "shape"};
    for (float amplitude : {10.0f, 20.0f}) {
        shock::ShockState s;
        shock::InitDefaults(s);
        s.P[shock::param::kAmplitude] = amplitude;
        const std::string path = Path("s" + std::to_string(int(amplitude)) + ".prf");
        LocalFileSystem files;
        ASSERT_FALSE(shock::SaveShockProfile(files, path, s));
        args.push_back(path);
    }
    const auto r = RunVibcalc(args);
    ASSERT_EQ(r.status, 0) << r.err;
    for (const auto& line : Lines(r.out))
        EXPECT_EQ(line["shape"], shock::CodeOf(shock::Shape::Custom));
    // The waveshape is read once, before any profile: one that can't be read names
    // itself once and ends the run.
    args[2] = Path("missing.dat");
    const auto bad = RunVibcalc(args);
    EXPECT_EQ(bad.status, kExitFileError);
    EXPECT_EQ(bad.out, "");
    EXPECT_EQ(bad.err, "vibcalc: " + args[2] + ": File not found (error 53)\n");
}

// Input no list or breakpoint list can be is refused at once with one line naming it,
// from a file, from standard input, and on the program itself.
TEST_F(Batch, HostileInputIsRefusedAtOnceWithOneLine) {
    const std::string big = Put(Path("big.csv"), std::string((1 << 20) + 1, 'a'));
    const std::string points = "20,0.01,6,\n2000,0.01,6,";
    const struct {
        std::vector<std::string> args;
        std::string in, line;
    } cases[] = {
        {{"random", "--points", "-"},
         std::string((1 << 20) + 1, '\0'),
         "standard input: Overflow (error 6): more than 1 MiB, larger than any breakpoint list"},
        {{"random", "--points", big},
         "",
         big + ": Overflow (error 6): more than 1 MiB, larger than any breakpoint list"},
        {{"random", "--points", "-"},
         points + std::string(64 << 10, 'c') + "\n",
         "standard input: Overflow (error 6): Line 2: longer than 64 KiB, more than any "
         "breakpoint line"},
        {{"random", "--files-from", "-"},
         std::string(PATH_MAX, 'a'),
         "standard input: Path/File access error (error 75): line 1 is longer than a path can "
         "be (" +
             std::to_string(PATH_MAX) + " bytes)"},
        {{"shock", "--files-from", "-"},
         "\n" + std::string(100, '\0'),
         "standard input: Path/File access error (error 75): line 2 holds a NUL byte, which no "
         "path can"},
    };
    for (const auto& c : cases) {
        const auto r = RunVibcalc(c.args, nullptr, c.in);
        EXPECT_EQ(r.status, kExitFileError) << c.line;
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, "vibcalc: " + c.line + "\n");
    }
    // The program itself, where it used to grow until it was killed.
    for (const std::string args : {"random --points - </dev/zero", "random --files-from /dev/zero",
                                   "shock --files-from - </dev/zero"}) {
        const std::string err = RunProgram("timeout 20 '" VIB_VIBCALC "' " + args +
                                           " 2>&1 >/dev/null; echo \"exit $?\"");
        EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 2) << args << ": " << err;
        EXPECT_TRUE(err.ends_with("exit 1\n")) << args << ": " << err;
    }
}

// A list from a pipe is worked on as it comes: each line is printed before the next path
// is read, however many threads work.
class ListBuffer : public std::streambuf {
  public:
    ListBuffer(std::vector<std::string> lines, std::function<void(std::size_t)> beforeLine)
        : lines_(std::move(lines)), before_(std::move(beforeLine)) {}

  protected:
    int_type underflow() override {
        if (next_ == lines_.size()) return traits_type::eof();
        before_(next_);
        current_ = lines_[next_++] + "\n";
        setg(current_.data(), current_.data(), current_.data() + current_.size());
        return traits_type::to_int_type(current_[0]);
    }

  private:
    std::vector<std::string> lines_;
    std::function<void(std::size_t)> before_;
    std::size_t next_ = 0;
    std::string current_;
};

TEST_F(Batch, AListFromAPipeIsWorkedOnAsItComes) {
    std::vector<std::string> paths;
    for (int i = 0; i < 5; ++i)
        paths.push_back(RandomProfile("p" + std::to_string(i) + ".prf", 0.01f));
    for (const char* jobs : {"1", "3"}) {
        std::ostringstream out, err;
        std::vector<std::size_t> printedBefore;
        ListBuffer list(paths, [&](std::size_t line) {
            // Waits a moment for the workers, as a slow producer would.
            for (int t = 0; t < 200 && line && Lines(out.str()).size() < line; ++t)
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
            printedBefore.push_back(Lines(out.str()).size());
        });
        std::istream in(&list);
        LocalFileSystem files;
        Io io{in, out, err, files};
        EXPECT_EQ(cli::Run({"random", "--files-from", "-", "--fields", "gref", "--jobs", jobs}, io),
                  0);
        EXPECT_EQ(printedBefore, (std::vector<std::size_t>{0, 1, 2, 3, 4})) << jobs;
        EXPECT_EQ(Lines(out.str()).size(), 5u);
    }
}

// Threads the system cannot give are done without, with a note; a fault in one profile's
// work is that profile's error line and the run goes on.
TEST(BatchParts, ARunGoesOnWithTheThreadsThereAreAndPastAFaultyProfile) {
    const struct {
        int jobs, startable;
        const char* note;
    } cases[] = {
        {4, 4, ""},
        {4, 2, "2 of 4"},
        {64, 0, "0 of 64"},
    };
    for (const auto& c : cases) {
        int started = 0;
        std::string note;
        Pool pool{c.jobs,
                  [&](std::function<void()> body) {
                      if (started == c.startable)
                          throw std::system_error(EAGAIN, std::generic_category());
                      ++started;
                      return std::jthread(std::move(body));
                  },
                  [&](std::size_t ok, std::size_t asked) {
                      note = std::to_string(ok) + " of " + std::to_string(asked);
                  }};
        std::size_t next = 0;
        std::vector<std::size_t> order;
        ForEachInOrder<std::size_t, std::size_t>(
            pool,
            [&]() -> std::optional<std::size_t> {
                if (next == 200) return std::nullopt;
                return next++;
            },
            [](std::size_t& i) { return i; }, [&](std::size_t& i) { order.push_back(i); });
        EXPECT_EQ(note, c.note);
        ASSERT_EQ(order.size(), 200u) << c.note;
        for (std::size_t i = 0; i < order.size(); ++i) EXPECT_EQ(order[i], i);
    }

    struct Throwing final : Job {
        FileError Load(FileSystem&, const std::string& path, std::string&) override {
            if (path == "big") throw std::bad_alloc();
            if (path == "odd") throw std::runtime_error("odd: broken");
            return {};
        }
        std::string Plot(Renderer&, int, int, std::string&) override { return {}; }
        FileError Report(Renderer&, std::string&) override { return {}; }
        nlohmann::json Json(const KeySet&) const override { return {{"ok", true}}; }
    };
    CommonOptions o;
    o.line.profiles = {"a", "big", "odd", "b"};
    o.lines = true;
    o.jobs = 2;
    std::istringstream in;
    std::ostringstream out, err;
    LocalFileSystem files;
    Io io{in, out, err, files};
    EXPECT_EQ(RunJobs("random", o, io, [] { return std::make_unique<Throwing>(); }),
              kExitFileError);
    const auto lines = Lines(out.str());
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[3], nlohmann::json::parse(R"({"file": "b", "ok": true})"));
    EXPECT_EQ(err.str(),
              "vibcalc: big: not enough memory to compute it\n"
              "vibcalc: odd: it could not be computed (odd: broken)\n");
}

TEST(BatchParts, BaseNamesPatternsAndPlaces) {
    EXPECT_EQ(OutputPath("out/{}.png", "/lab/navmat.prf"), "out/navmat.png");
    EXPECT_EQ(OutputPath("{}/{}.pdf", "x.tar.prf"), "x.tar/x.tar.pdf");
    EXPECT_EQ(OutputPath("plain.png", "a.prf"), "plain.png");
    struct Case {
        const char* detail;
        int record, field;
    };
    for (const Case& c :
         {Case{"record 12, field 3: \"x\" is not a number", 12, 3},
          Case{"record 13 (sample-rate index) is 9", 13, 0}, Case{"/p.prf record 2, field 1", 2, 1},
          Case{"value 7 (x) is out of range", 0, 0}, Case{"", 0, 0}}) {
        FileError e = FileError::Make(err::kTypeMismatch, c.detail);
        const ErrorPlace p = PlaceOf("/p.prf", e);
        EXPECT_EQ(p.record, c.record) << c.detail;
        EXPECT_EQ(p.field, c.field) << c.detail;
    }
    EXPECT_EQ(RendererCandidates("/usr/bin/vibcalc", "../libexec/vibcalc"),
              (std::vector<std::string>{"/usr/bin/vibcalc-render",
                                        "/usr/libexec/vibcalc/vibcalc-render"}));
}

TEST(BatchParts, ResultsComeInInputOrderHoweverLongEachTakes) {
    std::atomic<int> running{0}, most{0};
    std::vector<std::size_t> order;
    std::size_t next = 0;
    Pool pool;
    pool.jobs = 4;
    ForEachInOrder<std::size_t, std::size_t>(
        pool,
        [&]() -> std::optional<std::size_t> {
            if (next == 300) return std::nullopt;
            return next++;
        },
        [&](std::size_t& i) {
            most = std::max(most.load(), ++running);
            std::this_thread::sleep_for(std::chrono::microseconds((i * 7919) % 500));
            --running;
            return i;
        },
        [&](std::size_t& i) { order.push_back(i); });
    ASSERT_EQ(order.size(), 300u);
    for (std::size_t i = 0; i < order.size(); ++i) EXPECT_EQ(order[i], i);
    EXPECT_GT(most.load(), 1);
    EXPECT_LE(most.load(), 4);
}

// The program itself: it loads no Qt to compute, and hands images and reports to its
// renderer with the whole command line.
TEST_F(Batch, TheProgramComputesWithoutQtAndRendersThroughItsHelper) {
    const std::string a = RandomProfile("a.prf", 0.01f);
    // Linked statically it loads nothing at all; under the sanitizers, no Qt.
    const std::string loaded =
        RunProgram("LD_DEBUG=libs '" VIB_VIBCALC "' random '" + a + "' 2>&1 >/dev/null");
    EXPECT_EQ(loaded.find("libQt6"), std::string::npos);

    const std::string json = RunProgram("'" VIB_VIBCALC "' random '" + a + "' --plot '" +
                                        Path("a.png") + "' --report '" + Path("a.pdf") + "'");
    EXPECT_EQ(json, RunVibcalc({"random", a}).out);
    EXPECT_EQ(Slurp(Path("a.png")).substr(1, 3), "PNG");
    EXPECT_EQ(Slurp(Path("a.pdf")).rfind("%PDF", 0), 0u);
    // The list on standard input reaches the renderer unread.
    const std::string lines =
        RunProgram("echo '" + a + "' | '" VIB_VIBCALC "' random --files-from - --fields gref " +
                   "--plot '" + Path("{}-2.png") + "'");
    EXPECT_EQ(Lines(lines).size(), 1u);
    EXPECT_EQ(Slurp(Path("a-2.png")).substr(1, 3), "PNG");
}

}  // namespace
}  // namespace vib::cli
