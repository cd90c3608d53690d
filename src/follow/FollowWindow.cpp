#include "FollowWindow.h"

#include "follow/DeviceChooserDialog.h"
#include "follow/DevicePropertiesDialog.h"
#include "follow/FollowActivity.h"
#include "follow/FollowPictures.h"
#include "follow/FollowSettingsPanel.h"
#include "follow/RecordingDestination.h"
#include "repeat/AppState.h"
#include "repeat/RepeatController.h"
#include "repeat/SentenceNavigator.h"
#include "repeat/StatusTexts.h"
#include "subtitle/LineTable.h"
#include "subtitle/Sentences.h"
#include "texts/FollowTexts.h"
#include "ui/FollowStatusPanel.h"
#include "ui/UserPrompts.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QProxyStyle>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QToolTip>
#include <QVBoxLayout>

namespace kw {
namespace {

const QString& caption() {
    static const QString text = text::kFollowCaption.toString();
    return text;
}

// The toolbar's tooltips show after 50 ms instead of the usual 700.
class QuickToolTipStyle : public QProxyStyle {
public:
    static constexpr int kWakeUpDelayMs = 50;

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* answer) const override {
        if (hint == SH_ToolTip_WakeUpDelay)
            return kWakeUpDelayMs;
        return QProxyStyle::styleHint(hint, option, widget, answer);
    }
};

} // namespace

FollowWindow* FollowWindow::open(AppState& state, RepeatController& controller,
                                 SentenceNavigator& navigator, const FollowServices& services,
                                 QWidget* mainWindow) {
    if (state.playState == kPlaying)
        controller.playPause();
    QString deviceName;
    auto device =
        openChosenCaptureDevice(services.openCaptureDevice, state.follow.follow_aDevId, deviceName);
    if (!device) {
        showMessage(mainWindow, {QMessageBox::Warning, caption(), text::kNoCaptureDevice.toString(),
                                 QMessageBox::Ok});
        return nullptr;
    }
    auto* window =
        new FollowWindow(state, navigator, services, std::move(device), deviceName, mainWindow);
    window->centreOnDesktop();
    window->show();
    // Disabling the main window disables its child windows too; this one is enabled again.
    if (mainWindow)
        mainWindow->setEnabled(false);
    window->setEnabled(true);
    window->raise();
    window->activateWindow();
    return window;
}

