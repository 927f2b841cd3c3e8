#include "units.h"

#include "platform/numbers.h"

namespace vib::shell {

UnitFactors FactorsBetween(int from, int to) {
    UnitFactors f;
    if (from == kEnglish && to == kMetric)
        f = {96.16, 9.807, 2.54, 0.0254};
    else if (from == kHybrid && to == kMetric)
        f = {96.16, 9.807, {}, {}};
    else if (from == kMetric && to == kEnglish)
        f = {0.0104, 0.102, 0.3937, 39.37};
    else if (from == kHybrid && to == kEnglish)
        f = {{}, {}, 0.3937, 39.37};
    else if (from == kEnglish && to == kHybrid)
        f = {{}, {}, 2.54, 0.0254};
    else if (from == kMetric && to == kHybrid)
        f = {0.0104, 0.102, {}, {}};
    return f;
}

float Convert(float value, const std::optional<double>& factor) {
    return factor ? StoreSingle(double(value) * *factor) : value;
}

bool ConvertAll(const std::vector<UnitBound>& values) {
    for (const UnitBound& v : values)
        if (v.factor && !FitsSingle(double(*v.value) * *v.factor)) return false;
    for (const UnitBound& v : values) *v.value = Convert(*v.value, v.factor);
    return true;
}

int UnitCode(float setting) {
    if (setting == 0.0f) return kEnglish;
    if (setting == 1.0f) return kMetric;
    if (setting == 2.0f) return kHybrid;
    return -1;
}

}  // namespace vib::shell
