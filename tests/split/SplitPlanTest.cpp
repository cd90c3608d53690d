#include "split/SplitPlan.h"

#include "LessonTable.h"

#include <gtest/gtest.h>
#include <limits>
#include <vector>

using kw::LineRange;
using kw::SplitPiece;
using kw::SplitPlan;
using kw::SplitSettings;

namespace {

// Eight one-line sentences; line i starts at 1.07 s + i * 2.03 s.
const kw::LineTable kEight =
    kwtest::lessonTable({1070, 3100, 5130, 7160, 9190, 11220, 13250, 15280});

SplitSettings settings(int start, int end, int perPiece, int firstNumber = 0) {
    SplitSettings s;
    s.start = start;
    s.end = end;
    s.perPiece = perPiece;
    s.firstNumber = firstNumber;
    s.folder = QStringLiteral("/out");
    return s;
}

struct PieceView {
    int firstSentence;
    int lastSentence;
    LineRange lines;
    const char* startTime;
    const char* endTime;
};

void expectPieces(const SplitPlan& plan, const std::vector<PieceView>& expected) {
    ASSERT_EQ(plan.pieceCount(), int(expected.size()));
    for (int k = 1; k <= plan.pieceCount(); ++k) {
        SCOPED_TRACE(testing::Message() << "piece " << k);
        const SplitPiece piece = plan.piece(k);
        const PieceView& want = expected[std::size_t(k - 1)];
        EXPECT_EQ(piece.firstSentence, want.firstSentence);
        EXPECT_EQ(piece.lastSentence, want.lastSentence);
        EXPECT_EQ(piece.lines, want.lines);
        EXPECT_EQ(piece.startTime, QLatin1String(want.startTime));
        EXPECT_EQ(piece.endTime, QLatin1String(want.endTime));
    }
}

} // namespace

TEST(SplitPlan, PiecesOfTwoSentencesStopAtTheChosenEnd) {
    // Sentence 5 is not the last one: its piece ends where sentence 6 starts.
    expectPieces(SplitPlan(kEight, kw::kOneLine, settings(1, 5, 2), "/m/lesson.mp3"),
                 {{1, 2, {0, 1}, "0.1.07", "0.5.13"},
                  {3, 4, {2, 3}, "0.5.13", "0.9.19"},
                  {5, 5, {4, 4}, "0.9.19", "0.11.22"}});
}

TEST(SplitPlan, PieceEndingWithTheLastLineRunsToEndOfFile) {
    expectPieces(SplitPlan(kEight, kw::kOneLine, settings(6, 8, 3), "/m/lesson.mp3"),
                 {{6, 8, {5, 7}, "0.11.22", "EOF"}});
}

TEST(SplitPlan, TwoLineModesWithAShortLastSentence) {
    const kw::LineTable five = kwtest::lessonTable({0, 1000, 2000, 3000, 4000});
    // Pairs from the first line: sentence 3 is line 4 alone.
    expectPieces(SplitPlan(five, kw::kPairsFromFirst, settings(2, 3, 1), "/m/a.mp3"),
                 {{2, 2, {2, 3}, "0.2.00", "0.4.00"}, {3, 3, {4, 4}, "0.4.00", "EOF"}});
    const kw::LineTable four = kwtest::lessonTable({0, 1000, 2000, 3000});
    // Line 0 alone, then pairs: sentence 3 is line 3 alone.
    expectPieces(SplitPlan(four, kw::kPairsFromSecond, settings(1, 3, 2), "/m/a.mp3"),
                 {{1, 2, {0, 2}, "0.0.00", "0.3.00"}, {3, 3, {3, 3}, "0.3.00", "EOF"}});
}

