#include "shell_model.h"

#include <cmath>

#include "names.h"
#include "platform/codepage.h"
#include "platform/page_steps.h"

namespace vib::shell {

UnitSwitch SwitchUnits(
    const ShellModel& m, Units target,
    const std::function<void(const UnitFactors&, std::vector<UnitBound>&)>& programValues) {
    float& units = m.Param(slot::kUnits);
    if (units == CodeOf(target)) return UnitSwitch::Unchanged;
    const UnitFactors factors = FactorsBetween(UnitsOf(units), target);
    std::vector<UnitBound> values{{&m.Param(m.limits.maxA), factors.acceleration},
                                  {&m.Param(m.limits.maxV), factors.velocity},
                                  {&m.Param(m.limits.maxD), factors.displacement}};
    programValues(factors, values);
    // A value that would be infinite could never be saved or compared again: the switch
    // is refused whole.
    if (!ConvertAll(values)) return UnitSwitch::Refused;
    units = CodeOf(target);
    return UnitSwitch::Switched;
}

FileError UnitOverflowError() {
    return FileError::Make(err::kOverflow,
                           "a value converted to the new units would be too large for a "
                           "single-precision number; nothing was changed");
}

void SetSeparators(const ShellModel& m, bool reversed) {
    m.Param(slot::kSeparatorMode) = reversed ? 1.0f : 0.0f;
}

void ExplainReversedSeparators(MessageBox& box) {
    box.Show(" Numbers may be displayed differently depending on Windows Regional Settings",
             BoxButtons::Ok, BoxIcon::Information, " Information");
}

void AskLimit(const ShellModel& m, const LimitTexts& texts, int slot, InputBox& input,
              const NumberLocale& locale) {
    const auto units = UnitsOf(m.Param(slot::kUnits));
    if (!units) return;
    float& limit = m.Param(slot);
    const std::string answer = input.Ask(texts.prompts[static_cast<std::size_t>(*units)],
                                         texts.title, FormatGeneral(limit, locale.decimal));
    const auto value = ParseStorableNumber(answer, locale);
    if (value && *value > 1.0) limit = StoreSingle(*value);
}

namespace {

// An answer in the shown unit, converted to the stored one (`perStored` shown units for
// one stored); nothing when it is refused.
std::optional<float> AskForceSetting(InputBox& input, const std::string& prompt, const char* title,
                                     double stored, double perStored, const NumberLocale& locale) {
    const std::string answer =
        input.Ask(prompt, title, FormatGeneral(stored * perStored, locale.decimal));
    const auto value = ParseStorableNumber(answer, locale);
    if (!value || *value < 0) return std::nullopt;
    const float kept = StoreSingle(*value / perStored);
    if (!std::isfinite(kept)) return std::nullopt;
    return kept;
}

}  // namespace

bool AskMovingMass(const ShellModel& m, InputBox& input, const NumberLocale& locale) {
    const auto units = UnitsOf(m.Param(slot::kUnits));
    if (!units) return false;
    const force::Settings now = force::SettingsOf(m.params);
    const double stored[] = {now.armatureLb, now.fixtureLb, now.testItemLb};
    const char* const parts[] = {"the shaker's moving element (armature)", "the fixture",
                                 "the test item"};
    float answers[3];
    for (int i = 0; i < 3; ++i) {
        const auto answer = AskForceSetting(
            input,
            std::string(" Enter the mass of ") + parts[i] + " in " + force::MassUnit(*units) + ".",
            " Setup Moving Mass", stored[i], force::ShowMass(1.0, *units), locale);
        if (!answer) return false;
        answers[i] = *answer;
    }
    bool changed = false;
    for (int i = 0; i < 3; ++i) {
        float& entry = m.Param(force::kArmatureLb + i);
        changed = changed || entry != answers[i];
        entry = answers[i];
    }
    return changed;
}

bool AskRatedForce(const ShellModel& m, force::Kind kind, InputBox& input,
                   const NumberLocale& locale) {
    const auto units = UnitsOf(m.Param(slot::kUnits));
    if (!units) return false;
    const bool random = kind == force::Kind::RandomRms;
    const std::string prompt = std::string(" Enter the shaker's rated ") +
                               (random ? "random" : "shock") + " force in " +
                               force::ForceUnit(*units) + (random ? "-rms." : "-peak.");
    const auto answer = AskForceSetting(input, prompt, " Setup Maximum Force Limit",
                                        force::SettingsOf(m.params).ratedLbf,
                                        force::ShowForce(1.0, *units), locale);
    if (!answer || m.Param(force::kRatedLbf) == *answer) return false;
    m.Param(force::kRatedLbf) = *answer;
    return true;
}

void AskTitle(const ShellModel& m, const ShellTexts& texts, InputBox& input) {
    std::string answer = input.Ask("Enter a new Test title", "Test Title", m.testTitle);
    if (texts.cutTitle) answer = FirstCharacters(answer, kTitleCut);
    if (!answer.empty()) m.testTitle = answer;
}

void AskSubTitle(const ShellModel& m, int which, const ShellTexts& texts, InputBox& input) {
    std::string& subtitle = which == 1 ? m.subTitle1 : m.subTitle2;
    const std::string& prompt = which == 1 ? texts.subTitle1Prompt : texts.subTitle2Prompt;
    const std::string answer =
        FirstCharacters(input.Ask(prompt, "Test Title", subtitle), kTitleCut);
    if (!answer.empty()) subtitle = answer;
}

void TogglePrintColor(const ShellModel& m) {
    m.printColorMode = m.printColorMode == kPrintInColor ? 1 : kPrintInColor;
}

void SetPlotBackground(const ShellModel& m, int setting) {
    m.Param(slot::kPlotBackground) = static_cast<float>(setting);
}

void ToggleAbortLines(const ShellModel& m) {
    m.abortLines = !m.abortLines;
}

std::vector<std::pair<const char*, bool>> ShellMarks(std::span<const float> params,
                                                     int printColorMode, bool abortLines) {
    auto param = [&](int i) { return params[static_cast<std::size_t>(i)]; };
    std::vector<std::pair<const char*, bool>> marks;
    if (const auto units = UnitsOf(param(slot::kUnits))) {
        marks.emplace_back(names::mnuSystemUnitsEnglish, *units == Units::English);
        marks.emplace_back(names::mnuSystemUnitsMetric, *units == Units::Metric);
        marks.emplace_back(names::mnuSystemUnitsHybrid, *units == Units::Hybrid);
    }
    const float seps = param(slot::kSeparatorMode);
    marks.emplace_back(names::mnuSystemSepsEnglish, seps == 0.0f);
    marks.emplace_back(names::mnuSystemSepsReversed, seps == 1.0f);
    const float back = param(slot::kPlotBackground);
    if (back == 0.0f || back == 1.0f) {
        marks.emplace_back(names::mnuViewPlotColorBlack, back == 0.0f);
        marks.emplace_back(names::mnuViewPlotColorWhite, back == 1.0f);
    }
    marks.emplace_back(names::mnuFileColorsColors, printColorMode == kPrintInColor);
    marks.emplace_back(names::mnuFileColorsMono, printColorMode != kPrintInColor);
    marks.emplace_back(names::mnuViewAbort, abortLines);
    return marks;
}

}  // namespace vib::shell
