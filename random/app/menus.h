#pragma once
// The menu tree of frmMVR.

#include <vector>

#include "shell/menu_tree.h"

namespace vib::random::app {

std::vector<shell::MenuItem> MorvaneMenuTree();

}  // namespace vib::random::app
