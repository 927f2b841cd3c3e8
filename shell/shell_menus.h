#pragma once
// The submenus both calculators carry alike; each program's tree places them.

#include "menu_tree.h"

namespace vib::shell {

MenuItem PrintColorMenu();
MenuItem UnitsMenu();
MenuItem SeparatorsMenu();
MenuItem PlotBackgroundMenu();
// The force check's settings, after the System menu's closing separator.
MenuItem MovingMassItem();
MenuItem MaxForceItem();
MenuItem XAxisMenu();
// Tools: the plot copy, and the data copy that is not available (named per program),
// then a program's own items.
MenuItem ToolsMenu(const char* copyDataName, std::vector<MenuItem> more = {});
// Help; the programs differ only in the first item's caption. "Open Example" follows the
// written items.
MenuItem HelpMenu(const char* aboutCaption);

}  // namespace vib::shell
