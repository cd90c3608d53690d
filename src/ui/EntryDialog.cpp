#include "EntryDialog.h"

#include "texts/UiTexts.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kw::ui {

EntryDialog::EntryDialog(QStringView title, QWidget* parent) : QDialog(parent) {
    setWindowTitle(title.toString());
    auto* layout = new QVBoxLayout(this);
    body_ = new QVBoxLayout;
    layout->addLayout(body_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(text::kOk.toString());
    buttons->button(QDialogButtonBox::Cancel)->setText(text::kCancel.toString());
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

void EntryDialog::addText(QStringView text) {
    body_->addWidget(new QLabel(text.toString(), this));
}

void EntryDialog::addWidget(QWidget* widget) {
    body_->addWidget(widget);
}

} // namespace kw::ui
