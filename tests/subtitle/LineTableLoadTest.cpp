#include "LrcBytes.h"
#include "TempDir.h"
#include "subtitle/LineTable.h"
#include "subtitle/LrcScanner.h"

#include <QDir>
#include <gtest/gtest.h>
#include <utility>
#include <vector>

using kw::LineTable;
using kwtest::Encoding;

namespace {

using Row = std::pair<std::int32_t, QString>;

std::vector<Row> rows(const LineTable& table) {
    std::vector<Row> out;
    for (int i = 0; i < table.count(); ++i)
        out.emplace_back(table.line(i).startMs, table.line(i).text);
    return out;
}

class LineTableLoad : public ::testing::Test {
protected:
    // Loads `bytes` written to a file; returns load's result.
    int load(const QByteArray& bytes) { return table.load(dir.write("t.lrc", bytes)); }
    int loadText(const QString& text) { return load(text.toUtf8()); }

    kwtest::TempDir dir;
    LineTable table;
};

const QString kWorkedExample =
    QStringLiteral("[ti:Lesson 1]\r\n[offset:200]\r\n[00:01.50]Hello.\r\n"
                   "[00:03.00][00:10.00]Good morning.\r\n"
                   "[00:05.20]How are you?\r\n");

} // namespace

TEST_F(LineTableLoad, WorkedExample) {
    ASSERT_EQ(loadText(kWorkedExample), LineTable::Loaded);
    EXPECT_EQ(rows(table), (std::vector<Row>{{1300, "Hello."},
                                             {2800, "Good morning."},
                                             {5000, "How are you?"},
                                             {9800, "Good morning."}}));
    EXPECT_EQ(table.header(), QStringLiteral("[ti:Lesson 1]\r\n[offset:200]\r\n"));
    EXPECT_EQ(table.fileOffsetMs(), 200);
    EXPECT_EQ(table.appliedOffsetMs(), 0);
    EXPECT_FALSE(table.modified());
}

TEST_F(LineTableLoad, EveryEncodingGivesTheSameTable) {
    const QString text = QStringLiteral("[ti:课文]\n[00:01.00]Where is the station?\r\n"
                                        "[00:03.20]车站在哪里？\r[00:06.00]Turn left.\n");
    ASSERT_EQ(loadText(text), LineTable::Loaded);
    const auto expected = rows(table);
    const QString header = table.header();
    ASSERT_EQ(expected.size(), 3u);
    EXPECT_EQ(expected[1].second, QStringLiteral("车站在哪里？"));
    for (Encoding e : {Encoding::Utf16Le, Encoding::Utf16Be, Encoding::Utf8Signature,
                       Encoding::Utf8, Encoding::Gb18030}) {
        LineTable other;
        ASSERT_EQ(other.load(dir.write("e.lrc", kwtest::encodeLrc(text, e))), LineTable::Loaded);
        EXPECT_EQ(rows(other), expected) << int(e);
        EXPECT_EQ(other.header(), header) << int(e);
    }
}

TEST_F(LineTableLoad, TagGroups) {
    ASSERT_EQ(loadText("[00:01.00][00:05.00]Hello"), LineTable::Loaded);
    EXPECT_EQ(rows(table), (std::vector<Row>{{1000, "Hello"}, {5000, "Hello"}}));

    ASSERT_EQ(loadText("[00:01.00] [00:05.00]Hello"), LineTable::Loaded);
    EXPECT_EQ(rows(table), (std::vector<Row>{{1000, " [00:05.00]Hello"}}));

    // A time tag in the middle of an untagged line still counts.
    ASSERT_EQ(loadText("[00:01.00]a\r\nnoise [00:02.00]b"), LineTable::Loaded);
    EXPECT_EQ(rows(table), (std::vector<Row>{{1000, "a"}, {2000, "b"}}));
}

TEST_F(LineTableLoad, OffsetTag) {
    const struct {
        const char* file;
        std::int32_t fileOffset;
        std::int32_t start;
    } cases[] = {
        {"[offset:500]\n[00:10.00]x", 500, 9500},
        {"[OFFSET:-300]\n[00:10.00]x", -300, 10300},
        {"[offset:20000]\n[00:10.00]x", 0, 10000},
        {"[offset:+500]\n[00:10.00]x", 0, 10000},
        {"[offset: 500]\n[00:10.00]x", 0, 10000},
        {"[offset:50x0]\n[00:10.00]x", 50, 9950},
        {"[offset:99999999999999999999]\n[00:10.00]x", 0, 10000},
        {"[00:10.00]x\n[offset:500]\n[00:20.00]y", 0, 10000},
        {"[offset:100]\n[offset:500]\n[00:10.00]x", 100, 9900},
    };
    for (const auto& c : cases) {
        LineTable t;
        ASSERT_EQ(t.load(dir.write("o.lrc", c.file)), LineTable::Loaded) << c.file;
        EXPECT_EQ(t.fileOffsetMs(), c.fileOffset) << c.file;
        EXPECT_EQ(t.line(0).startMs, c.start) << c.file;
    }
}

