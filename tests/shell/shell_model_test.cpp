// The shell's commands on the shared settings, with scripted boxes and no display.
#include <gtest/gtest.h>

#include <array>
#include <map>

#include "shell/names.h"
#include "shell/shell_model.h"
#include "tests/support/scripted_dialogs.h"

namespace vib::shell {
namespace {

struct Program {
    std::array<float, 101> params{};
    std::string title = "OLD", sub1, sub2;
    int printColor = 0;
    bool abortLines = true;
    float asd = 0.04f;  // a unit-bound value of the program's own
    ShellModel Model() { return {params, {17, 18, 19}, title, sub1, sub2, printColor, abortLines}; }
    UnitSwitch Switch(Units target) {
        return SwitchUnits(Model(), target,
                           [this](const UnitFactors& f, std::vector<UnitBound>& v) {
                               v.push_back({&asd, f.asd});
                           });
    }
    std::map<std::string, bool> Marks() {
        std::map<std::string, bool> out;
        for (const auto& [name, on] : ShellMarks(Model())) out[name] = on;
        return out;
    }
};

TEST(ShellModel, UnitSwitchConvertsEverythingOrNothing) {
    Program p;
    p.params[17] = 100, p.params[18] = 1000, p.params[19] = 100;
    EXPECT_EQ(p.Switch(Units::English), UnitSwitch::Unchanged);
    ASSERT_EQ(p.Switch(Units::Metric), UnitSwitch::Switched);
    // 100 G = 980.7 m/s^2, 1000 mils = 25.4 mm, 100 in/s = 254 cm/s: textbook factors.
    EXPECT_FLOAT_EQ(p.params[17], 980.7f);
    EXPECT_FLOAT_EQ(p.params[18], 25.4f);
    EXPECT_FLOAT_EQ(p.params[19], 254.0f);
    EXPECT_EQ(p.params[slot::kUnits], 1.0f);

    Program big;
    big.asd = 3e38f;  // G^2/Hz to (m/s^2)^2/Hz overflows single precision
    big.params[17] = 50;
    EXPECT_EQ(big.Switch(Units::Metric), UnitSwitch::Refused);
    EXPECT_EQ(big.params[17], 50.0f);
    EXPECT_EQ(big.params[slot::kUnits], 0.0f);
    EXPECT_EQ(UnitOverflowError().number, err::kOverflow);
}

TEST(ShellModel, MarksFollowTheSettingsAndSkipCodesThatAreNone) {
    Program p;
    p.params[slot::kUnits] = 2;
    p.params[slot::kPlotBackground] = 1;
    auto marks = p.Marks();
    EXPECT_TRUE(marks[names::mnuSystemUnitsHybrid]);
    EXPECT_FALSE(marks[names::mnuSystemUnitsEnglish]);
    EXPECT_TRUE(marks[names::mnuViewPlotColorWhite]);
    EXPECT_TRUE(marks[names::mnuFileColorsMono]);
    EXPECT_TRUE(marks[names::mnuViewAbort]);

    p.params[slot::kUnits] = 7;  // a damaged file's code: the unit marks keep what they show
    p.params[slot::kPlotBackground] = 0.5f;
    marks = p.Marks();
    EXPECT_EQ(marks.count(names::mnuSystemUnitsEnglish), 0u);
    EXPECT_EQ(marks.count(names::mnuViewPlotColorBlack), 0u);

    // Either print-colour item toggles the mode, and the marks swap with it.
    for (int mode : {2, 1, 2}) {
        TogglePrintColor(p.Model());
        EXPECT_EQ(p.printColor, mode);
        EXPECT_EQ(p.Marks()[names::mnuFileColorsColors], mode == 2);
    }
    ToggleAbortLines(p.Model());
    EXPECT_FALSE(p.Marks()[names::mnuViewAbort]);
}

TEST(ShellModel, TitlesAndLimitsTakeOnlyWhatTheyMayStore) {
    Program p;
    testing::ScriptedInputBox input;
    const std::string wide =
        std::string(60, 'x') + "\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9";
    input.answers = {wide, std::nullopt, wide};
    AskTitle(p.Model(), MorvaneTexts(), input);
    EXPECT_EQ(p.title, std::string(60, 'x') + "\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9")
        << "65 characters, not bytes";
    AskTitle(p.Model(), MorvaneTexts(), input);  // Cancel keeps it
    EXPECT_EQ(input.asked.back().proposed, p.title);
    AskTitle(p.Model(), TessaltTexts(), input);  // Tessalt keeps a long title whole
    EXPECT_EQ(p.title, wide);

    const struct {
        const char* answer;
        float kept;
    } limits[] = {{"250", 250}, {"1", 250}, {"abc", 250}, {"1E39", 250}, {"1.5", 1.5f}};
    p.params[slot::kUnits] = 2;
    for (const auto& c : limits) {
        input.answers = {std::string(c.answer)};
        AskLimit(p.Model(), MorvaneTexts().maxA, 17, input, kCLocale);
        EXPECT_EQ(p.params[17], c.kept) << c.answer;
        EXPECT_EQ(input.asked.back().prompt, MorvaneTexts().maxA.prompts[2]);
    }
}

}  // namespace
}  // namespace vib::shell
