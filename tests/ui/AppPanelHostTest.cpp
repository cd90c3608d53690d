#include "ui/AppPanelHost.h"

#include "FakeHost.h"
#include "playback/Player.h"
#include "playback/sim/SimMedia.h"
#include "repeat/AppState.h"
#include "repeat/RepeatController.h"
#include "repeat/SentenceNavigator.h"
#include "subtitle/TimeText.h"
#include "texts/UiTexts.h"
#include "ui/ControlPanel.h"
#include "ui/SubtitleListPanel.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

using namespace kw::ui;

namespace {

// The main window's part: the list follows the controller's posRefresh.
struct ListView : kw::RepeatView {
    SubtitleListPanel* list = nullptr;
    int refreshes = 0;
    void setStatusText(StatusPart, QStringView) override {}
    void setToolbarState(const kw::ToolbarState&) override {}
    void setPlayImage(bool) override {}
    void hideToolTip() override {}
    void refresh() override { ++refreshes; }
    void posRefresh() override {
        if (list)
            list->posRefresh();
    }
    void showError(QStringView) override {}
};

// A six-line lesson (lines at 1, 2, ... 6 s in a 7 s file) opened as the open flow leaves it:
// listed, then played from line 0.
class AppPanelHostTest : public ::testing::Test {
protected:
    static constexpr auto kPath = "/lesson.mp3";

    void SetUp() override {
        state.lineTable = std::make_unique<kw::LineTable>(kwtest::makeTable(6));
        media.addFile(kPath, 7000);
        state.player = std::make_unique<kw::Player>(media.newPlaybackPipeline());
        ASSERT_EQ(state.player->open(kPath, &controller, kw::Parser::Preferred), kw::result::kOk);
        state.bLoaded = true;
        list = std::make_unique<SubtitleListPanel>(host, ColumnWidths{}, [] {});
        view.list = list.get();
        panel = std::make_unique<ControlPanel>(host, *list);
        list->fill();
        panel->showOpenedFile(state.offsetMs);
        controller.playPause();
        rows = list->findChild<QTableView*>()->model();
    }

    void answerDialogs(std::function<void(QDialog&)> fill) {
        ModalRunner runner;
        runner.runDialog = [fill](QDialog& dialog) {
            fill(dialog);
            dialog.accept();
            return dialog.result();
        };
        list->setModalRunner(runner);
        panel->setModalRunner(runner);
    }

    QString cell(int row, int column) const { return rows->index(row, column).data().toString(); }
    double gain() const { return media.lastPlayback().gain; }

    kw::sim::SimMedia media;
    ListView view;
    kw::AppState state;
    kw::RepeatController controller{state, view};
    kw::SentenceNavigator navigator{state, controller};
    AppPanelHost host{state, controller, navigator, view, QUrl()};
    std::unique_ptr<SubtitleListPanel> list;
    std::unique_ptr<ControlPanel> panel;
    QAbstractItemModel* rows = nullptr;
};

TEST_F(AppPanelHostTest, PlayingMarksTheFirstSentence) {
    EXPECT_EQ(state.playState, kw::kPlaying);
    EXPECT_EQ(cell(0, 1), kw::text::kPointerMark.toString());
}

TEST_F(AppPanelHostTest, NegativeOffsetRightAfterOpeningKeepsTheFirstLine) {
    answerDialogs([](QDialog& d) { d.findChild<QLineEdit*>()->setText("-3500"); });
    QTest::mouseClick(panel->findChild<QPushButton*>("offsetButton"), Qt::LeftButton);
    EXPECT_EQ(state.offsetMs, -2000);
    EXPECT_EQ(state.lineTable->line(0).startMs, 3000);
    EXPECT_EQ(state.curLine, 0);
    EXPECT_EQ(cell(0, 0), "00:03.00");
    EXPECT_EQ(cell(0, 1), kw::text::kPointerMark.toString());
}

TEST_F(AppPanelHostTest, PositiveOffsetMovesToTheLineHeardNow) {
    media.advanceMs(1200); // at 2.2 s, line 1
    answerDialogs([](QDialog& d) { d.findChild<QLineEdit*>()->setText("1000"); });
    QTest::mouseClick(panel->findChild<QPushButton*>("offsetButton"), Qt::LeftButton);
    EXPECT_EQ(state.curLine, 2);
    EXPECT_EQ(state.repeatDone, 1);
    EXPECT_EQ(cell(2, 1), kw::text::kPointerMark.toString());
}

TEST_F(AppPanelHostTest, VolumeAndMuteReachThePlayer) {
    auto* mute = panel->findChild<QCheckBox*>();
    ASSERT_EQ(mute->text(), kw::text::kMute.toString());
    mute->click();
    EXPECT_EQ(gain(), 0.0);
    panel->findChild<QSlider*>()->setValue(100);
    EXPECT_EQ(state.volume, 0);
    EXPECT_EQ(gain(), 0.0);
    mute->click();
    EXPECT_EQ(gain(), 1.0);
}

TEST_F(AppPanelHostTest, ModeChangeRemarksTheCurrentPair) {
    navigator.jumpToLine(3);
    panel->findChild<QComboBox*>()->setCurrentIndex(1);
    EXPECT_EQ(state.lrcMode, 1);
    EXPECT_EQ(state.curLine, 3) << "a mode change does not move playback";
    EXPECT_EQ(cell(2, 1), kw::text::kPointerMark.toString());
    EXPECT_EQ(cell(3, 1), "");
    EXPECT_EQ(cell(2, 2), "2");
}

TEST_F(AppPanelHostTest, EditingPausesAndJumpingMovesPlayback) {
    list->findChild<QTableView*>()->selectRow(4);
    ModalRunner runner;
    runner.runDialog = [this](QDialog& d) {
        EXPECT_EQ(state.playState, kw::kPaused);
        d.reject();
        return d.result();
    };
    runner.runMenu = [](QMenu& menu, QPoint) {
        for (QAction* action : menu.actions())
            if (action->text() == kw::text::kMenuEdit)
                action->trigger();
    };
    list->setModalRunner(runner);
    QContextMenuEvent event(QContextMenuEvent::Mouse, {10, 10}, {10, 10});
    QApplication::sendEvent(list->findChild<QTableView*>()->viewport(), &event);
    EXPECT_EQ(state.playState, kw::kPaused);

    runner.runMenu = [](QMenu& menu, QPoint) {
        for (QAction* action : menu.actions())
            if (action->text() == kw::text::kMenuJump)
                action->trigger();
    };
    list->setModalRunner(runner);
    QApplication::sendEvent(list->findChild<QTableView*>()->viewport(), &event);
    EXPECT_EQ(state.curLine, 4);
    EXPECT_EQ(state.player->positionMs(), 5000);
    EXPECT_EQ(cell(4, 1), kw::text::kPointerMark.toString());
}

TEST_F(AppPanelHostTest, NoLinesWithoutALoadedFile) {
    state.bLoaded = false;
    EXPECT_EQ(host.lineTable(), nullptr);
}

} // namespace
