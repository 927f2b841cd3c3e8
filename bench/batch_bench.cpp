// A library of 10,000 default-resolution random profiles in one vibcalc run, as a lab's
// script checks them: read, computed and printed (gref, vref, dref), on 1 and 2 threads.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/commands.h"
#include "random/profile_file.h"
#include "random/spectrum.h"

namespace {

namespace fs = std::filesystem;
constexpr int kProfiles = 10000;

// Written once per process into a temporary folder, removed at exit.
struct Library {
    fs::path dir = fs::temp_directory_path() / ("vib-batch-bench-" + std::to_string(::getpid()));
    std::string list = (dir / "list.txt").string();
    Library() {
        fs::create_directories(dir);
        vib::random::RandomState s;
        vib::random::InitDefaults(s);
        vib::LocalFileSystem files;
        std::ofstream names(list);
        for (int i = 0; i < kProfiles; ++i) {
            const std::string path = (dir / ("p" + std::to_string(i) + ".prf")).string();
            s.Asd[2] = 0.01f + 0.0001f * float(i % 100);  // not all alike
            if (vib::random::SaveRandomProfile(files, path, "bench", s)) std::abort();
            names << path << '\n';
        }
    }
    ~Library() { fs::remove_all(dir); }
};

void BM_BatchOf10000Profiles(benchmark::State& state) {
    static const Library library;
    const std::vector<std::string> args = {"random",
                                           "--files-from",
                                           library.list,
                                           "--fields",
                                           "gref,vref,dref",
                                           "--jobs",
                                           std::to_string(state.range(0))};
    vib::LocalFileSystem files;
    std::istringstream in;
    std::ofstream null("/dev/null");
    std::ostringstream err;
    for (auto _ : state) {
        vib::cli::Io io{in, null, err, files};
        if (vib::cli::Run(args, io) != 0) state.SkipWithError("the batch failed");
    }
    state.SetItemsProcessed(state.iterations() * kProfiles);
}
BENCHMARK(BM_BatchOf10000Profiles)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
