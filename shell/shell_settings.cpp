// The System and Test Setup commands of the shell: unit system, separators, system
// limits, test title and subtitles. Each runs the model's command, then shows the model.
#include <QAction>
#include <QLabel>

#include "names.h"
#include "shell_window.h"

namespace vib::shell {

void ShellWindow::ShowShellSettings() {
    for (const auto& [name, checked] : ShellMarks(Model())) SetChecked(name, checked);
    if (QLabel* title = Label(names::lblTestTitle)) {
        const QString text = QString::fromStdString(Model().testTitle);
        if (title->text() != text) title->setText(text);
    }
}

void ShellWindow::SwitchUnits(Units target) {
    const auto addProgramValues = [this](const UnitFactors& f, std::vector<UnitBound>& v) {
        AddUnitValues(f, v);
    };
    UnitSwitch result = shell::SwitchUnits(Model(), target, addProgramValues);
    ShowShellSettings();
    // A refused switch says why; a Retry tries it again.
    if (result == UnitSwitch::Refused) {
        RunWithRetry([&] {
            result = shell::SwitchUnits(Model(), target, addProgramValues);
            return result == UnitSwitch::Refused ? UnitOverflowError() : FileError{};
        });
        ShowShellSettings();
    }
    if (result == UnitSwitch::Switched) RefreshAfterUnitChange();
}

void ShellWindow::OnSeparators(bool reversed) {
    SetSeparators(Model(), reversed);
    ShowShellSettings();
    if (reversed) ExplainReversedSeparators(services_.box);
}

void ShellWindow::AskLimit(const LimitTexts& texts, int slot) {
    shell::AskLimit(Model(), texts, slot, services_.input, services_.locale);
}

// A new mass or rated force changes what the test can do at once: the label and the
// checks follow without waiting for the next Update or pulse change.
void ShellWindow::OnMovingMass() {
    if (AskMovingMass(Model(), services_.input, services_.locale)) ForceSettingsChanged();
}

void ShellWindow::OnMaxForce() {
    if (AskRatedForce(Model(), texts_.forceKind, services_.input, services_.locale))
        ForceSettingsChanged();
}

void ShellWindow::OnTitle() {
    AskTitle(Model(), texts_, services_.input);
    ShowShellSettings();
}

void ShellWindow::OnSubTitle(int which) {
    AskSubTitle(Model(), which, texts_, services_.input);
    RedrawPlot();
}

}  // namespace vib::shell
