#include "synthesis.h"

#include <cmath>

#include "model.h"
#include "platform/numbers.h"

namespace vib::shock {
namespace {

// The constants are the calculator's own, not exact multiples of pi: changing them
// would move every sample.
constexpr double kBumpPi = 3.14156;
constexpr double kPulsePi = 3.14159;
constexpr double kThirdPi = 1.0472;
constexpr double kHalfPi = 1.57079;

void Limit(float& w, double level) {
    if (w > level) w = StoreSingle(level);
    if (w < -level) w = StoreSingle(-level);
}

}  // namespace

float AutoCompLevel(std::optional<Shape> shape) {
    if (shape == Shape::HalfSine || shape == Shape::QuarterSine) return StoreSingle(0.167);
    if (shape == Shape::Trapezoid) return StoreSingle(0.2358);
    if (shape == Shape::Cusp) return StoreSingle(0.085);
    return StoreSingle(0.131);
}

void SynthesizePulse(ShockState& s) {
    const auto& P = s.P;
    const auto shape = s.PulseShape();
    const float mode = P[param::kCompMode];

    s.RATEF = StoreSingle(std::pow(2.0, P[param::kRateIndex] - 1.0));
    s.N = StoreSingle(static_cast<double>(P[param::kDurationMs]) * 1.28 * s.RATEF);
    s.CompLevel = AutoCompLevel(shape);

    const double n = s.N;
    // Frame boundaries: the whole multiples are held in single precision (so sample 256
    // of the start-up pulse starts the post side at exactly 0), the triangle, trapezoid
    // and cusp break points in double, as the pulse was defined.
    const float b4 = StoreSingle(4.0 * n);
    const float b5 = StoreSingle(5.0 * n);
    const float b8 = StoreSingle(8.0 * n);
    const float b9 = StoreSingle(9.0 * n);
    const double b41 = 4.1 * n;
    const double b45 = 4.5 * n;
    const double b49 = 4.9 * n;

    bool limited = true;
    double preLevel = 0.0;
    double postLevel = 0.0;
    if (mode == 0) {
        preLevel = postLevel = s.CompLevel;
    } else if (mode == 1) {
        preLevel = P[param::kPreLevel] * 0.01;
        postLevel = P[param::kPostLevel] * 0.01;
    } else {
        limited = false;
    }

    // Every synthesis starts from silence: a sample that no step writes (sample 0, or
    // the main pulse of an unknown shape) must not keep the last result and be scaled
    // by 80 once more.
    s.W.fill(0.0f);

    for (int i = 0; i <= kLastSample; ++i) {
        const double di = i;
        const float fi = static_cast<float>(i);
        float& w = s.W[i];

        if (1.0 <= di && di < n) w = StoreSingle(std::sin(kBumpPi * di / n));
        if (n <= di && fi < b4) w = StoreSingle(-std::sin((di - n) * kThirdPi / n));
        if (limited) Limit(w, preLevel);

        if (b4 <= fi && fi < b5) {
            const double x = di - b4;
            const double y = b5 - di;
            if (shape == Shape::HalfSine) {
                w = StoreSingle(std::sin(x * kPulsePi / n));
            } else if (shape == Shape::TerminalSawtooth) {
                w = StoreSingle(x / n);
            } else if (shape == Shape::InitialSawtooth) {
                w = StoreSingle(y / n);
            } else if (shape == Shape::Triangle) {
                w = StoreSingle(di < b45 ? 2.0 * x / n : 2.0 * y / n);
            } else if (shape == Shape::Trapezoid) {
                if (di < b41)
                    w = StoreSingle(10.0 * x / n);
                else if (di < b49)
                    w = 1.0f;
                else
                    w = StoreSingle(10.0 * y / n);
            } else if (shape == Shape::QuarterSine) {
                w = StoreSingle(std::sin(x * kHalfPi / n));
            } else if (shape == Shape::Cusp) {
                const double r = di < b45 ? 2.0 * x / n : 2.0 * y / n;
                w = StoreSingle(r * r);
            }
        }

        if (b5 <= fi && fi < b8) w = StoreSingle(-std::sin((di - b5) * kThirdPi / n));
        if (b8 <= fi && fi < b9) w = StoreSingle(std::sin((di - b8) * kBumpPi / n));
        if (limited && b5 <= fi && fi < b9) Limit(w, postLevel);

        if (shape == Shape::SineBurst) {
            // Eight cycles of period N under one raised-cosine window, uncompensated.
            w = StoreSingle((1.0 - std::cos(0.25 * kPulsePi * di / n)) * 0.5 *
                            std::sin(2.0 * kPulsePi * di / n));
            if (fi >= b8) w = 0.0f;
        }
        if (fi >= b9) w = 0.0f;
        if (shape == Shape::Custom) w = s.CustomWave[i];

        w = StoreSingle(80.0 * w);
    }
}

}  // namespace vib::shock
