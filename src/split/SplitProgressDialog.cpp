#include "SplitProgressDialog.h"

#include "SplitJob.h"
#include "texts/SplitTexts.h"
#include "ui/BusyIndicator.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kw {

namespace {

// Room for the title bar's text.
constexpr int kMinimumWidth = 260;

} // namespace

SplitProgressDialog::SplitProgressDialog(SplitJob& job, ShowMessage showMessage, QWidget* parent)
    : QDialog(parent), job_(job), showMessage_(std::move(showMessage)) {
    setWindowTitle(text::kSplitRunning.toString());
    busy_ = new BusyIndicator(this);
    count_ = new QLabel(this);
    count_->setObjectName("count");
    count_->setAlignment(Qt::AlignCenter);
    auto* abort = new QPushButton(text::kSplitAbort.toString(), this);
    abort->setObjectName("abort");
    connect(abort, &QPushButton::clicked, this, &SplitProgressDialog::reject);

    setMinimumWidth(kMinimumWidth);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(busy_, 0, Qt::AlignCenter);
    layout->addWidget(count_);
    layout->addWidget(new QLabel(text::kSplitRunning.toString(), this), 0, Qt::AlignCenter);
    layout->addWidget(abort, 0, Qt::AlignCenter);

    busy_->start();
    timer_.setInterval(kPollMs);
    connect(&timer_, &QTimer::timeout, this, &SplitProgressDialog::poll);
    timer_.start();
}

void SplitProgressDialog::poll() {
    switch (job_.tick()) {
    case SplitJob::Step::Started:
        count_->setText(
            text::kSplitProgressCount.toString().arg(job_.piece()).arg(job_.pieceCount()));
        break;
    case SplitJob::Step::Finished: {
        stopRunning();
        const QStringList& failed = job_.failedPieces();
        if (failed.isEmpty())
            showMessage_(this, QMessageBox::Information, text::kSplitDone.toString());
        else
            showMessage_(
                this, QMessageBox::Warning,
                text::kSplitDoneWithFailures.toString().arg(failed.join(QStringLiteral("\r\n"))));
        QDialog::accept();
        break;
    }
    default:
        break;
    }
}

void SplitProgressDialog::reject() {
    job_.abort();
    stopRunning();
    QDialog::reject();
}

void SplitProgressDialog::stopRunning() {
    timer_.stop();
    busy_->stop();
}

} // namespace kw
