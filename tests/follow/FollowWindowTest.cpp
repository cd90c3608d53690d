// The follow-read window on the simulated media: opening, keys, the state machine and the
// toolbar, as a user drives them.
#include "FollowFixture.h"
#include "follow/FollowActivity.h"
#include "texts/FollowTexts.h"
#include "texts/PanelTexts.h"
#include "ui/FollowStatusPanel.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QMenuBar>
#include <QStyle>
#include <QTest>
#include <QToolBar>

using namespace kwtest;
using kw::FollowActivity;
using kw::FollowCommand;

namespace {

class FollowWindowTest : public FollowFixture {
protected:
    void SetUp() override {
        loadLesson();
        state.follow.follow_destFile = dir.path("take.mp3");
    }

    QString stateText() const { return follow->findChild<kw::FollowStatusPanel*>()->stateText(); }

    // Which toolbar buttons can be pressed, in toolbar order.
    std::vector<bool> enabledTools() const {
        std::vector<bool> enabled;
        for (const auto& info : kw::kFollowCommands)
            enabled.push_back(tool(info.command)->isEnabled());
        return enabled;
    }

    QAction* recordMenuItem() const {
        return follow->menuBar()->actions().at(0)->menu()->actions().at(6);
    }

    void expectMessage(QMessageBox::Icon icon, const QString& textStart) {
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].icon, icon);
        EXPECT_EQ(messages[0].caption, u"跟读对比");
        EXPECT_TRUE(messages[0].text.startsWith(textStart)) << messages[0].text.toStdString();
        messages.clear();
    }
};

TEST_F(FollowWindowTest, OpensOverTheDisabledMainWindowWithItsSettingsAndCounter) {
    state.curLine = 2;
    state.follow.follow_bAutoPlay = false;
    ASSERT_TRUE(openWindow());

    EXPECT_EQ(follow->windowTitle(), u"跟读对比");
    EXPECT_EQ(follow->size(), QSize(520, 275));
    EXPECT_FALSE(mainWindow.isEnabled());
    EXPECT_TRUE(follow->isEnabled());
    EXPECT_EQ(statusBarText(), u"3 / 5");
    EXPECT_EQ(stateText(), u"就绪");
    EXPECT_EQ(follow->findChild<QLineEdit*>("deviceField")->text(), kDeviceA);
    EXPECT_EQ(follow->findChild<QLineEdit*>("destinationField")->text(), destination());
    EXPECT_FALSE(follow->findChild<QCheckBox*>("autoPlay")->isChecked());

    const QList<QAction*> menus = follow->menuBar()->actions();
    ASSERT_EQ(menus.size(), 1);
    EXPECT_EQ(menus[0]->text(), u"跟读对比");
    QStringList items;
    for (const QAction* item : menus[0]->menu()->actions())
        items << (item->isSeparator() ? QStringLiteral("-") : item->text());
    EXPECT_EQ(items, QStringList({"上一句 \t ←", "下一句 \t →", "-", "播放原声 \t ↑",
                                  "播放录音 \t Tab", "-", "开始录音 \t ↓", "-", "退出 \t Esc"}));
    // No recording on disk yet: play recording cannot be pressed.
    EXPECT_EQ(enabledTools(), (std::vector<bool>{true, true, true, false, true, true}));
}

TEST_F(FollowWindowTest, OpeningPausesMainPlaybackAndClosingLeavesItPaused) {
    controller.playPause();
    ASSERT_EQ(state.playState, kw::kPlaying);
    ASSERT_TRUE(openWindow());
    EXPECT_EQ(state.playState, kw::kPaused);
    press(Qt::Key_Escape);
    EXPECT_EQ(state.playState, kw::kPaused);
    EXPECT_TRUE(mainWindow.isEnabled());
}

