// The shell's commands against a minimal program window whose hooks only count.
#include <gtest/gtest.h>

#include <stdexcept>

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <array>
#include <filesystem>

#include "platform/numbers.h"
#include "shell/shell_window.h"
#include "tests/support/scripted_services.h"

namespace vib::shell {
namespace {

int argc = 1;
char arg0[] = "shell_tests";
char* argv[] = {arg0, nullptr};

class FakeProgram : public ShellWindow {
  public:
    explicit FakeProgram(Services& services)
        : ShellWindow("frmFake", services, MorvaneTexts(), QSize(9600, 7200)) {
        params.fill(0);
        params[17] = 100;
        params[18] = 1000;
        params[19] = 100;
        BuildMenus(
            {Submenu("mnuFile", "&File",
                     {Item("mnuFilePrinterSetup", "Printer Setup"),
                      Submenu("mnuFileColor", "Print Color",
                              {Item("mnuFileColorsColors", "Colors", Mark::Off),
                               Item("mnuFileColorsMono", "Monochrome", Mark::On)}),
                      Item("mnuFilePrint", "&Print Report"), Item("mnuExit", "E&xit")}),
             Submenu("mnuSystem", "&System",
                     {Item("mnuSystemUnitsEnglish", "&English", Mark::On),
                      Item("mnuSystemUnitsMetric", "&Metric", Mark::Off),
                      Item("mnuSystemUnitsHybrid", "&Hybrid ( MM And G )", Mark::Off),
                      Item("mnuSystemSepsEnglish", "E", Mark::On),
                      Item("mnuSystemSepsReversed", "R", Mark::Off), Item("mnuSystemMaxD", "D"),
                      Item("mnuSystemMaxV", "V"), Item("mnuSystemMaxA", "A"),
                      Item("mnuSystemMovingMass", "M"), Item("mnuSystemMaxForce", "F")}),
             Submenu("mnuTest", "&Test Setup",
                     {Item("mnuTestTitle", "&Title"), Item("mnuTestSubTitle1", "1"),
                      Item("mnuTestSubTitle2", "2")}),
             Submenu("mnuView", "&View",
                     {Item("mnuViewAbort", "&Abort Limits", Mark::On),
                      Item("mnuViewRefresh", "Refresh Screen       X"),
                      Item("mnuViewPlotColorBlack", "Black", Mark::On),
                      Item("mnuViewPlotColorWhite", "White", Mark::Off)}),
             Submenu("mnuTools", "Tools", {Item("mnuCut", "&Copy Plot to Clipboard")}),
             Submenu("mnuHelp", "&Help",
                     {Item("mnuHelpAboutSoftware", "About"), Item("mnuHelpKeyboard", "&Keyboard"),
                      Item("mnuHelpNew", "What's New?"), Item("mnuHelpHelp", "Help File"),
                      Item("mnuHelpFormulas", "Vibration Formulas"),
                      Item("mnuHelpOpenExample", "Open Example")})});
        AddLabel("lblTestTitle", "OLD TITLE", QRect(0, 0, 9600, 300));
        PlacePlot(QRect(960, 310, 8350, 5160));
    }

    void Trigger(const char* name) { Action(name)->trigger(); }
    void BindNothing(const char* name) {
        BindAction(name, [] {});
    }

    std::array<float, 101> params{};
    std::string title = "OLD TITLE", sub1, sub2;
    bool abortLines = true;
    int printColor = 0;
    int redraws = 0, unitRefreshes = 0, reports = 0, clicks = 0, forceChanges = 0;
    std::string zoomKeys;
    std::optional<double> lastAsdFactor;
    float own = 1;  // a unit-bound value of the program's own, converted like ASD levels
    std::function<void()> onRedraw;
    std::vector<std::string> opened;  // profiles handed to the program's open

