#pragma once
// Menus described as data: each item carries the object name and caption the program's
// handlers and tests know it by, whether it can carry a check mark and its start state.

#include <string>
#include <vector>

class QMenuBar;
class QAction;
class QObject;

namespace vib::shell {

enum class Mark { None, Off, On };  // None: the item never shows a check mark

struct MenuItem {
    std::string name;  // empty for a separator
    std::string caption;
    std::vector<MenuItem> children;
    Mark mark = Mark::None;
    bool enabled = true;
};

inline MenuItem Separator() {
    return MenuItem{};
}
inline MenuItem Item(std::string name, std::string caption, Mark mark = Mark::None,
                     bool enabled = true) {
    return MenuItem{std::move(name), std::move(caption), {}, mark, enabled};
}
inline MenuItem Submenu(std::string name, std::string caption, std::vector<MenuItem> children) {
    return MenuItem{std::move(name), std::move(caption), std::move(children), Mark::None, true};
}

// Adds the tree to `bar`. Every item's action (for a submenu: its menu action, and the
// menu itself) gets the item's name as object name.
void BuildMenuBar(QMenuBar& bar, const std::vector<MenuItem>& tree);

}  // namespace vib::shell
