// Morvane's main window on the offscreen platform with scripted boxes.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>

#include "menu_walk.h"
#include "morvane_fixture.h"

namespace vib::random::app {
namespace {

using MorvaneTest = MorvaneFixture;

TEST_F(MorvaneTest, MenuTreeAsWrittenAfterStartUp) {
    const std::vector<std::string> expected = {
        "mnuFile|&File",
        "  mnuFileNew|&New Profile",
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
        "  -",
        "  mnuSystemMaxD|Max. &Displacement",
        "  mnuSystemMaxV|Max. &Velocity",
        "  mnuSystemMaxA|Max. &Acceleration",
        "  -",
        // The force check's items come after the written ones.
        "  mnuSystemMovingMass|Moving Mass...",
        "  mnuSystemMaxForce|Max. Force...",
        "mnuProfile|&Profile Setup",
        "  mnuProfileFreq|&Frequency Range",
        "    mnuProfileFreq250|.5-250 Hz.|unchecked|unavailable",
        "    mnuProfileFreq500| 1-500 Hz.|unchecked",
        "    mnuProfileFreq1000| 2-1000 Hz.|unchecked",
        "    mnuProfileFreq2000|5-2000 Hz.|checked",
        "    mnuProfileFreq4000|10-4000 Hz.|unchecked",
        "  mnuProfileLines|Lines Of Resolution",
        "    mnuProfileLines200|200 Lines|unchecked",
        "    mnuProfileLines400|400 Lines|checked",
        "    mnuProfileLines800|800 Lines|unchecked",
        "    mnuProfileLines1600|1600 Lines|unchecked",
        "  mnuProfileModify|Enter Test Profile",
        "mnuTest|&Test Setup",
        "  mnuTestAbort|Abort &Limits",
        "    mnuTestAbortLimits|Set Overall Limits",
        "  mnuTestTitle|&Title",
        "  mnuTestSubTitle1|Sub Title #1",
        "  mnuTestSubTitle2|Sub Title #2",
        "  -",
        "mnuView|&View",
        "  mnuViewResponse|Test Spectrum|checked",
        "  mnuViewAbort|&Abort Limits|checked",
        "  -",
        "  mnuViewRefresh|Refresh Screen       X",
        "  mnuViewPlotColor|Plot Background",
        "    mnuViewPlotColorBlack|Black|checked",
        "    mnuViewPlotColorWhite|White|unchecked",
        "  mnuViewXaxis|&X-Axis Scale",
        "    mnuViewXaxisIn|Zoom In",
        "    mnuViewXaxisOut|Zoom Out",
        "  mnuViewYaxis|&Y-Axis Scale",
        "    mnuViewYaxisMax|Upper Limit",
        "      mnuViewYmax100|100",
        "      mnuViewYmax10|10",
        "      mnuViewYmax1|1.0",
        "      mnuViewYmax1x10|0.10",
        "      mnuViewYmax1x100|0.01",
        "    mnuViewYaxisMin|Lower Limit",
        "      mnuViewYmin1x100|0.01",
        "      mnuViewYmin1x1000|0.001",
        "      mnuViewYmin1x10000|0.0001",
        "      mnuViewYmin1x100000|0.00001",
        "      mnuViewYmin1x1000000|0.000001",
        "mnuTools|Tools",
        "  mnuCut|&Copy Plot to Clipboard",
        "  mnuToolsCopyClipboard|Copy Data to Clipboard|unavailable",
        "  mnuToolsImportBreakpoints|Import Breakpoints...",
        "  mnuToolsExportBreakpoints|Export Breakpoints...",
        "mnuHelp|&Help",
        "  mnuHelpAboutSoftware|About",
        "  mnuHelpKeyboard|&Keyboard",
        "  mnuHelpNew|What's New?",
        "  mnuHelpHelp|Help File",
        "  mnuHelpFormulas|Vibration Formulas",
        "  mnuHelpOpenExample|Open Example",
    };
    EXPECT_EQ(testing::WalkMenus(w()), expected);
    // Every item has its command but those written without one.
    EXPECT_EQ(w().UnboundItems(),
              (std::vector<std::string>{"mnuToolsCopyClipboard", "mnuViewResponse"}));
}

TEST_F(MorvaneTest, StartUpShowsAMaximisedWindowWithResults) {
    EXPECT_EQ(w().objectName(), "frmMVR");
    EXPECT_TRUE(w().isVisible());
    EXPECT_TRUE(w().windowState() & Qt::WindowMaximized);
    EXPECT_EQ(w().windowTitle().toStdString(), w().Texts().banner);
    EXPECT_EQ(w().SavedPrinterFontSize(), 12.0f);
    EXPECT_EQ(Text("lblDref"), "  Dref = 64.9 MILS ");
    EXPECT_EQ(Text("lblVref"), "  Vref = 7.76 IPS-PK");
    EXPECT_EQ(Text("lblAref").rfind("  Gref = 8", 0), 0u);
    EXPECT_EQ(Text("lblProfile"), "   DEFAULT PROFILE");
    EXPECT_EQ(Text("lblInst"), "  USE THE  X,  x , Y,  y,  Z,  z  KEYS TO ZOOM THE PLOT");
    for (const char* name :
         {"lblTestTitle", "lblDref", "lblVref", "lblAref", "lblProfile", "lblTime", "lblDate",
          "lblCursor", "lblComp", "Label14", "Image1", "Image2", "imgSine"})
        EXPECT_NE(w().findChild<QLabel*>(name), nullptr) << name;
    // The plot fills the control; its background is black.
    const QImage& image = w().Plot().Picture().Image();
    EXPECT_EQ(image.deviceIndependentSize().toSize(), w().Plot().size());
    EXPECT_EQ(image.pixelColor(image.width() - 2, image.height() / 2 + 3), QColor(Qt::black));
}

TEST_F(MorvaneTest, ExitRestoresTheOrientationFoundAtStartUp) {
    t.printer.orientation = kPortrait;
    t.box.answers = {BoxAnswer::Yes};
    Trigger("mnuExit");
    EXPECT_EQ(t.printer.orientation, kLandscape);
    EXPECT_EQ(t.end.ends, 1);
}

TEST_F(MorvaneTest, UnitSwitchConvertsFirst65AsdEntriesAndRedraws) {
    s().Asd[2] = 0.1f;
    s().Asd[64] = 0.1f;
    s().Asd[65] = 0.1f;
    const auto freq = s().Freq;
    Trigger("mnuSystemUnitsMetric");
    EXPECT_FLOAT_EQ(s().Asd[2], 9.616f);
    EXPECT_FLOAT_EQ(s().Asd[64], 9.616f);
    EXPECT_EQ(s().Asd[65], 0.1f);
    EXPECT_EQ(s().Freq, freq);
    EXPECT_FLOAT_EQ(s().Param(prm::MaxA), 980.7f);
    EXPECT_EQ(Text("lblDref").rfind("  Dref = 1.65 MM", 0), 0u);  // results held in English
    Trigger("mnuSystemUnitsEnglish");
    EXPECT_FLOAT_EQ(s().Asd[2], 0.1000064f);
    EXPECT_FLOAT_EQ(s().Param(prm::MaxA), 100.0314f);
    EXPECT_TRUE(w().Checked("mnuSystemUnitsEnglish"));
}

TEST_F(MorvaneTest, HybridThenMetricEqualsDirectSwitch) {
    RandomState direct = s();
    Trigger("mnuSystemUnitsHybrid");
    EXPECT_EQ(s().Asd[2], direct.Asd[2]);  // ASD stays in G^2/Hz under Hybrid
    EXPECT_FLOAT_EQ(s().Param(prm::MaxD), 25.4f);
    Trigger("mnuSystemUnitsMetric");
    for (int i = 0; i < 65; ++i) direct.Asd[i] = StoreSingle(double(direct.Asd[i]) * 96.16);
    EXPECT_EQ(s().Asd, direct.Asd);
    EXPECT_FLOAT_EQ(s().Param(prm::MaxA), 980.7f);
    EXPECT_FLOAT_EQ(s().Param(prm::MaxV), 254.0f);
}

TEST_F(MorvaneTest, SyncMenuChecksFollowsParamsAndSkipsUnknownValues) {
    s().Param(prm::RangeIndex) = 0;
    s().Param(prm::LinesIndex) = 3;
    s().Param(prm::UnitsIndex) = 2;
    s().Param(prm::PlotBackground) = 1;
    s().Param(prm::SeparatorMode) = 1;
    w().Recompute();
    EXPECT_TRUE(w().Checked("mnuProfileFreq250"));
    EXPECT_FALSE(w().Checked("mnuProfileFreq2000"));
    EXPECT_TRUE(w().Checked("mnuProfileLines1600"));
    EXPECT_FALSE(w().Checked("mnuProfileLines400"));
    EXPECT_TRUE(w().Checked("mnuSystemUnitsHybrid"));
    EXPECT_TRUE(w().Checked("mnuViewPlotColorWhite"));
    EXPECT_FALSE(w().Checked("mnuViewPlotColorBlack"));
    EXPECT_TRUE(w().Checked("mnuSystemSepsReversed"));
    EXPECT_FALSE(w().Checked("mnuSystemSepsEnglish"));

    s().Param(prm::RangeIndex) = 7;
    s().Param(prm::LinesIndex) = 1.5f;
    s().Param(prm::SeparatorMode) = 3;
    w().SyncMenuChecks();
    EXPECT_TRUE(w().Checked("mnuProfileFreq250"));
    EXPECT_TRUE(w().Checked("mnuProfileLines1600"));
    EXPECT_FALSE(w().Checked("mnuSystemSepsReversed"));
    EXPECT_FALSE(w().Checked("mnuSystemSepsEnglish"));
}

TEST_F(MorvaneTest, ZoomKeysAreCaseSensitiveAndStopAtTheEnds) {
    Key('X');
    EXPECT_EQ(s().Param(prm::XAxisSetting), 2.0f);
    Key('x');
    Key('x');
    EXPECT_EQ(s().Param(prm::XAxisSetting), 4.0f);
    Key('x');
    EXPECT_EQ(s().Param(prm::XAxisSetting), 4.0f);
    for (int i = 0; i < 5; ++i) Key('X');
    EXPECT_EQ(s().Param(prm::XAxisSetting), 1.0f);
    Key('Y');
    EXPECT_EQ(s().Param(prm::YMaxSetting), 0.0f);
    Key('Y');
    EXPECT_EQ(s().Param(prm::YMaxSetting), 0.0f);
    Key('y');
    EXPECT_EQ(s().Param(prm::YMaxSetting), 1.0f);
    Key('z');
    EXPECT_EQ(s().Param(prm::YMinSetting), 2.0f);
    Key('Z');
    Key('Z');
    EXPECT_EQ(s().Param(prm::YMinSetting), 0.0f);
    Trigger("mnuViewXaxisOut");
    EXPECT_EQ(s().Param(prm::XAxisSetting), 2.0f);
    Trigger("mnuViewXaxisIn");
    EXPECT_EQ(s().Param(prm::XAxisSetting), 1.0f);
    EXPECT_TRUE(t.box.shown.empty());
}

TEST_F(MorvaneTest, WhiteBackgroundGivesAWhitePicture) {
    Trigger("mnuViewPlotColorWhite");
    const QImage& image = w().Plot().Picture().Image();
    EXPECT_EQ(image.pixelColor(3, 3), QColor(Qt::white));
    EXPECT_EQ(s().Param(prm::PlotBackground), 1.0f);
}

TEST_F(MorvaneTest, CursorReadoutShowsAndAStaleOneHidesAtTheNextRedraw) {
    QLabel* cursor = w().findChild<QLabel*>("lblCursor");
    EXPECT_TRUE(cursor->isHidden());
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(10, 20), QPointF(10, 20), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&w().Plot(), &press);
    EXPECT_FALSE(cursor->isHidden());
    EXPECT_FLOAT_EQ(w().CursorX(), 150.0f);
    EXPECT_FLOAT_EQ(w().CursorY(), 300.0f);
    t.clock.seconds += 2.5;
    Trigger("mnuViewRefresh");
    EXPECT_FALSE(cursor->isHidden());
    t.clock.seconds += 1.0;
    Trigger("mnuViewRefresh");
    EXPECT_TRUE(cursor->isHidden());
}

}  // namespace
}  // namespace vib::random::app
