#include "FakeHost.h"
#include "subtitle/TimeText.h"
#include "texts/UiTexts.h"
#include "ui/AdjustTimeDialog.h"
#include "ui/EditTextDialog.h"
#include "ui/NumberDialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <gtest/gtest.h>

using namespace kw::ui;

namespace {

bool showsText(const QWidget& dialog, QStringView text) {
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        if (label->text() == text)
            return true;
    return false;
}

TEST(EditTextDialog, ShowsTheLineAndEndsUnchangedWithoutAnEdit) {
    kw::LineTable table = kwtest::makeTable(3);
    EditTextDialog dialog(table, 1, nullptr);
    EXPECT_EQ(dialog.windowTitle(), kw::text::kEditTitle.toString());
    EXPECT_TRUE(showsText(dialog, kw::text::kEditLabel));
    EXPECT_TRUE(showsText(dialog, u"行号：2"));
    auto* edit = dialog.findChild<QPlainTextEdit*>();
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->toPlainText(), "line 1");

    dialog.accept();
    EXPECT_EQ(dialog.result(), kCancelled);
    EXPECT_FALSE(table.modified());
}

TEST(EditTextDialog, StoresAChangedTextAsEntered) {
    kw::LineTable table = kwtest::makeTable(3);
    EditTextDialog dialog(table, 1, nullptr);
    // Only letter case differs: still a change.
    dialog.findChild<QPlainTextEdit*>()->setPlainText("Line 1\nsecond row");
    dialog.accept();
    EXPECT_EQ(dialog.result(), kAccepted);
    EXPECT_EQ(table.line(1).text, "Line 1\nsecond row");
    EXPECT_TRUE(table.modified());
}

TEST(EditTextDialog, OkOnAnUnchangedFullLengthLineKeepsEveryCharacter) {
    kw::LineTable table = kwtest::makeTable(1);
    const QString full(kw::kMaxLineTextLength, u'x');
    table.setText(0, full);
    EditTextDialog dialog(table, 0, nullptr);
    dialog.accept();
    EXPECT_EQ(dialog.result(), kCancelled);
    EXPECT_EQ(table.line(0).text, full);
}

TEST(EditTextDialog, CancelChangesNothing) {
    kw::LineTable table = kwtest::makeTable(2);
    EditTextDialog dialog(table, 0, nullptr);
    dialog.findChild<QPlainTextEdit*>()->setPlainText("other");
    dialog.reject();
    EXPECT_EQ(dialog.result(), kCancelled);
    EXPECT_EQ(table.line(0).text, "line 0");
    EXPECT_FALSE(table.modified());
}

struct TimeCase {
    int lines;
    int line;
    const char* entry;
    int result; // 0: refused, the dialog stays open
};

class AdjustTimeDialogTest : public ::testing::TestWithParam<TimeCase> {};

TEST_P(AdjustTimeDialogTest, ChecksFormAndOrder) {
    const TimeCase& c = GetParam();
    kw::LineTable table = kwtest::makeTable(c.lines);
    const kw::LineTable original = table;
    int warnings = 0;
    AdjustTimeDialog dialog(
        table, c.line, [&] { ++warnings; }, nullptr);
    auto* edit = dialog.findChild<QLineEdit*>();
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->text(), kw::formatTime(original.line(c.line).startMs));

    edit->setText(QString::fromUtf8(c.entry));
    dialog.accept();
    EXPECT_EQ(dialog.result(), c.result);
    EXPECT_EQ(warnings, c.result == 0 ? 1 : 0);
    if (c.result == 0) {
        EXPECT_EQ(edit->selectedText(), edit->text());
        EXPECT_EQ(table.line(c.line).startMs, original.line(c.line).startMs);
    }
    EXPECT_EQ(table.modified(), c.result == kAccepted);
    if (c.result == kAccepted) {
        EXPECT_EQ(kw::formatTime(table.line(c.line).startMs), QString::fromUtf8(c.entry));
    }
}

// Lines start at 1000, 2000, 3000, ... ms.
INSTANTIATE_TEST_SUITE_P(
    Entries, AdjustTimeDialogTest,
    ::testing::Values(TimeCase{3, 0, "00:00.5", 0}, TimeCase{3, 0, "00:00.50", kAccepted},
                      TimeCase{3, 1, "2:2.2", 0}, TimeCase{3, 2, "02:60.00", 0},
                      TimeCase{3, 2, " 02:02.02", 0}, TimeCase{3, 2, "01:02:03.04", 0},
                      TimeCase{3, 2, "02:02.02", kAccepted}, TimeCase{3, 2, "123:00.00", kAccepted},
                      TimeCase{3, 1, "123:00.00", 0}, TimeCase{2, 0, "00:02.00", 0},
                      TimeCase{3, 1, "00:01.00", 0}, TimeCase{3, 1, "00:02.00", kCancelled},
                      TimeCase{1, 0, "123:00.00", kAccepted},
                      TimeCase{1, 0, "00:00.00", kAccepted}));

TEST(AdjustTimeDialog, ShowsTheRules) {
    kw::LineTable table = kwtest::makeTable(3);
    AdjustTimeDialog dialog(
        table, 2, [] {}, nullptr);
    EXPECT_EQ(dialog.windowTitle(), kw::text::kAdjustTitle.toString());
    for (const QStringView text :
         {QStringView(u"行号：3"), kw::text::kAdjustLabel, kw::text::kAdjustRuleOrder,
          kw::text::kAdjustRuleFormat, kw::text::kAdjustMinutes, kw::text::kAdjustSeconds,
          kw::text::kAdjustHundredths, kw::text::kAdjustRight, kw::text::kAdjustWrong})
        EXPECT_TRUE(showsText(dialog, text)) << text.toString().toStdString();
}

TEST(NumberDialog, ShowsTheValueAndReadsTheEntryByItsRule) {
    const auto count = NumberDialog::repeatCount(3, nullptr);
    EXPECT_EQ(count->windowTitle(), kw::text::kRepeatTitle.toString());
    EXPECT_TRUE(showsText(*count, kw::text::kRepeatEndless));
    EXPECT_EQ(count->findChild<QLineEdit*>()->text(), "3");
    count->findChild<QLineEdit*>()->setText("12");
    count->accept();
    EXPECT_EQ(count->result(), kAccepted);
    EXPECT_EQ(count->value(), 9);

    const auto offset = NumberDialog::offset(-300, nullptr);
    EXPECT_EQ(offset->windowTitle(), kw::text::kOffsetTitle.toString());
    EXPECT_TRUE(showsText(*offset, kw::text::kOffsetNegative));
    EXPECT_EQ(offset->findChild<QLineEdit*>()->text(), "-300");
    offset->reject();
    EXPECT_EQ(offset->result(), kCancelled);
    EXPECT_EQ(offset->value(), -300);
}

} // namespace
