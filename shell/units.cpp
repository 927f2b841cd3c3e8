#include "units.h"

#include "platform/numbers.h"

namespace vib::shell {

UnitFactors FactorsBetween(std::optional<Units> from, Units to) {
    UnitFactors f;
    if (from == Units::English && to == Units::Metric)
        f = {96.16, 9.807, 2.54, 0.0254};
    else if (from == Units::Hybrid && to == Units::Metric)
        f = {96.16, 9.807, {}, {}};
    else if (from == Units::Metric && to == Units::English)
        f = {0.0104, 0.102, 0.3937, 39.37};
    else if (from == Units::Hybrid && to == Units::English)
        f = {{}, {}, 0.3937, 39.37};
    else if (from == Units::English && to == Units::Hybrid)
        f = {{}, {}, 2.54, 0.0254};
    else if (from == Units::Metric && to == Units::Hybrid)
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

}  // namespace vib::shell
