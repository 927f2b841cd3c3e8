// A full Tessalt redraw with every pass on: grid, labels, the three traces, the abort band
// and the spectrum bars; once into a canvas that only counts, once rasterised into an
// image as the batch tool and the window's picture do.
#include <benchmark/benchmark.h>
#include <QImage>

#include "cli/image_canvas.h"
#include "shock/model.h"
#include "shock/recompute.h"
#include "shock/redraw.h"
#include "shock/view.h"

namespace {

using vib::shock::ShockState;

class CountingCanvas : public vib::Canvas {
  public:
    double Width() const override { return 7000; }
    double Height() const override { return 4455; }
    void Line(double, double, double, double, vib::Rgb) override { ++calls; }
    void Text(double, double, const std::string&, vib::Rgb) override { ++calls; }
    long calls = 0;
};

ShockState EverythingShown() {
    ShockState s;
    vib::shock::InitDefaults(s);
    vib::shock::RecomputePulse(s);
    s.View = {true, true, true};
    return s;
}

void BM_FullRedrawDrawingCalls(benchmark::State& bench) {
    ShockState s = EverythingShown();
    CountingCanvas canvas;
    for (auto _ : bench) benchmark::DoNotOptimize(vib::shock::RedrawPlot(s, canvas, {}));
    bench.counters["calls/redraw"] = static_cast<double>(canvas.calls) / bench.iterations();
}

void BM_FullRedrawIntoImage(benchmark::State& bench) {
    vib::cli::EnsureGuiApplication();
    ShockState s = EverythingShown();
    QImage image(467, 297, QImage::Format_RGB32);  // the picture's design size at 96 dpi
    for (auto _ : bench) {
        vib::PainterCanvas canvas(image, QRectF(0, 0, image.width(), image.height()));
        canvas.Fill(vib::shock::PlotBackgroundColor(s));
        benchmark::DoNotOptimize(vib::shock::RedrawPlot(s, canvas, {}));
    }
}

}  // namespace

BENCHMARK(BM_FullRedrawDrawingCalls)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FullRedrawIntoImage)->Unit(benchmark::kMicrosecond);
