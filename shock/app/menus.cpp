#include "menus.h"

#include "shell/shell_menus.h"

namespace vib::shock::app {

using shell::Item;
using shell::Mark;
using shell::Separator;
using shell::Submenu;

const char* const kShapeItems[8] = {"mnuShockShapeHalfsine", "mnuShockShapeTPSaw",
                                    "mnuShockShapeIPSaw",    "mnuShockShapeTriangle",
                                    "mnuShockShapeTrap",     "mnuShockShapeQuarter",
                                    "mnuShockShapeCusp",     "mnuShockShapeSineBurst"};

std::vector<shell::MenuItem> TessaltMenuTree() {
    return {
        Submenu("mnuFile", "&File",
                {Item("mnuFileOpenProfile", "&Open Profile"),
                 Item("mnuFileSaveProfile", "&Save Profile"), Separator(),
                 Item("mnuFilePrinterSetup", "Printer Setup"), shell::PrintColorMenu(),
                 Item("mnuFilePrint", "&Print Report"), Separator(), Item("mnuExit", "E&xit")}),
        Submenu(
            "mnuSystem", "&System",
            {shell::UnitsMenu(), shell::SeparatorsMenu(),
             Item("mnuSystemManualSteps", "Manual Mode Steps"), Separator(),
             Item("mnuSystemMaxD", "Max. &Displacement"), Item("mnuSystemMaxV", "Max. &Velocity"),
             Item("mnuSystemMaxA", "Max. &Acceleration"), Separator()}),
        Submenu("mnuShock", "&Shock Setup",
                {Submenu("mnuShockShape", "&Pulse Shape",
                         {Item("mnuShockShapeHalfsine", "Half-Sine", Mark::Off),
                          Item("mnuShockShapeTriangle", "Triangle", Mark::Off),
                          Item("mnuShockShapeTrap", "Trapezoid", Mark::Off),
                          Item("mnuShockShapeIPSaw", "I. P. Sawtooth", Mark::Off),
                          Item("mnuShockShapeTPSaw", "T. P. Sawtooth", Mark::Off),
                          Item("mnuShockShapeQuarter", "Quarter-Sine", Mark::Off),
                          Item("mnuShockShapeCusp", "Parabolic Cusp", Mark::Off),
                          Item("mnuShockShapeSineBurst", "Sine Burst", Mark::Off),
                          Item("mnuShockShapeCustom", "Custom Shape", Mark::Off)}),
                 Item("mnuShockAmplitude", "Pulse &Amplitude"),
                 Submenu("mnuShockDuration", "Pulse &Duration",
                         {Item("mnuShockDurationTime", "Enter Time"),
                          Item("mnuShockDurationFreq", "Enter Frequency")}),
                 Submenu("mnuShockPolarity", "Polarity",
                         {Item("mnuShockPolarityPos", "Positive", Mark::Off),
                          Item("mnuShockPolarityNeg", "Negative", Mark::Off)}),
                 Submenu("mnuShockComp", "Compensation Mode",
                         {Item("mnuShockCompAuto", "Automatic Compensation", Mark::On),
                          Item("mnuShockCompManual", "Manual Compensation", Mark::Off)}),
                 Submenu("mnuShockCompLevels", "Compensation Levels",
                         {Item("mnuShockCompLevelsPre", "Pre-pulse Compensation"),
                          Item("mnuShockCompLevelsPost", "Post-pulse Compensation")})}),
        Submenu("mnuTest", "&Test Setup",
                {Item("mnuTestTitle", "&Title"), Item("mnuTestSubTitle1", "Sub Title #1"),
                 Item("mnuTestSubTitle2", "Sub Title #2"), Separator()}),
        Submenu(
            "mnuView", "&View",
            {Item("mnuViewTest", "&Test Profile", Mark::On),
             Item("mnuViewSRS", "Shock Response Spectrum", Mark::Off), Separator(),
             Item("mnuViewAcc", "Acceleration", Mark::Off),
             Item("mnuViewVel", "&Velocity", Mark::On),
             Item("mnuViewDisp", "&Displacement", Mark::On),
             Item("mnuViewAbort", "&Abort Limits", Mark::Off), Separator(),
             Item("mnuViewRefresh", "&Refresh Screen       X"), shell::PlotBackgroundMenu(),
             shell::XAxisMenu(),
             Submenu("mnuViewYaxis", "&Y-Axis Scale",
                     {Item("mnuViewYaxisIn", "Zoom In"), Item("mnuViewYaxisOut", "Zoom Out")})}),
        shell::ToolsMenu("mnuToolsCopyData"),
        shell::HelpMenu("&About Software"),
    };
}

}  // namespace vib::shock::app