TEST(SplitPlan, ToolTimeWritesHundredthsWithTwoDigits) {
    const struct {
        std::int32_t ms;
        const char* text;
    } cases[] = {{0, "0.0.00"},     {9, "0.0.00"},         {10, "0.0.01"},
                 {61230, "1.1.23"}, {65070, "1.5.07"},     {65700, "1.5.70"},
                 {-500, "0.0.00"},  {3599990, "59.59.99"}, {3600000, "60.0.00"}};
    for (const auto& c : cases)
        EXPECT_EQ(kw::toolTime(c.ms), QLatin1String(c.text)) << c.ms;
}

TEST(SplitPlan, NamesAndSubtitlePathsCountFromTheFirstNumber) {
    SplitSettings s = settings(1, 8, 3, 7);
    s.folder = QStringLiteral("/home/u/片段 one/");
    const SplitPlan plan(kEight, kw::kOneLine, s, "/m/lesson.mp3");
    const QStringList names{plan.piece(1).name, plan.piece(2).name, plan.piece(3).name};
    EXPECT_EQ(names, QStringList({"lesson_0007", "lesson_0008", "lesson_0009"}));
    EXPECT_EQ(plan.piece(2).subtitlePath, QStringLiteral("/home/u/片段 one/lesson_0008.lrc"));

    EXPECT_EQ(kw::pieceName("/m/unit.v2.MP3", 12345), QStringLiteral("unit.v2_12345"));
    EXPECT_EQ(kw::pieceName("/m/a+b@c%d.mp3", 0), QStringLiteral("a_b_c_d_0000"));
    // A first number near the int limit keeps counting instead of wrapping.
    EXPECT_EQ(kw::pieceName("/m/x.mp3", std::int64_t(std::numeric_limits<int>::max()) + 1),
              QStringLiteral("x_2147483648"));
}

TEST(SplitPlan, ArgumentsCarryPathsWhole) {
    SplitSettings s = settings(1, 1, 1);
    s.folder = QStringLiteral("/tmp/-d \"x\" 片段/");
    const QString mp3 = QStringLiteral("/tmp/it's a \"lesson\".mp3");
    SplitPlan frame(kEight, kw::kOneLine, s, mp3);
    EXPECT_EQ(frame.toolArguments(frame.piece(1)),
              QStringList({mp3, "0.1.07", "0.3.10", "-d", "/tmp/-d \"x\" 片段", "-o",
                           "it's a \"lesson\"_0000", "-f"}));
    s.frameMode = false;
    s.folder = QStringLiteral("/");
    SplitPlan estimate(kEight, kw::kOneLine, s, mp3);
    EXPECT_EQ(estimate.toolArguments(estimate.piece(1)).mid(3),
              QStringList({"-d", "/", "-o", "it's a \"lesson\"_0000"}));
    EXPECT_EQ(estimate.piece(1).subtitlePath, QStringLiteral("/it's a \"lesson\"_0000.lrc"));
}

TEST(SplitSettings, EntriesAreClampedToTheSentences) {
    const std::uint32_t big = 4000000000u;
    const struct {
        kw::SplitEntries entries;
        int start, end, perPiece, firstNumber;
    } cases[] = {
        {{1, 5, 2, 0}, 1, 5, 2, 0},
        {{0, 0, 0, 3}, 1, 1, 1, 3},         // zeros (or no number at all) are raised
        {{12, 20, 1, 0}, 8, 8, 1, 0},       // start above N becomes N
        {{5, 3, 1, 0}, 5, 5, 1, 0},         // end below start becomes start
        {{big, big, big, big}, 8, 8, 8, 0}, // beyond int: clamped, first number 0
        {{2, 8, 100, 2147483647u}, 2, 8, 8, 2147483647},
    };
    for (const auto& c : cases) {
        const SplitSettings s = kw::clampEntries(c.entries, 8);
        SCOPED_TRACE(testing::Message() << c.entries.start << " " << c.entries.end << " "
                                        << c.entries.perPiece << " " << c.entries.firstNumber);
        EXPECT_EQ(s.start, c.start);
        EXPECT_EQ(s.end, c.end);
        EXPECT_EQ(s.perPiece, c.perPiece);
        EXPECT_EQ(s.firstNumber, c.firstNumber);
    }
}