TEST_F(FollowWindowTest, CaptureDeviceIsTheSavedPositionElseTheFirstElseNone) {
    struct Case {
        int savedPosition;
        QStringList devices;
        QString opened; // empty: the window does not open
        int storedPosition;
    };
    const Case cases[] = {
        {1, {kDeviceA, kDeviceB}, kDeviceB, 1},
        {5, {kDeviceA, kDeviceB}, kDeviceA, 0},
        {0, {kDeviceA}, kDeviceA, 0},
        {3, {}, {}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.savedPosition);
        deviceNames = c.devices;
        state.follow.follow_aDevId = c.savedPosition;
        const bool opened = openWindow() != nullptr;
        EXPECT_EQ(state.follow.follow_aDevId, c.storedPosition);
        if (c.opened.isEmpty()) {
            EXPECT_FALSE(opened);
            EXPECT_TRUE(mainWindow.isEnabled());
            expectMessage(QMessageBox::Warning, "找不到录音设备");
            continue;
        }
        ASSERT_TRUE(opened);
        EXPECT_EQ(follow->findChild<QLineEdit*>("deviceField")->text(), c.opened);
        press(Qt::Key_Escape);
        EXPECT_TRUE(mainWindow.isEnabled());
    }
}

TEST_F(FollowWindowTest, KeysReachThisWindowAndNotTheMainWindowWhileItIsOpen) {
    ASSERT_TRUE(openWindow());
    press(Qt::Key_Down);
    EXPECT_EQ(followState(), FollowActivity::kRecording);
    // Even a key sent to the main window itself is not the main window's while this is open.
    QTest::keyClick(&mainWindow, Qt::Key_Down);
    EXPECT_EQ(followState(), FollowActivity::kIdle);
    // And with the disabled main window in front, its keys stay dead.
    QApplication::setActiveWindow(&mainWindow);
    QTest::keyClick(&mainWindow, Qt::Key_Down);
    EXPECT_EQ(mainWindowDowns, 0);

    press(Qt::Key_Escape);
    EXPECT_EQ(closedSignals, 1);
    QApplication::setActiveWindow(&mainWindow);
    QTest::keyClick(&mainWindow, Qt::Key_Down);
    EXPECT_EQ(mainWindowDowns, 1);
}

TEST_F(FollowWindowTest, RecordThenPlayTheRecordingBack) {
    ASSERT_TRUE(openWindow());
    press(Qt::Key_Down);
    ASSERT_EQ(followState(), FollowActivity::kRecording);
    EXPECT_EQ(stateText(), u"正在录音…");
    EXPECT_EQ(media.lastRecording().target, destination());
    EXPECT_EQ(media.lastRecording().elementName, kDeviceA);
    EXPECT_EQ(enabledTools(), (std::vector<bool>{false, false, false, false, true, true}));
    EXPECT_EQ(tool(FollowCommand::Record)->toolTip(), u"结束录音（↓）");
    EXPECT_EQ(recordMenuItem()->text(), u"结束录音 \t ↓");
    EXPECT_TRUE(follow->activity().isPolling());

    pollFor(2000);
    press(Qt::Key_Down);
    EXPECT_EQ(followState(), FollowActivity::kIdle);
    EXPECT_EQ(stateText(), u"就绪");
    EXPECT_FALSE(media.lastRecording().recording);
    EXPECT_EQ(tool(FollowCommand::Record)->toolTip(), u"开始录音（↓）");
    EXPECT_EQ(recordMenuItem()->text(), u"开始录音 \t ↓");
    EXPECT_FALSE(follow->activity().isPolling());

    press(Qt::Key_Tab);
    ASSERT_EQ(followState(), FollowActivity::kPlayingRecording);
    EXPECT_EQ(stateText(), u"正在播放录音…");
    EXPECT_EQ(media.lastPlayback().path, destination());
    EXPECT_EQ(media.lastPlayback().parser, kw::Parser::Preferred);
    EXPECT_DOUBLE_EQ(media.lastPlayback().gain, 1.0);
    pollFor(1990);
    EXPECT_EQ(followState(), FollowActivity::kPlayingRecording);
    pollFor(20);
    EXPECT_EQ(followState(), FollowActivity::kIdle);
    EXPECT_TRUE(messages.empty());
}

TEST_F(FollowWindowTest, ANewRecordingDeletesThePreviousOneFirstEvenReadOnly) {
    ASSERT_TRUE(openWindow());
    dir.write("take.mp3", "previous recording");
    QFile::setPermissions(destination(), QFile::ReadOwner);
    press(Qt::Key_Down);
    EXPECT_EQ(followState(), FollowActivity::kRecording);
    EXPECT_FALSE(QFile::exists(destination()));
}

