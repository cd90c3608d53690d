#include "DeviceChooserDialog.h"

#include "texts/FollowTexts.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace kw {

DeviceChooserDialog::DeviceChooserDialog(const CaptureDeviceLister& list, int currentPosition,
                                         std::function<void()> warningSound, QWidget* parent)
    : QDialog(parent), warningSound_(std::move(warningSound)) {
    setWindowTitle(text::kDeviceChooserTitle.toString());
    setFixedSize(386, 143);
    (new QLabel(text::kDeviceChooserLabel.toString(), this))->setGeometry(9, 6, 368, 18);
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("devices"));
    list_->setGeometry(9, 26, 368, 72);
    list_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    auto* ok = new QPushButton(text::kFollowOk.toString(), this);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setGeometry(206, 108, 80, 26);
    ok->setDefault(true);
    auto* cancel = new QPushButton(text::kFollowCancel.toString(), this);
    cancel->setObjectName(QStringLiteral("cancel"));
    cancel->setGeometry(296, 108, 80, 26);

    const int count = list(table_);
    for (int i = 0; i < count; ++i)
        list_->addItem(table_.entries[std::size_t(i)]->name());
    if (currentPosition >= 0 && currentPosition < count)
        list_->setCurrentRow(currentPosition);

    connect(ok, &QPushButton::clicked, this, &DeviceChooserDialog::tryAccept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void DeviceChooserDialog::tryAccept() {
    const int row = list_->currentRow();
    if (row < 0 || !list_->currentItem()->isSelected()) {
        if (warningSound_)
            warningSound_();
        return;
    }
    chosen_ = row;
    chosenName_ = table_.entries[std::size_t(row)]->name();
    accept();
}

std::unique_ptr<CaptureDevice> DeviceChooserDialog::takeChosenDevice() {
    if (chosen_ < 0)
        return nullptr;
    return std::move(table_.entries[std::size_t(chosen_)]);
}

} // namespace kw
