#pragma once
// The time and date a batch report prints. By the reproducible-builds convention a set
// SOURCE_DATE_EPOCH stands for "now", read in UTC with fixed patterns, so the same
// inputs print the same page whatever the machine's time zone and language.

#include <cstdint>
#include <optional>
#include <string_view>

#include "platform/dialogs.h"

namespace vib::cli {

// Whole seconds since 1970 in decimal digits, up to the end of the year 9999; nothing for
// anything else.
std::optional<std::int64_t> ParseSourceDateEpoch(std::string_view text);

// A clock stopped at `seconds` since 1970: "HH:MM" on 24 hours and "YYYY-MM-DD", in UTC.
class EpochClock final : public Clock {
  public:
    explicit EpochClock(std::int64_t seconds) : seconds_(seconds) {}
    double SecondsSinceMidnight() const override;
    std::string TimeText() const override;
    std::string DateText() const override;

  private:
    std::int64_t seconds_;
};

}  // namespace vib::cli
