#include "SplitDialog.h"

#include "FolderProbe.h"
#include "SplitJob.h"
#include "SplitProgressDialog.h"
#include "subtitle/LineTable.h"
#include "texts/SplitTexts.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QToolButton>
#include <QVBoxLayout>

namespace kw {

namespace {

QString str(QStringView text) {
    return text.toString();
}

std::uint32_t readNumber(const QLineEdit* entry) {
    return entry->text().toUInt(); // 0 for text that is not a number
}

} // namespace

SplitDialog::SplitDialog(const SplitSource& source, SplitSeams seams, QWidget* parent)
    : QDialog(parent), source_(source), seams_(std::move(seams)),
      sentenceCount_(Grouping{source.lrcMode, source.table.count()}.sentenceCount()) {
    setWindowTitle(str(text::kSplitTitle));

    start_ = addNumberEntry("start", 1);
    end_ = addNumberEntry("end", static_cast<std::uint32_t>(sentenceCount_));
    perPiece_ = addNumberEntry("perPiece", 1);
    firstNumber_ = addNumberEntry("firstNumber", 0);
    folder_ = new QLineEdit(this);
    folder_->setObjectName("folder");
    folder_->setReadOnly(true);
    auto* folderButton = new QToolButton(this);
    folderButton->setText(str(text::kSplitFolderButton));
    folderButton->setObjectName("chooseFolder");
    connect(folderButton, &QToolButton::clicked, this, &SplitDialog::chooseFolder);

    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(folder_);
    folderRow->addWidget(folderButton);
    auto* folderBox = new QVBoxLayout;
    folderBox->addLayout(folderRow);
    folderBox->addWidget(new QLabel(str(text::kSplitFolderHint), this));

    auto* form = new QFormLayout;
    form->addRow(str(text::kSplitStart), start_);
    form->addRow(str(text::kSplitEnd), end_);
    form->addRow(str(text::kSplitPerPiece), perPiece_);
    form->addRow(str(text::kSplitNaming), new QLabel(str(text::kSplitNamingRule), this));
    form->addRow(str(text::kSplitFirstNumber), firstNumber_);
    form->addRow(str(text::kSplitFolder), folderBox);

    auto* modeGroup = new QGroupBox(str(text::kSplitCutMode), this);
    frameMode_ = new QRadioButton(str(text::kSplitFrameMode), modeGroup);
    frameMode_->setObjectName("frameMode");
    frameMode_->setChecked(true);
    auto* bitrateMode = new QRadioButton(str(text::kSplitBitrateMode), modeGroup);
    bitrateMode->setObjectName("bitrateMode");
    auto* modeLayout = new QVBoxLayout(modeGroup);
    modeLayout->addWidget(frameMode_);
    modeLayout->addWidget(bitrateMode);
    modeLayout->addWidget(new QLabel(str(text::kSplitCutModeHint), modeGroup));

    auto* group = new QGroupBox(str(text::kSplitGroup), this);
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addLayout(form);
    groupLayout->addWidget(modeGroup);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(str(text::kSplitOk), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(str(text::kSplitCancel), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &SplitDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &SplitDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(buttons);
}

QLineEdit* SplitDialog::addNumberEntry(const char* name, std::uint32_t value) {
    auto* entry = new QLineEdit(QString::number(value), this);
    entry->setObjectName(name);
    entry->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), entry));
    return entry;
}

SplitEntries SplitDialog::readEntries() const {
    return {readNumber(start_), readNumber(end_), readNumber(perPiece_), readNumber(firstNumber_)};
}

void SplitDialog::writeBack(const SplitSettings& settings) {
    start_->setText(QString::number(settings.start));
    end_->setText(QString::number(settings.end));
    perPiece_->setText(QString::number(settings.perPiece));
    firstNumber_->setText(QString::number(settings.firstNumber));
}

void SplitDialog::chooseFolder() {
    const QString folder = seams_.chooseFolder(this, str(text::kSplitFolderChooser));
    if (!folder.isEmpty())
        folder_->setText(folder);
}

void SplitDialog::accept() {
    SplitSettings settings = clampEntries(readEntries(), sentenceCount_);
    settings.frameMode = frameMode_->isChecked();
    settings.folder = folder_->text();
    if (settings.folder.isEmpty()) {
        folder_->setFocus();
        seams_.warningSound();
        return;
    }
    const QString probeError = probeFolder(settings.folder);
    if (!probeError.isEmpty()) {
        seams_.showMessage(this, QMessageBox::Critical,
                           str(text::kSplitProbeFailed).arg(probeError));
        return;
    }
    writeBack(settings);
    runJob(settings);
    done(Accepted);
}

void SplitDialog::runJob(const SplitSettings& settings) {
    const std::unique_ptr<ToolRunner> runner = seams_.makeRunner();
    SplitJob job(source_.table,
                 SplitPlan(source_.table, source_.lrcMode, settings, source_.mp3Path),
                 source_.toolPath, *runner);
    SplitProgressDialog progress(job, seams_.showMessage, this);
    progress.exec();
}

} // namespace kw
