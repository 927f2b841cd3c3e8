#include "spectrum.h"

#include <cmath>
#include <utility>

#include "platform/numbers.h"

namespace vib::shock {

bool FftInPlace(std::span<float> data, int n, int sign) {
    if (n < 1 || (n & (n - 1)) != 0) return false;
    const std::size_t m2 = 2 * static_cast<std::size_t>(n);
    if (data.size() < m2 + 1) return false;

    // Bit-reversal reordering (1-based, interleaved).
    std::size_t j = 1;
    for (std::size_t i = 1; i <= m2; i += 2) {
        if (j > i) {
            std::swap(data[j], data[i]);
            std::swap(data[j + 1], data[i + 1]);
        }
        std::size_t m = m2 / 2;
        while (m >= 2 && j > m) {
            j -= m;
            m /= 2;
        }
        j += m;
    }

    // Butterflies; the twiddle factors follow a recurrence, so each stage costs two sine
    // evaluations and none per butterfly.
    std::size_t mmax = 2;
    while (m2 > mmax) {
        const std::size_t istep = 2 * mmax;
        const double theta = 6.28318530717959 / (static_cast<double>(mmax) * sign);
        double wtemp = std::sin(0.5 * theta);
        const double wpr = -2.0 * wtemp * wtemp;
        const double wpi = std::sin(theta);
        double wr = 1.0;
        double wi = 0.0;
        for (std::size_t m = 1; m <= mmax; m += 2) {
            for (std::size_t i = m; i <= m2; i += istep) {
                const std::size_t k = i + mmax;
                const double tr = wr * data[k] - wi * data[k + 1];
                const double ti = wr * data[k + 1] + wi * data[k];
                data[k] = StoreSingle(data[i] - tr);
                data[k + 1] = StoreSingle(data[i + 1] - ti);
                data[i] = StoreSingle(data[i] + tr);
                data[i + 1] = StoreSingle(data[i + 1] + ti);
            }
            wtemp = wr;
            wr = wr * wpr - wi * wpi + wr;
            wi = wi * wpr + wtemp * wpi + wi;
        }
        mmax = istep;
    }
    return true;
}

bool TransformComplex(std::span<float> re, std::span<float> im, int n) {
    constexpr int kMaxPoints = kTransformPoints;
    if (n < 1 || n > kMaxPoints || (n & (n - 1)) != 0) return false;
    const auto count = static_cast<std::size_t>(n);
    if (re.size() < count + 1 || im.size() < count + 1) return false;

    std::array<float, 2 * kMaxPoints + 1> work{};
    for (std::size_t k = 1; k <= count; ++k) {
        work[2 * k - 1] = re[k];
        work[2 * k] = im[k];
    }
    FftInPlace(work, n, +1);
    for (std::size_t k = 1; k <= count; ++k) {
        re[k] = work[2 * k - 1];
        im[k] = work[2 * k];
    }
    return true;
}

BarValues BarValuesOf(const ShockState& s) {
    BarValues bars{};
    for (int i = 1; i <= kBars; ++i) {
        const double re = s.SpecRe[i];
        const double im = s.SpecIm[i];
        const double magnitude = std::sqrt(re * re + im * im);
        // Weighted by the bar number, that is by frequency.
        float value = StoreSingle(magnitude * (i * 0.05));
        if (value > 100.0f) value = 100.0f;
        if (value < 0.0f) value = 0.0f;
        bars[i - 1] = value;
    }
    return bars;
}

BarValues SpectrumPass(ShockState& s) {
    for (int i = 1; i <= kTransformPoints; ++i) {
        s.SpecRe[i] = StoreSingle(0.01 * s.W[i]);
        s.SpecIm[i] = 0.0f;
    }
    TransformComplex(s.SpecRe, s.SpecIm, kTransformPoints);
    const BarValues bars = BarValuesOf(s);
    s.SrsValue = bars[kBars - 1];
    return bars;
}

}  // namespace vib::shock
