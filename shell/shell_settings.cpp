// The System and Test Setup commands of the shell: unit system, separators, system
// limits, test title and subtitles.
#include <QLabel>
#include <QString>

#include "names.h"
#include "platform/numbers.h"
#include "shell_window.h"

namespace vib::shell {
namespace {

const char* const kUnitItems[] = {names::mnuSystemUnitsEnglish, names::mnuSystemUnitsMetric,
                                  names::mnuSystemUnitsHybrid};

// The first 65 characters of a user's answer (characters, not bytes).
std::string Cut(const std::string& text) {
    return QString::fromStdString(text).left(kTitleCut).toStdString();
}

}  // namespace

void ShellWindow::SwitchUnits(Units target) {
    for (int u = 0; u < 3; ++u) SetChecked(kUnitItems[u], u == static_cast<int>(target));
    float& units = Param(slot::kUnits);
    if (units == CodeOf(target)) return;
    const UnitFactors factors = FactorsBetween(UnitsOf(units), target);
    std::vector<UnitBound> values{{&Param(slots_.maxA), factors.acceleration},
                                  {&Param(slots_.maxV), factors.velocity},
                                  {&Param(slots_.maxD), factors.displacement}};
    AddUnitValues(factors, values);
    if (!ConvertAll(values)) {
        // A value that would be infinite could never be saved or compared again: the
        // switch is refused whole and the marks show the system still in force.
        for (int u = 0; u < 3; ++u) SetChecked(kUnitItems[u], float(u) == units);
        const FileError overflow =
            FileError::Make(err::kOverflow,
                            "a value converted to the new units would be too large for a "
                            "single-precision number; nothing was changed");
        RunWithRetry([&] { return ConvertAll(values) ? FileError{} : overflow; });
        return;
    }
    units = CodeOf(target);
    RefreshAfterUnitChange();
}

void ShellWindow::OnSepsEnglish() {
    SetChecked(names::mnuSystemSepsEnglish, true);
    SetChecked(names::mnuSystemSepsReversed, false);
    if (Param(slot::kSeparatorMode) != 0.0f) Param(slot::kSeparatorMode) = 0.0f;
}

void ShellWindow::OnSepsReversed() {
    SetChecked(names::mnuSystemSepsEnglish, false);
    SetChecked(names::mnuSystemSepsReversed, true);
    if (Param(slot::kSeparatorMode) != 1.0f) Param(slot::kSeparatorMode) = 1.0f;
    services_.box.Show(
        " Numbers may be displayed differently depending on Windows Regional Settings",
        BoxButtons::Ok, BoxIcon::Information, " Information");
}

void ShellWindow::AskLimit(const LimitTexts& texts, int slot) {
    // Hybrid asks in its own units (G-peak, mm peak-to-peak, cm/s peak), so a Hybrid
    // user can change a limit without switching systems first.
    const auto units = UnitsOf(Param(slot::kUnits));
    if (!units) return;
    float& limit = Param(slot);
    const std::string answer =
        services_.input.Ask(texts.prompts[static_cast<std::size_t>(*units)], texts.title,
                            FormatGeneral(limit, services_.locale.decimal));
    const auto value = ParseStorableNumber(answer, services_.locale);
    if (value && *value > 1.0) limit = StoreSingle(*value);
}

void ShellWindow::OnTitle() {
    QLabel* title = Label(names::lblTestTitle);
    if (!title) return;
    std::string answer =
        services_.input.Ask("Enter a new Test title", "Test Title", title->text().toStdString());
    if (texts_.cutTitle) answer = Cut(answer);
    if (!answer.empty()) title->setText(QString::fromStdString(answer));
}

void ShellWindow::OnSubTitle(int which) {
    std::string& subtitle = SubTitle(which);
    const std::string& prompt = which == 1 ? texts_.subTitle1Prompt : texts_.subTitle2Prompt;
    const std::string answer = Cut(services_.input.Ask(prompt, "Test Title", subtitle));
    if (!answer.empty()) subtitle = answer;
    RedrawPlot();
}

}  // namespace vib::shell
