#include "split/SplitDialog.h"

#include "FakeTool.h"
#include "LessonTable.h"
#include "TempDir.h"
#include "split/FolderProbe.h"
#include "split/SplitJob.h"
#include "split/SplitProgressDialog.h"
#include "texts/SplitTexts.h"
#include "ui/BusyIndicator.h"

#include <QAbstractButton>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using kw::SplitDialog;
using State = kw::ToolRunner::State;

namespace {

struct Message {
    QMessageBox::Icon icon;
    QString text;
};

class SplitDialogTest : public testing::Test {
protected:
    SplitDialogTest() {
        seams.warningSound = [this] {
            ++warnings;
        };
        seams.chooseFolder = [this](QWidget*, const QString& title) {
            chooserTitles << title;
            return chosenFolder;
        };
        seams.showMessage = [this](QWidget*, QMessageBox::Icon icon, const QString& text) {
            messages.push_back({icon, text});
        };
        seams.makeRunner = [this] {
            return tool.makeRunner();
        };
    }

    // A dialog over eight one-line sentences of /m/lesson.mp3, shown and active.
    std::unique_ptr<SplitDialog> openDialog(int lrcMode = kw::kOneLine) {
        auto dialog = std::make_unique<SplitDialog>(
            kw::SplitSource{table, lrcMode, "/m/lesson.mp3", "/opt/mp3splt"}, seams);
        dialog->show();
        dialog->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
        return dialog;
    }
    static QLineEdit* entry(QWidget* dialog, const char* name) {
        return dialog->findChild<QLineEdit*>(name);
    }
    static QAbstractButton* button(QWidget* dialog, QStringView text) {
        for (auto* b : dialog->findChildren<QAbstractButton*>()) {
            if (b->text() == text)
                return b;
        }
        ADD_FAILURE() << "no button " << text.toString().toStdString();
        return nullptr;
    }
    void chooseFolder(QWidget* dialog, const QString& folder) {
        chosenFolder = folder;
        QTest::mouseClick(button(dialog, kw::text::kSplitFolderButton), Qt::LeftButton);
    }
    void clickCut(QWidget* dialog) {
        QTest::mouseClick(button(dialog, kw::text::kSplitOk), Qt::LeftButton);
    }

    kw::LineTable table = kwtest::lessonTable({0, 1000, 2000, 3000, 4000, 5000, 6000, 7000});
    kwtest::TempDir dir;
    kwtest::FakeTool tool;
    kw::SplitSeams seams;
    int warnings = 0;
    QString chosenFolder;
    QStringList chooserTitles;
    std::vector<Message> messages;
};

QStringList visibleTexts(QWidget* dialog) {
    QStringList texts{dialog->windowTitle()};
    for (auto* w : dialog->findChildren<QLabel*>())
        texts << w->text();
    for (auto* w : dialog->findChildren<QGroupBox*>())
        texts << w->title();
    for (auto* w : dialog->findChildren<QAbstractButton*>())
        texts << w->text();
    return texts;
}

} // namespace

TEST_F(SplitDialogTest, OpensWithItsTextsAndStartValues) {
    auto dialog = openDialog();
    namespace t = kw::text;
    for (QStringView text :
         {t::kSplitTitle, t::kSplitGroup, t::kSplitStart, t::kSplitEnd, t::kSplitPerPiece,
          t::kSplitNaming, t::kSplitNamingRule, t::kSplitFirstNumber, t::kSplitFolder,
          t::kSplitFolderButton, t::kSplitFolderHint, t::kSplitCutMode, t::kSplitFrameMode,
          t::kSplitBitrateMode, t::kSplitCutModeHint, t::kSplitOk, t::kSplitCancel})
        EXPECT_TRUE(visibleTexts(dialog.get()).contains(text.toString()))
            << text.toString().toStdString();
    EXPECT_EQ(entry(dialog.get(), "start")->text(), "1");
    EXPECT_EQ(entry(dialog.get(), "end")->text(), "8");
    EXPECT_EQ(entry(dialog.get(), "perPiece")->text(), "1");
    EXPECT_EQ(entry(dialog.get(), "firstNumber")->text(), "0");
    EXPECT_EQ(entry(dialog.get(), "folder")->text(), "");
    EXPECT_TRUE(entry(dialog.get(), "folder")->isReadOnly());
    EXPECT_TRUE(dialog->findChild<QRadioButton*>("frameMode")->isChecked());
    // The end is the last sentence of the grouping mode in use.
    EXPECT_EQ(entry(openDialog(kw::kPairsFromSecond).get(), "end")->text(), "5");
}

TEST_F(SplitDialogTest, FolderChooserFillsTheFolderUnlessCancelled) {
    auto dialog = openDialog();
    chooseFolder(dialog.get(), "/home/u/片段");
    EXPECT_EQ(chooserTitles, QStringList{kw::text::kSplitFolderChooser.toString()});
    EXPECT_EQ(entry(dialog.get(), "folder")->text(), "/home/u/片段");
    chooseFolder(dialog.get(), "");
    EXPECT_EQ(entry(dialog.get(), "folder")->text(), "/home/u/片段");
}

TEST_F(SplitDialogTest, EmptyFolderWarnsAndKeepsTheDialogOpen) {
    auto dialog = openDialog();
    clickCut(dialog.get());
    EXPECT_EQ(warnings, 1);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(entry(dialog.get(), "folder")->hasFocus());
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(tool.runs.empty());
}

