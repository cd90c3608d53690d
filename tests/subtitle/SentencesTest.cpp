#include "subtitle/Sentences.h"

#include "TempDir.h"
#include "subtitle/LineTable.h"

#include <gtest/gtest.h>
#include <vector>

using kw::Grouping;
using kw::LineRange;

namespace {

struct ModeCase {
    int mode;
    int n;
    // For every sentence number from 1: its lines.
    std::vector<LineRange> sentences;
};

const ModeCase kModeCases[] = {
    {0, 1, {{0, 0}}},
    {1, 1, {{0, 0}}},
    {2, 1, {{0, 0}}},
    {0, 2, {{0, 0}, {1, 1}}},
    {1, 2, {{0, 1}}},
    {2, 2, {{0, 0}, {1, 1}}},
    {0, 4, {{0, 0}, {1, 1}, {2, 2}, {3, 3}}},
    {1, 4, {{0, 1}, {2, 3}}},
    {2, 4, {{0, 0}, {1, 2}, {3, 3}}},
    {0, 5, {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 4}}},
    {1, 5, {{0, 1}, {2, 3}, {4, 4}}},
    {2, 5, {{0, 0}, {1, 2}, {3, 4}}},
};

} // namespace

TEST(Grouping, SentencesAndLinesAgreeInEveryMode) {
    for (const ModeCase& c : kModeCases) {
        const Grouping g{c.mode, c.n};
        SCOPED_TRACE(testing::Message() << "mode " << c.mode << " n " << c.n);
        ASSERT_EQ(g.sentenceCount(), int(c.sentences.size()));
        for (int s = 1; s <= g.sentenceCount(); ++s) {
            const LineRange range = c.sentences[std::size_t(s - 1)];
            EXPECT_EQ(g.linesOfSentence(s), range) << "sentence " << s;
            for (int line = range.first; line <= range.last; ++line) {
                bool head = false;
                EXPECT_EQ(g.sentenceOfLine(line, &head), s) << "line " << line;
                EXPECT_EQ(head, line == range.first) << "line " << line;
            }
        }
    }
}

TEST(Grouping, ModeChangeRenumbersWithoutMovingTheLine) {
    EXPECT_EQ((Grouping{0, 8}.sentenceOfLine(3)), 4);
    EXPECT_EQ((Grouping{1, 8}.sentenceOfLine(3)), 2);
}

TEST(Grouping, LineEndsAndSentenceText) {
    kwtest::TempDir dir;
    kw::LineTable table;
    ASSERT_EQ(table.load(dir.write("t.lrc", "[00:01.00]Hi.\n[00:02.00]你好。\n[00:04.00]Bye.\n")),
              kw::LineTable::Loaded);
    EXPECT_EQ(kw::lineEndMs(table, 0, 9000), 2000); // the next line, even inside one sentence
    EXPECT_EQ(kw::lineEndMs(table, 1, 9000), 4000);
    EXPECT_EQ(kw::lineEndMs(table, 2, 9000), 9000);
    EXPECT_EQ(kw::sentenceText(table, Grouping{1, 3}, 1), QStringLiteral("Hi.\r\n你好。"));
    EXPECT_EQ(kw::sentenceText(table, Grouping{1, 3}, 2), QStringLiteral("Bye."));
    EXPECT_EQ(kw::sentenceText(table, Grouping{0, 3}, 2), QStringLiteral("你好。"));
}
