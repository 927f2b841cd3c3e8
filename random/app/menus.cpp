#include "menus.h"

#include "shell/shell_menus.h"

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
                 Item("mnuFilePrinterSetup", "Printer Setup"), shell::PrintColorMenu(),
                 Item("mnuFilePrint", "&Print Report"), Separator(), Item("mnuExit", "E&xit")}),
        Submenu(
            "mnuSystem", "&System",
            {shell::UnitsMenu(), shell::SeparatorsMenu(), Separator(),
             Item("mnuSystemMaxD", "Max. &Displacement"), Item("mnuSystemMaxV", "Max. &Velocity"),
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
             Item("mnuViewRefresh", "Refresh Screen       X"), shell::PlotBackgroundMenu(),
             shell::XAxisMenu(),
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
        shell::ToolsMenu("mnuToolsCopyClipboard"),
        shell::HelpMenu("About"),
    };
}

}  // namespace vib::random::app