TEST_F(LineTableLoad, HeaderKeepsTextBeforeTheFirstTimeTagOnly) {
    ASSERT_EQ(loadText("[ti:T]\n[ar:A]\n\n[00:01.00]a\n[al:B]\nuntagged\n[00:02.00]b\n"),
              LineTable::Loaded);
    EXPECT_EQ(table.header(), QStringLiteral("[ti:T]\r\n[ar:A]\r\n\r\n"));
    EXPECT_EQ(rows(table), (std::vector<Row>{{1000, "a"}, {2000, "b"}}));

    ASSERT_EQ(loadText("[00:01.00]a"), LineTable::Loaded);
    EXPECT_TRUE(table.header().isEmpty());
}

TEST_F(LineTableLoad, LineTexts) {
    ASSERT_EQ(loadText("[00:01.00]\n[00:02.00]" + QString(600, u'x')), LineTable::Loaded);
    EXPECT_TRUE(table.line(0).text.isEmpty());
    EXPECT_EQ(table.line(1).text, QString(511, u'x'));

    // Lines are sorted by time.
    ASSERT_EQ(loadText("[00:05.00]late\n[00:01.00]early\n"), LineTable::Loaded);
    EXPECT_EQ(rows(table), (std::vector<Row>{{1000, "early"}, {5000, "late"}}));
}

TEST_F(LineTableLoad, HeadTagWithoutColonGivesMinusOne) {
    ASSERT_EQ(loadText("[offset:100]\n[12]x\n"), LineTable::Loaded);
    EXPECT_EQ(table.line(0).startMs, -101);
    EXPECT_EQ(loadText("[00:01.00][12]x\n"), LineTable::Invalid);
}

TEST_F(LineTableLoad, Failures) {
    const QByteArray invalid[] = {
        "",
        "no tags at all",
        "[00:01.00]a\n[00:02.00",
        "[offset:100",
        "[00:01.00]a\n[0" + QByteArray(63, '0') + "]b",
        QByteArray("[\0"
                   "0\0"
                   "0\0:\0",
                   8), // UTF-16 without a mark
    };
    for (const QByteArray& bytes : invalid)
        EXPECT_EQ(load(bytes), LineTable::Invalid) << bytes.toStdString();
    // 63 units of content are still a tag.
    EXPECT_EQ(load("[00:01.00]a\n[0" + QByteArray(62, '0') + "]b"), LineTable::Loaded);
}

TEST_F(LineTableLoad, MissingFileSetsErrno) {
    errno = 0;
    EXPECT_EQ(table.load(dir.path("missing.lrc")), LineTable::CannotOpen);
    EXPECT_EQ(errno, ENOENT);
    EXPECT_EQ(table.loadErrno(), ENOENT);

    // A folder opens but cannot be read.
    ASSERT_TRUE(QDir().mkpath(dir.path("folder.lrc")));
    EXPECT_EQ(table.load(dir.path("folder.lrc")), LineTable::CannotOpen);
    EXPECT_EQ(table.loadErrno(), EISDIR);
}

TEST_F(LineTableLoad, ReadsOnlyTheFirst204799Bytes) {
    QByteArray bytes = "[00:01.00]first\n[00:02.00]";
    bytes += QByteArray(LineTable::kMaxFileBytes - bytes.size() - 3, 'y');
    bytes += "abcdef\n[00:03.00]beyond\n";
    ASSERT_EQ(load(bytes), LineTable::Loaded);
    ASSERT_EQ(table.count(), 2);
    EXPECT_EQ(table.line(1).text, QString(kw::kMaxLineTextLength, u'y'));
}

TEST_F(LineTableLoad, LongHeaderIsCutToItsField) {
    // 150,000 line feeds become 300,000 units once every line end is CR LF.
    ASSERT_EQ(load(QByteArray(150000, '\n') + "[00:01.00]x"), LineTable::Loaded);
    EXPECT_EQ(table.header().size(), kw::kMaxHeaderLength);
    EXPECT_EQ(table.line(0).text, QStringLiteral("x"));
}

TEST(LineTableLineAt, FindsThePlayingLine) {
    kwtest::TempDir dir;
    LineTable table;
    ASSERT_EQ(
        table.load(dir.write("t.lrc", "[00:01.00]a\n[00:02.00]b\n[00:02.00]c\n[00:04.00]d\n")),
        LineTable::Loaded);
    const struct {
        std::int64_t t;
        int line;
    } cases[] = {{0, 0},    {999, 0},  {1000, 0}, {1999, 0},
                 {2000, 2}, {3999, 2}, {4000, 3}, {99999, 3}};
    for (const auto& c : cases)
        EXPECT_EQ(table.lineAt(c.t), c.line) << c.t;
}

TEST(LineTableEdit, SetTextCutsAndMarksModified) {
    kwtest::TempDir dir;
    LineTable table;
    ASSERT_EQ(table.load(dir.write("t.lrc", "[00:01.00]a\n")), LineTable::Loaded);
    table.setText(0, QString(600, u'z'));
    EXPECT_EQ(table.line(0).text, QString(511, u'z'));
    EXPECT_TRUE(table.modified());
}
