#include "MainWindow.h"

#include "AboutDialog.h"
#include "MainPanel.h"
#include "StateSettings.h"
#include "WebPages.h"
#include "app/settings/SettingsStore.h"
#include "follow/FollowWindow.h"
#include "playback/Player.h"
#include "repeat/AppState.h"
#include "split/SplitDialog.h"
#include "subtitle/LineTable.h"
#include "subtitle/Sentences.h"
#include "texts/AppTexts.h"
#include "texts/CommonTexts.h"
#include "ui/AppPanelHost.h"
#include "ui/ControlPanel.h"
#include "ui/DisplayPanel.h"
#include "ui/Pictures.h"
#include "ui/SubtitleListPanel.h"
#include "ui/TipStrip.h"
#include "ui/UserPrompts.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QProxyStyle>
#include <QStatusBar>
#include <QToolBar>
#include <QToolTip>

namespace kw {
namespace {

constexpr int kMaxDroppedPathLength = 259;
constexpr QSize kMinimumSize(525, 480);
// Right edges of the status bar's first three parts.
constexpr std::array<int, 3> kStatusEdges{170, 258, 425};

// Toolbar tooltips show 50 ms after the pointer comes to rest.
class QuickToolTipStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* data) const override {
        if (hint == SH_ToolTip_WakeUpDelay)
            return 50;
        return QProxyStyle::styleHint(hint, option, widget, data);
    }
};

ui::ColumnWidths columnWidths(const AppState& state) {
    return {state.w_msx, state.w_pointer, state.w_senno, state.w_text};
}

} // namespace

MainWindow::MainWindow(AppState& state, MainWindowServices services, QWidget* parent)
    : QMainWindow(parent), state_(state), services_(std::move(services)),
      controller_(state_, *this), navigator_(state_, controller_),
      opener_(state_, controller_, *this, services_.open, this) {
    setWindowTitle(text::kAppCaption.toString());
    setWindowIcon(pictures::programIcon());
    setMinimumSize(kMinimumSize);
    setAcceptDrops(true);
    const auto dispatch = [this](Command command) {
        execute(command);
    };
    menu_ = buildMainMenu(menuBar(), dispatch, [this](const QString& page) { openWebPage(page); });
    connect(menu_.operation, &QMenu::aboutToShow, this, &MainWindow::updateOperationMenu);
    addMainKeys(this, dispatch);
    buildPanels();
    buildStatusBar();
    controller_.updateToolbar();
    resize(800, 600);
}

MainWindow::~MainWindow() = default;

void MainWindow::buildPanels() {
    auto* panel = new MainPanel(this);
    panelHost_ = std::make_unique<ui::AppPanelHost>(state_, controller_, navigator_, *this,
                                                    sitePageUrl(site::kHome));
    list_ =
        new ui::SubtitleListPanel(*panelHost_, columnWidths(state_), services_.warningSound, panel);
    control_ = new ui::ControlPanel(*panelHost_, *list_, panel);
    tip_ = new TipStrip(panel);
    display_ = new DisplayPanel(
        [this] {
            DisplayContent content{state_.bLoaded, state_.playState == kPlaying, {}};
            if (state_.bLoaded) {
                const Grouping grouping{state_.lrcMode, state_.lineTable->count()};
                content.sentence = sentenceText(*state_.lineTable, grouping,
                                                grouping.sentenceOfLine(state_.curLine));
            }
            return content;
        },
        panel);
    display_->setDisplayFont(displayFont(state_.fs));
    connect(display_, &DisplayPanel::playClicked, this, [this] { controller_.playPause(); });
    buildToolBar();
    toolbar_->setParent(panel);
    panel->setPanels(control_, tip_, display_, list_, toolbar_);
    setCentralWidget(panel);
    list_->setFocus();
}

void MainWindow::buildToolBar() {
    using pictures::ToolbarPicture;
    toolbar_ = new QToolBar(this);
    toolbar_->setMovable(false);
    toolbar_->setFloatable(false);
    toolbar_->setIconSize(QSize(48, 16));
    toolbar_->setStyle(new QuickToolTipStyle);
    const struct {
        Command command;
        ToolbarPicture picture;
        QStringView tip;
        bool separatorBefore;
    } buttons[] = {
        {Command::Open, ToolbarPicture::Open, text::kTipOpen, false},
        {Command::PlayPause, ToolbarPicture::Play, text::kTipPlay, true},
        {Command::Stop, ToolbarPicture::Stop, text::kTipStop, false},
        {Command::PreviousSentence, ToolbarPicture::Previous, text::kTipPrevious, true},
        {Command::NextSentence, ToolbarPicture::Next, text::kTipNext, false},
        {Command::RepeatCurrent, ToolbarPicture::Repeat, text::kTipRepeat, false},
        {Command::FollowRead, ToolbarPicture::FollowRead, text::kTipFollowRead, true},
    };
    for (const auto& b : buttons) {
        if (b.separatorBefore)
            toolbar_->addSeparator();
        QAction* action = toolbar_->addAction(pictures::toolbarIcon(b.picture), b.tip.toString());
        action->setToolTip(b.tip.toString());
        action->setData(int(b.command));
        connect(action, &QAction::triggered, this, [this, c = b.command] { execute(c); });
    }
}