  protected:
    ShellModel Model() override {
        return {params, {17, 18, 19}, title, sub1, sub2, printColor, abortLines};
    }
    void AddUnitValues(const UnitFactors& f, std::vector<UnitBound>& values) override {
        lastAsdFactor = f.asd;
        values.push_back({&own, f.asd});
    }
    void RefreshAfterUnitChange() override { ++unitRefreshes; }
    void RedrawPlot() override {
        ++redraws;
        if (onRedraw) onRedraw();
    }
    bool ZoomKey(char key) override {
        zoomKeys += key;
        return false;
    }
    void CursorClicked(int, double, double) override { ++clicks; }
    void PrintReport() override { ++reports; }
    void ForceSettingsChanged() override { ++forceChanges; }
    void OpenProfileFile(const std::string& path) override { opened.push_back(path); }
};

class ShellCommands : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        if (!QApplication::instance()) new QApplication(argc, argv);
    }
    testing::TestServices t;
    FakeProgram w{t.services};
};

TEST_F(ShellCommands, BindingAnItemTheMenuLacksFailsLoudly) {
    for (const char* name : {"mnuNoSuchItem", "mnuFile", "lblTestTitle"})
        EXPECT_THROW(w.BindNothing(name), std::logic_error) << name;
}

TEST_F(ShellCommands, UnitSwitchConvertsLimitsAndRefreshesOnce) {
    w.Trigger("mnuSystemUnitsMetric");
    EXPECT_FLOAT_EQ(w.params[17], 980.7f);
    EXPECT_FLOAT_EQ(w.params[18], 25.4f);
    EXPECT_FLOAT_EQ(w.params[19], 254.0f);
    EXPECT_EQ(w.params[slot::kUnits], 1.0f);
    EXPECT_EQ(w.lastAsdFactor, 96.16);
    EXPECT_EQ(w.unitRefreshes, 1);
    EXPECT_TRUE(w.Checked("mnuSystemUnitsMetric"));
    EXPECT_FALSE(w.Checked("mnuSystemUnitsEnglish"));

    // The system already in force: marks renewed, nothing converted or refreshed.
    w.SetChecked("mnuSystemUnitsMetric", false);
    w.Trigger("mnuSystemUnitsMetric");
    EXPECT_TRUE(w.Checked("mnuSystemUnitsMetric"));
    EXPECT_FLOAT_EQ(w.params[17], 980.7f);
    EXPECT_EQ(w.unitRefreshes, 1);

    w.Trigger("mnuSystemUnitsEnglish");
    EXPECT_FLOAT_EQ(w.params[17], 100.0314f);
    EXPECT_FLOAT_EQ(w.params[18], 999.998f);
    EXPECT_FLOAT_EQ(w.params[19], 99.9998f);
}

// A switch whose product would overflow single precision converts nothing, keeps the
// marks of the system in force and says so with the Overflow error box.
TEST_F(ShellCommands, UnitSwitchThatWouldOverflowChangesNothing) {
    struct Case {
        int limit;
        float value;
        const char* target;
    };
    for (const Case& c : {Case{17, 3e38f, "mnuSystemUnitsMetric"},    // MaxA x 9.807
                          Case{19, 2e38f, "mnuSystemUnitsHybrid"},    // MaxV x 2.54
                          Case{0, 1e37f, "mnuSystemUnitsMetric"}}) {  // own value x 96.16
        t.box.shown.clear();
        w.params[slot::kUnits] = 0;
        w.params[17] = 100;
        w.params[19] = 100;
        w.own = 1;
        (c.limit ? w.params[static_cast<std::size_t>(c.limit)] : w.own) = c.value;
        const auto before = w.params;
        const float ownBefore = w.own;
        const int refreshes = w.unitRefreshes;
        w.Trigger(c.target);
        EXPECT_EQ(w.params, before) << c.target;
        EXPECT_EQ(w.own, ownBefore);
        EXPECT_EQ(w.unitRefreshes, refreshes);
        EXPECT_TRUE(w.Checked("mnuSystemUnitsEnglish"));
        EXPECT_FALSE(w.Checked(c.target));
        ASSERT_EQ(t.box.shown.size(), 1u);
        EXPECT_EQ(t.box.shown[0].title, "Error #  6 Occured");
        EXPECT_EQ(t.box.shown[0].text, "Overflow");
        EXPECT_EQ(t.box.shown[0].buttons, BoxButtons::RetryCancel);
        EXPECT_FALSE(t.box.shown[0].detail.empty());
    }
}

