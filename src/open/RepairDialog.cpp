#include "RepairDialog.h"

#include "texts/OpenTexts.h"
#include "ui/BusyIndicator.h"

#include <QCloseEvent>
#include <QLabel>
#include <QVBoxLayout>

namespace kw {
namespace {

constexpr int kPollMs = 200;

} // namespace

RepairDialog::RepairDialog(QString program, QStringList arguments, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      program_(std::move(program)), arguments_(std::move(arguments)) {
    setWindowTitle(text::kRepairing.toString());
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    busy_ = new BusyIndicator(this);
    busy_->setFixedSize(52, 52);
    layout->addWidget(busy_, 0, Qt::AlignHCenter);
    auto* label = new QLabel(text::kRepairing.toString(), this);
    label->setAlignment(Qt::AlignCenter);
    layout->addWidget(label);
    setFixedSize(190, 150);

    pollTimer_.setInterval(kPollMs);
    connect(&pollTimer_, &QTimer::timeout, this, &RepairDialog::poll);
}

void RepairDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (ticks_ > 0 || pollTimer_.isActive())
        return;
    process_.setProgram(program_);
    process_.setArguments(arguments_);
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_.setStandardOutputFile(QProcess::nullDevice());
    process_.start();
    busy_->start();
    pollTimer_.start();
}

void RepairDialog::poll() {
    ++ticks_;
    if (process_.state() != QProcess::NotRunning)
        return;
    done_ = true;
    pollTimer_.stop();
    busy_->stop();
    accept();
}

// Only the tool's end closes the dialog: not Escape, not the window's close button.
void RepairDialog::done(int result) {
    if (done_)
        QDialog::done(result);
}

void RepairDialog::closeEvent(QCloseEvent* event) {
    if (!done_)
        event->ignore();
}

void repairMp3(const QString& toolPath, const QString& mp3Path, QWidget* parent) {
    RepairDialog dialog(toolPath, {QStringLiteral("-f"), mp3Path}, parent);
    dialog.exec();
}

} // namespace kw
