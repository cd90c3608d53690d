#include "app/MainWindow.h"

#include "ScopedEnv.h"
#include "TempDir.h"
#include "app/Program.h"
#include "app/settings/SettingsStore.h"
#include "follow/FollowWindow.h"
#include "playback/Player.h"
#include "playback/sim/SimMedia.h"
#include "repeat/AppState.h"
#include "subtitle/LineTable.h"
#include "ui/UserPrompts.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <QToolBar>
#include <gtest/gtest.h>

using kw::Command;

namespace {

class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest() {
        kw::setPromptResponder({[this](const kw::MessagePrompt& prompt) {
                                    messages << prompt.text;
                                    return answer;
                                },
                                [](const kw::FilePrompt&) {
                                    return QString();
                                }});
        window.show();
    }
    ~MainWindowTest() override { kw::setPromptResponder({}); }

    kw::MainWindowServices services() {
        kw::MainWindowServices s;
        s.open.newPipeline = [this] {
            return media.newPlaybackPipeline();
        };
        s.open.hasDefaultOutput = [] {
            return true;
        };
        s.open.repair = [](const QString&) {
        };
        s.sampleFolder = dir.path("");
        s.warningSound = [this] {
            ++warnings;
        };
        s.openUrl = [this](const QUrl& url) {
            urls << url;
        };
        s.follow.newPlaybackPipeline = [this] {
            return media.newPlaybackPipeline();
        };
        s.follow.newRecordingPipeline = [this] {
            return media.newRecordingPipeline();
        };
        s.follow.openCaptureDevice = media.captureDevices({"Mic"});
        s.follow.playWarningSound = [this] {
            ++warnings;
        };
        return s;
    }

    QString lesson(const QString& name) {
        const QString mp3 = dir.write(name, name.toUtf8());
        dir.write(name.chopped(3) + "lrc", "[00:01.00]Hello.\n[00:02.00]你好。\n[00:04.00]Bye.\n");
        media.addFile(mp3, 6000);
        return mp3;
    }

    QString status(int part) const { return window.statusPart(part)->text(); }
    QAction* item(Command c) const { return window.mainMenu().action(c); }
    void openOperationMenu() { emit window.mainMenu().operation->aboutToShow(); }

    kwtest::TempDir dir;
    kwtest::TempDir config;
    kwtest::ScopedEnv configHome{"XDG_CONFIG_HOME", config.path("cfg").toUtf8()};
    kw::sim::SimMedia media;
    kw::AppState state;
    int warnings = 0;
    QList<QUrl> urls;
    QStringList messages;
    QMessageBox::StandardButton answer = QMessageBox::No;
    kw::MainWindow window{state, services()};
};

} // namespace

TEST_F(MainWindowTest, OpeningALessonShowsItEverywhere) {
    const QString mp3 = lesson("unit1.mp3");
    window.openDropped(mp3);
    ASSERT_TRUE(state.bLoaded);
    EXPECT_EQ(status(0), QStringLiteral("播放中…"));
    EXPECT_EQ(status(1), QStringLiteral("1 / 3"));
    EXPECT_EQ(status(3), mp3);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("unit1 - Kelpwhistle 2.7.8 （mp3逐句复读）"));
    media.advanceMs(800);
    window.controller().tick();
    EXPECT_EQ(status(2), QStringLiteral("00:00:01 / 00:00:06"));

    window.execute(Command::Stop);
    EXPECT_EQ(status(0), QStringLiteral("已停止播放"));
    window.opener().closeFile();
    EXPECT_EQ(status(0), QStringLiteral("还未载入mp3文件"));
    EXPECT_TRUE(status(1).isEmpty());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Kelpwhistle 2.7.8 （mp3逐句复读）"));
}

