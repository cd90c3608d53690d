#include "FileSizeLimit.h"
#include "LrcBytes.h"
#include "TempDir.h"
#include "subtitle/LineTable.h"
#include "subtitle/TimeText.h"

#include <QFile>
#include <QStringDecoder>
#include <cerrno>
#include <gtest/gtest.h>

using kw::LineTable;
using kwtest::Encoding;

namespace {

const QString kWorkedExample =
    QStringLiteral("[ti:Lesson 1]\r\n[offset:200]\r\n[00:01.50]Hello.\r\n"
                   "[00:03.00][00:10.00]Good morning.\r\n"
                   "[00:05.20]How are you?\r\n");

QByteArray utf16Le(const QString& text) {
    return kwtest::encodeLrc(text, Encoding::Utf16Le);
}

class LineTableSave : public ::testing::Test {
protected:
    // Loads `bytes` from t.lrc and marks the table edited without changing a line.
    void loadEdited(const QByteArray& bytes) {
        path = dir.write("t.lrc", bytes);
        ASSERT_EQ(table.load(path), LineTable::Loaded);
        table.setText(0, table.line(0).text);
    }
    QByteArray saved() const { return kwtest::TempDir::read(path); }

    kwtest::TempDir dir;
    LineTable table;
    QString path;
};

} // namespace

TEST_F(LineTableSave, WorkedExampleWithUserOffsetRoundTrips) {
    loadEdited(kWorkedExample.toUtf8());
    table.applyOffset(100);
    ASSERT_EQ(table.line(0).startMs, 1200);
    ASSERT_EQ(table.save(), 0);
    EXPECT_FALSE(table.modified());
    EXPECT_EQ(saved(), utf16Le("[ti:Lesson 1]\r\n[offset:200]\r\n[00:01.50]Hello.\r\n"
                               "[00:03.00]Good morning.\r\n[00:05.20]How are you?\r\n"
                               "[00:10.00]Good morning.\r\n"));

    LineTable reread;
    ASSERT_EQ(reread.load(path), LineTable::Loaded);
    reread.applyOffset(100);
    ASSERT_EQ(reread.count(), table.count());
    for (int i = 0; i < table.count(); ++i) {
        EXPECT_EQ(reread.line(i).startMs, table.line(i).startMs) << i;
        EXPECT_EQ(reread.line(i).text, table.line(i).text) << i;
    }
    EXPECT_EQ(reread.header(), table.header());
}

TEST_F(LineTableSave, AnyInputEncodingIsSavedAsUtf16LeWithMark) {
    const QString text =
        QStringLiteral("[ti:课文]\r\n[00:01.00]车站在哪里？\r\n[00:02.00]Left.\r\n");
    for (Encoding e : {Encoding::Utf8, Encoding::Utf8Signature, Encoding::Gb18030,
                       Encoding::Utf16Be, Encoding::Utf16Le}) {
        loadEdited(kwtest::encodeLrc(text, e));
        ASSERT_EQ(table.save(), 0);
        EXPECT_EQ(saved(), utf16Le(text)) << int(e);
    }
}

TEST_F(LineTableSave, TimesAsWritten) {
    const struct {
        const char* file;
        std::int32_t userOffset;
        const char* written;
    } cases[] = {
        // Thousandths are dropped.
        {"[00:12.345]x", 0, "[00:12.34]x\r\n"},
        // The offset tag stays in the header and the time tag comes back unchanged.
        {"[offset:500]\r\n[00:10.00]x", 0, "[offset:500]\r\n[00:10.00]x\r\n"},
        {"[offset:500]\r\n[00:10.00]x", -300, "[offset:500]\r\n[00:10.00]x\r\n"},
        {"[offset:500]\r\n[00:10.00]x", 2000, "[offset:500]\r\n[00:10.00]x\r\n"},
        // Minutes beyond two digits; a negative time is written as zero.
        {"[100:00.00]x", 0, "[100:00.00]x\r\n"},
        {"[12]x", 0, "[00:00.00]x\r\n"},
    };
    for (const auto& c : cases) {
        loadEdited(c.file);
        table.applyOffset(c.userOffset);
        ASSERT_EQ(table.save(), 0) << c.file;
        EXPECT_EQ(saved(), utf16Le(c.written)) << c.file << " " << c.userOffset;
    }
}

TEST_F(LineTableSave, EditedLineBreakIsWrittenAndOnlyItsFirstPartReadBack) {
    loadEdited("[00:01.00]a\r\n[00:02.00]b\r\n");
    table.setText(0, u"one\r\ntwo");
    ASSERT_EQ(table.save(), 0);
    EXPECT_EQ(saved(), utf16Le("[00:01.00]one\r\ntwo\r\n[00:02.00]b\r\n"));
    LineTable reread;
    ASSERT_EQ(reread.load(path), LineTable::Loaded);
    EXPECT_EQ(reread.line(0).text, QStringLiteral("one"));
}

