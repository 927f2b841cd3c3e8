// Tessalt's main window on the offscreen platform with scripted boxes and Timer1.
#include <QElapsedTimer>
#include <QLabel>
#include <QToolButton>

#include "menu_walk.h"
#include "shell/spin_button.h"
#include "shock/plot.h"
#include "shock/view.h"
#include "tessalt_fixture.h"

namespace vib::shock::app {
namespace {

TEST_F(TessaltTest, MenuTreeAsWrittenAfterStartUp) {
    const std::vector<std::string> expected = {
        "mnuFile|&File",
        "  mnuFileOpenProfile|&Open Profile",
        "  mnuFileSaveProfile|&Save Profile",
        "  -",
        "  mnuFilePrinterSetup|Printer Setup",
        "  mnuFileColor|Print Color",
        "    mnuFileColorsColors|Colors|unchecked",
        "    mnuFileColorsMono|Monochrome|checked",
        "  mnuFilePrint|&Print Report",
        "  -",
        "  mnuExit|E&xit",
        "mnuSystem|&System",
        "  mnuSystemUnits|&Units",
        "    mnuSystemUnitsEnglish|&English|checked",
        "    mnuSystemUnitsMetric|&Metric|unchecked",
        "    mnuSystemUnitsHybrid|&Hybrid ( MM And G )|unchecked",
        "  mnuSystemSeps|Numeric Separators",
        "    mnuSystemSepsEnglish|English ( 1,000.00 )|checked",
        "    mnuSystemSepsReversed|Reversed ( 1.000,00 )|unchecked",
        "  mnuSystemManualSteps|Manual Mode Steps",
        "  -",
        "  mnuSystemMaxD|Max. &Displacement",
        "  mnuSystemMaxV|Max. &Velocity",
        "  mnuSystemMaxA|Max. &Acceleration",
        "  -",
        // The force check's items come after the written ones.
        "  mnuSystemMovingMass|Moving Mass...",
        "  mnuSystemMaxForce|Max. Force...",
        "mnuShock|&Shock Setup",
        "  mnuShockShape|&Pulse Shape",
        "    mnuShockShapeHalfsine|Half-Sine|checked",
        "    mnuShockShapeTriangle|Triangle|unchecked",
        "    mnuShockShapeTrap|Trapezoid|unchecked",
        "    mnuShockShapeIPSaw|I. P. Sawtooth|unchecked",
        "    mnuShockShapeTPSaw|T. P. Sawtooth|unchecked",
        "    mnuShockShapeQuarter|Quarter-Sine|unchecked",
        "    mnuShockShapeCusp|Parabolic Cusp|unchecked",
        "    mnuShockShapeSineBurst|Sine Burst|unchecked",
        "    mnuShockShapeCustom|Custom Shape|unchecked",
        "  mnuShockAmplitude|Pulse &Amplitude",
        "  mnuShockDuration|Pulse &Duration",
        "    mnuShockDurationTime|Enter Time",
        "    mnuShockDurationFreq|Enter Frequency",
        "  mnuShockPolarity|Polarity",
        "    mnuShockPolarityPos|Positive|checked",
        "    mnuShockPolarityNeg|Negative|unchecked",
        "  mnuShockComp|Compensation Mode",
        "    mnuShockCompAuto|Automatic Compensation|checked",
        "    mnuShockCompManual|Manual Compensation|unchecked",
        "  mnuShockCompLevels|Compensation Levels",
        "    mnuShockCompLevelsPre|Pre-pulse Compensation",
        "    mnuShockCompLevelsPost|Post-pulse Compensation",
        "mnuTest|&Test Setup",
        "  mnuTestTitle|&Title",
        "  mnuTestSubTitle1|Sub Title #1",
        "  mnuTestSubTitle2|Sub Title #2",
        "  -",
        "mnuView|&View",
        "  mnuViewTest|&Test Profile|checked",
        "  mnuViewSRS|Shock Response Spectrum|unchecked",
        "  -",
        "  mnuViewAcc|Acceleration|checked",
        "  mnuViewVel|&Velocity|checked",
        "  mnuViewDisp|&Displacement|checked",
        "  mnuViewAbort|&Abort Limits|unchecked",
        "  -",
        "  mnuViewRefresh|&Refresh Screen       X",
        "  mnuViewPlotColor|Plot Background",
        "    mnuViewPlotColorBlack|Black|checked",
        "    mnuViewPlotColorWhite|White|unchecked",
        "  mnuViewXaxis|&X-Axis Scale",
        "    mnuViewXaxisIn|Zoom In",
        "    mnuViewXaxisOut|Zoom Out",
        "  mnuViewYaxis|&Y-Axis Scale",
        "    mnuViewYaxisIn|Zoom In",
        "    mnuViewYaxisOut|Zoom Out",
        "  -",
        "  mnuViewResponse|Maximax Response Spectrum|unchecked",
        "  mnuViewResponseQ|Response Spectrum Q...",
        "mnuTools|Tools",
        "  mnuCut|&Copy Plot to Clipboard",
        "  mnuToolsCopyData|Copy Data to Clipboard|unavailable",
        "mnuHelp|&Help",
        "  mnuHelpAboutSoftware|&About Software",
        "  mnuHelpKeyboard|&Keyboard",
        "  mnuHelpNew|What's New?",
        "  mnuHelpHelp|Help File",
        "  mnuHelpFormulas|Vibration Formulas",
        "  mnuHelpOpenExample|Open Example",
    };
    EXPECT_EQ(testing::WalkMenus(w()), expected);
    // Every item has its command but those written without one.
    EXPECT_EQ(w().UnboundItems(), (std::vector<std::string>{"mnuToolsCopyData"}));
}

TEST_F(TessaltTest, StartUpWindowLabelsTimerAndPeaks) {
    EXPECT_EQ(w().objectName(), "frmTSL");
    EXPECT_TRUE(w().windowState() & Qt::WindowMaximized);
    EXPECT_EQ(w().windowTitle().toStdString(), w().Texts().banner);
    EXPECT_EQ(Label("lblTestTitle")->text().toStdString(), kStartTitle);
    EXPECT_EQ(Label("lblAbort")->text(), "  Use X,  x,  Y,  y Keys to zoom plot");
    EXPECT_EQ(Label("lblTime")->text(), " 10:00");
    EXPECT_EQ(Label("lblDate")->text(), " 11/22/09");
    EXPECT_EQ(Label("lblAref")->text(), " Gref = 15 G-PK  ");
    EXPECT_EQ(Label("lblProfile")->text(), " DEFAULT PROFILE");
    EXPECT_NE(w().findChild<shell::SpinButton*>("spnXaxis"), nullptr);
    EXPECT_NE(w().findChild<shell::SpinButton*>("spnYaxis"), nullptr);
    EXPECT_TRUE(timer->running);
    EXPECT_EQ(timer->interval, 250);
    EXPECT_EQ(s().PrintColorMode, 1);
}

TEST_F(TessaltTest, ZKeysDoNothingAndXKeysAreOpposite) {
    Key('Z');
    Key('z');
    EXPECT_EQ(s().XScale, 1.0f);
    EXPECT_EQ(s().YScale, 0.25f);
    Key('X');
    EXPECT_EQ(s().XScale, 0.5f);
    Key('x');
    Key('x');
    EXPECT_EQ(s().XScale, 2.0f);
    Key('Y');
    EXPECT_EQ(s().YScale, 0.1f);  // 0.125 snaps to 0.1
    Key('y');
    EXPECT_EQ(s().YScale, 0.25f);  // 0.2 snaps to 0.25
    EXPECT_TRUE(t.box.shown.empty());
}

TEST_F(TessaltTest, ZoomLaddersSnapAndStop) {
    s().XScale = 0.25f;
    Trigger("mnuViewXaxisIn");
    EXPECT_EQ(s().XScale, 0.1f);
    Trigger("mnuViewXaxisIn");
    EXPECT_EQ(s().XScale, 0.1f);
    Trigger("mnuViewXaxisOut");
    EXPECT_EQ(s().XScale, 0.25f);
    s().XScale = 8;
    Trigger("mnuViewXaxisOut");
    EXPECT_EQ(s().XScale, 8.0f);
    s().YScale = 0.05f;
    Trigger("mnuViewYaxisIn");
    EXPECT_EQ(s().YScale, 0.02f);
    Trigger("mnuViewYaxisIn");
    Trigger("mnuViewYaxisIn");
    EXPECT_EQ(s().YScale, 0.01f);
    s().YScale = 0.02f;
    Trigger("mnuViewYaxisOut");
    EXPECT_EQ(s().YScale, 0.05f);
    s().YScale = 4;
    Trigger("mnuViewYaxisOut");
    EXPECT_EQ(s().YScale, 4.0f);
}

TEST_F(TessaltTest, SpinButtonsZoomTheirAxis) {
    auto* x = w().findChild<shell::SpinButton*>("spnXaxis");
    auto* y = w().findChild<shell::SpinButton*>("spnYaxis");
    x->UpArrow()->click();
    EXPECT_EQ(s().XScale, 0.5f);
    x->DownArrow()->click();
    EXPECT_EQ(s().XScale, 1.0f);
    y->DownArrow()->click();
    EXPECT_EQ(s().YScale, 0.5f);
    y->UpArrow()->click();
    EXPECT_EQ(s().YScale, 0.25f);
}

TEST_F(TessaltTest, UnitSwitchConvertsAmplitudeWithTheAccelerationFactor) {
    Trigger("mnuSystemUnitsMetric");
    EXPECT_FLOAT_EQ(s().P[param::kAmplitude], 147.105f);
    EXPECT_FLOAT_EQ(s().P[param::kMaxA], 980.7f);
    EXPECT_FLOAT_EQ(s().P[param::kMaxD], 25.4f);
    EXPECT_FLOAT_EQ(s().P[param::kMaxV], 254.0f);
    EXPECT_EQ(Label("lblAref")->text().left(8), " Gref = ");
    EXPECT_TRUE(Label("lblAref")->text().endsWith(" M/S^2 "));
    Trigger("mnuSystemUnitsHybrid");
    EXPECT_FLOAT_EQ(s().P[param::kAmplitude], StoreSingle(147.105f * 0.102));
    EXPECT_FLOAT_EQ(s().P[param::kMaxD], 25.4f);
    EXPECT_TRUE(w().Checked("mnuSystemUnitsHybrid"));
    EXPECT_FALSE(w().Checked("mnuSystemUnitsMetric"));
}

TEST_F(TessaltTest, TitleKeptWholeSubtitleCutWithTessaltPrompts) {
    const std::string seventy(70, 'T');
    t.input.answers = {seventy, std::string(70, 's')};
    Trigger("mnuTestTitle");
    Trigger("mnuTestSubTitle1");
    EXPECT_EQ(Label("lblTestTitle")->text().toStdString(), seventy);
    EXPECT_EQ(s().SubTitle1, std::string(65, 's'));
    EXPECT_EQ(t.input.asked[1].prompt, "Enter a new Test SubTitle1, below the test title");
}

TEST_F(TessaltTest, LimitPromptsAreTessaltsOwn) {
    Trigger("mnuSystemMaxV");
    Trigger("mnuSystemMaxD");
    EXPECT_EQ(t.input.asked[0].prompt, " Enter the maximum allowable system velocity in IPS-peak");
    EXPECT_EQ(t.input.asked[1].prompt,
              " Enter the maximum allowable system displacement in mils peak-peak.");
}

TEST_F(TessaltTest, ExitQuestionAndHelpTexts) {
    Trigger("mnuExit");
    Trigger("mnuHelpKeyboard");
    Trigger("mnuHelpNew");
    ASSERT_EQ(t.box.shown.size(), 3u);
    EXPECT_EQ(t.box.shown[0].text, "Exit TSL Program?");
    EXPECT_EQ(t.box.shown[0].title, "Tessalt");
    EXPECT_EQ(t.end.ends, 0);
    EXPECT_EQ(t.box.shown[1].text,
              " Keyboard Access Keys\n\n J = Refresh Screen\n X, x = X-axis zoom-in, out\n Y, y = "
              "Y-axis zoom-in, out\n W = Who made the program");
    EXPECT_EQ(t.box.shown[2].text,
              " What's New In This Version\n\nV1.00 11/22/09 First release\n \n ");
}

TEST_F(TessaltTest, TimerHidesAReadoutOlderThanThreeSeconds) {
    QLabel* cursor = Label("lblCursor");
    ClickPlot();
    EXPECT_FALSE(cursor->isHidden());
    EXPECT_FLOAT_EQ(s().CursorX, 450.0f);
    t.clock.seconds += 3.0;
    timer->Fire();
    EXPECT_FALSE(cursor->isHidden());
    t.clock.time = "10:01";
    t.clock.seconds += 0.25;
    timer->Fire();
    EXPECT_TRUE(cursor->isHidden());
    EXPECT_EQ(Label("lblTime")->text(), " 10:01");  // the tick redrew
}

TEST_F(TessaltTest, TimerTickWaitsWhileABoxIsOpen) {
    ClickPlot();
    t.clock.seconds += 10;
    bool hiddenDuringBox = true;
    t.box.whileOpen = [&] {
        timer->Fire();
        hiddenDuringBox = Label("lblCursor")->isHidden();
    };
    Trigger("mnuHelpHelp");
    EXPECT_FALSE(hiddenDuringBox);
    t.box.whileOpen = nullptr;
    timer->Fire();
    EXPECT_TRUE(Label("lblCursor")->isHidden());
}

TEST_F(TessaltTest, SyncMenuChecksLeavesCustomAndUnknownValuesAlone) {
    s().P[param::kShape] = 9;
    s().P[param::kPolarity] = 2;
    s().P[24] = 1;
    s().P[62] = 1;
    w().SetChecked("mnuShockShapeCustom", true);
    w().Recompute();
    EXPECT_TRUE(w().Checked("mnuShockShapeHalfsine"));  // code 9 touches no shape item
    EXPECT_TRUE(w().Checked("mnuShockShapeCustom"));
    EXPECT_TRUE(w().Checked("mnuShockPolarityNeg"));
    EXPECT_FALSE(w().Checked("mnuShockPolarityPos"));
    EXPECT_FALSE(w().Checked("mnuViewDisp"));
    EXPECT_TRUE(w().Checked("mnuSystemSepsReversed"));
    EXPECT_FALSE(w().Checked("mnuSystemSepsEnglish"));

    s().P[param::kShape] = 7;
    w().SetChecked("mnuViewTest", false);
    w().Recompute();
    EXPECT_TRUE(w().Checked("mnuShockShapeCusp"));
    EXPECT_FALSE(w().Checked("mnuShockShapeHalfsine"));
    EXPECT_TRUE(w().Checked("mnuShockShapeCustom"));  // shapes 1..8 never clear Custom
    EXPECT_TRUE(w().Checked("mnuViewTest"));
}

// --- the plot in the window ---

TEST_F(TessaltTest, StartUpPictureAndAxisLabels) {
    EXPECT_GT(PixelsIn(kGridColor), 0);
    EXPECT_GT(PixelsIn(kAccColor), 0);
    EXPECT_GT(PixelsIn(kVelColor), 0);
    EXPECT_GT(PixelsIn(ConsoleColor(13)), 0);  // displacement, English
    EXPECT_EQ(s().PlotTitle, " TEST PROFILE ");
    EXPECT_EQ(Text("lblY0"), "25");
    EXPECT_EQ(Text("lblY5"), "0");
    EXPECT_EQ(Text("lblY8"), "-15");
    EXPECT_EQ(Text("lblX1"), "20");
    EXPECT_EQ(Text("lblX5"), "100");
    EXPECT_EQ(Text("lblXaxis"), "M-SEC.");
    // The masks: "####.#" for mils, "###.##" for IPS, both with their unit texts.
    EXPECT_EQ(Text("lblDref").substr(0, 8), " Dref = ");
    EXPECT_TRUE(Label("lblDref")->text().endsWith(" MILS "));
    EXPECT_TRUE(Label("lblVref")->text().endsWith(" IPS-PK"));
    EXPECT_GT(s().PeakVel, 0.0f);
}

TEST_F(TessaltTest, SpectrumAndTestProfileSwitchEachOtherOff) {
    s().XScale = 0.5f;
    Trigger("mnuViewSRS");
    EXPECT_TRUE(w().Checked("mnuViewSRS"));
    EXPECT_FALSE(w().Checked("mnuViewTest"));
    EXPECT_EQ(s().PlotTitle, " SHOCK RESPONSE SPECTRUM ");
    const char* const hz[] = {"400", "800", "1200", "1600", "2000"};
    for (int k = 1; k <= 5; ++k) EXPECT_EQ(Text(("lblX" + std::to_string(k)).c_str()), hz[k - 1]);
    EXPECT_EQ(Text("lblXaxis"), " HZ. ");
    EXPECT_EQ(Text("lblY0"), "50");  // 200 x YScale
    EXPECT_TRUE(w().findChild<shell::SpinButton*>("spnXaxis")->isHidden());
    EXPECT_EQ(s().XScale, 0.5f);
    EXPECT_EQ(PixelsIn(kVelColor), 0);  // no test traces under the bars
    EXPECT_GT(PixelsIn(kBarColor), 0);

    Trigger("mnuViewTest");
    EXPECT_TRUE(w().Checked("mnuViewTest"));
    EXPECT_FALSE(w().Checked("mnuViewSRS"));
    EXPECT_EQ(Text("lblX1"), "10");
    EXPECT_FALSE(w().findChild<shell::SpinButton*>("spnXaxis")->isHidden());

    Trigger("mnuViewTest");  // both off: grid and labels only
    EXPECT_FALSE(w().Checked("mnuViewTest"));
    EXPECT_FALSE(w().Checked("mnuViewSRS"));
    EXPECT_EQ(PixelsIn(kAccColor), 0);
    EXPECT_GT(PixelsIn(kGridColor), 0);

    // A shape change recomputes and shows Test Profile: the spectrum goes off, or time
    // traces would stand under Hz labels and two titles.
    Trigger("mnuViewSRS");
    Trigger("mnuShockShapeTrap");
    EXPECT_TRUE(w().Checked("mnuViewTest"));
    EXPECT_FALSE(w().Checked("mnuViewSRS"));
    EXPECT_EQ(Text("lblXaxis"), "M-SEC.");
    EXPECT_EQ(s().PlotTitle, " TEST PROFILE ");
    EXPECT_GT(PixelsIn(kVelColor), 0);
}

TEST_F(TessaltTest, TraceItemsToggleTheirEntryAndTheTrace) {
    Trigger("mnuViewVel");
    EXPECT_EQ(s().P[kVelShown], 1.0f);
    EXPECT_FALSE(w().Checked("mnuViewVel"));
    EXPECT_EQ(PixelsIn(kVelColor), 0);
    Trigger("mnuViewVel");
    EXPECT_EQ(s().P[kVelShown], 2.0f);
    EXPECT_TRUE(w().Checked("mnuViewVel"));
    Trigger("mnuViewAcc");
    Trigger("mnuViewDisp");
    EXPECT_EQ(s().P[kAccShown], 1.0f);
    EXPECT_EQ(s().P[kDispShown], 1.0f);
    EXPECT_EQ(PixelsIn(kAccColor), 0);
    EXPECT_EQ(PixelsIn(ConsoleColor(13)), 0);
}

TEST_F(TessaltTest, AbortBandAndWhiteBackground) {
    Trigger("mnuViewAbort");
    EXPECT_TRUE(s().View.abort);
    EXPECT_GT(PixelsIn(ConsoleColor(15)), 0);
    Trigger("mnuViewPlotColorWhite");
    auto background = [this] {
        const QImage& image = w().Plot().Picture().Image();
        return image.pixel(image.width() * 95 / 100, image.height() / 4);
    };
    EXPECT_EQ(background(), qRgb(255, 255, 255));
    Trigger("mnuViewPlotColorBlack");
    EXPECT_EQ(background(), qRgb(0, 0, 0));
}

TEST_F(TessaltTest, LimitBoxesComeAfterThePictureAndNeverStack) {
    s().P[param::kMaxV] = 1;
    t.clock.time = "10:05";
    ClickPlot();
    int ticksDuringBox = 0;
    bool drawnBeforeBox = false;
    t.box.whileOpen = [&] {
        drawnBeforeBox = Text("lblTime") == " 10:05" && PixelsIn(kAccColor) > 0;
        t.clock.seconds += 10;  // the readout has lapsed: a tick would hide it and redraw
        timer->Fire();
        w().Redraw();  // as if a redraw were asked for from elsewhere
        ++ticksDuringBox;
    };
    Trigger("mnuViewRefresh");
    ASSERT_EQ(t.box.shown.size(), 1u);
    EXPECT_EQ(t.box.shown[0].text, " Test Velocity > System V Limit ");
    EXPECT_EQ(t.box.shown[0].buttons, BoxButtons::Ok);
    EXPECT_EQ(t.box.shown[0].title, "");
    EXPECT_TRUE(drawnBeforeBox);
    EXPECT_EQ(ticksDuringBox, 1);
    EXPECT_FALSE(Label("lblCursor")->isHidden());  // the tick inside the box did nothing

    t.box.whileOpen = nullptr;
    timer->Fire();  // now the tick hides the readout and redraws the same test: no box
    EXPECT_TRUE(Label("lblCursor")->isHidden());
    EXPECT_EQ(t.box.shown.size(), 1u);
}

TEST_F(TessaltTest, LimitBoxesComeBackOnlyWhenWhatIsCheckedChanges) {
    s().P[param::kMaxV] = 1;
    Trigger("mnuViewRefresh");
    ASSERT_EQ(t.box.shown.size(), 1u);
    // Redraws of the same test: zoom keys and items, J, refresh, the timer, the views.
    for (char key : {'X', 'x', 'Y', 'y', 'J'}) Key(key);
    for (const char* item : {"mnuViewXaxisIn", "mnuViewRefresh", "mnuViewAbort", "mnuViewVel",
                             "mnuViewPlotColorWhite", "mnuShockShapeHalfsine"})
        Trigger(item);
    ClickPlot();
    t.clock.seconds += 4;
    timer->Fire();
    EXPECT_EQ(t.box.shown.size(), 1u);
    // A new limit warns at the next redraw, a new pulse and other units at once.
    t.input.answers = {"2"};
    Trigger("mnuSystemMaxV");
    Trigger("mnuViewRefresh");
    EXPECT_EQ(t.box.shown.size(), 2u);
    t.input.answers = {"30"};
    Trigger("mnuShockAmplitude");
    EXPECT_EQ(t.box.shown.size(), 3u);
    Trigger("mnuSystemUnitsMetric");
    EXPECT_EQ(t.box.shown.size(), 4u);
    for (const testing::ShownBox& b : t.box.shown)
        EXPECT_EQ(b.text, " Test Velocity > System V Limit ");
}

TEST_F(TessaltTest, TimerTickDuringALimitBoxOfTheFirstRedrawDoesNothing) {
    // The limit box can be open outside any menu handler: the redraw itself is gated.
    s().P[param::kMaxV] = 1;
    ClickPlot();
    std::size_t boxesSeen = 0;
    t.box.whileOpen = [&] {
        t.clock.seconds += 10;
        w().TimerTick();
        boxesSeen = t.box.shown.size();
    };
    w().Redraw();
    EXPECT_EQ(boxesSeen, 1u);
    EXPECT_EQ(t.box.shown.size(), 1u);
    EXPECT_FALSE(Label("lblCursor")->isHidden());
}

TEST_F(TessaltTest, ResizeRedrawsThePictureWithoutRepeatingTheBoxes) {
    s().P[param::kMaxV] = 1;
    const QSize before = w().Plot().size();
    w().setWindowState(Qt::WindowNoState);
    w().resize(700, 500);
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 400) QCoreApplication::processEvents();
    ASSERT_NE(w().Plot().size(), before);
    EXPECT_EQ(w().Plot().Picture().Image().size(), w().Plot().size());
    EXPECT_GT(PixelsIn(kVelColor), 0);
    EXPECT_TRUE(t.box.shown.empty());
}

TEST_F(TessaltTest, PeakEqualToItsLimitRaisesNoBox) {
    s().P[param::kMaxV] = s().PeakVel;
    s().P[param::kMaxA] = s().PeakAcc;
    s().P[param::kMaxD] = 2 * s().PeakDisp;
    Trigger("mnuViewRefresh");
    EXPECT_TRUE(t.box.shown.empty());
}

TEST_F(TessaltTest, CursorReadoutByUnits) {
    const double wpx = w().Plot().width(), hpx = w().Plot().height();
    ClickPlot(QPointF(wpx / 2, hpx / 2));
    EXPECT_EQ(Text("lblCursor"), "  Time = 50 Msec. , G = 0");
    EXPECT_FALSE(Label("lblCursor")->isHidden());
    ClickPlot(QPointF(wpx / 4, 0));
    EXPECT_EQ(Text("lblCursor"), "  Time = 25 Msec. , G = 25");  // half height = 100 G x 0.25
    Trigger("mnuSystemUnitsMetric");
    ClickPlot(QPointF(wpx / 4, 0));
    EXPECT_EQ(Text("lblCursor"), "  Time = 25 Msec. , Acc = 240.5");
    Trigger("mnuSystemUnitsHybrid");  // Hybrid reads G, as its value axis does
    ClickPlot(QPointF(wpx / 4, 0));
    EXPECT_EQ(Text("lblCursor"), "  Time = 25 Msec. , G = 25");
}

TEST_F(TessaltTest, ZoomRedrawsTheLabels) {
    Key('x');
    EXPECT_EQ(Text("lblX5"), "200");
    Key('Y');
    EXPECT_EQ(Text("lblY0"), "10");
    Trigger("mnuViewYaxisOut");
    EXPECT_EQ(Text("lblY0"), "25");
}

}  // namespace
}  // namespace vib::shock::app
