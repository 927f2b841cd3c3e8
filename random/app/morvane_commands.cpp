// Morvane's range, resolution and uniform abort-limit commands.
#include "menus.h"
#include "morvane_window.h"
#include "names.h"
#include "platform/numbers.h"

namespace vib::random::app {
namespace {

// The plot's frequency span for each range: 250 Hz shares the 500 Hz view.
constexpr float kRangeAxis[] = {1, 1, 2, 3, 4};

constexpr const char* kAbortTitle = " Test Abort Limits";
constexpr const char* kAbortPrompt =
    " Enter a uniform Abort Limit for the entire profile In Db. Use Modify Profile to enter "
    "individual abort segments.";

}  // namespace

void MorvaneWindow::SetRange(int index) {
    for (int i = 0; i < 5; ++i) SetChecked(kRangeItems[i], i == index);
    state_.Param(prm::XAxisSetting) = kRangeAxis[index];
    Redraw();
    if (state_.Param(prm::RangeIndex) != float(index)) {
        state_.Param(prm::RangeIndex) = float(index);
        Recompute();
    }
}

void MorvaneWindow::SetLines(int index) {
    for (int i = 0; i < 4; ++i) SetChecked(kLinesItems[i], i == index);
    state_.Param(prm::LinesIndex) = float(index);
    Redraw();
    Recompute();
}

void MorvaneWindow::SetOverallAbortLimit() {
    const NumberLocale locale = Svc().locale;
    float& current = state_.Param(prm::DefaultAbortDb);
    const std::string answer =
        Svc().input.Ask(kAbortPrompt, kAbortTitle, FormatGeneral(current, locale.decimal));
    // A limit beyond the single-precision range could never be saved with the profile.
    const auto value = ParseStorableNumber(answer, locale);
    if (!value) return;
    const float limit = StoreSingle(*value);
    if (limit == current) return;
    current = limit;
    for (int k = 0; k < kUnitConvertedAsd; ++k) state_.AbortDb[static_cast<std::size_t>(k)] = limit;
    Recompute();
}

}  // namespace vib::random::app