TEST_F(MainWindowTest, OperationMenuFollowsTheFileAndPlayState) {
    const Command navigation[] = {Command::PlayPause,     Command::PreviousSentence,
                                  Command::NextSentence,  Command::RepeatCurrent,
                                  Command::FirstSentence, Command::LastSentence,
                                  Command::UpFive,        Command::DownFive,
                                  Command::FollowRead,    Command::ViewSubtitles,
                                  Command::Split};
    openOperationMenu();
    for (Command c : navigation)
        EXPECT_FALSE(item(c)->isEnabled()) << int(c);
    EXPECT_FALSE(item(Command::Stop)->isEnabled());
    for (Command c : {Command::Open, Command::TopMost, Command::Exit, Command::FontLarge})
        EXPECT_TRUE(item(c)->isEnabled());
    EXPECT_EQ(item(Command::PlayPause)->text(), QStringLiteral("播放 \t ↓"));

    window.openDropped(lesson("a.mp3"));
    openOperationMenu();
    for (Command c : navigation)
        EXPECT_TRUE(item(c)->isEnabled()) << int(c);
    EXPECT_TRUE(item(Command::Stop)->isEnabled());
    EXPECT_EQ(item(Command::PlayPause)->text(), QStringLiteral("暂停 \t ↓"));

    window.execute(Command::PlayPause);
    openOperationMenu();
    EXPECT_EQ(item(Command::PlayPause)->text(), QStringLiteral("播放 \t ↓"));
    window.execute(Command::Stop);
    openOperationMenu();
    EXPECT_FALSE(item(Command::Stop)->isEnabled());

    window.execute(Command::FontLarge);
    window.execute(Command::RightChannel);
    window.execute(Command::TopMost);
    openOperationMenu();
    EXPECT_TRUE(item(Command::FontLarge)->isChecked());
    EXPECT_TRUE(item(Command::RightChannel)->isChecked());
    EXPECT_EQ(item(Command::TopMost)->text(), QStringLiteral("取消窗口置顶"));
}

TEST_F(MainWindowTest, ToolbarFollowsThePlayState) {
    QAction* play = nullptr;
    QAction* stop = nullptr;
    for (QAction* action : window.toolBar()->actions()) {
        if (Command(action->data().toInt()) == Command::PlayPause)
            play = action;
        if (Command(action->data().toInt()) == Command::Stop)
            stop = action;
    }
    ASSERT_TRUE(play && stop);
    EXPECT_FALSE(play->isEnabled());
    window.openDropped(lesson("a.mp3"));
    EXPECT_EQ(play->toolTip(), QStringLiteral("暂停（↓）"));
    EXPECT_TRUE(stop->isEnabled());
    play->trigger();
    EXPECT_EQ(state.playState, kw::kPaused);
    EXPECT_EQ(play->toolTip(), QStringLiteral("播放（↓）"));
}

TEST_F(MainWindowTest, DropsOpenOnlyMp3Files) {
    const QString upper = lesson("Lesson1.MP3");
    ASSERT_TRUE(QDir().mkpath(dir.path("folder.mp3")));
    const struct {
        QList<QUrl> urls;
        QString opened;
        int warnings;
    } cases[] = {
        {{QUrl::fromLocalFile(upper)}, upper, 0},
        {{QUrl::fromLocalFile(dir.write("notes.txt", "x"))}, {}, 1},
        {{QUrl::fromLocalFile(dir.path("folder.mp3"))}, {}, 1},
        {{QUrl::fromLocalFile(dir.write("noextension", "x"))}, {}, 1},
        {{QUrl::fromLocalFile(upper), QUrl::fromLocalFile(lesson("second.mp3"))}, upper, 0},
    };
    for (const auto& c : cases) {
        window.opener().closeFile();
        warnings = 0;
        QMimeData data;
        data.setUrls(c.urls);
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(&window, &enter);
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&window, &drop);
        EXPECT_EQ(state.mp3Path, c.opened) << c.urls.first().toString().toStdString();
        EXPECT_EQ(warnings, c.warnings);
    }
}

TEST_F(MainWindowTest, ChannelChosenBeforeOpeningAppliesToTheNextFile) {
    window.execute(Command::LeftChannel);
    EXPECT_EQ(state.channel, 1);
    window.openDropped(lesson("a.mp3"));
    EXPECT_EQ(media.lastPlayback().panorama, -1.0);
    window.execute(Command::RightChannel);
    EXPECT_EQ(media.lastPlayback().panorama, 1.0);
}

