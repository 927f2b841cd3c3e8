#pragma once
// The settings both calculators share, as plain data over the program's own state, and
// the shell's commands on them. Nothing here knows a widget: the window runs a command
// and then shows the marks these functions give, the tests run the same commands with
// scripted boxes and no display.

#include <functional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "platform/dialogs.h"
#include "platform/force.h"
#include "platform/numbers.h"
#include "platform/param_block.h"
#include "texts.h"
#include "units.h"

namespace vib::shell {

// Where the limits sit in a program's parameter block; units, separators and plot
// background sit in the same entries in both programs (platform/param_block.h).
struct ParamSlots {
    int maxA;
    int maxD;
    int maxV;
};

// The shared settings where the program's state holds them.
struct ShellModel {
    std::span<float> params;  // the whole parameter block, entry 0 included
    ParamSlots limits;
    std::string& testTitle;
    std::string& subTitle1;
    std::string& subTitle2;
    int& printColorMode;  // 2 prints in colour
    bool& abortLines;     // View > Abort Limits

    float& Param(int index) const { return params[static_cast<std::size_t>(index)]; }
};

// The switch to `target`: the limits and the program's own unit-bound values (added by
// `programValues`) are converted all together or not at all. Unchanged when the system is
// already in force; Refused (nothing changed) when a value would overflow.
enum class UnitSwitch { Unchanged, Switched, Refused };
UnitSwitch SwitchUnits(
    const ShellModel& m, Units target,
    const std::function<void(const UnitFactors&, std::vector<UnitBound>&)>& programValues);
// The error the refused switch reports.
FileError UnitOverflowError();

// English (0) or reversed (1) separators; the window explains the reversed choice in a
// box every time, after its marks show it.
void SetSeparators(const ShellModel& m, bool reversed);
void ExplainReversedSeparators(MessageBox& box);

// A system limit asked in the active unit system (Hybrid in its own units); kept unless
// the answer is a storable number above 1.
void AskLimit(const ShellModel& m, const LimitTexts& texts, int slot, InputBox& input,
              const NumberLocale& locale);

// The force check's settings, asked like the limits but in lb and lbf with English units
// and in kg and N with Metric and Hybrid; stored in lb and lbf. "Moving Mass..." asks
// armature, fixture and test item in a row: Cancel, or an answer that is not a number, is
// negative or does not fit single precision, on any of them stores nothing. True when a
// stored value changed.
bool AskMovingMass(const ShellModel& m, InputBox& input, const NumberLocale& locale);
bool AskRatedForce(const ShellModel& m, force::Kind kind, InputBox& input,
                   const NumberLocale& locale);

// The title (cut to 65 characters where the program cuts it) and the two subtitles (always
// cut); an empty answer keeps the old text.
void AskTitle(const ShellModel& m, const ShellTexts& texts, InputBox& input);
void AskSubTitle(const ShellModel& m, int which, const ShellTexts& texts, InputBox& input);

// Either print-colour item swaps both marks, so each click toggles the mode.
void TogglePrintColor(const ShellModel& m);
void SetPlotBackground(const ShellModel& m, int setting);
void ToggleAbortLines(const ShellModel& m);

// The check marks the shared settings show, by item name. A unit system or background
// code that is none leaves its marks out, so they keep what they showed.
std::vector<std::pair<const char*, bool>> ShellMarks(std::span<const float> params,
                                                     int printColorMode, bool abortLines);
inline std::vector<std::pair<const char*, bool>> ShellMarks(const ShellModel& m) {
    return ShellMarks(m.params, m.printColorMode, m.abortLines);
}

}  // namespace vib::shell
