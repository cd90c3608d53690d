#pragma once

// How the panels run their modal parts. The defaults block in a nested event loop; tests put
// in functions that fill in and answer the dialog or pick a menu item on the spot.
#include <QDialog>
#include <QMenu>
#include <QPoint>
#include <functional>

namespace kw::ui {

struct ModalRunner {
    // Returns the dialog's result: 1 accepted, 2 cancelled (QDialog::Rejected counts as 2).
    std::function<int(QDialog&)> runDialog = [](QDialog& dialog) {
        return dialog.exec();
    };
    // Shows the popup at a global position; a chosen item triggers its action.
    std::function<void(QMenu&, QPoint)> runMenu = [](QMenu& menu, QPoint at) {
        menu.exec(at);
    };
};

} // namespace kw::ui