TEST_F(LineTableSave, UnmodifiedTableWritesNothing) {
    path = dir.write("t.lrc", "[00:01.00]a\r\n");
    ASSERT_EQ(table.load(path), LineTable::Loaded);
    ASSERT_TRUE(QFile::remove(path));
    EXPECT_EQ(table.save(), 0);
    EXPECT_FALSE(QFile::exists(path));

    // A successful save clears the flag, so a second save writes nothing either.
    loadEdited("[00:01.00]a\r\n");
    ASSERT_EQ(table.save(), 0);
    ASSERT_TRUE(QFile::remove(path));
    EXPECT_EQ(table.save(), 0);
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(LineTableSave, ReadOnlyFileIsOverwritten) {
    loadEdited("[00:01.00]a\r\n");
    table.setText(0, u"new");
    ASSERT_TRUE(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup));
    ASSERT_EQ(table.save(), 0);
    EXPECT_EQ(saved(), utf16Le("[00:01.00]new\r\n"));
}

TEST_F(LineTableSave, FailureReturnsTheErrorAndKeepsTheOldFile) {
    loadEdited("[00:01.00]a\r\n");
    table.setText(0, QString(kw::kMaxLineTextLength, u'x'));
    {
        // The new file would be larger than any file may grow: the write fails part way.
        kwtest::FileSizeLimit limit(200);
        EXPECT_EQ(table.save(), EFBIG);
    }
    EXPECT_TRUE(table.modified());
    EXPECT_EQ(saved(), QByteArray("[00:01.00]a\r\n"));
    EXPECT_EQ(dir.entries(), QStringList{"t.lrc"}) << "no temporary file left behind";

    const QString missingFolder = dir.path("missing/t.lrc");
    EXPECT_EQ(table.writePiece(0, 0, missingFolder), ENOENT);
    EXPECT_FALSE(QFile::exists(missingFolder));
}

TEST_F(LineTableSave, PiecesStartAtZero) {
    QString text;
    for (int i = 0; i < 20; ++i)
        text += QStringLiteral("[%1]line %2\r\n").arg(kw::formatTime(i * 6500)).arg(i);
    path = dir.write("t.lrc", "[ti:T]\r\n" + text.toUtf8());
    ASSERT_EQ(table.load(path), LineTable::Loaded);
    ASSERT_EQ(table.line(10).startMs, 65000);

    const QString piece = dir.path("piece.lrc");
    ASSERT_EQ(table.writePiece(10, 14, piece), 0);
    EXPECT_EQ(kwtest::TempDir::read(piece),
              utf16Le("[ti:T]\r\n[00:00.00]line 10\r\n[00:06.50]line 11\r\n[00:13.00]line 12\r\n"
                      "[00:19.50]line 13\r\n[00:26.00]line 14\r\n"));
    EXPECT_FALSE(table.modified());

    // With offsets the piece starts at their sum; a piece with no lines has only the header.
    table.applyOffset(300);
    ASSERT_EQ(table.writePiece(0, 0, piece), 0);
    EXPECT_EQ(kwtest::TempDir::read(piece), utf16Le("[ti:T]\r\n[00:00.30]line 0\r\n"));
    ASSERT_EQ(table.writePiece(5, 4, piece), 0);
    EXPECT_EQ(kwtest::TempDir::read(piece), utf16Le("[ti:T]\r\n"));
}

TEST(LineTableOffset, ApplyingReplacesThePreviousOffset) {
    kwtest::TempDir dir;
    LineTable table;
    ASSERT_EQ(table.load(dir.write("t.lrc", "[00:01.00]a\n[00:04.00]b\n")), LineTable::Loaded);
    table.applyOffset(500);
    EXPECT_EQ(table.line(0).startMs, 500);
    table.applyOffset(-200);
    EXPECT_EQ(table.line(0).startMs, 1200);
    EXPECT_EQ(table.line(1).startMs, 4200);
    EXPECT_EQ(table.appliedOffsetMs(), -200);
    EXPECT_FALSE(table.modified()) << "an offset alone never asks to save";

    // Loading again starts from the file's own times.
    table.setText(0, u"edited");
    ASSERT_EQ(table.load(dir.path("t.lrc")), LineTable::Loaded);
    EXPECT_EQ(table.line(0).startMs, 1000);
    EXPECT_EQ(table.appliedOffsetMs(), 0);
    EXPECT_FALSE(table.modified());
}