TEST_F(FollowWindowTest, UpTabLeftAndRightAreIgnoredWhileRecording) {
    state.curLine = 2;
    ASSERT_TRUE(openWindow());
    press(Qt::Key_Down);
    const int pipelines = media.playbackCount();
    for (const Qt::Key key : {Qt::Key_Up, Qt::Key_Tab, Qt::Key_Left, Qt::Key_Right}) {
        press(key);
        EXPECT_EQ(followState(), FollowActivity::kRecording) << key;
    }
    EXPECT_EQ(state.curLine, 2);
    EXPECT_EQ(statusBarText(), u"3 / 5");
    EXPECT_EQ(media.playbackCount(), pipelines);
    EXPECT_TRUE(media.lastRecording().recording);
}

TEST_F(FollowWindowTest, EscapeWhileRecordingEndsTheRecordingAndCloses) {
    ASSERT_TRUE(openWindow());
    press(Qt::Key_Down);
    press(Qt::Key_Escape);
    EXPECT_FALSE(media.lastRecording().recording);
    EXPECT_EQ(media.lastRecording().stops, 1);
    EXPECT_FALSE(media.lastRecording().built);
    EXPECT_EQ(closedSignals, 1);
    EXPECT_TRUE(mainWindow.isEnabled());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(follow.isNull());
}

TEST_F(FollowWindowTest, RecordingWithoutADestinationAsksForOne) {
    state.follow.follow_destFile.clear();
    ASSERT_TRUE(openWindow());
    press(Qt::Key_Down);
    EXPECT_EQ(followState(), FollowActivity::kIdle);
    expectMessage(QMessageBox::Critical, "请指定录音存放位置");
}

TEST_F(FollowWindowTest, RecordingEndsByItselfAtFifteenMebibytes) {
    ASSERT_TRUE(openWindow());
    press(Qt::Key_Down);
    recordingBytes = std::nullopt; // unreadable: goes on
    pollFor(50);
    recordingBytes = FollowActivity::kRecordingLimitBytes - 1;
    pollFor(50);
    EXPECT_EQ(followState(), FollowActivity::kRecording);
    recordingBytes = 15 * 1024 * 1024;
    pollFor(10);
    EXPECT_EQ(followState(), FollowActivity::kIdle);
    EXPECT_EQ(stateText(), u"就绪");
    EXPECT_FALSE(media.lastRecording().recording);
}

TEST_F(FollowWindowTest, ARecordingThatCannotStartIsReported) {
    ASSERT_TRUE(openWindow());
    media.failRecordings(kw::result::kAccessDenied);
    press(Qt::Key_Down);
    EXPECT_EQ(followState(), FollowActivity::kIdle);
    expectMessage(QMessageBox::Critical,
                  "录音失败：\r\n" + kw::resultText(kw::result::kAccessDenied));
    media.failRecordings(kw::result::kOk);
    press(Qt::Key_Down);
    EXPECT_EQ(followState(), FollowActivity::kRecording);
}

TEST_F(FollowWindowTest, UpPlaysTheCurrentSentenceToItsEnd) {
    state.curLine = 2;
    ASSERT_TRUE(openWindow());
    press(Qt::Key_Up);
    ASSERT_EQ(followState(), FollowActivity::kPlayingReference);
    EXPECT_EQ(stateText(), u"正在播放原声…");
    const kw::sim::SimPlayback& reference = media.lastPlayback();
    EXPECT_EQ(reference.path, kPath);
    EXPECT_EQ(reference.seeksMs().back(), 2000);
    pollFor(500);
    press(Qt::Key_Up); // again from the sentence's start
    EXPECT_EQ(reference.seeksMs().back(), 2000);
    EXPECT_EQ(reference.runs, 2);
    pollFor(990);
    EXPECT_EQ(followState(), FollowActivity::kPlayingReference);
    pollFor(10);
    EXPECT_EQ(followState(), FollowActivity::kIdle);
    EXPECT_EQ(reference.positionMs(), 3000);
}

