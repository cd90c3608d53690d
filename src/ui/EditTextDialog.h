#pragma once

#include "EntryDialog.h"

class QPlainTextEdit;

namespace kw {

class LineTable;

namespace ui {

// "编辑字幕": edits one line's text. Ends with kAccepted after storing a changed text (which
// sets the table's `modified`), with kCancelled when the text is unchanged.
class EditTextDialog : public EntryDialog {
    Q_OBJECT
public:
    EditTextDialog(LineTable& table, int line, QWidget* parent);

    void accept() override;

private:
    LineTable& table_;
    const int line_;
    QPlainTextEdit* edit_;
};

} // namespace ui
} // namespace kw
