#include "shell_menus.h"

namespace vib::shell {

MenuItem PrintColorMenu() {
    return Submenu("mnuFileColor", "Print Color",
                   {Item("mnuFileColorsColors", "Colors", Mark::Off),
                    Item("mnuFileColorsMono", "Monochrome", Mark::On)});
}

MenuItem UnitsMenu() {
    return Submenu("mnuSystemUnits", "&Units",
                   {Item("mnuSystemUnitsEnglish", "&English", Mark::Off),
                    Item("mnuSystemUnitsMetric", "&Metric", Mark::Off),
                    Item("mnuSystemUnitsHybrid", "&Hybrid ( MM And G )", Mark::Off)});
}

MenuItem SeparatorsMenu() {
    return Submenu("mnuSystemSeps", "Numeric Separators",
                   {Item("mnuSystemSepsEnglish", "English ( 1,000.00 )", Mark::Off),
                    Item("mnuSystemSepsReversed", "Reversed ( 1.000,00 )", Mark::Off)});
}

MenuItem PlotBackgroundMenu() {
    return Submenu("mnuViewPlotColor", "Plot Background",
                   {Item("mnuViewPlotColorBlack", "Black", Mark::Off),
                    Item("mnuViewPlotColorWhite", "White", Mark::Off)});
}

MenuItem XAxisMenu() {
    return Submenu("mnuViewXaxis", "&X-Axis Scale",
                   {Item("mnuViewXaxisIn", "Zoom In"), Item("mnuViewXaxisOut", "Zoom Out")});
}

MenuItem ToolsMenu(const char* copyDataName) {
    return Submenu("mnuTools", "Tools",
                   {Item("mnuCut", "&Copy Plot to Clipboard"),
                    Item(copyDataName, "Copy Data to Clipboard", Mark::None, false)});
}

MenuItem HelpMenu(const char* aboutCaption) {
    return Submenu(
        "mnuHelp", "&Help",
        {Item("mnuHelpAboutSoftware", aboutCaption), Item("mnuHelpKeyboard", "&Keyboard"),
         Item("mnuHelpNew", "What's New?"), Item("mnuHelpHelp", "Help File"),
         Item("mnuHelpFormulas", "Vibration Formulas")});
}

}  // namespace vib::shell