TEST_F(MainWindowTest, KeysReachTheMainWindowThroughTheFocusedList) {
    window.openDropped(lesson("a.mp3"));
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QWidget* focused = QApplication::focusWidget();
    ASSERT_TRUE(focused);
    QTest::keyClick(focused, Qt::Key_Right);
    EXPECT_EQ(state.curLine, 1);
    QTest::keyClick(focused, Qt::Key_Down);
    EXPECT_EQ(state.playState, kw::kPaused);
    QTest::keyClick(focused, Qt::Key_End);
    EXPECT_EQ(state.curLine, 2);
    QTest::keyClick(focused, Qt::Key_Home);
    EXPECT_EQ(state.curLine, 0);
    QTest::keyClick(focused, Qt::Key_F4);
    EXPECT_EQ(state.playState, kw::kStopped);
}

TEST_F(MainWindowTest, ClosingWithEditsAsksAndAFailedSaveKeepsTheProgramOpen) {
    kwtest::TempDir other;
    const QString mp3 = other.write("a.mp3", "a");
    other.write("a.lrc", "[00:01.00]x\n");
    media.addFile(mp3, 3000);
    window.openDropped(mp3);
    state.lineTable->setText(0, u"edited");
    ASSERT_TRUE(QDir(other.path("")).removeRecursively());
    QSignalSpy exited(&window, &kw::MainWindow::exited);
    answer = QMessageBox::Yes;
    window.close();
    EXPECT_EQ(messages.size(), 2); // the question, then the failure
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(state.bLoaded);
    EXPECT_EQ(exited.size(), 0);

    answer = QMessageBox::No;
    window.close();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(exited.size(), 1);
}

TEST_F(MainWindowTest, TheExitStepSavesTheSettings) {
    window.execute(Command::FontLarge);
    state.totalCount = 5;
    window.execute(Command::Exit);
    const kw::Settings saved = kw::loadSettings({});
    EXPECT_EQ(saved.fs, 2);
    EXPECT_EQ(saved.totalCount, 5);
    EXPECT_FALSE(window.isVisible());
}

TEST_F(MainWindowTest, AFailedStartupCheckShowsItsMessageAndStillSavesTheSettings) {
    const auto noTools = [](const QString&) {
        return QString();
    };
    const auto allElements = [](const char*) {
        return true;
    };
    state.lrcMode = 2;
    EXPECT_FALSE(kw::passStartupChecks(window, {noTools, allElements}));
    EXPECT_EQ(messages, QStringList{"文件有缺失，请重装本软件"});
    EXPECT_EQ(kw::loadSettings({}).lrcMode, 2);
    EXPECT_FALSE(window.isVisible());
}

TEST_F(MainWindowTest, WebPagesAndTheSubtitleFileOpenOutside) {
    window.execute(Command::Faq);
    window.execute(Command::Materials);
    ASSERT_EQ(urls.size(), 2);
    EXPECT_TRUE(urls[0].toString().endsWith("zov/faq.htm"));
    EXPECT_TRUE(urls[1].toString().endsWith("zov/res.htm"));
    window.execute(Command::ViewSubtitles); // nothing without a file
    EXPECT_EQ(urls.size(), 2);
    window.openDropped(lesson("a.mp3"));
    window.execute(Command::ViewSubtitles);
    EXPECT_EQ(urls.last(), QUrl::fromLocalFile(dir.path("a.lrc")));
}

TEST_F(MainWindowTest, FollowReadPausesAndTakesTheKeysUntilItCloses) {
    window.execute(Command::FollowRead); // nothing without a file
    EXPECT_EQ(window.followWindow(), nullptr);
    window.openDropped(lesson("a.mp3"));
    ASSERT_EQ(state.playState, kw::kPlaying);
    window.execute(Command::FollowRead);
    kw::FollowWindow* follow = window.followWindow();
    ASSERT_NE(follow, nullptr);
    EXPECT_EQ(state.playState, kw::kPaused);
    EXPECT_FALSE(window.isEnabled());

    // The main window's Right would move on a sentence; while reading along it must not.
    QApplication::setActiveWindow(&window);
    QTest::keyClick(&window, Qt::Key_Right);
    EXPECT_EQ(state.curLine, 0);

    follow->closeFollow();
    EXPECT_EQ(window.followWindow(), nullptr);
    EXPECT_TRUE(window.isEnabled());
    EXPECT_EQ(state.playState, kw::kPaused);

    // Leaving the program closes an open follow-read window first.
    window.execute(Command::FollowRead);
    ASSERT_NE(window.followWindow(), nullptr);
    window.close();
    EXPECT_EQ(window.followWindow(), nullptr);
    EXPECT_FALSE(window.isVisible());
}
