#pragma once
// The menu tree of frmMVR.

#include <utility>
#include <vector>

#include "random/model.h"
#include "shell/menu_tree.h"

namespace vib::random::app {

std::vector<shell::MenuItem> MorvaneMenuTree();

// The range and resolution items, by their index in the parameter block.
extern const char* const kRangeItems[5];
extern const char* const kLinesItems[4];

// The check marks of Morvane's own items as the state has them: the item whose position
// equals the setting is checked, the others cleared; a setting that matches no item
// leaves its group out, so the group keeps what it showed.
std::vector<std::pair<const char*, bool>> MorvaneMarks(const RandomState& s);

}  // namespace vib::random::app
