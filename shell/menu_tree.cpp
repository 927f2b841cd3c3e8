#include "menu_tree.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace vib::shell {
namespace {

void AddItems(QMenu& menu, const std::vector<MenuItem>& items) {
    for (const MenuItem& item : items) {
        if (item.name.empty()) {
            menu.addSeparator();
            continue;
        }
        const QString name = QString::fromStdString(item.name);
        const QString caption = QString::fromStdString(item.caption);
        if (!item.children.empty()) {
            QMenu* sub = menu.addMenu(caption);
            sub->setObjectName(name);
            sub->menuAction()->setObjectName(name);
            sub->menuAction()->setEnabled(item.enabled);
            AddItems(*sub, item.children);
            continue;
        }
        QAction* action = menu.addAction(caption);
        action->setObjectName(name);
        action->setCheckable(item.mark != Mark::None);
        action->setChecked(item.mark == Mark::On);
        action->setEnabled(item.enabled);
    }
}

}  // namespace

void BuildMenuBar(QMenuBar& bar, const std::vector<MenuItem>& tree) {
    for (const MenuItem& top : tree) {
        QMenu* menu = bar.addMenu(QString::fromStdString(top.caption));
        menu->setObjectName(QString::fromStdString(top.name));
        menu->menuAction()->setObjectName(QString::fromStdString(top.name));
        AddItems(*menu, top.children);
    }
}

}  // namespace vib::shell
