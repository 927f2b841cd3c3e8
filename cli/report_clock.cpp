#include "report_clock.h"

#include <chrono>
#include <cstdio>

namespace vib::cli {
namespace {

constexpr std::int64_t kSecondsPerDay = 86400;
// 9999-12-31 23:59:59 UTC: four-digit years only.
constexpr std::int64_t kLastSecond = 253402300799;

std::string TwoDigits(long v) {
    char text[8];
    std::snprintf(text, sizeof text, "%02ld", v);
    return text;
}

}  // namespace

std::optional<std::int64_t> ParseSourceDateEpoch(std::string_view text) {
    if (text.empty() || text.size() > 12) return std::nullopt;
    std::int64_t v = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        v = v * 10 + (c - '0');
    }
    if (v > kLastSecond) return std::nullopt;
    return v;
}

double EpochClock::SecondsSinceMidnight() const {
    return static_cast<double>(seconds_ % kSecondsPerDay);
}

std::string EpochClock::TimeText() const {
    const std::int64_t s = seconds_ % kSecondsPerDay;
    return TwoDigits(static_cast<long>(s / 3600)) + ":" + TwoDigits(static_cast<long>(s / 60 % 60));
}

std::string EpochClock::DateText() const {
    using namespace std::chrono;
    const year_month_day day{sys_days{days{seconds_ / kSecondsPerDay}}};
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(day.year()),
                  static_cast<unsigned>(day.month()), static_cast<unsigned>(day.day()));
    return text;
}

}  // namespace vib::cli
