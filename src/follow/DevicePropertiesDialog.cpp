#include "DevicePropertiesDialog.h"

#include "playback/Recorder.h"
#include "texts/FollowTexts.h"

#include <QDialog>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kw {

void showDeviceProperties(const CaptureDevice& device, const QString& caption, QWidget* owner) {
    QStringList lines;
    if (deviceProperties(device, lines) == result::kNothing)
        return;
    QDialog dialog(owner);
    dialog.setObjectName(QStringLiteral("deviceProperties"));
    dialog.setWindowTitle(caption);
    dialog.resize(420, 260);
    auto* layout = new QVBoxLayout(&dialog);
    auto* view = new QPlainTextEdit(lines.join(u'\n'), &dialog);
    view->setReadOnly(true);
    view->setLineWrapMode(QPlainTextEdit::NoWrap);
    layout->addWidget(view);
    auto* close = new QPushButton(text::kFollowClose.toString(), &dialog);
    close->setDefault(true);
    layout->addWidget(close, 0, Qt::AlignRight);
    QObject::connect(close, &QPushButton::clicked, &dialog, &QDialog::accept);
    if (owner)
        dialog.move(owner->mapToGlobal(QPoint(30, 30)));
    dialog.exec();
}

} // namespace kw
