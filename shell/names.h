#pragma once
// The object names both calculators share: menu items, labels and controls. They are
// the names users' scripts and the tests find things by, so each is written once, here.

namespace vib::shell::names {
inline constexpr char Form[] = "Form";
inline constexpr char Image1[] = "Image1";
inline constexpr char Image2[] = "Image2";
inline constexpr char imgSine[] = "imgSine";
inline constexpr char lblAref[] = "lblAref";
inline constexpr char lblCursor[] = "lblCursor";
inline constexpr char lblDate[] = "lblDate";
inline constexpr char lblDref[] = "lblDref";
inline constexpr char lblForce[] = "lblForce";
inline constexpr char lblProfile[] = "lblProfile";
inline constexpr char lblTestTitle[] = "lblTestTitle";
inline constexpr char lblTime[] = "lblTime";
inline constexpr char lblVref[] = "lblVref";
inline constexpr char mnuCut[] = "mnuCut";
inline constexpr char mnuExit[] = "mnuExit";
inline constexpr char mnuFile[] = "mnuFile";
inline constexpr char mnuFileColor[] = "mnuFileColor";
inline constexpr char mnuFileColorsColors[] = "mnuFileColorsColors";
inline constexpr char mnuFileColorsMono[] = "mnuFileColorsMono";
inline constexpr char mnuFileOpenProfile[] = "mnuFileOpenProfile";
inline constexpr char mnuFilePrint[] = "mnuFilePrint";
inline constexpr char mnuFilePrinterSetup[] = "mnuFilePrinterSetup";
inline constexpr char mnuFileSaveProfile[] = "mnuFileSaveProfile";
inline constexpr char mnuHelp[] = "mnuHelp";
inline constexpr char mnuHelpAboutSoftware[] = "mnuHelpAboutSoftware";
inline constexpr char mnuHelpFormulas[] = "mnuHelpFormulas";
inline constexpr char mnuHelpHelp[] = "mnuHelpHelp";
inline constexpr char mnuHelpKeyboard[] = "mnuHelpKeyboard";
inline constexpr char mnuHelpNew[] = "mnuHelpNew";
inline constexpr char mnuHelpOpenExample[] = "mnuHelpOpenExample";
inline constexpr char mnuSystem[] = "mnuSystem";
inline constexpr char mnuSystemMaxA[] = "mnuSystemMaxA";
inline constexpr char mnuSystemMaxD[] = "mnuSystemMaxD";
inline constexpr char mnuSystemMaxForce[] = "mnuSystemMaxForce";
inline constexpr char mnuSystemMovingMass[] = "mnuSystemMovingMass";
inline constexpr char mnuSystemMaxV[] = "mnuSystemMaxV";
inline constexpr char mnuSystemSeps[] = "mnuSystemSeps";
inline constexpr char mnuSystemSepsEnglish[] = "mnuSystemSepsEnglish";
inline constexpr char mnuSystemSepsReversed[] = "mnuSystemSepsReversed";
inline constexpr char mnuSystemUnits[] = "mnuSystemUnits";
inline constexpr char mnuSystemUnitsEnglish[] = "mnuSystemUnitsEnglish";
inline constexpr char mnuSystemUnitsHybrid[] = "mnuSystemUnitsHybrid";
inline constexpr char mnuSystemUnitsMetric[] = "mnuSystemUnitsMetric";
inline constexpr char mnuTest[] = "mnuTest";
inline constexpr char mnuTestSubTitle1[] = "mnuTestSubTitle1";
inline constexpr char mnuTestSubTitle2[] = "mnuTestSubTitle2";
inline constexpr char mnuTestTitle[] = "mnuTestTitle";
inline constexpr char mnuTools[] = "mnuTools";
inline constexpr char mnuView[] = "mnuView";
inline constexpr char mnuViewAbort[] = "mnuViewAbort";
inline constexpr char mnuViewPlotColor[] = "mnuViewPlotColor";
inline constexpr char mnuViewPlotColorBlack[] = "mnuViewPlotColorBlack";
inline constexpr char mnuViewPlotColorWhite[] = "mnuViewPlotColorWhite";
inline constexpr char mnuViewRefresh[] = "mnuViewRefresh";
inline constexpr char mnuViewXaxis[] = "mnuViewXaxis";
inline constexpr char mnuViewXaxisIn[] = "mnuViewXaxisIn";
inline constexpr char mnuViewXaxisOut[] = "mnuViewXaxisOut";
inline constexpr char mnuViewYaxis[] = "mnuViewYaxis";
inline constexpr char picPlot[] = "picPlot";

}  // namespace vib::shell::names
