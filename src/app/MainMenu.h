#pragma once

#include "Command.h"

#include <QHash>
#include <functional>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace kw {

// The main menu and the main window's keys. Every item and key triggers `dispatch` with its
// command; the tools menu's items open pages of the product's site through `openSitePage`.
struct MainMenu {
    QMenu* operation = nullptr;
    QHash<Command, QAction*> actions;

    QAction* action(Command command) const { return actions.value(command); }
};

MainMenu buildMainMenu(QMenuBar* bar, const std::function<void(Command)>& dispatch,
                       const std::function<void(const QString&)>& openSitePage);

// The main window's accelerator keys (Down, End, F4, Home, Left, Page Down, Page Up, Right,
// Tab, Up), active while the window has focus.
void addMainKeys(QWidget* window, const std::function<void(Command)>& dispatch);

} // namespace kw
