// Synthesis, integration and spectrum: the numeric work of one shock redraw.
#include <benchmark/benchmark.h>

#include "shock/recompute.h"
#include "shock/response_spectrum.h"

#include "shock/integration.h"
#include "shock/model.h"
#include "shock/recompute.h"
#include "shock/spectrum.h"
#include "shock/synthesis.h"

namespace {

using vib::shock::ShockState;

ShockState StartUp() {
    ShockState s;
    vib::shock::InitDefaults(s);
    return s;
}

ShockState LongPulse() {
    ShockState s = StartUp();
    s.P[vib::shock::param::kDurationMs] = 100;
    s.P[vib::shock::param::kRateIndex] = 1;
    return s;
}

void Redraw(benchmark::State& bench, ShockState s) {
    for (auto _ : bench) {
        const auto results = vib::shock::RecomputeAll(s);
        benchmark::DoNotOptimize(results);
        benchmark::DoNotOptimize(s.PeakDisp);
    }
}

void BM_StartUpPulse(benchmark::State& bench) {
    Redraw(bench, StartUp());
}
void BM_Pulse100msAt1280Hz(benchmark::State& bench) {
    Redraw(bench, LongPulse());
}

void BM_SynthesisOnly(benchmark::State& bench) {
    ShockState s = StartUp();
    for (auto _ : bench) {
        vib::shock::SynthesizePulse(s);
        benchmark::DoNotOptimize(s.W);
    }
}

void BM_SpectrumOnly(benchmark::State& bench) {
    ShockState s = StartUp();
    vib::shock::SynthesizePulse(s);
    for (auto _ : bench) benchmark::DoNotOptimize(vib::shock::SpectrumPass(s));
}

// Both maximax spectra (test and ideal pulse) at every natural frequency, as every
// command that changes the pulse recomputes them.
void BM_ResponseSpectrum(benchmark::State& bench) {
    ShockState s = StartUp();
    vib::shock::RecomputeAll(s);
    for (auto _ : bench) benchmark::DoNotOptimize(vib::shock::ComputeResponseSpectrum(s));
}

}  // namespace

BENCHMARK(BM_StartUpPulse);
BENCHMARK(BM_Pulse100msAt1280Hz);
BENCHMARK(BM_SynthesisOnly);
BENCHMARK(BM_SpectrumOnly);
BENCHMARK(BM_ResponseSpectrum)->Unit(benchmark::kMicrosecond);
