#include "ui/ControlPanel.h"

#include "FakeHost.h"
#include "subtitle/TimeText.h"
#include "texts/UiTexts.h"
#include "ui/EntryDialog.h"
#include "ui/SubtitleListPanel.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

using namespace kw::ui;

namespace {

class ControlPanelTest : public ::testing::Test {
protected:
    void create() {
        list = std::make_unique<SubtitleListPanel>(host, ColumnWidths{}, [] {});
        host.list = list.get();
        panel = std::make_unique<ControlPanel>(host, *list);
        panel->resize(1000, ControlPanel::kHeight);
        rows = list->findChild<QTableView*>()->model();
    }

    // A file of six lines (1000, 2000, ... ms) is open and listed.
    void openFile() {
        host.table = kwtest::makeTable(6);
        create();
        list->fill();
        list->posRefresh();
        panel->showOpenedFile(host.offset);
    }

    // The next dialog gets `entry` typed in and OK, or Cancel when there is no entry.
    void answerDialogs(std::optional<QString> entry) {
        ModalRunner runner;
        runner.runDialog = [entry](QDialog& dialog) {
            if (!entry) {
                dialog.reject();
            } else {
                dialog.findChild<QLineEdit*>()->setText(*entry);
                dialog.accept();
            }
            return dialog.result();
        };
        panel->setModalRunner(runner);
    }

    template <typename T> T* child(const char* name) const {
        return panel->findChild<T*>(QString::fromLatin1(name));
    }
    QCheckBox* checkBox(QStringView text) const {
        for (QCheckBox* box : panel->findChildren<QCheckBox*>())
            if (box->text() == text)
                return box;
        return nullptr;
    }
    QSlider* slider() const { return panel->findChild<QSlider*>(); }
    QString listCell(int row, int column) const {
        return rows->index(row, column).data().toString();
    }
    void click(QWidget* widget) const { QTest::mouseClick(widget, Qt::LeftButton); }

