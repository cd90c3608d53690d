#include "ui/SubtitleListPanel.h"

#include "FakeHost.h"
#include "texts/UiTexts.h"
#include "ui/EntryDialog.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableView>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

using namespace kw::ui;

namespace {

constexpr int kRowHeight = 35;
const QColor kHighlight(200, 255, 150);

class SubtitleListPanelTest : public ::testing::Test {
protected:
    void open(int lines, int mode = 0) {
        host.table = kwtest::makeTable(lines);
        host.mode = mode;
        panel = std::make_unique<SubtitleListPanel>(host, ColumnWidths{}, [this] { ++warnings; });
        host.list = panel.get();
        view = panel->findChild<QTableView*>();
        panel->resize(700, 400);
        panel->show();
        // Exactly six rows fit, with part of a seventh below them.
        const int extra = view->viewport()->height() - (6 * kRowHeight + 10);
        panel->resize(700, 400 - extra);
        QApplication::processEvents();
        panel->fill();
    }

    QString cell(int row, int column) const {
        return view->model()->index(row, column).data().toString();
    }

    // The colour a user sees behind row `row`, right of its short text.
    QColor rowColour(int row) const {
        const QImage image = view->viewport()->grab().toImage();
        return image.pixelColor(image.width() - 5, row * kRowHeight + kRowHeight / 2);
    }

    int topRow() const { return view->rowAt(0); }
    // The last row shown whole.
    int bottomRow() const { return view->rowAt(6 * kRowHeight - 1); }

    // Opens the context menu at `at` in the list; `runner` answers the menu and any dialog.
    void openMenu(QPoint at) {
        panel->setModalRunner(runner);
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, view->viewport()->mapToGlobal(at));
        QApplication::sendEvent(view->viewport(), &event);
    }

    void contextMenu(QPoint at, std::function<void(QMenu&)> use) {
        runner.runMenu = [&](QMenu& menu, QPoint) {
            use(menu);
        };
        openMenu(at);
    }

    void chooseFromMenu(QStringView item, int row) {
        runner.runMenu = [this, item](QMenu& menu, QPoint) {
            menuItem(menu, item)->trigger();
        };
        openMenu(rowCentre(row));
    }

    QPoint rowCentre(int row) const { return {200, row * kRowHeight + kRowHeight / 2}; }

    void select(int row) {
        view->selectionModel()->clearSelection();
        view->selectRow(row);
    }

    QAction* menuItem(QMenu& menu, QStringView text) {
        for (QAction* action : menu.actions())
            if (action->text() == text)
                return action;
        return nullptr;
    }

    kwtest::FakeHost host;
    std::unique_ptr<SubtitleListPanel> panel;
    QTableView* view = nullptr;
    ModalRunner runner;
    int warnings = 0;
};

TEST_F(SubtitleListPanelTest, FillShowsEveryLineWithNumbersOnHeadLinesOnly) {
    const struct {
        int mode;
        QStringList numbers;
    } cases[] = {
        {0, {"1", "2", "3", "4", "5"}}, {1, {"1", "", "2", "", "3"}}, {2, {"1", "2", "", "3", ""}}};
    for (const auto& c : cases) {
        open(5, c.mode);
        ASSERT_EQ(view->model()->rowCount(), 5);
        for (int row = 0; row < 5; ++row) {
            EXPECT_EQ(cell(row, 0), QStringLiteral("00:%1.00").arg(row + 1, 2, 10, QChar(u'0')));
            EXPECT_EQ(cell(row, 1), "");
            EXPECT_EQ(cell(row, 2), c.numbers[row]) << "mode " << c.mode << " row " << row;
            EXPECT_EQ(cell(row, 3), QStringLiteral("line %1").arg(row));
        }
    }
    EXPECT_EQ(view->model()->headerData(0, Qt::Horizontal).toString(),
              kw::text::kColTime.toString());
    EXPECT_EQ(view->model()->headerData(3, Qt::Horizontal).toString(),
              kw::text::kColText.toString());
}

TEST_F(SubtitleListPanelTest, FillWithoutAFileAndClearLeaveNoRows) {
    open(3000);
    EXPECT_EQ(view->model()->rowCount(), 3000);
    panel->clear();
    EXPECT_EQ(view->model()->rowCount(), 0);
    host.loaded = false;
    panel->fill();
    EXPECT_EQ(view->model()->rowCount(), 0);
}

TEST_F(SubtitleListPanelTest, MarksAndHighlightsTheWholeCurrentSentence) {
    open(6, 2); // sentences (0), (1,2), (3,4), (5)
    host.current = 2;
    panel->posRefresh();
    EXPECT_EQ(cell(1, 1), kw::text::kPointerMark.toString());
    EXPECT_EQ(cell(2, 1), "");
    EXPECT_EQ(rowColour(0), QColor(Qt::white));
    EXPECT_EQ(rowColour(1), kHighlight);
    EXPECT_EQ(rowColour(2), kHighlight);
    EXPECT_EQ(rowColour(3), QColor(Qt::white));

    host.current = 3;
    panel->posRefresh();
    EXPECT_EQ(cell(1, 1), "");
    EXPECT_EQ(cell(3, 1), kw::text::kPointerMark.toString());
    EXPECT_EQ(rowColour(2), QColor(Qt::white));
    EXPECT_EQ(rowColour(3), kHighlight);
    EXPECT_EQ(rowColour(4), kHighlight);
}