FollowWindow::FollowWindow(AppState& state, SentenceNavigator& navigator,
                           const FollowServices& services, std::unique_ptr<CaptureDevice> device,
                           const QString& deviceName, QWidget* mainWindow)
    : QMainWindow(mainWindow, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                  Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      state_(state), navigator_(navigator), services_(services), mainWindow_(mainWindow),
      activity_(std::make_unique<FollowActivity>(state, services, std::move(device), deviceName)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(caption());
    setFixedSize(kWidth, kHeight);

    statusText_ = new QLabel(this);
    statusText_->setObjectName(QStringLiteral("sentenceCounter"));
    statusBar()->addWidget(statusText_, 1);
    statusBar()->setSizeGripEnabled(false);
    setCentralWidget(buildHostPanel());
    buildMenu();

    connect(activity_.get(), &FollowActivity::stateChanged, this, &FollowWindow::onStateChanged);
    connect(activity_.get(), &FollowActivity::errorMessage, this, &FollowWindow::showFailure);
    connect(settingsPanel_, &FollowSettingsPanel::chooseDeviceClicked, this,
            &FollowWindow::chooseDevice);
    connect(settingsPanel_, &FollowSettingsPanel::devicePropertiesClicked, this,
            &FollowWindow::showProperties);
    connect(settingsPanel_, &FollowSettingsPanel::browseClicked, this,
            &FollowWindow::chooseDestination);
    connect(settingsPanel_, &FollowSettingsPanel::autoPlayToggled, this,
            [this](bool on) { state_.follow.follow_bAutoPlay = on; });

    writeSentenceCounter();
    settingsPanel_->setDeviceName(activity_->deviceName());
    settingsPanel_->setDestination(state_.follow.follow_destFile);
    settingsPanel_->setAutoPlay(state_.follow.follow_bAutoPlay);
    updateButtons();
    statusPanel_->setFocus();
}

void FollowWindow::buildMenu() {
    QMenu* menu = menuBar()->addMenu(caption());
    for (const FollowCommandInfo& info : kFollowCommands) {
        QAction* item = menu->addAction(info.menuText.toString());
        item->setShortcut(info.key);
        item->setShortcutContext(Qt::WindowShortcut);
        // On the window as well, so that the key works whether or not the menu bar is shown.
        addAction(item);
        const FollowCommand command = info.command;
        connect(item, &QAction::triggered, this, [this, command] { dispatch(command); });
        if (command == FollowCommand::Record)
            recordMenuItem_ = item;
        if (info.separatorAfter)
            menu->addSeparator();
    }
}

QWidget* FollowWindow::buildHostPanel() {
    auto* host = new QWidget(this);
    auto* layout = new QVBoxLayout(host);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    settingsPanel_ = new FollowSettingsPanel(host);
    statusPanel_ = new FollowStatusPanel(host);
    statusPanel_->setFocusPolicy(Qt::StrongFocus);
    toolBar_ = new QToolBar(host);
    buildToolBar();
    layout->addWidget(settingsPanel_);
    layout->addWidget(statusPanel_, 1);
    layout->addWidget(toolBar_);
    return host;
}

void FollowWindow::buildToolBar() {
    toolBar_->setObjectName(QStringLiteral("followToolBar"));
    toolBar_->setIconSize(QSize(pictures::kFollowPictureWidth, pictures::kFollowPictureHeight));
    toolBar_->setToolButtonStyle(Qt::ToolButtonIconOnly);
    toolBar_->setMovable(false);
    toolBar_->setFocusPolicy(Qt::NoFocus);
    auto* quickToolTips = new QuickToolTipStyle;
    quickToolTips->setParent(toolBar_);
    const auto& strip = pictures::followStrip(pictures::FollowStrip::Idle);
    for (std::size_t i = 0; i < kFollowCommands.size(); ++i) {
        const FollowCommandInfo& info = kFollowCommands[i];
        QAction* tool = toolBar_->addAction(QIcon(strip[i]), QString());
        tool->setToolTip(info.toolTip.toString());
        const FollowCommand command = info.command;
        connect(tool, &QAction::triggered, this, [this, command] { dispatch(command); });
        toolBar_->widgetForAction(tool)->setStyle(quickToolTips);
        tools_[i] = tool;
        if (info.separatorAfter)
            toolBar_->addSeparator();
    }
}

void FollowWindow::centreOnDesktop() {
    const QScreen* screen = mainWindow_ ? mainWindow_->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect desktop = screen->geometry();
    move(desktop.x() + std::max(0, (desktop.width() - width()) / 2),
         desktop.y() + std::max(0, (desktop.height() - height()) / 2));
}

void FollowWindow::dispatch(FollowCommand command) {
    if (!activity_)
        return;
    switch (command) {
    case FollowCommand::Previous:
        stepSentence(-1);
        break;
    case FollowCommand::Next:
        stepSentence(1);
        break;
    case FollowCommand::PlayReference:
        activity_->playReference();
        break;
    case FollowCommand::PlayRecording:
        activity_->playRecording();
        break;
    case FollowCommand::Record:
        QToolTip::hideText();
        activity_->toggleRecording();
        break;
    case FollowCommand::Exit:
        closeFollow();
        break;
    }
}

void FollowWindow::stepSentence(int sentences) {
    if (activity_->followState() == FollowActivity::kRecording || !state_.bLoaded)
        return;
    activity_->stopActivity();
    const Grouping grouping{state_.lrcMode, state_.lineTable->count()};
    const int before = grouping.sentenceOfLine(state_.curLine);
    if (sentences < 0)
        navigator_.prevSentence();
    else
        navigator_.nextSentence();
    writeSentenceCounter();
    // At the first or last sentence there is nowhere to go, and nothing new to hear.
    if (state_.follow.follow_bAutoPlay && grouping.sentenceOfLine(state_.curLine) != before)
        activity_->playReference();
}

void FollowWindow::writeSentenceCounter() {
    if (!state_.bLoaded)
        return;
    const Grouping grouping{state_.lrcMode, state_.lineTable->count()};
    StatusText counter;
    formatSentenceCounter(counter, grouping.sentenceOfLine(state_.curLine),
                          grouping.sentenceCount());
    statusText_->setText(counter.view().toString());
}

void FollowWindow::onStateChanged(int state) {
    setRecordImage(state == FollowActivity::kRecording);
    statusPanel_->setFollowState(state);
    updateButtons();
}

void FollowWindow::setRecordImage(bool recording) {
    const auto& strip = pictures::followStrip(recording ? pictures::FollowStrip::Recording
                                                        : pictures::FollowStrip::Idle);
    for (std::size_t i = 0; i < tools_.size(); ++i)
        tools_[i]->setIcon(QIcon(strip[i]));
    tools_[followCommandIndex(FollowCommand::Record)]->setToolTip(
        (recording ? text::kFollowTipEndRecording : text::kFollowTipStartRecording).toString());
    recordMenuItem_->setText(
        (recording ? text::kFollowMenuEndRecording : text::kFollowMenuStartRecording).toString());
}

void FollowWindow::updateButtons() {
    const bool recording = activity_->followState() == FollowActivity::kRecording;
    const bool recordingOnDisk = QFileInfo::exists(state_.follow.follow_destFile);
    for (std::size_t i = 0; i < tools_.size(); ++i) {
        bool enabled = true;
        switch (kFollowCommands[i].command) {
        case FollowCommand::Previous:
        case FollowCommand::Next:
        case FollowCommand::PlayReference:
            enabled = !recording;
            break;
        case FollowCommand::PlayRecording:
            enabled = !recording && recordingOnDisk;
            break;
        case FollowCommand::Record:
        case FollowCommand::Exit:
            break;
        }
        tools_[i]->setEnabled(enabled);
    }
}

void FollowWindow::showFailure(const QString& message) {
    showError(this, caption(), message);
}

void FollowWindow::chooseDevice() {
    activity_->stopActivity();
    DeviceChooserDialog chooser(services_.listCaptureDevices, state_.follow.follow_aDevId,
                                services_.playWarningSound, settingsPanel_);
    if (chooser.exec() != QDialog::Accepted)
        return;
    activity_->setCaptureDevice(chooser.takeChosenDevice(), chooser.chosenName());
    settingsPanel_->setDeviceName(activity_->deviceName());
    state_.follow.follow_aDevId = chooser.chosenPosition();
}

void FollowWindow::showProperties() {
    showDeviceProperties(activity_->captureDevice(), activity_->deviceName(), this);
}

void FollowWindow::chooseDestination() {
    const QString chosen = choosePath(this, {FilePrompt::SaveFile,
                                             text::kFollowDestinationTitle.toString(),
                                             {},
                                             text::kFollowDestinationFilter.toString()});
    if (chosen.isEmpty())
        return;
    const QString destination = recordingDestination(chosen);
    if (overwritesLoadedMp3(destination, state_.mp3Path)) {
        showFailure(text::kSelfOverwrite.toString());
        return;
    }
    makeWritable(destination);
    state_.follow.follow_destFile = destination;
    settingsPanel_->setDestination(destination);
    updateButtons();
}

void FollowWindow::closeFollow() {
    close();
}

void FollowWindow::closeEvent(QCloseEvent* event) {
    if (activity_) {
        activity_->stopActivity();
        activity_.reset();
        if (mainWindow_) {
            mainWindow_->setEnabled(true);
            mainWindow_->raise();
            mainWindow_->activateWindow();
        }
        emit closed();
    }
    event->accept();
}

} // namespace kw
