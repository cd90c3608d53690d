#include "ControlPanel.h"

#include "BannerPicture.h"
#include "ControlHost.h"
#include "EntryRules.h"
#include "NumberDialog.h"
#include "SubtitleListPanel.h"
#include "VolumeScale.h"
#include "playback/Player.h"
#include "subtitle/LineTable.h"
#include "texts/UiTexts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QSlider>
#include <QWindow>

namespace kw::ui {
namespace {

constexpr int kLineWidth = 2;
constexpr int kMargin = 10;

QLabel* addLabel(QStringView text, QRect at, QWidget* parent) {
    auto* label = new QLabel(text.toString(), parent);
    label->setGeometry(at);
    return label;
}

QFrame* addLine(QFrame::Shape shape, QWidget* parent) {
    auto* line = new QFrame(parent);
    line->setFrameShape(shape);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

} // namespace

ControlPanel::ControlPanel(ControlHost& host, SubtitleListPanel& list, QWidget* parent)
    : QWidget(parent), host_(host), list_(list) {
    // Grouping mode.
    int x = kMargin;
    addLabel(text::kModeLabel, {x, 6, 190, 20}, this);
    mode_ = new QComboBox(this);
    mode_->addItems({text::kModeOneLine.toString(), text::kModePairsFromFirst.toString(),
                     text::kModePairsFromSecond.toString()});
    mode_->setCurrentIndex(host.lrcMode());
    mode_->setGeometry(x, 28, 190, 26);
    addLabel(text::kModeHint, {x, 58, 198, 20}, this);

    // Volume and mute.
    x = kSeparatorX[0] + kLineWidth + kMargin;
    addLabel(text::kVolumeLabel, {x, 6, 110, 20}, this);
    volume_ = new QSlider(Qt::Horizontal, this);
    volume_->setRange(kSliderMin, kSliderMax);
    volume_->setTickPosition(QSlider::NoTicks);
    volume_->setValue(sliderFromLevel(host.volume()));
    volume_->setGeometry(x, 28, 113, 24);
    mute_ = new QCheckBox(text::kMute.toString(), this);
    mute_->setChecked(host.muted());
    mute_->setGeometry(x, 56, 110, 22);

    // Repeat count and file loop.
    x = kSeparatorX[1] + kLineWidth + kMargin;
    addLabel(text::kRepeatLabel, {x, 6, 80, 20}, this);
    count_ = addLabel(u"", {x + 82, 6, 30, 20}, this);
    count_->setObjectName(QStringLiteral("count"));
    showCount();
    auto* countButton = new QPushButton(text::kChange.toString(), this);
    countButton->setObjectName(QStringLiteral("countButton"));
    countButton->setGeometry(x, 28, 64, 24);
    loop_ = new QCheckBox(text::kFileLoop.toString(), this);
    loop_->setChecked(host.fileLoop());
    loop_->setGeometry(x, 56, 118, 22);

    // Subtitle offset.
    x = kSeparatorX[2] + kLineWidth + kMargin;
    addLabel(text::kOffsetLabel, {x, 6, 110, 20}, this);
    offset_ = addLabel(u"", {x, 30, 110, 20}, this);
    offset_->setObjectName(QStringLiteral("offset"));
    offsetButton_ = new QPushButton(text::kChange.toString(), this);
    offsetButton_->setObjectName(QStringLiteral("offsetButton"));
    offsetButton_->setGeometry(x, 54, 64, 24);
    showNoFile();

    // Banner, centred between its separators.
    banner_ = new BannerPicture(this);
    const int bannerSpace = kSeparatorX[4] - kSeparatorX[3] - kLineWidth;
    banner_->move(kSeparatorX[3] + kLineWidth + (bannerSpace - BannerPicture::kSize.width()) / 2,
                  (kHeight - BannerPicture::kSize.height()) / 2);

    topLine_ = addLine(QFrame::HLine, this);
    bottomLine_ = addLine(QFrame::HLine, this);
    for (QFrame*& separator : separators_)
        separator = addLine(QFrame::VLine, this);

    // Connected after the controls show the stored values, so that showing them changes nothing.
    connect(mode_, &QComboBox::currentIndexChanged, this, &ControlPanel::changeMode);
    connect(volume_, &QSlider::valueChanged, this, &ControlPanel::changeVolume);
    connect(mute_, &QCheckBox::toggled, this, &ControlPanel::changeMute);
    connect(loop_, &QCheckBox::toggled, this, [this](bool loop) { host_.setFileLoop(loop); });
    connect(countButton, &QPushButton::clicked, this, &ControlPanel::changeCount);
    connect(offsetButton_, &QPushButton::clicked, this, &ControlPanel::changeOffset);
    connect(banner_, &BannerPicture::clicked, this, [this] { host_.openProductPage(); });
}

void ControlPanel::showOpenedFile(int offsetMs) {
    offset_->setText(offsetText(offsetMs));
    offsetButton_->setEnabled(true);
}

void ControlPanel::showNoFile() {
    offset_->setText(offsetText(0));
    offsetButton_->setEnabled(false);
}

void ControlPanel::setPageWidget(QWidget* page) {
    page_ = page;
    page_->setParent(this);
    page_->show();
    resizeEvent(nullptr);
}

void ControlPanel::resizeEvent(QResizeEvent*) {
    const int w = width();
    const int h = height();
    topLine_->setGeometry(0, 0, w + 1, kLineWidth);
    bottomLine_->setGeometry(0, h - kLineWidth, w + 1, kLineWidth);
    for (std::size_t i = 0; i < separators_.size(); ++i)
        separators_[i]->setGeometry(kSeparatorX[i], 0, kLineWidth, h);
    if (page_) {
        page_->setGeometry(kPageLeft, 5, w - kPageLeft - 3, h - 10);
        page_->update();
    }
}

// A press on the bare panel drags the main window, as a press on its title bar would.
void ControlPanel::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    if (QWindow* handle = window()->windowHandle())
        handle->startSystemMove();
}

void ControlPanel::changeMode(int mode) {
    host_.setLrcMode(mode);
    if (!host_.lineTable())
        return;
    host_.refreshStatus();
    list_.regroup();
}

void ControlPanel::changeVolume(int position) {
    const int level = levelFromSlider(position);
    host_.setVolume(level);
    if (host_.lineTable() && !host_.muted())
        host_.setPlayerVolume(level);
}

void ControlPanel::changeMute(bool muted) {
    host_.setMuted(muted);
    if (host_.lineTable())
        host_.setPlayerVolume(muted ? kVolumeSilent : host_.volume());
}

void ControlPanel::changeCount() {
    const auto dialog = NumberDialog::repeatCount(host_.totalCount(), window());
    if (runner_.runDialog(*dialog) != kAccepted)
        return;
    host_.setTotalCount(dialog->value());
    showCount();
}

void ControlPanel::showCount() {
    count_->setText(QString::number(host_.totalCount()));
}

void ControlPanel::changeOffset() {
    if (!host_.lineTable())
        return;
    const auto dialog = NumberDialog::offset(host_.offsetMs(), window());
    if (runner_.runDialog(*dialog) != kAccepted)
        return;
    const int offsetMs = dialog->value();
    host_.setOffsetMs(offsetMs);
    host_.lineTable()->applyOffset(offsetMs);
    offset_->setText(offsetText(offsetMs));
    followOffset();
}

// The lines moved under the playing position: the line heard now becomes current.
void ControlPanel::followOffset() {
    const int line = host_.lineTable()->lineAt(host_.playerPositionMs());
    if (line != host_.curLine())
        host_.setCurLine(line);
    host_.refreshStatus();
    list_.retime();
}

} // namespace kw::ui
