#include "RepeatFixture.h"
#include "subtitle/Sentences.h"

#include <functional>

using kwtest::RepeatFixture;
using Nav = kw::SentenceNavigator;

namespace {

struct NavCase {
    const char* command;
    std::function<void(Nav&)> run;
    int lrcMode;
    int fromLine;
    int expectedLine;
};

const NavCase kNavCases[] = {
    {"prev, first line", &Nav::prevSentence, 0, 0, 0},
    {"prev, mode 2 second line of a pair", &Nav::prevSentence, 2, 2, 0},
    {"prev, mode 2 middle", &Nav::prevSentence, 2, 4, 1},
    {"next, last line", &Nav::nextSentence, 0, 19, 19},
    {"next, mode 1 head of the last pair", &Nav::nextSentence, 1, 18, 19},
    {"next, mode 2 from line 0", &Nav::nextSentence, 2, 0, 1},
    {"up five, mode 1", &Nav::upFive, 1, 13, 2},
    {"up five, mode 1 near the start", &Nav::upFive, 1, 7, 0},
    {"down five, mode 0 near the end", &Nav::downFive, 0, 17, 19},
    {"down five, mode 2", &Nav::downFive, 2, 2, 11},
    {"repeat, mode 0", &Nav::repeatCurrent, 0, 7, 7},
    {"repeat, mode 1 second line", &Nav::repeatCurrent, 1, 5, 4},
    {"repeat, mode 2 second line", &Nav::repeatCurrent, 2, 4, 3},
    {"repeat, mode 2 line 0", &Nav::repeatCurrent, 2, 0, 0},
    {"first", &Nav::firstSentence, 2, 9, 0},
    {"last, mode 0", &Nav::lastSentence, 0, 3, 19},
    {"last, mode 1 even count", &Nav::lastSentence, 1, 3, 18},
    {"last, mode 2 even count", &Nav::lastSentence, 2, 3, 19},
    {"jump, mode 0", [](Nav& n) { n.jumpToLine(8); }, 0, 3, 8},
    {"jump, mode 1 second line", [](Nav& n) { n.jumpToLine(7); }, 1, 3, 6},
    {"jump, mode 2 second line", [](Nav& n) { n.jumpToLine(8); }, 2, 3, 7},
};

} // namespace

class Navigation : public RepeatFixture {
protected:
    void SetUp() override { loadEvenly(20); }

    // Brings playback into `playState` with `line` current.
    void enter(kw::PlayState playState, int line) {
        if (playState != kw::kStopped)
            controller.playPause();
        if (playState == kw::kPaused)
            controller.playPause();
        state.curLine = line;
        state.repeatDone = 3;
    }
};

TEST_F(Navigation, EveryCommandMovesAndSeeksWithoutChangingThePlayState) {
    for (const kw::PlayState playState : {kw::kStopped, kw::kPaused, kw::kPlaying}) {
        for (const NavCase& c : kNavCases) {
            SCOPED_TRACE(testing::Message() << c.command << " in play state " << playState);
            controller.stop();
            state.lrcMode = c.lrcMode;
            enter(playState, c.fromLine);
            const int counterWrites = view.statusWrites[kw::RepeatView::kSentenceCounter];
            c.run(navigator);
            EXPECT_EQ(state.curLine, c.expectedLine);
            EXPECT_EQ(state.repeatDone, 1);
            EXPECT_EQ(positionMs(), 1000 * c.expectedLine);
            EXPECT_EQ(state.playState, playState);
            EXPECT_EQ(controller.isPolling(), playState == kw::kPlaying);
            const kw::Grouping g{c.lrcMode, 20};
            EXPECT_EQ(view.status[kw::RepeatView::kSentenceCounter],
                      QStringLiteral("%1 / %2")
                          .arg(g.sentenceOfLine(c.expectedLine))
                          .arg(g.sentenceCount()));
            EXPECT_GT(view.statusWrites[kw::RepeatView::kSentenceCounter], counterWrites);
        }
    }
}

TEST_F(Navigation, WhilePausedPlayResumesFromTheNewSentenceWithoutAnotherSeek) {
    playPause();
    playFor(500);
    controller.playPause();
    navigator.downFive();
    const auto seeks = seeksMs();
    EXPECT_EQ(seeks.back(), 5000);
    controller.playPause();
    EXPECT_EQ(seeksMs(), seeks);
    playFor(300);
    EXPECT_EQ(positionMs(), 5300);
}

TEST_F(Navigation, WhileStoppedPlayStartsAtTheChosenSentence) {
    navigator.nextSentence();
    navigator.nextSentence();
    EXPECT_EQ(state.playState, kw::kStopped);
    playPause();
    EXPECT_EQ(positionMs(), 2000);
    EXPECT_EQ(heard, std::vector<int>{2});
}

TEST_F(Navigation, WhilePlayingTheNewSentenceIsHeardAtOnce) {
    state.totalCount = 2;
    playPause();
    playFor(1500);
    navigator.nextSentence();
    playFor(1000);
    navigator.prevSentence();
    playFor(500);
    EXPECT_EQ(heard, (std::vector<int>{0, 0, 1, 1, 0}));
}

TEST_F(Navigation, NothingHappensWithoutAFileOrForALineOutsideTheTable) {
    navigator.jumpToLine(20);
    navigator.jumpToLine(-1);
    EXPECT_TRUE(seeksMs().empty());
    EXPECT_EQ(view.statusWrites, (std::array<int, 3>{0, 0, 0}));

    kw::AppState empty;
    kw::RepeatController idle(empty, view);
    Nav nav(empty, idle);
    for (const NavCase& c : kNavCases)
        c.run(nav);
    EXPECT_EQ(empty.curLine, 0);
    EXPECT_EQ(empty.repeatDone, 0);
    EXPECT_EQ(view.statusWrites, (std::array<int, 3>{0, 0, 0}));
}
