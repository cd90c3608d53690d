#include "AboutDialog.h"

#include "texts/AppTexts.h"
#include "ui/Pictures.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace kw {

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(text::kAboutTitle.toString());
    auto* layout = new QGridLayout(this);
    auto* icon = new QLabel(this);
    icon->setPixmap(pictures::programIcon().pixmap(48, 48));
    layout->addWidget(icon, 0, 0, 2, 1, Qt::AlignTop);
    layout->addWidget(new QLabel(text::kAboutName.toString(), this), 0, 1);
    layout->addWidget(new QLabel(text::kAboutSummary.toString(), this), 1, 1);
    auto* ok = new QPushButton(text::kAboutOk.toString(), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(ok, 2, 1, Qt::AlignRight);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace kw
