#include "EditTextDialog.h"

#include "subtitle/LineTable.h"
#include "texts/UiTexts.h"

#include <QPlainTextEdit>

namespace kw::ui {

EditTextDialog::EditTextDialog(LineTable& table, int line, QWidget* parent)
    : EntryDialog(text::kEditTitle, parent), table_(table), line_(line) {
    addText(text::kEditLabel);
    addText(text::kLineNumber.toString() + QString::number(line + 1));
    edit_ = new QPlainTextEdit(table.line(line).text, this);
    edit_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    addWidget(edit_);
}

void EditTextDialog::accept() {
    // Read as much as a line holds, so that OK on an unchanged full-length line changes nothing.
    const QString entry = edit_->toPlainText().left(kMaxLineTextLength);
    if (entry == table_.line(line_).text) {
        done(kCancelled);
        return;
    }
    table_.setText(line_, entry);
    done(kAccepted);
}

} // namespace kw::ui
