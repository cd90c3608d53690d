#include "NumberDialog.h"

#include "EntryRules.h"
#include "texts/UiTexts.h"

#include <QLineEdit>

namespace kw::ui {

std::unique_ptr<NumberDialog> NumberDialog::repeatCount(int count, QWidget* parent) {
    return std::unique_ptr<NumberDialog>(new NumberDialog(
        text::kRepeatTitle, text::kRepeatLabel, {text::kRepeatRange, text::kRepeatEndless}, count,
        readRepeatCount, parent));
}

std::unique_ptr<NumberDialog> NumberDialog::offset(int offsetMs, QWidget* parent) {
    return std::unique_ptr<NumberDialog>(
        new NumberDialog(text::kOffsetTitle, text::kOffsetLabel,
                         {text::kOffsetUnit, text::kOffsetPositive, text::kOffsetNegative},
                         offsetMs, readOffset, parent));
}

NumberDialog::NumberDialog(QStringView title, QStringView label,
                           std::initializer_list<QStringView> notes, int value, Reader read,
                           QWidget* parent)
    : EntryDialog(title, parent), read_(read), value_(value) {
    addText(label);
    edit_ = new QLineEdit(QString::number(value), this);
    addWidget(edit_);
    for (const QStringView note : notes)
        addText(note);
}

void NumberDialog::accept() {
    value_ = read_(edit_->text());
    done(kAccepted);
}

} // namespace kw::ui
