#pragma once

#include "EntryDialog.h"

#include <functional>

class QLineEdit;

namespace kw {

class LineTable;

namespace ui {

// "调整字幕时间": sets one line's start time. An entry that is not exactly "mm:ss.xx" or that would
// break the time order is refused: the text is selected and the warning sounds. Ends with
// kAccepted after storing a new time (which sets `modified`), kCancelled for the same time.
class AdjustTimeDialog : public EntryDialog {
    Q_OBJECT
public:
    AdjustTimeDialog(LineTable& table, int line, std::function<void()> warn, QWidget* parent);

    void accept() override;

private:
    LineTable& table_;
    const int line_;
    std::function<void()> warn_;
    QLineEdit* edit_;
};

} // namespace ui
} // namespace kw
