#include "WindowDrag.h"

#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace kw {

bool dragWindowByPanel(QWidget* panel, QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return false;
    QWindow* window = panel->window()->windowHandle();
    if (window)
        window->startSystemMove();
    return true;
}

} // namespace kw
