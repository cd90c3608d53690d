#include "repeat/LineSteps.h"

#include "subtitle/Sentences.h"

#include <gtest/gtest.h>

using kw::endsSentence;
using kw::Grouping;
using kw::headLineOf;
using kw::steppedLine;

namespace {

constexpr int kPrev = -1, kNext = 1, kUpFive = -5, kDownFive = 5;

struct StepCase {
    int mode;
    int n;
    int line;
    int sentences;
    int expected;
};

// The navigation commands' known landings, at the ends and in the middle.
const StepCase kStepCases[] = {
    // Mode 0: one line each.
    {0, 10, 0, kPrev, 0},
    {0, 10, 4, kPrev, 3},
    {0, 10, 9, kNext, 9},
    {0, 10, 4, kNext, 5},
    {0, 10, 3, kUpFive, 0},
    {0, 10, 7, kUpFive, 2},
    {0, 10, 7, kDownFive, 9},
    {0, 10, 2, kDownFive, 7},
    // Mode 1: pairs (0,1), (2,3), ...
    {1, 20, 0, kPrev, 0},
    {1, 20, 1, kPrev, 0},
    {1, 20, 5, kPrev, 2},
    {1, 20, 4, kPrev, 2},
    {1, 20, 4, kNext, 6},
    {1, 20, 5, kNext, 6},
    {1, 20, 13, kUpFive, 2},
    {1, 20, 7, kUpFive, 0},
    {1, 20, 1, kDownFive, 10},
    {1, 20, 0, kDownFive, 10},
    {1, 20, 12, kDownFive, 19},
    // An even count: next from the head of the last pair lands on its second line.
    {1, 20, 18, kNext, 19},
    {1, 20, 19, kNext, 19},
    // Mode 2: line 0 alone, then (1,2), (3,4), ...
    {2, 20, 0, kPrev, 0},
    {2, 20, 1, kPrev, 0},
    {2, 20, 2, kPrev, 0},
    {2, 20, 3, kPrev, 1},
    {2, 20, 4, kPrev, 1},
    {2, 20, 0, kNext, 1},
    {2, 20, 1, kNext, 3},
    {2, 20, 2, kNext, 3},
    {2, 20, 11, kUpFive, 1},
    {2, 20, 12, kUpFive, 1},
    {2, 20, 0, kDownFive, 9},
    {2, 20, 2, kDownFive, 11},
    {2, 20, 19, kNext, 19},
    // One line: everything stays on it.
    {0, 1, 0, kNext, 0},
    {1, 1, 0, kDownFive, 0},
    {2, 1, 0, kPrev, 0},
};

} // namespace

TEST(LineSteps, NavigationLandsWhereTheCommandsShould) {
    for (const StepCase& c : kStepCases) {
        EXPECT_EQ(steppedLine(c.line, c.sentences, c.n, c.mode), c.expected)
            << "mode " << c.mode << " n " << c.n << " line " << c.line << " step " << c.sentences;
    }
}

// Away from the ends a step lands on the head of the sentence that many sentences away; beyond
// the first sentence it gives line 0, beyond the last the table's last line.
TEST(LineSteps, StepsAgreeWithTheSentenceNumbering) {
    for (int mode = 0; mode <= 2; ++mode) {
        for (int n = 1; n <= 13; ++n) {
            const Grouping g{mode, n};
            for (int line = 0; line < n; ++line) {
                for (const int k : {kPrev, kNext, kUpFive, kDownFive}) {
                    const int target = g.sentenceOfLine(line) + k;
                    int expected = n - 1;
                    if (target < 1)
                        expected = 0;
                    else if (target <= g.sentenceCount())
                        expected = g.linesOfSentence(target).first;
                    ASSERT_EQ(steppedLine(line, k, n, mode), expected)
                        << "mode " << mode << " n " << n << " line " << line << " step " << k;
                }
            }
        }
    }
}

TEST(LineSteps, HeadsAndSentenceEndsFollowTheGrouping) {
    for (int mode = 0; mode <= 2; ++mode) {
        for (int n = 1; n <= 9; ++n) {
            const Grouping g{mode, n};
            for (int line = 0; line < n; ++line) {
                const kw::LineRange range = g.linesOfSentence(g.sentenceOfLine(line));
                EXPECT_EQ(headLineOf(line, mode), range.first)
                    << "mode " << mode << " line " << line;
                EXPECT_EQ(endsSentence(line, n, mode), line == range.last)
                    << "mode " << mode << " n " << n << " line " << line;
            }
        }
    }
}
