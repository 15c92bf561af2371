#include "forms/main_menu_bar.h"

#include "app/main_menu.h"

#include <QMenu>
#include <QMenuBar>
#include <QSet>

MainMenuBar::MainMenuBar(QMenuBar& bar) : QObject(&bar), bar_(bar)
{
    QSet<QString> parents;
    for (const MenuEntry& entry : mainMenuEntries())
        parents.insert(entry.parent);

    QMap<QString, QMenu*> menus;
    for (const MenuEntry& entry : mainMenuEntries()) {
        QAction* action = nullptr;
        if (parents.contains(entry.name)) {
            QMenu* menu =
                entry.parent.isEmpty() ? bar_.addMenu(entry.caption) : menus[entry.parent]->addMenu(entry.caption);
            menus[entry.name] = menu;
            action = menu->menuAction();
        } else {
            action =
                entry.parent.isEmpty() ? bar_.addAction(entry.caption) : menus[entry.parent]->addAction(entry.caption);
        }
        action->setObjectName(entry.name);
        actions_[entry.name] = action;
    }
}

void MainMenuBar::rebuild(bool connected, bool moistureMeter)
{
    for (auto item = actions_.cbegin(); item != actions_.cend(); ++item)
        item.value()->setVisible(!menuItemHidden(item.key(), connected, moistureMeter));
    bar_.show();
}

void MainMenuBar::hideAll()
{
    for (QAction* action : std::as_const(actions_))
        action->setVisible(false);
}
