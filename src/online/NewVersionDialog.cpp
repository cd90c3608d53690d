#include "NewVersionDialog.h"

#include "ProductServer.h"
#include "texts/OnlineTexts.h"

#include <QDialogButtonBox>
#include <QFont>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kw {

NewVersionDialog::NewVersionDialog(QStringView notice, UrlOpener openUrl, QWidget* parent)
    : QDialog(parent), openUrl_(std::move(openUrl)) {
    setWindowTitle(text::kNewVersionTitle.toString());
    if (parent)
        setWindowIcon(parent->window()->windowIcon());

    auto* heading = new QLabel(text::kNewVersionTitle.toString());
    QFont headingFont = heading->font();
    headingFont.setBold(true);
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.4);
    heading->setFont(headingFont);

    auto* noticeText = new QPlainTextEdit(notice.toString());
    noticeText->setReadOnly(true);

    auto* buttons = new QDialogButtonBox;
    auto* download =
        buttons->addButton(text::kDownloadLatest.toString(), QDialogButtonBox::AcceptRole);
    auto* cancel = buttons->addButton(text::kCancel.toString(), QDialogButtonBox::RejectRole);
    download->setDefault(true);
    connect(download, &QPushButton::clicked, this, [this] {
        openUrl_(downloadPageUrl());
        done(Download);
    });
    connect(cancel, &QPushButton::clicked, this, &NewVersionDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(noticeText);
    layout->addWidget(buttons);
    resize(360, 220);
}

void NewVersionDialog::reject() {
    done(Cancelled);
}

} // namespace kw
