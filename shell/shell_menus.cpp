#include "shell_menus.h"
#include "names.h"

namespace vib::shell {

MenuItem PrintColorMenu() {
    return Submenu(names::mnuFileColor, "Print Color",
                   {Item(names::mnuFileColorsColors, "Colors", Mark::Off),
                    Item(names::mnuFileColorsMono, "Monochrome", Mark::On)});
}

MenuItem UnitsMenu() {
    return Submenu(names::mnuSystemUnits, "&Units",
                   {Item(names::mnuSystemUnitsEnglish, "&English", Mark::Off),
                    Item(names::mnuSystemUnitsMetric, "&Metric", Mark::Off),
                    Item(names::mnuSystemUnitsHybrid, "&Hybrid ( MM And G )", Mark::Off)});
}

MenuItem SeparatorsMenu() {
    return Submenu(names::mnuSystemSeps, "Numeric Separators",
                   {Item(names::mnuSystemSepsEnglish, "English ( 1,000.00 )", Mark::Off),
                    Item(names::mnuSystemSepsReversed, "Reversed ( 1.000,00 )", Mark::Off)});
}

MenuItem MovingMassItem() {
    return Item(names::mnuSystemMovingMass, "Moving Mass...");
}

MenuItem MaxForceItem() {
    return Item(names::mnuSystemMaxForce, "Max. Force...");
}

MenuItem PlotBackgroundMenu() {
    return Submenu(names::mnuViewPlotColor, "Plot Background",
                   {Item(names::mnuViewPlotColorBlack, "Black", Mark::Off),
                    Item(names::mnuViewPlotColorWhite, "White", Mark::Off)});
}

MenuItem XAxisMenu() {
    return Submenu(
        names::mnuViewXaxis, "&X-Axis Scale",
        {Item(names::mnuViewXaxisIn, "Zoom In"), Item(names::mnuViewXaxisOut, "Zoom Out")});
}

MenuItem ToolsMenu(const char* copyDataName, std::vector<MenuItem> more) {
    std::vector<MenuItem> items = {Item(names::mnuCut, "&Copy Plot to Clipboard"),
                                   Item(copyDataName, "Copy Data to Clipboard", Mark::None, false)};
    items.insert(items.end(), more.begin(), more.end());
    return Submenu(names::mnuTools, "Tools", std::move(items));
}

MenuItem HelpMenu(const char* aboutCaption) {
    return Submenu(
        names::mnuHelp, "&Help",
        {Item(names::mnuHelpAboutSoftware, aboutCaption), Item(names::mnuHelpKeyboard, "&Keyboard"),
         Item(names::mnuHelpNew, "What's New?"), Item(names::mnuHelpHelp, "Help File"),
         Item(names::mnuHelpFormulas, "Vibration Formulas"),
         Item(names::mnuHelpOpenExample, "Open Example")});
}

}  // namespace vib::shell
