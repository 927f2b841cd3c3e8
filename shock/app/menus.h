#pragma once
// The menu tree of frmTSL.

#include <utility>
#include <vector>

#include "shell/menu_tree.h"
#include "shock/state.h"

namespace vib::shock::app {

std::vector<shell::MenuItem> TessaltMenuTree();

// The eight standard shape items, by shape code 1..8 (index 0 is code 1).
extern const char* const kShapeItems[8];

// The check marks of Tessalt's own items as the state has them: shape, polarity,
// compensation mode, traces and views. A code that is none (and the custom shape) leaves
// its group out, so the group keeps what it showed.
std::vector<std::pair<const char*, bool>> TessaltMarks(const ShockState& s);

}  // namespace vib::shock::app