void MainWindow::buildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setSizeGripEnabled(true);
    int left = 0;
    for (std::size_t part = 0; part < status_.size(); ++part) {
        auto* label = new QLabel(bar);
        if (part < kStatusEdges.size()) {
            label->setFixedWidth(kStatusEdges[part] - left);
            left = kStatusEdges[part];
            bar->addWidget(label);
        } else {
            bar->addWidget(label, 1);
        }
        status_[part] = label;
    }
    status_[0]->setText(text::kStatusNoFile.toString());
}

void MainWindow::setPageWidget(QWidget* page) {
    control_->setPageWidget(page);
}

void MainWindow::execute(Command command) {
    switch (command) {
    case Command::Open:
        opener_.openFile();
        break;
    case Command::Sample:
        opener_.openSample(services_.sampleFolder);
        break;
    case Command::PlayPause:
        controller_.playPause();
        break;
    case Command::Stop:
        controller_.stop();
        break;
    case Command::PreviousSentence:
        navigator_.prevSentence();
        break;
    case Command::NextSentence:
        navigator_.nextSentence();
        break;
    case Command::RepeatCurrent:
        navigator_.repeatCurrent();
        break;
    case Command::UpFive:
        navigator_.upFive();
        break;
    case Command::DownFive:
        navigator_.downFive();
        break;
    case Command::FirstSentence:
        navigator_.firstSentence();
        break;
    case Command::LastSentence:
        navigator_.lastSentence();
        break;
    case Command::FollowRead:
        openFollowRead();
        break;
    case Command::Split:
        openSplit();
        break;
    case Command::ViewSubtitles:
        if (state_.bLoaded)
            services_.openUrl(QUrl::fromLocalFile(state_.lrcPath));
        break;
    case Command::FontSmall:
        setFontSize(0);
        break;
    case Command::FontMedium:
        setFontSize(1);
        break;
    case Command::FontLarge:
        setFontSize(2);
        break;
    case Command::Stereo:
        setChannel(kChannelStereo);
        break;
    case Command::LeftChannel:
        setChannel(kChannelLeft);
        break;
    case Command::RightChannel:
        setChannel(kChannelRight);
        break;
    case Command::TopMost:
        toggleTopMost();
        break;
    case Command::Exit:
        close();
        break;
    case Command::Materials:
    case Command::MaterialsGroup:
        openWebPage(site::kMaterials);
        break;
    case Command::Faq:
        openWebPage(site::kFaq);
        break;
    case Command::HomePage:
        openWebPage(site::kHome);
        break;
    case Command::Blog:
        openWebPage(site::kBlog);
        break;
    case Command::About:
        AboutDialog(this).exec();
        break;
    }
}

void MainWindow::updateOperationMenu() {
    const bool loaded = state_.bLoaded;
    menu_.action(Command::PlayPause)
        ->setText((loaded && state_.playState == kPlaying ? text::kItemPause : text::kItemPlay)
                      .toString());
    menu_.action(Command::TopMost)
        ->setText((state_.bTopMost ? text::kItemNotTopMost : text::kItemTopMost).toString());
    for (Command c :
         {Command::PlayPause, Command::PreviousSentence, Command::NextSentence,
          Command::RepeatCurrent, Command::FirstSentence, Command::LastSentence, Command::UpFive,
          Command::DownFive, Command::FollowRead, Command::ViewSubtitles, Command::Split})
        menu_.action(c)->setEnabled(loaded);
    menu_.action(Command::Stop)->setEnabled(loaded && state_.playState != kStopped);
    const Command channel = state_.channel == kChannelLeft    ? Command::LeftChannel
                            : state_.channel == kChannelRight ? Command::RightChannel
                                                              : Command::Stereo;
    menu_.action(channel)->setChecked(true);
    const Command font = state_.fs == 1   ? Command::FontMedium
                         : state_.fs == 2 ? Command::FontLarge
                                          : Command::FontSmall;
    menu_.action(font)->setChecked(true);
}

void MainWindow::setFontSize(int fs) {
    state_.fs = fs;
    display_->setDisplayFont(displayFont(fs));
}