TEST_F(SubtitleListPanelTest, ScrollsASentenceLeavingThePageToTheTopAndOneAboveItToTheBottom) {
    open(40, 1); // pairs (0,1), (2,3), ...; six rows per page
    host.current = 4;
    panel->posRefresh();
    EXPECT_EQ(topRow(), 0) << "a sentence on the page does not scroll";

    host.current = 6; // (6,7) lies below the page: it starts at the top
    panel->posRefresh();
    EXPECT_EQ(topRow(), 6);

    host.current = 20;
    panel->posRefresh();
    EXPECT_EQ(topRow(), 20);

    host.current = 18; // (18,19) lies above the page: it ends at the bottom
    panel->posRefresh();
    EXPECT_EQ(topRow(), 19 - 5);

    host.current = 38; // the last pair: the view cannot scroll past the end
    panel->posRefresh();
    EXPECT_EQ(bottomRow(), 39);

    host.current = 33; // partly hidden above the last page: it ends at the bottom
    panel->posRefresh();
    EXPECT_EQ(bottomRow(), 33);
}

TEST_F(SubtitleListPanelTest, ContextMenuIsGreyedWithoutASelection) {
    open(3);
    int items = 0;
    contextMenu({200, 5 * kRowHeight}, [&](QMenu& menu) {
        for (QAction* action : menu.actions()) {
            if (action->isSeparator())
                continue;
            ++items;
            EXPECT_FALSE(action->isEnabled()) << action->text().toStdString();
        }
    });
    EXPECT_EQ(items, 4);

    select(1);
    contextMenu(rowCentre(1), [&](QMenu& menu) {
        for (QAction* action : menu.actions())
            EXPECT_TRUE(action->isEnabled());
        menuItem(menu, kw::text::kMenuJump)->trigger();
    });
    EXPECT_EQ(host.jumps, std::vector<int>{1});
}

TEST_F(SubtitleListPanelTest, CopyPutsAtMost510CharactersOnTheClipboard) {
    open(3);
    QString text;
    for (int i = 0; i < kw::kMaxLineTextLength; ++i)
        text += QChar(u'a' + i % 26);
    host.table.setText(1, text);
    QApplication::clipboard()->setText("before");

    QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "before") << "nothing selected";

    select(1);
    QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), text.left(510));

    select(2);
    chooseFromMenu(kw::text::kMenuCopy, 2);
    EXPECT_EQ(QApplication::clipboard()->text(), "line 2");
}

TEST_F(SubtitleListPanelTest, DoubleClickJumpsToTheLine) {
    open(5);
    // A double click as the window system delivers it: a click, then a double-click press.
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, rowCentre(3));
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, rowCentre(3));
    EXPECT_EQ(host.jumps, std::vector<int>{3});
}

TEST_F(SubtitleListPanelTest, EditingPausesPlaybackAndShowsTheNewText) {
    open(3);
    host.state = kw::kPlaying;
    select(1);
    std::optional<kw::PlayState> stateInDialog;
    runner.runDialog = [&](QDialog& dialog) {
        stateInDialog = host.state;
        dialog.findChild<QPlainTextEdit*>()->setPlainText("edited");
        dialog.accept();
        return dialog.result();
    };
    chooseFromMenu(kw::text::kMenuEdit, 1);

    EXPECT_EQ(stateInDialog, kw::kPaused) << "paused before the dialog opened";
    EXPECT_EQ(cell(1, 3), "edited");
    EXPECT_EQ(host.displayRefreshes, 1);
    EXPECT_TRUE(host.table.modified());
}

TEST_F(SubtitleListPanelTest, AdjustingTheTimeShowsTheNewTime) {
    open(3);
    host.state = kw::kPaused;
    select(1);
    runner.runDialog = [&](QDialog& dialog) {
        dialog.findChild<QLineEdit*>()->setText("00:02.50");
        dialog.accept();
        return dialog.result();
    };
    chooseFromMenu(kw::text::kMenuAdjustTime, 1);

    EXPECT_EQ(host.playPauses, 0) << "a paused player is left alone";
    EXPECT_EQ(cell(1, 0), "00:02.50");
    EXPECT_EQ(host.table.line(1).startMs, 2500);
    EXPECT_EQ(host.displayRefreshes, 0);
}

TEST_F(SubtitleListPanelTest, ColumnWidthsComeFromTheSettingsAndAreReadBack) {
    host.table = kwtest::makeTable(2);
    const ColumnWidths stored{80, 40, 50, 900};
    SubtitleListPanel list(host, stored, [] {});
    EXPECT_EQ(list.getColsWidth(), stored);
    list.findChild<QTableView*>()->horizontalHeader()->resizeSection(3, 700);
    EXPECT_EQ(list.getColsWidth().text, 700);
}

} // namespace
