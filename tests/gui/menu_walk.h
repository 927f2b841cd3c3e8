#pragma once
// The menu bar of a window as lines of text, one per item, indented by depth:
// "name|caption" plus "|checked" or "|unchecked" for items that carry a mark and
// "|unavailable" for disabled ones; separators read "-".

#include <string>
#include <vector>

class QMainWindow;

namespace vib::testing {

std::vector<std::string> WalkMenus(const QMainWindow& window);

}  // namespace vib::testing
