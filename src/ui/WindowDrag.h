#pragma once

class QWidget;
class QMouseEvent;

namespace kw {

// A left press on a panel's background moves the top-level window, as a press on its caption
// would. Returns true when it took the event.
bool dragWindowByPanel(QWidget* panel, QMouseEvent* event);

} // namespace kw