void MainWindow::setChannel(int channel) {
    state_.channel = channel;
    if (state_.bLoaded)
        state_.player->setChannel(channel);
}

void MainWindow::toggleTopMost() {
    setWindowFlag(Qt::WindowStaysOnTopHint, !state_.bTopMost);
    show();
    state_.bTopMost = !state_.bTopMost;
}

FollowWindow* MainWindow::followWindow() const {
    return follow_;
}

void MainWindow::openFollowRead() {
    if (!state_.bLoaded || follow_)
        return;
    follow_ = FollowWindow::open(state_, controller_, navigator_, services_.follow, this);
    if (follow_)
        connect(follow_, &FollowWindow::closed, this, [this] { follow_ = nullptr; });
}

void MainWindow::openSplit() {
    if (!state_.bLoaded)
        return;
    SplitDialog dialog({*state_.lineTable, state_.lrcMode, state_.mp3Path, services_.splitToolPath},
                       SplitSeams::standard(services_.warningSound), this);
    dialog.exec();
}

void MainWindow::openDropped(const QString& path) {
    const QFileInfo info(path);
    if (path.size() <= kMaxDroppedPathLength && !info.isDir() &&
        path.endsWith(QStringLiteral(".mp3"), Qt::CaseInsensitive))
        opener_.openFile(info.absoluteFilePath());
    else
        services_.warningSound();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.isEmpty())
        return;
    event->acceptProposedAction();
    openDropped(urls.first().toLocalFile());
}

bool MainWindow::readyToExit() {
    if (follow_)
        follow_->closeFollow();
    return opener_.closeFile();
}

void MainWindow::saveSettingsNow() {
    const ui::ColumnWidths widths = list_->getColsWidth();
    state_.w_msx = widths.msx;
    state_.w_pointer = widths.pointer;
    state_.w_senno = widths.senno;
    state_.w_text = widths.text;
    saveSettings(settingsOf(state_), [this](const QString& text) { showError(text); });
}

void MainWindow::exitStep() {
    saveSettingsNow();
    exiting_ = true;
    close();
    emit exited();
}

// The exit command and the window's close button: close the file (which may ask to save the
// subtitles, and a failed save keeps the program open), then the exit step.
void MainWindow::closeEvent(QCloseEvent* event) {
    if (!exiting_) {
        if (!readyToExit()) {
            event->ignore();
            return;
        }
        saveSettingsNow();
        exiting_ = true;
        emit exited();
    }
    event->accept();
}

// RepeatView

void MainWindow::setStatusText(StatusPart part, QStringView text) {
    status_[std::size_t(part)]->setText(text.toString());
}

void MainWindow::setToolbarState(const ToolbarState& state) {
    for (QAction* action : toolbar_->actions()) {
        switch (Command(action->data().toInt())) {
        case Command::PlayPause:
            action->setEnabled(state.playPause);
            break;
        case Command::Stop:
            action->setEnabled(state.stop);
            break;
        case Command::PreviousSentence:
        case Command::NextSentence:
        case Command::RepeatCurrent:
        case Command::FollowRead:
            action->setEnabled(state.navigation);
            break;
        default:
            break;
        }
    }
}

void MainWindow::setPlayImage(bool playing) {
    using pictures::ToolbarPicture;
    for (QAction* action : toolbar_->actions()) {
        if (Command(action->data().toInt()) != Command::PlayPause)
            continue;
        action->setIcon(
            pictures::toolbarIcon(playing ? ToolbarPicture::Pause : ToolbarPicture::Play));
        action->setToolTip((playing ? text::kTipPause : text::kTipPlay).toString());
    }
}

void MainWindow::hideToolTip() {
    QToolTip::hideText();
}

void MainWindow::refresh() {
    display_->refresh();
}

void MainWindow::posRefresh() {
    list_->posRefresh();
}

void MainWindow::showError(QStringView text) {
    kw::showError(this, text::kAppCaption.toString(), text.toString());
}

// OpenHost

void MainWindow::fillList() {
    list_->fill();
}

void MainWindow::clearList() {
    list_->clear();
}

void MainWindow::refreshDisplay() {
    display_->refresh();
}

void MainWindow::showOffset(int offsetMs, bool enabled) {
    if (enabled)
        control_->showOpenedFile(offsetMs);
    else
        control_->showNoFile();
}

void MainWindow::setStatusPart(int part, const QString& text) {
    status_[std::size_t(part)]->setText(text);
}

void MainWindow::setWindowTitleText(const QString& title) {
    setWindowTitle(title);
}

void MainWindow::openMaterialsPage() {
    openWebPage(site::kMaterials);
}

void MainWindow::openWebPage(const QString& sitePath) {
    services_.openUrl(sitePageUrl(sitePath));
}

} // namespace kw