TEST_F(SplitDialogTest, FolderThatTakesNoFilesIsReportedAndNothingIsCut) {
    auto dialog = openDialog();
    dir.write("plain file", "x");
    chooseFolder(dialog.get(), dir.path("plain file/pieces"));
    clickCut(dialog.get());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].icon, QMessageBox::Critical);
    EXPECT_EQ(messages[0].text, kw::text::kSplitProbeFailed.toString().arg(
                                    QString::fromLocal8Bit(strerror(ENOTDIR))));
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(warnings, 0);
    EXPECT_TRUE(tool.runs.empty());
}

TEST_F(SplitDialogTest, EntriesAreClampedWrittenBackAndTheJobRuns) {
    auto dialog = openDialog();
    entry(dialog.get(), "start")->setText("99");
    entry(dialog.get(), "end")->setText("");
    entry(dialog.get(), "perPiece")->setText("0");
    entry(dialog.get(), "firstNumber")->setText("5");
    dialog->findChild<QRadioButton*>("bitrateMode")->setChecked(true);
    const QString folder = dir.path("片段 out");
    QDir().mkpath(folder);
    chooseFolder(dialog.get(), folder + "/");
    clickCut(dialog.get());

    EXPECT_EQ(entry(dialog.get(), "start")->text(), "8");
    EXPECT_EQ(entry(dialog.get(), "end")->text(), "8");
    EXPECT_EQ(entry(dialog.get(), "perPiece")->text(), "1");
    EXPECT_EQ(entry(dialog.get(), "firstNumber")->text(), "5");
    ASSERT_EQ(tool.runs.size(), 1u);
    EXPECT_EQ(tool.runs[0],
              QStringList({"/m/lesson.mp3", "0.7.00", "EOF", "-d", folder, "-o", "lesson_0005"}));
    EXPECT_FALSE(QFile::exists(QDir(folder).filePath(kw::kProbeFileName)));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].icon, QMessageBox::Information);
    EXPECT_EQ(messages[0].text, kw::text::kSplitDone.toString());
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(SplitDialogTest, AbortEndsTheJobAndLeavesTheRunningPieceAlone) {
    tool.outcome = [](int) {
        return State::Running;
    };
    auto dialog = openDialog();
    entry(dialog.get(), "perPiece")->setText("2");
    chooseFolder(dialog.get(), dir.path(""));
    QString countShown;
    bool progressWasModal = false;
    bool busyBefore = false;
    bool busyAfter = true;
    QTimer::singleShot(3 * kw::SplitProgressDialog::kPollMs + 50, [&] {
        auto* progress = dialog->findChild<kw::SplitProgressDialog*>();
        ASSERT_NE(progress, nullptr);
        progressWasModal = QApplication::activeModalWidget() == progress;
        countShown = progress->findChild<QLabel*>("count")->text();
        auto* busy = progress->findChild<kw::BusyIndicator*>();
        busyBefore = busy->isRunning();
        EXPECT_EQ(progress->windowTitle(), kw::text::kSplitRunning.toString());
        QTest::mouseClick(button(progress, kw::text::kSplitAbort), Qt::LeftButton);
        busyAfter = busy->isRunning();
    });
    clickCut(dialog.get());

    EXPECT_TRUE(progressWasModal);
    EXPECT_EQ(countShown, "1 / 4");
    EXPECT_TRUE(busyBefore);
    EXPECT_FALSE(busyAfter);
    EXPECT_EQ(tool.runs.size(), 1u);
    EXPECT_EQ(tool.releasedWhileRunning, 1);
    EXPECT_TRUE(QFile::exists(dir.path("lesson_0000.lrc")));
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(SplitDialogTest, ProgressCountsPiecesAndNamesTheFailedOnes) {
    tool.outcome = [](int run) {
        return run == 2 ? State::Failed : State::Succeeded;
    };
    kw::SplitSettings settings;
    settings.end = 3;
    settings.folder = dir.path("");
    std::unique_ptr<kw::ToolRunner> runner = tool.makeRunner();
    kw::SplitJob job(table, kw::SplitPlan(table, kw::kOneLine, settings, "/m/lesson.mp3"),
                     "/opt/mp3splt", *runner);
    kw::SplitProgressDialog progress(job, seams.showMessage);
    QStringList counts;
    auto* count = progress.findChild<QLabel*>("count");
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (counts.isEmpty() || counts.last() != count->text())
            counts << count->text();
    });
    watch.start(10);
    EXPECT_EQ(progress.exec(), QDialog::Accepted);
    EXPECT_EQ(counts, QStringList({"", "1 / 3", "2 / 3", "3 / 3"}));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].icon, QMessageBox::Warning);
    EXPECT_EQ(messages[0].text, kw::text::kSplitDoneWithFailures.toString().arg("lesson_0001"));
}

TEST(BusyIndicator, TurnsWhileRunningAndStandsStillWhenStopped) {
    kw::BusyIndicator busy;
    busy.show();
    busy.start();
    const int first = busy.headDot();
    QTest::qWait(250);
    EXPECT_NE(busy.headDot(), first);
    busy.stop();
    const int stopped = busy.headDot();
    QTest::qWait(250);
    EXPECT_EQ(busy.headDot(), stopped);
    EXPECT_FALSE(busy.isRunning());
}