TEST_F(FollowWindowTest, TheLastSentenceStopsAtTheEndOfTheFile) {
    state.curLine = 4;
    media.setEndShortfallMs(30);
    ASSERT_TRUE(openWindow());
    press(Qt::Key_Up);
    pollFor(960);
    EXPECT_EQ(followState(), FollowActivity::kPlayingReference);
    pollFor(10); // the file has played out before its length was reached
    EXPECT_EQ(followState(), FollowActivity::kIdle);
}

TEST_F(FollowWindowTest, FailuresToPlayAreReported) {
    ASSERT_TRUE(openWindow());
    press(Qt::Key_Tab); // nothing recorded yet
    EXPECT_EQ(followState(), FollowActivity::kIdle);
    expectMessage(QMessageBox::Critical,
                  "播放录音失败：\r\n" + kw::resultText(kw::result::kFileNotFound));

    media.failRuns(kw::result::kNoAudioHardware);
    press(Qt::Key_Up);
    EXPECT_EQ(followState(), FollowActivity::kIdle);
    expectMessage(QMessageBox::Critical,
                  "播放原声失败：\r\n" + kw::resultText(kw::result::kNoAudioHardware));
    media.failRuns(kw::result::kOk);
    press(Qt::Key_Up);
    EXPECT_EQ(followState(), FollowActivity::kPlayingReference);

    media.raiseError(kw::result::kRuntimeError);
    QCoreApplication::processEvents();
    EXPECT_EQ(followState(), FollowActivity::kIdle);
    expectMessage(QMessageBox::Critical,
                  "运行异常：\r\n" + kw::resultText(kw::result::kRuntimeError));
}

TEST_F(FollowWindowTest, NextAndPreviousMoveTheLessonAndPlayTheNewSentence) {
    ASSERT_TRUE(openWindow());
    press(Qt::Key_Right);
    EXPECT_EQ(state.curLine, 1);
    EXPECT_EQ(statusBarText(), u"2 / 5");
    EXPECT_EQ(media.playback(0).seeksMs().back(), 1000); // the main player
    EXPECT_GT(view.refreshes, 0);
    EXPECT_EQ(followState(), FollowActivity::kPlayingReference);
    EXPECT_EQ(media.lastPlayback().seeksMs().back(), 1000);

    follow->findChild<QCheckBox*>("autoPlay")->click();
    EXPECT_FALSE(state.follow.follow_bAutoPlay);
    press(Qt::Key_Left);
    EXPECT_EQ(state.curLine, 0);
    EXPECT_EQ(statusBarText(), u"1 / 5");
    EXPECT_EQ(followState(), FollowActivity::kIdle);
}

TEST_F(FollowWindowTest, AtEitherEndTheSentenceStaysAndNothingPlays) {
    ASSERT_TRUE(openWindow());
    press(Qt::Key_Left);
    EXPECT_EQ(state.curLine, 0);
    EXPECT_EQ(followState(), FollowActivity::kIdle);
    state.curLine = 4;
    press(Qt::Key_Right);
    EXPECT_EQ(state.curLine, 4);
    EXPECT_EQ(statusBarText(), u"5 / 5");
    EXPECT_EQ(followState(), FollowActivity::kIdle);
}

TEST_F(FollowWindowTest, ToolbarButtonsDispatchLikeTheKeysAndTellWhatTheyDo) {
    ASSERT_TRUE(openWindow());
    const auto* toolBar = follow->findChild<QToolBar*>("followToolBar");
    QStringList tips;
    for (const auto& info : kw::kFollowCommands) {
        const QWidget* button = toolBar->widgetForAction(tool(info.command));
        tips << tool(info.command)->toolTip();
        EXPECT_EQ(button->style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay, nullptr, button), 50);
    }
    EXPECT_EQ(tips, QStringList({"上一句（←）", "下一句（→）", "播放原声（↑）", "播放录音（Tab）",
                                 "开始录音（↓）", "退出（Esc）"}));

    tool(FollowCommand::Record)->trigger();
    EXPECT_EQ(followState(), FollowActivity::kRecording);
    tool(FollowCommand::Record)->trigger();
    tool(FollowCommand::Next)->trigger();
    EXPECT_EQ(state.curLine, 1);
    tool(FollowCommand::Exit)->trigger();
    EXPECT_EQ(closedSignals, 1);
}

} // namespace