    kwtest::FakeHost host;
    std::unique_ptr<SubtitleListPanel> list;
    std::unique_ptr<ControlPanel> panel;
    QAbstractItemModel* rows = nullptr;
};

TEST_F(ControlPanelTest, ShowsTheStoredValues) {
    const struct {
        int level;
        int position;
    } cases[] = {{-500, 79}, {0, 100}, {-5000, 10}, {-10000, 1}};
    for (const auto& c : cases) {
        host.level = c.level;
        host.mode = 2;
        host.mute = true;
        host.loop = false;
        host.count = 0;
        create();
        EXPECT_EQ(slider()->value(), c.position);
        EXPECT_EQ(host.level, c.level) << "showing the volume does not change it";
        EXPECT_EQ(panel->findChild<QComboBox*>()->currentIndex(), 2);
        EXPECT_EQ(panel->findChild<QComboBox*>()->currentText(),
                  kw::text::kModePairsFromSecond.toString());
        EXPECT_TRUE(checkBox(kw::text::kMute)->isChecked());
        EXPECT_FALSE(checkBox(kw::text::kFileLoop)->isChecked());
        EXPECT_EQ(child<QLabel>("count")->text(), "0");
        EXPECT_EQ(child<QLabel>("offset")->text(), "0");
        EXPECT_FALSE(child<QPushButton>("offsetButton")->isEnabled());
    }
    EXPECT_TRUE(host.playerLevels.empty());
}

TEST_F(ControlPanelTest, VolumeSliderEndsGiveFullAndSilent) {
    openFile();
    slider()->setValue(100);
    EXPECT_EQ(host.level, 0);
    slider()->setValue(1);
    EXPECT_EQ(host.level, -10000);
    EXPECT_EQ(host.playerLevels, (std::vector<int>{0, -10000}));
}

TEST_F(ControlPanelTest, MutingKeepsTheVolumeAndUnmutingPlaysTheLatestOne) {
    openFile();
    checkBox(kw::text::kMute)->click();
    EXPECT_TRUE(host.mute);
    EXPECT_EQ(host.level, -500);
    slider()->setValue(10);
    EXPECT_EQ(host.level, -5000);
    EXPECT_EQ(host.playerLevels, std::vector<int>{-10000}) << "the player stays silent";
    checkBox(kw::text::kMute)->click();
    EXPECT_FALSE(host.mute);
    EXPECT_EQ(host.playerLevels, (std::vector<int>{-10000, -5000}));
}

TEST_F(ControlPanelTest, WithoutAFileChangesAreOnlyStored) {
    host.loaded = false;
    create();
    slider()->setValue(100);
    checkBox(kw::text::kMute)->click();
    checkBox(kw::text::kFileLoop)->click();
    panel->findChild<QComboBox*>()->setCurrentIndex(1);
    EXPECT_EQ(host.level, 0);
    EXPECT_TRUE(host.mute);
    EXPECT_FALSE(host.loop);
    EXPECT_EQ(host.mode, 1);
    EXPECT_TRUE(host.playerLevels.empty());
    EXPECT_EQ(host.statusRefreshes, 0);
    EXPECT_EQ(rows->rowCount(), 0);
}

TEST_F(ControlPanelTest, ModeChangeRenumbersAndRemarksWithoutNewRows) {
    host.current = 3;
    openFile();
    EXPECT_EQ(listCell(3, 1), kw::text::kPointerMark.toString());
    int resets = 0;
    QObject::connect(rows, &QAbstractItemModel::modelReset, [&] { ++resets; });
    QObject::connect(rows, &QAbstractItemModel::rowsInserted, [&] { ++resets; });

    panel->findChild<QComboBox*>()->setCurrentIndex(1); // pairs (0,1), (2,3), (4,5)
    EXPECT_EQ(host.mode, 1);
    EXPECT_EQ(host.statusRefreshes, 1);
    EXPECT_EQ(resets, 0);
    const QStringList numbers{"1", "", "2", "", "3", ""};
    for (int row = 0; row < 6; ++row)
        EXPECT_EQ(listCell(row, 2), numbers[row]) << row;
    EXPECT_EQ(listCell(3, 1), "");
    EXPECT_EQ(listCell(2, 1), kw::text::kPointerMark.toString());
}

TEST_F(ControlPanelTest, RepeatCountEntryIsClampedAndShown) {
    create();
    const struct {
        std::optional<QString> entry;
        int count;
    } cases[] = {{"12", 9}, {"abc", 0}, {"5", 5}, {std::nullopt, 5}};
    for (const auto& c : cases) {
        answerDialogs(c.entry);
        click(child<QPushButton>("countButton"));
        EXPECT_EQ(host.count, c.count);
        EXPECT_EQ(child<QLabel>("count")->text(), QString::number(c.count));
    }
}

struct OffsetCase {
    const char* entry;
    std::int64_t position;
    int curLine;
    int offset;
    int newCurLine;
    const char* shown;
};

class OffsetChangeTest : public ControlPanelTest,
                         public ::testing::WithParamInterface<OffsetCase> {};

TEST_P(OffsetChangeTest, MovesTheLinesAndFollowsThePlayingPosition) {
    const OffsetCase& c = GetParam();
    host.current = c.curLine;
    host.position = c.position;
    openFile();
    answerDialogs(QString::fromUtf8(c.entry));
    click(child<QPushButton>("offsetButton"));

    EXPECT_EQ(host.offset, c.offset);
    EXPECT_EQ(child<QLabel>("offset")->text(), QString::fromUtf8(c.shown));
    EXPECT_EQ(host.table.line(0).startMs, 1000 - c.offset);
    EXPECT_EQ(listCell(0, 0), kw::formatTime(1000 - c.offset));
    EXPECT_EQ(listCell(5, 0), kw::formatTime(6000 - c.offset));
    EXPECT_EQ(host.current, c.newCurLine);
    // Only a changed line restarts the repetition count.
    EXPECT_EQ(host.curLineSets.size(), c.newCurLine == c.curLine ? 0u : 1u);
    EXPECT_EQ(host.statusRefreshes, 1);
    EXPECT_EQ(listCell(c.newCurLine, 1), kw::text::kPointerMark.toString());
}

// Lines start at 1000, 2000, ... 6000 ms before the offset.
INSTANTIATE_TEST_SUITE_P(
    Entries, OffsetChangeTest,
    ::testing::Values(
        // Right after opening, the position is the first line's old start: still line 0.
        OffsetCase{"-3500", 1000, 0, -2000, 0, "延后2000毫秒"},
        OffsetCase{"-500", 1000, 0, -500, 0, "延后500毫秒"},
        OffsetCase{"1000", 2100, 1, 1000, 2, "提前1000毫秒"},
        OffsetCase{"-1000", 2100, 1, -1000, 0, "延后1000毫秒"},
        OffsetCase{"0", 4500, 3, 0, 3, "0"}));

TEST_F(ControlPanelTest, CancelledOffsetDialogChangesNothing) {
    host.position = 2100;
    host.current = 1;
    openFile();
    answerDialogs(std::nullopt);
    click(child<QPushButton>("offsetButton"));
    EXPECT_EQ(host.offset, 0);
    EXPECT_EQ(host.table.line(0).startMs, 1000);
    EXPECT_EQ(host.statusRefreshes, 0);
}

TEST_F(ControlPanelTest, OffsetButtonWorksOnlyWithAFile) {
    openFile();
    panel->showOpenedFile(300);
    EXPECT_EQ(child<QLabel>("offset")->text(), "提前300毫秒");
    EXPECT_TRUE(child<QPushButton>("offsetButton")->isEnabled());

    panel->showNoFile();
    EXPECT_EQ(child<QLabel>("offset")->text(), "0");
    int dialogs = 0;
    ModalRunner runner;
    runner.runDialog = [&](QDialog&) {
        return ++dialogs, int(kCancelled);
    };
    panel->setModalRunner(runner);
    click(child<QPushButton>("offsetButton"));
    EXPECT_EQ(dialogs, 0);
}

TEST_F(ControlPanelTest, LaysOutSeparatorsAndThePageArea) {
    create();
    panel->show();
    QWidget page;
    panel->setPageWidget(&page);
    EXPECT_EQ(page.parentWidget(), panel.get());
    EXPECT_EQ(page.geometry(), QRect(760, 5, 1000 - 763, ControlPanel::kHeight - 10));

    QList<int> verticalAt;
    for (const QFrame* line : panel->findChildren<QFrame*>(Qt::FindDirectChildrenOnly)) {
        if (line->frameShape() == QFrame::VLine) {
            EXPECT_EQ(line->geometry().size(), QSize(2, ControlPanel::kHeight));
            verticalAt.append(line->x());
        } else if (line->frameShape() == QFrame::HLine) {
            EXPECT_EQ(line->width(), 1001);
            EXPECT_TRUE(line->y() == 0 || line->y() == ControlPanel::kHeight - 2);
        }
    }
    std::sort(verticalAt.begin(), verticalAt.end());
    EXPECT_EQ(verticalAt, (QList<int>{210, 345, 480, 605, 755}));

    panel->resize(1200, 100);
    EXPECT_EQ(page.geometry(), QRect(760, 5, 1200 - 763, 90));
    page.setParent(nullptr);
}

TEST_F(ControlPanelTest, BannerClickOpensTheProductPage) {
    create();
    panel->show();
    QWidget* banner = nullptr;
    for (QWidget* w : panel->findChildren<QWidget*>())
        if (w->size() == QSize(125, 60))
            banner = w;
    ASSERT_NE(banner, nullptr);
    click(banner);
    EXPECT_EQ(host.pageOpens, 1);
}

} // namespace