TEST_F(ShellCommands, SeparatorBoxOnlyForReversedAndEveryTime) {
    w.Trigger("mnuSystemSepsReversed");
    w.Trigger("mnuSystemSepsReversed");
    ASSERT_EQ(t.box.shown.size(), 2u);
    EXPECT_EQ(t.box.shown[0].text,
              " Numbers may be displayed differently depending on Windows Regional Settings");
    EXPECT_EQ(t.box.shown[0].title, " Information");
    EXPECT_EQ(t.box.shown[0].icon, BoxIcon::Information);
    EXPECT_EQ(w.params[slot::kSeparatorMode], 1.0f);
    EXPECT_TRUE(w.Checked("mnuSystemSepsReversed"));
    EXPECT_FALSE(w.Checked("mnuSystemSepsEnglish"));
    w.Trigger("mnuSystemSepsEnglish");
    EXPECT_EQ(t.box.shown.size(), 2u);
    EXPECT_EQ(w.params[slot::kSeparatorMode], 0.0f);
    EXPECT_TRUE(w.Checked("mnuSystemSepsEnglish"));
}

TEST_F(ShellCommands, LimitsTakeOnlyNumbersAboveOne) {
    // 1E39 would be stored as infinity: refused like text.
    t.input.answers = {"1", "abc", std::nullopt, "", "1.5", "1E39", "1E+0000001"};
    for (int i = 0; i < 6; ++i) w.Trigger("mnuSystemMaxA");
    EXPECT_FLOAT_EQ(w.params[17], 1.5f);
    w.Trigger("mnuSystemMaxD");
    EXPECT_FLOAT_EQ(w.params[18], 10.0f);
    ASSERT_EQ(t.input.asked.size(), 7u);
    EXPECT_EQ(t.input.asked[0].title, " Setup Maximum Acceleration Limit");
    EXPECT_EQ(t.input.asked[0].prompt,
              " Enter the maximum allowable system acceleration in G-peak");
    EXPECT_EQ(t.input.asked[0].proposed, "100");
    EXPECT_EQ(w.redraws, 0);  // a new limit waits for the next comparison
}

