#include "menus.h"

#include <span>

#include "names.h"

#include "shell/shell_menus.h"

namespace vib::random::app {

using shell::Item;
using shell::Mark;
using shell::Separator;
using shell::Submenu;

std::vector<shell::MenuItem> MorvaneMenuTree() {
    return {
        Submenu(names::mnuFile, "&File",
                {Item(names::mnuFileNew, "&New Profile"),
                 Item(names::mnuFileOpenProfile, "&Open Profile"),
                 Item(names::mnuFileSaveProfile, "&Save Profile"), Separator(),
                 Item(names::mnuFilePrinterSetup, "Printer Setup"), shell::PrintColorMenu(),
                 Item(names::mnuFilePrint, "&Print Report"), Separator(),
                 Item(names::mnuExit, "E&xit")}),
        Submenu(names::mnuSystem, "&System",
                {shell::UnitsMenu(), shell::SeparatorsMenu(), Separator(),
                 Item(names::mnuSystemMaxD, "Max. &Displacement"),
                 Item(names::mnuSystemMaxV, "Max. &Velocity"),
                 Item(names::mnuSystemMaxA, "Max. &Acceleration"), Separator(),
                 shell::MovingMassItem(), shell::MaxForceItem()}),
        Submenu(names::mnuProfile, "&Profile Setup",
                {Submenu(names::mnuProfileFreq, "&Frequency Range",
                         {Item(names::mnuProfileFreq250, ".5-250 Hz.", Mark::Off, false),
                          Item(names::mnuProfileFreq500, " 1-500 Hz.", Mark::Off),
                          Item(names::mnuProfileFreq1000, " 2-1000 Hz.", Mark::Off),
                          Item(names::mnuProfileFreq2000, "5-2000 Hz.", Mark::Off),
                          Item(names::mnuProfileFreq4000, "10-4000 Hz.", Mark::Off)}),
                 Submenu(names::mnuProfileLines, "Lines Of Resolution",
                         {Item(names::mnuProfileLines200, "200 Lines", Mark::Off),
                          Item(names::mnuProfileLines400, "400 Lines", Mark::Off),
                          Item(names::mnuProfileLines800, "800 Lines", Mark::Off),
                          Item(names::mnuProfileLines1600, "1600 Lines", Mark::Off)}),
                 Item(names::mnuProfileModify, "Enter Test Profile")}),
        Submenu(names::mnuTest, "&Test Setup",
                {Submenu(names::mnuTestAbort, "Abort &Limits",
                         {Item(names::mnuTestAbortLimits, "Set Overall Limits")}),
                 Item(names::mnuTestTitle, "&Title"), Item(names::mnuTestSubTitle1, "Sub Title #1"),
                 Item(names::mnuTestSubTitle2, "Sub Title #2"), Separator()}),
        Submenu(
            names::mnuView, "&View",
            {Item(names::mnuViewResponse, "Test Spectrum", Mark::On),
             Item(names::mnuViewAbort, "&Abort Limits", Mark::On), Separator(),
             Item(names::mnuViewRefresh, "Refresh Screen       X"), shell::PlotBackgroundMenu(),
             shell::XAxisMenu(),
             Submenu(
                 names::mnuViewYaxis, "&Y-Axis Scale",
                 {Submenu(names::mnuViewYaxisMax, "Upper Limit",
                          {Item(names::mnuViewYmax100, "100"), Item(names::mnuViewYmax10, "10"),
                           Item(names::mnuViewYmax1, "1.0"), Item(names::mnuViewYmax1x10, "0.10"),
                           Item(names::mnuViewYmax1x100, "0.01")}),
                  Submenu(names::mnuViewYaxisMin, "Lower Limit",
                          {Item(names::mnuViewYmin1x100, "0.01"),
                           Item(names::mnuViewYmin1x1000, "0.001"),
                           Item(names::mnuViewYmin1x10000, "0.0001"),
                           Item(names::mnuViewYmin1x100000, "0.00001"),
                           Item(names::mnuViewYmin1x1000000, "0.000001")})})}),
        shell::ToolsMenu(names::mnuToolsCopyClipboard,
                         {Item(names::mnuToolsImportBreakpoints, "Import Breakpoints..."),
                          Item(names::mnuToolsExportBreakpoints, "Export Breakpoints...")}),
        shell::HelpMenu("About"),
    };
}

const char* const kRangeItems[5] = {names::mnuProfileFreq250, names::mnuProfileFreq500,
                                    names::mnuProfileFreq1000, names::mnuProfileFreq2000,
                                    names::mnuProfileFreq4000};
const char* const kLinesItems[4] = {names::mnuProfileLines200, names::mnuProfileLines400,
                                    names::mnuProfileLines800, names::mnuProfileLines1600};

std::vector<std::pair<const char*, bool>> MorvaneMarks(const RandomState& s) {
    std::vector<std::pair<const char*, bool>> marks;
    auto group = [&marks](float setting, std::span<const char* const> items) {
        for (std::size_t i = 0; i < items.size(); ++i) {
            if (setting != static_cast<float>(i)) continue;
            for (std::size_t j = 0; j < items.size(); ++j) marks.emplace_back(items[j], i == j);
        }
    };
    group(s.Param(prm::RangeIndex), kRangeItems);
    group(s.Param(prm::LinesIndex), kLinesItems);
    return marks;
}

}  // namespace vib::random::app
