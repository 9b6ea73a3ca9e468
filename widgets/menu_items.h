// Menu items named like the window's controls, so that the window itself and
// its tests find them by name.
#pragma once

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <initializer_list>

// The menu's next item: its text given as UTF-8, its object name `name`.
inline QAction* AddMenuItem(QMenu* menu, const char* name, const char* text) {
    QAction* action = menu->addAction(QString::fromUtf8(text));
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

// The platform's keys for a standard command, or the usual desktop key
// where the platform names none (Qt's Windows-style scheme, for one, has
// no key for Save As or Quit).
inline void SetStandardKeys(QAction* action, QKeySequence::StandardKey command, const QKeySequence& usual) {
    const QList<QKeySequence> keys = QKeySequence::keyBindings(command);
    action->setShortcuts(keys.isEmpty() ? QList<QKeySequence>{usual} : keys);
}

// A submenu of a menu bar or of a menu: its text given as UTF-8, its object
// name `name`.
template <typename MenuOrBar>
QMenu* AddNamedMenu(MenuOrBar* parent, const char* name, const char* text) {
    QMenu* menu = parent->addMenu(QString::fromUtf8(text));
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
}

// One item of a window's menu and the window's command it runs; an item
// without a name ({}) is a separator.
template <typename Window>
struct MenuItem {
    const char* name;
    const char* text;
    void (Window::*command)();
};

// Adds the items in order, each running its command on `window`.
template <typename Window>
void AddMenuItems(QMenu* menu, Window* window, std::initializer_list<MenuItem<Window>> items) {
    for (const MenuItem<Window>& item : items) {
        if (!item.name)
            menu->addSeparator();
        else
            QObject::connect(AddMenuItem(menu, item.name, item.text), &QAction::triggered, window, item.command);
    }
}
