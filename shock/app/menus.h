#pragma once
// The menu tree of frmTSL.

#include <vector>

#include "shell/menu_tree.h"

namespace vib::shock::app {

std::vector<shell::MenuItem> TessaltMenuTree();

// The eight standard shape items, by shape code 1..8 (index 0 is code 1).
extern const char* const kShapeItems[8];

}  // namespace vib::shock::app
