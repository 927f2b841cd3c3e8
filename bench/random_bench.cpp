// The computing part of a recompute, and a profile load, as a test engineer meets them.
#include <benchmark/benchmark.h>

#include <cmath>

#include "platform/files.h"
#include "platform/memory_file_system.h"
#include "random/profile_file.h"
#include "random/spectrum.h"

namespace {

using vib::random::RandomState;

RandomState Defaults() {
    RandomState s;
    vib::random::InitDefaults(s);
    return s;
}

// 50 segments (51 breakpoints) from 10 to 1990 Hz at 1600 lines on the 2000 Hz range.
RandomState FiftySegments() {
    RandomState s = Defaults();
    s.Params[vib::random::prm::LinesIndex] = 3;
    for (int k = 1; k <= 51; ++k) {
        s.Freq[k] = 10.0f * std::pow(199.0f, float(k - 1) / 50.0f);
        s.Asd[k] = 0.01f + 0.005f * float(k % 7);
    }
    return s;
}

void BM_RecomputeDefaults400Lines(benchmark::State& state) {
    RandomState s = Defaults();
    for (auto _ : state) {
        vib::random::RecomputeModel(s);
        benchmark::DoNotOptimize(s.Gref);
    }
}
BENCHMARK(BM_RecomputeDefaults400Lines)->Unit(benchmark::kMicrosecond);

void BM_Recompute50Breakpoints1600Lines(benchmark::State& state) {
    RandomState s = FiftySegments();
    for (auto _ : state) {
        vib::random::RecomputeModel(s);
        benchmark::DoNotOptimize(s.Gref);
    }
}
BENCHMARK(BM_Recompute50Breakpoints1600Lines)->Unit(benchmark::kMicrosecond);

void BM_OpenProfile(benchmark::State& state) {
    vib::MemoryFileSystem fs;
    RandomState s = FiftySegments();
    if (vib::random::SaveRandomProfile(fs, "p.prf", "title", s)) state.SkipWithError("save failed");
    for (auto _ : state) {
        RandomState o = Defaults();
        auto e = vib::random::OpenRandomProfile(fs, "p.prf", "title", o);
        benchmark::DoNotOptimize(e.number);
    }
}
BENCHMARK(BM_OpenProfile)->Unit(benchmark::kMicrosecond);

}  // namespace
