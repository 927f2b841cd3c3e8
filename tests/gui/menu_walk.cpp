#include "menu_walk.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace vib::testing {
namespace {

void Walk(const QList<QAction*>& actions, int depth, std::vector<std::string>& out) {
    for (const QAction* a : actions) {
        std::string line(static_cast<std::size_t>(depth) * 2, ' ');
        if (a->isSeparator()) {
            out.push_back(line + "-");
            continue;
        }
        line += a->objectName().toStdString() + "|" + a->text().toStdString();
        if (a->isCheckable()) line += a->isChecked() ? "|checked" : "|unchecked";
        if (!a->isEnabled()) line += "|unavailable";
        out.push_back(line);
        if (a->menu()) Walk(a->menu()->actions(), depth + 1, out);
    }
}

}  // namespace

std::vector<std::string> WalkMenus(const QMainWindow& window) {
    std::vector<std::string> out;
    Walk(window.menuBar()->actions(), 0, out);
    return out;
}

}  // namespace vib::testing