// The moving mass is asked in a row and stored all or nothing, in lb whatever the unit
// system; only a command that changed a value tells the program, which shows the boxes.
TEST_F(ShellCommands, MovingMassAndRatedForceStoreLbAndLbf) {
    using Answers = std::vector<std::optional<std::string>>;
    struct Case {
        float units;
        Answers answers;
        std::array<float, 4> stored;  // entries 84..87 afterwards
    };
    const Case cases[] = {
        {0, {"20", "10", "50", "600"}, {20, 10, 50, 600}},
        // 9.072 kg = 20 lb, 4.536 kg = 10 lb, 0 = not set; 2668.8 N = 600 lbf.
        {1, {"9.072", "4.536", "0", "2668.8"}, {20, 10, 0, 600}},
        {2, {"9.072", "4.536", "0", "2668.8"}, {20, 10, 0, 600}},
        // Cancel, a negative, text or 1E39 on any mass stores none of them.
        {0, {"20", std::nullopt, "-1"}, {0, 0, 0, 0}},
        {0, {"20", "10", "-1", "abc"}, {0, 0, 0, 0}},
        {0, {"1E39", "1E39"}, {0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        w.params.fill(0);
        w.params[slot::kUnits] = c.units;
        t.input.answers.assign(c.answers.begin(), c.answers.end());
        t.input.asked.clear();
        w.Trigger("mnuSystemMovingMass");
        if (!t.input.answers.empty()) w.Trigger("mnuSystemMaxForce");
        for (int k = 0; k < 4; ++k)
            EXPECT_NEAR(w.params[force::kArmatureLb + k], c.stored[k], 1e-3)
                << c.units << " entry " << force::kArmatureLb + k;
    }
    EXPECT_EQ(t.box.shown.size(), 0u);
    EXPECT_EQ(w.forceChanges, 6);  // the first three cases, two commands each
    // The prompts say the unit; the current value is offered in it.
    w.params[force::kArmatureLb] = 20;
    w.params[slot::kUnits] = 1;
    t.input.answers = {std::nullopt};
    t.input.asked.clear();
    w.Trigger("mnuSystemMovingMass");
    EXPECT_EQ(t.input.asked[0].title, " Setup Moving Mass");
    EXPECT_EQ(t.input.asked[0].prompt,
              " Enter the mass of the shaker's moving element (armature) in kg.");
    EXPECT_EQ(t.input.asked[0].proposed, "9.072");
    EXPECT_EQ(t.input.asked.size(), 1u);
    EXPECT_EQ(w.params[force::kArmatureLb], 20);
}

TEST_F(ShellCommands, LimitPromptsFollowTheUnitSystemIncludingHybrid) {
    w.params[slot::kUnits] = 1;
    w.Trigger("mnuSystemMaxD");
    w.params[slot::kUnits] = 2;
    w.params[18] = 25.4f;
    t.input.answers = {std::nullopt, "30"};
    w.Trigger("mnuSystemMaxD");
    w.Trigger("mnuSystemMaxV");
    ASSERT_EQ(t.input.asked.size(), 3u);
    EXPECT_EQ(t.input.asked[0].prompt,
              " Enter the maximum allowable system displacement in MM-peak-peak.");
    EXPECT_EQ(t.input.asked[1].prompt,
              " Enter the maximum allowable system displacement in MM-peak-peak.");
    EXPECT_EQ(t.input.asked[1].proposed, "25.4");
    EXPECT_EQ(t.input.asked[2].prompt,
              " Enter the maximum allowable system velocity in CM/Sec-peak.");
    EXPECT_EQ(t.input.asked[2].title, " Setup Maximum Velocity Limit");
    EXPECT_FLOAT_EQ(w.params[19], 30.0f);
}

TEST_F(ShellCommands, LimitAnswersFollowTheUsersDecimalComma) {
    t.services.locale = kDecimalCommaLocale;
    w.params[17] = 2.5f;
    t.input.answers = {"12,5"};
    w.Trigger("mnuSystemMaxA");
    EXPECT_EQ(t.input.asked[0].proposed, "2,5");
    EXPECT_FLOAT_EQ(w.params[17], 12.5f);
}

TEST_F(ShellCommands, TitleCutTo65AndCancelKeepsIt) {
    const std::string seventy(70, 'T');
    t.input.answers = {seventy, std::nullopt};
    w.Trigger("mnuTestTitle");
    EXPECT_EQ(t.input.asked[0].prompt, "Enter a new Test title");
    EXPECT_EQ(t.input.asked[0].title, "Test Title");
    EXPECT_EQ(t.input.asked[0].proposed, "OLD TITLE");
    EXPECT_EQ(w.Label("lblTestTitle")->text().toStdString(), std::string(65, 'T'));
    w.Trigger("mnuTestTitle");
    EXPECT_EQ(w.Label("lblTestTitle")->text().toStdString(), std::string(65, 'T'));
    EXPECT_EQ(w.redraws, 0);
}

TEST_F(ShellCommands, SubtitlesCutAndAlwaysRedraw) {
    w.sub1 = "old";
    t.input.answers = {std::string(70, 's'), std::nullopt};
    w.Trigger("mnuTestSubTitle2");
    w.Trigger("mnuTestSubTitle1");
    EXPECT_EQ(w.sub2, std::string(65, 's'));
    EXPECT_EQ(w.sub1, "old");
    EXPECT_EQ(w.redraws, 2);
    EXPECT_EQ(t.input.asked[0].prompt, "Enter a new Test SubTitle #2, below SubTitle #1");
    EXPECT_EQ(t.input.asked[1].proposed, "old");
}

TEST_F(ShellCommands, PrintColourMarksSwapAndModeFollowsThem) {
    EXPECT_EQ(w.printColor, 0);
    w.Trigger("mnuFileColorsColors");
    EXPECT_TRUE(w.Checked("mnuFileColorsColors"));
    EXPECT_FALSE(w.Checked("mnuFileColorsMono"));
    EXPECT_EQ(w.printColor, 2);
    w.Trigger("mnuFileColorsColors");  // twice: back to monochrome
    EXPECT_FALSE(w.Checked("mnuFileColorsColors"));
    EXPECT_TRUE(w.Checked("mnuFileColorsMono"));
    EXPECT_EQ(w.printColor, 1);
    w.Trigger("mnuFileColorsMono");  // swaps the marks again: colours
    EXPECT_TRUE(w.Checked("mnuFileColorsColors"));
    EXPECT_EQ(w.printColor, 2);
}

TEST_F(ShellCommands, BackgroundAbortAndRefresh) {
    w.Trigger("mnuViewPlotColorWhite");
    EXPECT_EQ(w.params[slot::kPlotBackground], 1.0f);
    EXPECT_EQ(w.Plot().Picture().BackColor(), (Rgb{255, 255, 255}));
    EXPECT_TRUE(w.Checked("mnuViewPlotColorWhite"));
    EXPECT_FALSE(w.Checked("mnuViewPlotColorBlack"));
    w.Trigger("mnuViewPlotColorBlack");
    EXPECT_EQ(w.Plot().Picture().BackColor(), (Rgb{0, 0, 0}));
    EXPECT_EQ(w.params[slot::kPlotBackground], 0.0f);
    w.Trigger("mnuViewAbort");
    EXPECT_FALSE(w.Checked("mnuViewAbort"));
    w.Trigger("mnuViewAbort");
    EXPECT_TRUE(w.Checked("mnuViewAbort"));
    w.Trigger("mnuViewRefresh");
    EXPECT_EQ(w.redraws, 5);
}

TEST_F(ShellCommands, CopyPlotExplainsBeforeEveryCopy) {
    w.show();
    w.Trigger("mnuCut");
    w.Trigger("mnuCut");
    ASSERT_EQ(t.box.shown.size(), 2u);
    EXPECT_EQ(t.box.shown[1].title, "Copy To Clipboard");
    EXPECT_EQ(t.box.shown[1].text.rfind(" This menu command copies the plot", 0), 0u);
    EXPECT_EQ(t.clipboard.clears, 2);
    ASSERT_EQ(t.clipboard.images.size(), 2u);
    EXPECT_EQ(t.clipboard.images[0].size(), w.Plot().Picture().Image().size());
}

TEST_F(ShellCommands, PrinterSetupRetriesUntilCancel) {
    t.printer.setupResults = {FileError::Make(err::kPrinterError),
                              FileError::Make(err::kPrinterError)};
    t.box.answers = {BoxAnswer::Retry, BoxAnswer::Cancel};
    w.Trigger("mnuFilePrinterSetup");
    EXPECT_EQ(t.printer.calls,
              (std::vector<std::string>{"setup:QTR-8 Printer Setup", "setup:QTR-8 Printer Setup"}));
    ASSERT_EQ(t.box.shown.size(), 2u);
    EXPECT_EQ(t.box.shown[0].title, "Error #  482 Occured");
    EXPECT_EQ(t.box.shown[0].text, "Printer error");
    EXPECT_EQ(t.box.shown[0].buttons, BoxButtons::RetryCancel);
    EXPECT_EQ(t.box.shown[0].icon, BoxIcon::Exclamation);
}

// The dialog starts in the program's own examples (the source tree's, from a build); a
// cancel opens nothing.
TEST_F(ShellCommands, OpenExampleStartsInTheExamplesAndOpensTheChoice) {
    t.files.answers = {std::nullopt, std::string("/x/navmat.prf")};
    w.Trigger("mnuHelpOpenExample");
    w.Trigger("mnuHelpOpenExample");
    ASSERT_EQ(t.files.opened.size(), 2u);
    const FileDialogRequest& r = t.files.opened[0];
    EXPECT_EQ(r.title, "QTR-8 Open Example");
    EXPECT_EQ(r.fileName, "*.prf");
    EXPECT_EQ(r.folder, VIB_EXAMPLES "/random");
    EXPECT_TRUE(std::filesystem::exists(r.folder + "/navmat-p9492.prf"));
    EXPECT_EQ(w.opened, std::vector<std::string>{"/x/navmat.prf"});
}

TEST_F(ShellCommands, HelpBoxesHaveTheirTitlesAndNoIcon) {
    for (const char* item : {"mnuHelpHelp", "mnuHelpKeyboard", "mnuHelpNew", "mnuHelpFormulas",
                             "mnuHelpAboutSoftware"})
        w.Trigger(item);
    ASSERT_EQ(t.box.shown.size(), 5u);
    const char* titles[] = {" Help Instructions", " Keyboard Access Keys", "What's New",
                            "Vibration Formulas", "About the Morvane Program"};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(t.box.shown[i].title, titles[i]);
        EXPECT_EQ(t.box.shown[i].icon, BoxIcon::None);
        EXPECT_EQ(t.box.shown[i].buttons, BoxButtons::Ok);
    }
    EXPECT_EQ(t.box.shown[2].text,
              " What's New In This Version\n\nV1.00 11/22/09 First release\n  ");
    EXPECT_EQ(t.box.shown[4].text.rfind("   Morvane Ver. 1.00 Beta , 11/22/2009 \n", 0), 0u);
    EXPECT_NE(t.box.shown[4].text.find("\n\nFor Support Contact:"), std::string::npos);
    EXPECT_NE(t.box.shown[4].text.find("\n\nFor Sales Contact:"), std::string::npos);
    EXPECT_EQ(t.box.shown[3].text.substr(0, 28), "COMMON VIBRATION FORMULAS:\n\n");
    EXPECT_NE(
        t.box.shown[3].text.find("\n\nMETRIC FORMULAS:\nEarth's gravity = 9.807 M / Sec.^ 2\n"),
        std::string::npos);
}

// What a new user looks for: Help File opens the installed guide (the source tree's from
// a build) beside the written instructions; About adds the version and the licence after
// its written lines; the keyboard help adds the shell's keys after the written ones.
TEST_F(ShellCommands, HelpNamesTheVersionLicenceAndKeysAndOpensTheGuide) {
    struct Viewer final : DocumentViewer {
        std::vector<std::string> opened;
        bool Open(const std::string& path) override {
            opened.push_back(path);
            return true;
        }
    } viewer;
    t.services.viewer = &viewer;
    for (const char* item : {"mnuHelpHelp", "mnuHelpAboutSoftware", "mnuHelpKeyboard"})
        w.Trigger(item);
    ASSERT_EQ(viewer.opened.size(), 1u);
    EXPECT_EQ(viewer.opened[0],
              std::filesystem::path(VIB_EXAMPLES).parent_path() / "docs/guide.md");
    ASSERT_EQ(t.box.shown.size(), 3u);
    EXPECT_EQ(t.box.shown[0].title, " Help Instructions");
    const std::string& about = t.box.shown[1].text;
    const std::string sales = "   Mail: sales@example.com";
    ASSERT_NE(about.find(sales), std::string::npos);
    EXPECT_EQ(about.find("\n\nVersion "), about.find(sales) + sales.size());
    const std::string version = about.substr(about.find("Version ") + 8, 5);
    EXPECT_EQ(version.find_first_not_of("0123456789."), std::string::npos) << version;
    EXPECT_NE(about.find("MIT License"), std::string::npos);
    EXPECT_NE(about.find("WITHOUT WARRANTY OF ANY KIND"), std::string::npos);
    const std::string& keys = t.box.shown[2].text;
    const std::string written = "Z, z = Y-axis bottom scale zoom-in, out";
    EXPECT_EQ(keys.find(written), keys.find("\nJ = Refresh Screen") - written.size());
    EXPECT_NE(keys.find("\nW = "), std::string::npos);
}

TEST_F(ShellCommands, KeysPassCaseToZoomThenJAndWIgnoreCase) {
    for (char c : std::string("xXjJwWq")) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(QChar(c)));
        QApplication::sendEvent(&w, &press);
    }
    EXPECT_EQ(w.zoomKeys, "xXjJwWq");
    EXPECT_EQ(w.redraws, 2);
    ASSERT_EQ(t.box.shown.size(), 2u);
    EXPECT_EQ(t.box.shown[0].title, "Origin");
    EXPECT_NE(t.box.shown[0].text.find("ORVANTIS"), std::string::npos);
}

