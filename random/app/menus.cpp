#include "menus.h"

namespace vib::random::app {

using shell::Item;
using shell::Mark;
using shell::Separator;
using shell::Submenu;

std::vector<shell::MenuItem> MorvaneMenuTree() {
    return {
        Submenu("mnuFile", "&File",
                {Item("mnuFileNew", "&New Profile"), Item("mnuFileOpenProfile", "&Open Profile"),
                 Item("mnuFileSaveProfile", "&Save Profile"), Separator(),
                 Item("mnuFilePrinterSetup", "Printer Setup"),
                 Submenu("mnuFileColor", "Print Color",
                         {Item("mnuFileColorsColors", "Colors", Mark::Off),
                          Item("mnuFileColorsMono", "Monochrome", Mark::On)}),
                 Item("mnuFilePrint", "&Print Report"), Separator(), Item("mnuExit", "E&xit")}),
        Submenu("mnuSystem", "&System",
                {Submenu("mnuSystemUnits", "&Units",
                         {Item("mnuSystemUnitsEnglish", "&English", Mark::Off),
                          Item("mnuSystemUnitsMetric", "&Metric", Mark::Off),
                          Item("mnuSystemUnitsHybrid", "&Hybrid ( MM And G )", Mark::Off)}),
                 Submenu("mnuSystemSeps", "Numeric Separators",
                         {Item("mnuSystemSepsEnglish", "English ( 1,000.00 )", Mark::Off),
                          Item("mnuSystemSepsReversed", "Reversed ( 1.000,00 )", Mark::Off)}),
                 Separator(), Item("mnuSystemMaxD", "Max. &Displacement"),
                 Item("mnuSystemMaxV", "Max. &Velocity"),
                 Item("mnuSystemMaxA", "Max. &Acceleration"), Separator()}),
        Submenu("mnuProfile", "&Profile Setup",
                {Submenu("mnuProfileFreq", "&Frequency Range",
                         {Item("mnuProfileFreq250", ".5-250 Hz.", Mark::Off, false),
                          Item("mnuProfileFreq500", " 1-500 Hz.", Mark::Off),
                          Item("mnuProfileFreq1000", " 2-1000 Hz.", Mark::Off),
                          Item("mnuProfileFreq2000", "5-2000 Hz.", Mark::Off),
                          Item("mnuProfileFreq4000", "10-4000 Hz.", Mark::Off)}),
                 Submenu("mnuProfileLines", "Lines Of Resolution",
                         {Item("mnuProfileLines200", "200 Lines", Mark::Off),
                          Item("mnuProfileLines400", "400 Lines", Mark::Off),
                          Item("mnuProfileLines800", "800 Lines", Mark::Off),
                          Item("mnuProfileLines1600", "1600 Lines", Mark::Off)}),
                 Item("mnuProfileModify", "Enter Test Profile")}),
        Submenu("mnuTest", "&Test Setup",
                {Submenu("mnuTestAbort", "Abort &Limits",
                         {Item("mnuTestAbortLimits", "Set Overall Limits")}),
                 Item("mnuTestTitle", "&Title"), Item("mnuTestSubTitle1", "Sub Title #1"),
                 Item("mnuTestSubTitle2", "Sub Title #2"), Separator()}),
        Submenu(
            "mnuView", "&View",
            {Item("mnuViewResponse", "Test Spectrum", Mark::On),
             Item("mnuViewAbort", "&Abort Limits", Mark::On), Separator(),
             Item("mnuViewRefresh", "Refresh Screen       X"),
             Submenu("mnuViewPlotColor", "Plot Background",
                     {Item("mnuViewPlotColorBlack", "Black", Mark::Off),
                      Item("mnuViewPlotColorWhite", "White", Mark::Off)}),
             Submenu("mnuViewXaxis", "&X-Axis Scale",
                     {Item("mnuViewXaxisIn", "Zoom In"), Item("mnuViewXaxisOut", "Zoom Out")}),
             Submenu("mnuViewYaxis", "&Y-Axis Scale",
                     {Submenu("mnuViewYaxisMax", "Upper Limit",
                              {Item("mnuViewYmax100", "100"), Item("mnuViewYmax10", "10"),
                               Item("mnuViewYmax1", "1.0"), Item("mnuViewYmax1x10", "0.10"),
                               Item("mnuViewYmax1x100", "0.01")}),
                      Submenu("mnuViewYaxisMin", "Lower Limit",
                              {Item("mnuViewYmin1x100", "0.01"), Item("mnuViewYmin1x1000", "0.001"),
                               Item("mnuViewYmin1x10000", "0.0001"),
                               Item("mnuViewYmin1x100000", "0.00001"),
                               Item("mnuViewYmin1x1000000", "0.000001")})})}),
        Submenu("mnuTools", "Tools",
                {Item("mnuCut", "&Copy Plot to Clipboard"),
                 Item("mnuToolsCopyClipboard", "Copy Data to Clipboard", Mark::None, false)}),
        Submenu("mnuHelp", "&Help",
                {Item("mnuHelpAboutSoftware", "About"), Item("mnuHelpKeyboard", "&Keyboard"),
                 Item("mnuHelpNew", "What's New?"), Item("mnuHelpHelp", "Help File"),
                 Item("mnuHelpFormulas", "Vibration Formulas")}),
    };
}

}  // namespace vib::random::app