TEST_F(ShellCommands, ExitAnsweredNoKeepsRunningYesRestoresOrientationOnly) {
    w.SetSavedPrinterOrientation(2);
    w.Trigger("mnuExit");
    ASSERT_EQ(t.box.shown.size(), 1u);
    EXPECT_EQ(t.box.shown[0].text, "Exit MVR Program?");
    EXPECT_EQ(t.box.shown[0].title, "Morvane");
    EXPECT_EQ(t.box.shown[0].buttons, BoxButtons::YesNo);
    EXPECT_EQ(t.box.shown[0].icon, BoxIcon::Stop);
    EXPECT_EQ(t.end.ends, 0);
    EXPECT_TRUE(t.printer.calls.empty());

    t.box.answers = {BoxAnswer::Yes};
    w.Trigger("mnuExit");
    EXPECT_EQ(t.end.ends, 1);
    EXPECT_EQ(t.printer.calls, std::vector<std::string>{"orientation:2"});
    w.close();  // the unload handler does not run after an exit
    EXPECT_EQ(t.end.ends, 1);
    EXPECT_EQ(t.printer.calls.size(), 1u);
}

TEST_F(ShellCommands, UnloadRestoresOrientationAndFontSize) {
    t.printer.fontSize = 11;
    w.Load();
    w.SetSavedPrinterOrientation(1);
    t.printer.fontSize = 10;  // a report changed it meanwhile
    w.show();
    w.close();
    EXPECT_EQ(t.printer.calls, (std::vector<std::string>{"orientation:1", "font:11"}));
    EXPECT_EQ(t.end.ends, 1);
}

TEST_F(ShellCommands, NoHandlerStartsWhileABoxOfAnotherIsOpen) {
    int nested = 0;
    t.box.whileOpen = [&] {
        // Events arriving while the box is open: a key, a menu command, a plot click.
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, "J");
        QApplication::sendEvent(&w, &press);
        w.Trigger("mnuViewRefresh");
        nested += w.Guarded([] {}) ? 1 : 0;
    };
    w.Trigger("mnuHelpHelp");
    EXPECT_EQ(w.redraws, 0);
    EXPECT_EQ(nested, 0);
    t.box.whileOpen = nullptr;
    w.Trigger("mnuViewRefresh");
    EXPECT_EQ(w.redraws, 1);
}

TEST_F(ShellCommands, PrintRunsTheProgramsReport) {
    w.Trigger("mnuFilePrint");
    EXPECT_EQ(w.reports, 1);
}

}  // namespace
}  // namespace vib::shell
